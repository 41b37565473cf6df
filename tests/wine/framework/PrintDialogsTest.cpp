// The file and print dialogs answered as a user would, the application's printer defaults,
// the framework's print strings, and a document printed through CDC to a file.
#include <afxdlgs.h>
#include <gtest/gtest.h>

#include "FrameworkApp.h"
#include "Modal.h"
#include "Printer.h"

#include <string>
#include <vector>

namespace {

// Types a name into whichever file name box the dialog has, then presses OK.
void TypeFileNameAndOk(HWND dialog, const std::wstring& name) {
  for (int id : {0x480 /* edt1 */, 0x47c /* cmb13 */})
    if (HWND box = GetDlgItem(dialog, id)) SetWindowTextW(box, name.c_str());
  tks::PressButton(dialog, IDOK);
}

std::wstring TempFolder() {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  return dir;
}

TEST(FileDialog, SaveGivesThePathAndItsPartsAndCancelGivesNothing) {
  tks::FrameworkApp();
  const std::wstring path = tks::TempPath(L"tkw save test.report.prn");
  CFileDialog dlg(FALSE, L"prn", NULL, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                  L"Printer Files (*.prn)|*.prn|All Files (*.*)|*.*||");
  EXPECT_EQ(0, memcmp(L"Printer Files (*.prn)\0*.prn\0", dlg.m_ofn.lpstrFilter, 28 * 2));
  tks::AnswerNextDialog([&](HWND d) { TypeFileNameAndOk(d, path); });
  ASSERT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ(path, dlg.GetPathName().GetString());
  EXPECT_STREQ(L"tkw save test.report.prn", dlg.GetFileName());
  EXPECT_STREQ(L"prn", dlg.GetFileExt());
  EXPECT_STREQ(L"tkw save test.report", dlg.GetFileTitle());

  CFileDialog cancelled(FALSE);
  tks::AnswerNextDialog([](HWND d) { tks::PressButton(d, IDCANCEL); });
  EXPECT_EQ(IDCANCEL, cancelled.DoModal());
  EXPECT_TRUE(cancelled.GetPathName().IsEmpty());
  EXPECT_EQ(nullptr, cancelled.GetStartPosition());
}

TEST(FileDialog, MultiSelectionIteratesEveryChosenFile) {
  tks::FrameworkApp();
  const std::wstring folder = TempFolder();
  for (const wchar_t* name : {L"tkw-a.txt", L"tkw-b.txt"}) {
    HANDLE h = CreateFileW((folder + name).c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, 0);
    CloseHandle(h);
  }
  CFileDialog dlg(TRUE, NULL, NULL, OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST);
  std::vector<wchar_t> buffer(4096, L'\0');
  dlg.m_ofn.lpstrFile = buffer.data();
  dlg.m_ofn.nMaxFile = DWORD(buffer.size());
  dlg.m_ofn.lpstrInitialDir = folder.c_str();
  tks::AnswerNextDialog([](HWND d) { TypeFileNameAndOk(d, L"\"tkw-a.txt\" \"tkw-b.txt\""); });
  ASSERT_EQ(IDOK, dlg.DoModal());
  std::vector<std::wstring> got;
  for (POSITION pos = dlg.GetStartPosition(); pos && got.size() < 5;)
    got.push_back(dlg.GetNextPathName(pos).GetString());
  std::vector<std::wstring> want = {folder + L"tkw-a.txt", folder + L"tkw-b.txt"};
  for (auto& p : got) CharLowerW(&p[0]);
  for (auto& p : want) CharLowerW(&p[0]);
  EXPECT_EQ(want, got);
}

TEST(PrintStrings, TheFrameworkCarriesItsPrintStrings) {
  for (UINT id : {AFX_IDS_PRINTONPORT, AFX_IDS_PRINTTOFILE, AFX_IDS_PRINTPAGENUM,
                  AFX_IDS_PREVIEWPAGEDESC, AFX_IDS_PRINTDEFAULTEXT, AFX_IDS_PRINTDEFAULT,
                  AFX_IDS_PRINTFILTER, AFX_IDS_PRINTCAPTION, AFX_IDP_FAILED_TO_START_PRINT}) {
    CString s;
    EXPECT_TRUE(s.LoadString(id)) << std::hex << id;
  }
}

TEST(PrintDialog, DoPrintDialogStartsFromAndKeepsTheApplicationsPrinter) {
  ASSERT_TRUE(tks::InstallTestPrinter());
  CWinApp& app = tks::FrameworkApp();
  app.UpdatePrinterSelection(TRUE);
  ASSERT_NE(nullptr, app.m_hDevNames) << "the default printer is found without a window";

  CPrintInfo info;
  info.m_pPD->m_pd.Flags &= ~PD_NOPAGENUMS;
  info.m_pPD->m_pd.nFromPage = 1;
  info.m_pPD->m_pd.nToPage = 1;
  info.m_pPD->m_pd.nMaxPage = 9;
  tks::AnswerNextDialog([](HWND d) { tks::PressButton(d, IDOK); });
  ASSERT_EQ(IDOK, app.DoPrintDialog(info.m_pPD));
  EXPECT_STREQ(tks::kTestPrinter, info.m_pPD->GetDeviceName());
  EXPECT_NE(nullptr, info.m_pPD->GetPrinterDC());
  EXPECT_EQ(app.m_hDevNames, info.m_pPD->m_pd.hDevNames) << "the application keeps the choice";
  EXPECT_EQ(1, info.m_pPD->GetCopies());

  CPrintInfo cancelled;
  tks::AnswerNextDialog([](HWND d) { tks::PressButton(d, IDCANCEL); });
  EXPECT_EQ(IDCANCEL, app.DoPrintDialog(cancelled.m_pPD));
  EXPECT_EQ(nullptr, cancelled.m_pPD->GetPrinterDC());

  CDC dc;
  ASSERT_TRUE(app.CreatePrinterDC(dc));
  EXPECT_GT(dc.GetDeviceCaps(HORZRES), 0);
}

TEST(PrinterDC, ADocumentPrintedToAFileReadsBack) {
  ASSERT_TRUE(tks::InstallTestPrinter());
  CDC dc;
  ASSERT_TRUE(tks::FrameworkApp().CreatePrinterDC(dc));
  const std::wstring out = tks::TempPath(L"tkw-cdc.ps");
  DOCINFOW di = {sizeof di, L"cdc", out.c_str(), NULL, 0};
  ASSERT_GT(dc.StartDoc(&di), 0);
  for (const wchar_t* text : {L"First page here", L"Second page here"}) {
    ASSERT_GT(dc.StartPage(), 0);
    dc.TextOut(300, 300, text, lstrlenW(text));
    ASSERT_GT(dc.EndPage(), 0);
  }
  ASSERT_GT(dc.EndDoc(), 0);
  int pages = 0;
  const std::string text = tks::PostScriptText(out, &pages);
  EXPECT_EQ(2, pages);
  EXPECT_NE(std::string::npos, text.find("Second page here")) << text;
}

}  // namespace
