// TKWPropertySheet: the sheet buttons re-packed after hiding, wizard buttons managed by the
// sheet itself and Enter pressing Next, Apply asking every page, the modified flag and
// read-only mode reaching the pages, tab choices recorded and the toolkit's icon theme set.
#include "WizardFixture.h"

#include <memory>
#include <vector>

#include "XTPPaintManager.h"
#include "controls/Item.h"

namespace {

using wiztest::ButtonRect;

const int kApply = 0x3021;

class SheetTest : public wiztest::WizardTest {
 protected:
  // A modeless sheet with two pages of the page base; the caller may set it up first.
  std::unique_ptr<TKWPropertySheet> Make(DWORD dwHide, bool bWizard = false) {
    auto sheet = std::make_unique<TKWPropertySheet>(L"Options");
    if (bWizard) sheet->SetWizardMode();
    sheet->SetSheetButtons(dwHide);
    for (wiztest::CCountingPage& page : pages) sheet->AddPage(&page);
    EXPECT_TRUE(sheet->Create());
    return sheet;
  }
  wiztest::CCountingPage pages[2];
};

TEST_F(SheetTest, HiddenButtonsLeaveTheirPlacesToTheButtonsOnTheirLeft) {
  CRect ok, cancel;
  {
    auto plain = Make(0);
    ok = ButtonRect(plain->m_hWnd, IDOK);
    cancel = ButtonRect(plain->m_hWnd, IDCANCEL);
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(plain->m_hWnd, kApply)));
    plain->DestroyWindow();
  }
  const int w = ok.Width();
  struct Case {
    DWORD mask;
    bool okShown, cancelShown, applyShown;
    int okShift, cancelShift;  // whole widths of the button, gaps not counted
  };
  const Case cases[] = {
      {4, true, true, false, 1, 1},  // Apply hidden: both move one place
      {4 | 1, false, true, false, 0, 1}, {4 | 2, true, false, false, 2, 0},
      {2, true, false, true, 1, 0},      {1, false, true, true, 0, 0},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(testing::Message() << "mask " << t.mask);
    auto sheet = Make(t.mask);
    const HWND h = sheet->m_hWnd;
    EXPECT_EQ(t.okShown, bool(::IsWindowVisible(::GetDlgItem(h, IDOK))));
    EXPECT_EQ(t.okShown, bool(::IsWindowEnabled(::GetDlgItem(h, IDOK))));
    EXPECT_EQ(t.cancelShown, bool(::IsWindowVisible(::GetDlgItem(h, IDCANCEL))));
    EXPECT_EQ(t.applyShown, bool(::IsWindowVisible(::GetDlgItem(h, kApply))));
    if (t.okShown) {
      EXPECT_EQ(ok.left + t.okShift * w, ButtonRect(h, IDOK).left);
    }
    if (t.cancelShown) {
      EXPECT_EQ(cancel.left + t.cancelShift * cancel.Width(), ButtonRect(h, IDCANCEL).left);
    }
    sheet->DestroyWindow();
  }
}

