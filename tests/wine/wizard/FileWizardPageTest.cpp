// CFileWizardPage in a modeless wizard sheet: the recent list read from the application's
// registry profile, a missing file refused on Next, an existing one accepted and moved to the
// top of the list, Finish handing the file to the application.
#include "WizardFixture.h"

#include <memory>
#include <string>
#include <vector>

#include "wizard/FileWizardPage.h"

namespace {

const wchar_t kRegistryKey[] = L"Velotrace Tests";

class FilePageTest : public wiztest::WizardTest {
 protected:
  void SetUp() override {
    wiztest::WizardTest::SetUp();
    CWinApp& app = tks::FrameworkApp();
    if (!app.m_pszRegistryKey) app.SetRegistryKey(kRegistryKey);
    wchar_t dir[MAX_PATH];
    ::GetTempPathW(MAX_PATH, dir);
    for (int i = 0; i < 6; ++i) {
      CString path;
      path.Format(L"%sfile page %d \u00c4\u00f6\u20ac\u65e5.vsw", dir, i);  // spaces, non-ASCII
      CFile(path, CFile::modeCreate | CFile::modeWrite);
      files_.push_back(path);
    }
    section_ = L"FilePageTest";
    DeleteSection();
  }
  void TearDown() override {
    DeleteSection();
    for (const CString& f : files_) ::DeleteFileW(f);
    wiztest::WizardTest::TearDown();
  }
  void DeleteSection() {
    CString key;
    key.Format(L"Software\\%s\\TKWTests\\%s", kRegistryKey, section_.GetString());
    ::RegDeleteTreeW(HKEY_CURRENT_USER, key);
  }
  static CString ValueName(int n) {
    CString name;
    name.Format(L"File%d", n);
    return name;
  }
  CString Recent(int n) {
    return tks::FrameworkApp().GetProfileString(section_ + L"\\Recent File List", ValueName(n));
  }
  void StoreRecent(int n, const CString& path) {
    tks::FrameworkApp().WriteProfileString(section_ + L"\\Recent File List", ValueName(n), path);
  }
  // The file page, then the other pages, in a wizard sheet sharing its wizard data.
  static bool ShowWizard(TKWPropertySheet& sheet, CFileWizardPage& page,
                         std::vector<TKWPropertyPage*> others = {}) {
    sheet.SetWizardMode();
    sheet.SetupPropertyPage(&page);
    sheet.AddPage(&page);
    for (TKWPropertyPage* pOther : others) {
      sheet.SetupPropertyPage(pOther);
      sheet.AddPage(pOther);
    }
    return sheet.Create() != FALSE;
  }

  CString section_;
  std::vector<CString> files_;
};

TEST_F(FilePageTest, NextRefusesAMissingFileAndPutsAnExistingOneFirst) {
  for (int nRecent : {0, 1, 4}) {
    SCOPED_TRACE(nRecent);
    DeleteSection();
    for (int i = 0; i < nRecent; ++i) StoreRecent(i + 1, files_[i]);
    CFilePageData data;
    data.m_strSection = section_;
    CFileWizardPage page(&data, CFileWizardPage::IDD);
    wiztest::CCountingPage next;
    TKWPropertySheet sheet(L"Wizard");
    ASSERT_TRUE(ShowWizard(sheet, page, {&next}));
    EXPECT_EQ(nRecent, page.m_listRecent.GetItemCount());

    CString missing = files_[5] + L".gone";
    page.SetDlgItemText(IDC_QX_FILE_PATH, missing);
    std::wstring said;
    tks::AnswerNextMessageBox([&said](const std::wstring&, const std::wstring& text) {
      said = text;
      return IDOK;
    });
    sheet.SendMessage(PSM_PRESSBUTTON, PSBTN_NEXT);
    tks::PumpUntilIdle();
    EXPECT_EQ(0, sheet.GetActiveIndex()) << "stays on the page";
    EXPECT_NE(std::wstring::npos, said.find(L"does not exists."));
    EXPECT_EQ(nRecent ? files_[0] : CString(), Recent(1)) << "the list is left alone";

    page.SetDlgItemText(IDC_QX_FILE_PATH, files_[5]);
    sheet.SendMessage(PSM_PRESSBUTTON, PSBTN_NEXT);
    tks::PumpUntilIdle();
    EXPECT_EQ(1, sheet.GetActiveIndex());
    EXPECT_EQ(files_[5], Recent(1));
    for (int i = 0; i < nRecent; ++i) EXPECT_EQ(files_[i], Recent(i + 2)) << i;
    ASSERT_NE(nullptr, sheet.m_WizData.GetOwnerPageData(CFileWizardPage::IDD));
    EXPECT_EQ(files_[5], sheet.m_WizData.GetOwnerPageData(CFileWizardPage::IDD)->m_strData);
    sheet.DestroyWindow();
  }
}

TEST_F(FilePageTest, HolesAndOverlongValuesInTheStoredListAreSkipped) {
  StoreRecent(1, files_[0]);
  StoreRecent(3, CString(L'x', 10000));
  StoreRecent(4, files_[1]);
  CFilePageData data;
  data.m_strSection = section_;
  CFileWizardPage page(&data, CFileWizardPage::IDD);
  TKWPropertySheet sheet(L"Wizard");
  ASSERT_TRUE(ShowWizard(sheet, page));
  ASSERT_EQ(2, page.m_listRecent.GetItemCount());
  // A row's item data is its path.
  EXPECT_EQ(files_[0], reinterpret_cast<LPCTSTR>(page.m_listRecent.GetItemData(0)));
  EXPECT_EQ(files_[1], reinterpret_cast<LPCTSTR>(page.m_listRecent.GetItemData(1)));
  sheet.DestroyWindow();
}

TEST_F(FilePageTest, FinishEndsWhenTheApplicationOpensTheFileAndElseDropsItFromTheList) {
  StoreRecent(1, files_[0]);
  StoreRecent(2, files_[1]);
  CDocument document;
  std::vector<CString> asked;
  bool bOpens = false;
  auto previous = tks::SetOpenDocumentAnswer([&](LPCTSTR path) {
    asked.push_back(path);
    return bOpens ? &document : nullptr;
  });
  CFilePageData data;
  data.m_strSection = section_;
  data.m_bFinishPage = TRUE;
  CFileWizardPage page(&data, CFileWizardPage::IDD);
  TKWPropertySheet sheet(L"Wizard");
  ASSERT_TRUE(ShowWizard(sheet, page));
  auto finish = [&](const CString& path) {
    page.SetDlgItemText(IDC_QX_FILE_PATH, path);
    sheet.SendMessage(PSM_PRESSBUTTON, PSBTN_FINISH);
    tks::PumpUntilIdle();
    return ::SendMessageW(sheet.m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) == 0;
  };

  EXPECT_FALSE(finish(files_[0])) << "refused: the wizard stays";
  EXPECT_EQ(CString(), Recent(1)) << "and the file leaves the list";
  EXPECT_EQ(files_[1], Recent(2));
  EXPECT_EQ(1, page.m_listRecent.GetItemCount());
  CString shown;
  page.GetDlgItemText(IDC_QX_FILE_PATH, shown);
  EXPECT_TRUE(shown.IsEmpty() && page.m_strPath.IsEmpty());

  bOpens = true;
  EXPECT_TRUE(finish(files_[1])) << "opened: the wizard ends";
  EXPECT_EQ((std::vector<CString>{files_[0], files_[1]}), asked);
  tks::SetOpenDocumentAnswer(previous);
  sheet.DestroyWindow();
}

}  // namespace