TEST_F(SheetTest, OwnWizardButtonsAreSetDirectlyAndEnterPressesNextOnlyWhenBothAreOn) {
  auto sheet = Make(0, true);
  const HWND h = sheet->m_hWnd;
  auto enabled = [h](int id) { return bool(::IsWindowEnabled(::GetDlgItem(h, id))); };

  // Through the sheet's message, posted: nothing changes before it is handled.
  sheet->SetWizardButtons(PSWIZB_NEXT);
  tks::PumpUntilIdle();
  EXPECT_FALSE(enabled(ID_WIZBACK));
  EXPECT_TRUE(enabled(ID_WIZNEXT));

  sheet->m_bOwnWizardButtons = TRUE;
  sheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
  EXPECT_TRUE(enabled(ID_WIZBACK)) << "set at once, without the sheet's message";
  EXPECT_FALSE(enabled(ID_WIZNEXT));
  EXPECT_TRUE(enabled(ID_WIZFINISH));
  EXPECT_EQ(DWORD(PSWIZB_BACK | PSWIZB_FINISH), sheet->m_dwWizardButtons);

  // Enter in a rich edit control belongs to the control, whatever the buttons.
  sheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
  ::LoadLibraryW(L"riched20.dll");
  HWND hRich = ::CreateWindowExW(0, L"RichEdit20W", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0,
                                 50, 20, pages[0].m_hWnd, NULL, NULL, NULL);
  ::SetFocus(hRich);
  MSG enter{hRich, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
  sheet->PreTranslateMessage(&enter);
  tks::PumpUntilIdle();
  EXPECT_EQ(0, sheet->GetActiveIndex());

  ::SetFocus(::GetDlgItem(h, ID_WIZBACK));
  enter.hwnd = ::GetDlgItem(h, ID_WIZBACK);
  EXPECT_TRUE(sheet->PreTranslateMessage(&enter));
  tks::PumpUntilIdle();
  EXPECT_EQ(1, sheet->GetActiveIndex()) << "Enter pressed Next";
  sheet->DestroyWindow();
}

TEST_F(SheetTest, ApplyAsksEveryPageAndKeepsTheModifiedFlagWhenOneRefuses) {
  auto sheet = Make(0);
  sheet->SetActivePage(1);  // both pages have windows
  pages[1].OnSetModified();
  EXPECT_TRUE(sheet->IsModified());
  EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(sheet->m_hWnd, kApply)));

  pages[0].apply = FALSE;
  EXPECT_FALSE(sheet->Apply());
  EXPECT_EQ(1, pages[0].applies);
  EXPECT_EQ(1, pages[1].applies) << "asked even after the first refused";
  EXPECT_TRUE(sheet->IsModified());

  pages[0].apply = TRUE;
  EXPECT_TRUE(sheet->Apply());
  EXPECT_FALSE(sheet->IsModified());

  pages[1].SetModified(FALSE);
  EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(sheet->m_hWnd, kApply)));
  sheet->DestroyWindow();
}

TEST_F(SheetTest, ReadOnlyReachesEveryPageAndItsControls) {
  auto sheet = Make(0);
  sheet->SetActivePage(1);
  sheet->SetReadOnly(TRUE);
  for (wiztest::CCountingPage& page : pages) {
    EXPECT_TRUE(page.m_bReadOnly);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(page.m_hWnd, IDC_QX_PAGE_NOTE)));
  }
  sheet->SetReadOnly(FALSE);
  EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(pages[0].m_hWnd, IDC_QX_PAGE_NOTE)));
  sheet->DestroyWindow();
}

TEST_F(SheetTest, ChoosingATabRecordsItInTheEditedItemAndTellsTheAdviseSink) {
  struct Advise : ISheetAdvise {
    std::vector<int> tabs;
    void Refresh() override {}
    void SetTab(int nActiveIndex) override { tabs.push_back(nActiveIndex); }
  } advise;
  CItem item;
  auto sheet = Make(0);
  sheet->m_pAdvise = &advise;
  HWND hTab = sheet->GetTabControl();
  NMHDR hdr{hTab, UINT_PTR(::GetDlgCtrlID(hTab)), UINT(TCN_SELCHANGE)};
  auto choose = [&](int nTab) {
    ::SendMessageW(hTab, TCM_SETCURSEL, nTab, 0);
    sheet->SendMessage(WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
  };
  CXTPPaintManager::FreeTheme();
  choose(1);
  EXPECT_TRUE(advise.tabs.empty()) << "without an item the sheet leaves tabs alone";
  EXPECT_EQ(nullptr, XTPPaintManager()) << "and the theme too";
  sheet->SetItem(&item);
  choose(0);
  choose(1);
  EXPECT_EQ(1, item.m_nSelectedTab);
  EXPECT_EQ((std::vector<int>{0, 1}), advise.tabs);
  EXPECT_EQ(1, sheet->GetActiveIndex());
  const CXTPPaintManager* pTheme = XTPPaintManager();
  ASSERT_NE(nullptr, pTheme) << "a notification creates the default theme";
  EXPECT_EQ(int(xtpThemeDefault), pTheme->GetCurrentTheme());
  EXPECT_TRUE(pTheme->m_bIconShadows && pTheme->m_bFadedIcons && pTheme->m_bEmbossDisabledIcons);
  sheet->DestroyWindow();
}

}  // namespace
