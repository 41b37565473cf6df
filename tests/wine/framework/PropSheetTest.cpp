// CPropertySheet and CPropertyPage run modally (and modeless): buttons pressed the way the
// user presses them, the page handlers' answers steering the sheet, pages added and removed
// while it runs, and keys passing through PreTranslateMessage inside the sheet's loop.
#include <afxdlgs.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "PropSheetPages.h"
#include "Support.h"

namespace {

using Log = std::vector<std::string>;

// A page that logs its handlers as "<name>.<handler>" and answers as told.
class CLogPage : public CPropertyPage {
 public:
  CLogPage(UINT nIDTemplate, const char* name, Log& log)
      : CPropertyPage(nIDTemplate), m_name(name), m_log(log) {}

  BOOL setActive = TRUE, killActive = TRUE, apply = TRUE, queryCancel = TRUE, finish = TRUE;
  LRESULT next = 0;
  DWORD wizardButtons = 0;  // set on activation when not 0
  std::vector<UINT> keys;   // WM_KEYDOWN seen by PreTranslateMessage

  BOOL OnSetActive() override {
    Note("setactive");
    if (wizardButtons) GetParentSheet()->SetWizardButtons(wizardButtons);
    return CPropertyPage::OnSetActive() && setActive;
  }
  BOOL OnKillActive() override { return Note("killactive"), killActive; }
  BOOL OnApply() override { return Note("apply"), apply; }
  void OnReset() override { Note("reset"); }
  BOOL OnQueryCancel() override { return Note("querycancel"), queryCancel; }
  LRESULT OnWizardNext() override { return Note("next"), next; }
  LRESULT OnWizardBack() override { return Note("back"), 0; }
  BOOL OnWizardFinish() override { return Note("finish"), finish; }
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN) keys.push_back(UINT(pMsg->wParam));
    return CPropertyPage::PreTranslateMessage(pMsg);
  }

 private:
  void Note(const char* what) { m_log.push_back(m_name + "." + what); }
  std::string m_name;
  Log& m_log;
};

class PropSheetTest : public ::testing::Test {
 protected:
  Log log;
  CLogPage a{IDD_PAGE_FIRST, "a", log}, b{IDD_PAGE_SECOND, "b", log}, c{IDD_PAGE_THIRD, "c", log};
  CPropertySheet sheet{L"Sheet"};

  void SetUp() override {
    tks::ClearModalAnswers();
    for (CLogPage* p : {&a, &b, &c}) sheet.AddPage(p);
  }
  // Runs the sheet modally; drive() gets it once it is active and must end it.
  INT_PTR Run(std::function<void(HWND)> drive) {
    tks::AnswerNextDialog(std::move(drive));
    const INT_PTR result = sheet.DoModal();
    EXPECT_EQ(0, tks::PendingModalAnswers());
    return result;
  }
  static void Press(HWND h, int button) { SendMessageW(h, PSM_PRESSBUTTON, button, 0); }
  bool Logged(const std::string& entry) const {
    return std::find(log.begin(), log.end(), entry) != log.end();
  }
};

TEST_F(PropSheetTest, TabbedSheetEndsByItsButtonsAndThePagesAnswers) {
  struct Case {
    const char* name;
    int button;
    BOOL apply, queryCancel;
    INT_PTR result;
    std::vector<std::string> expected;  // entries that must be in the log
  };
  const Case cases[] = {
      {"OK applies", PSBTN_OK, TRUE, TRUE, IDOK, {"a.killactive", "a.apply"}},
      {"Cancel resets", PSBTN_CANCEL, TRUE, TRUE, IDCANCEL, {"a.querycancel", "a.reset"}},
      // A refusing page keeps the sheet open; the fallback Cancel then ends it.
      {"OK refused", PSBTN_OK, FALSE, TRUE, IDCANCEL, {"a.apply", "a.reset"}},
      {"Cancel refused", PSBTN_CANCEL, TRUE, FALSE, IDOK, {"a.querycancel", "a.apply"}},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(t.name);
    log.clear();
    a.apply = t.apply;
    a.queryCancel = t.queryCancel;
    const INT_PTR result = Run([&](HWND h) {
      EXPECT_EQ(&a, sheet.GetActivePage());
      Press(h, t.button);
      if (sheet.GetActivePage()) {  // still open: end it the other way
        a.apply = a.queryCancel = TRUE;
        Press(h, t.button == PSBTN_OK ? PSBTN_CANCEL : PSBTN_OK);
      }
    });
    EXPECT_EQ(t.result, result);
    for (const std::string& e : t.expected) EXPECT_TRUE(Logged(e)) << e;
    EXPECT_EQ(nullptr, a.m_hWnd) << "the page object lets go of its window";
  }
}

TEST_F(PropSheetTest, WizardMovesAsThePagesAnswer) {
  struct Case {
    const char* name;
    std::function<void()> arrange;
    std::vector<int> buttons;
    std::vector<int> activeAfter;  // active index after each button (-1: ended)
    INT_PTR result;
  };
  const Case cases[] = {
      {"next, next, finish",
       [] {},
       {PSBTN_NEXT, PSBTN_NEXT, PSBTN_FINISH},
       {1, 2, -1},
       ID_WIZFINISH},
      {"back returns", [] {}, {PSBTN_NEXT, PSBTN_BACK, PSBTN_CANCEL}, {1, 0, -1}, IDCANCEL},
      {"next answering -1 stays",
       [&] { a.next = -1; },
       {PSBTN_NEXT, PSBTN_CANCEL},
       {0, -1},
       IDCANCEL},
      {"next answering a template jumps",
       [&] { a.next = IDD_PAGE_THIRD; },
       {PSBTN_NEXT, PSBTN_FINISH},
       {2, -1},
       ID_WIZFINISH},
      {"kill-active refused stays",
       [&] { a.killActive = FALSE; },
       {PSBTN_NEXT, PSBTN_CANCEL},
       {0, -1},
       IDCANCEL},
      {"finish refused stays",
       [&] { a.finish = FALSE; },
       {PSBTN_FINISH, PSBTN_CANCEL},
       {0, -1},
       IDCANCEL},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(t.name);
    for (CLogPage* p : {&a, &b, &c}) {
      p->next = 0;
      p->killActive = p->finish = TRUE;
    }
    t.arrange();
    sheet.SetWizardMode();
    std::vector<int> active;
    const INT_PTR result = Run([&](HWND h) {
      for (int button : t.buttons) {
        Press(h, button);
        active.push_back(sheet.GetActiveIndex());
      }
    });
    EXPECT_EQ(t.result, result);
    EXPECT_EQ(t.activeAfter, active);
  }
}

TEST_F(PropSheetTest, WizardButtonsFollowSetWizardButtons) {
  CPropertySheet wizard(L"Wizard", nullptr, 0, nullptr, nullptr, nullptr);
  Log wlog;
  CLogPage first(IDD_PAGE_FIRST, "first", wlog), last(IDD_PAGE_SECOND, "last", wlog);
  first.wizardButtons = PSWIZB_NEXT;
  last.wizardButtons = PSWIZB_BACK | PSWIZB_FINISH;
  wizard.AddPage(&first);
  wizard.AddPage(&last);
  tks::AnswerNextDialog([&](HWND h) {
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(h, ID_WIZBACK)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(h, ID_WIZNEXT)));
    Press(h, PSBTN_NEXT);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(h, ID_WIZBACK)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(h, ID_WIZFINISH)));
    Press(h, PSBTN_FINISH);
  });
  EXPECT_EQ(ID_WIZFINISH, wizard.DoModal());
}

TEST_F(PropSheetTest, PagesComeAndGoWhileTheSheetRuns) {
  sheet.RemovePage(&c);
  const INT_PTR result = Run([&](HWND h) {
    const HWND tab = sheet.GetTabControl();
    sheet.AddPage(&c);
    sheet.AddPage(&c);  // one page object cannot stand behind two tabs
    EXPECT_EQ(3, sheet.GetPageCount());
    EXPECT_EQ(3, TabCtrl_GetItemCount(tab));
    EXPECT_TRUE(sheet.SetActivePage(&c));
    EXPECT_EQ(&c, sheet.GetActivePage());
    EXPECT_TRUE(IsWindow(c.m_hWnd)) << "the added page's window is made on activation";
    sheet.RemovePage(&a);
    EXPECT_EQ(2, sheet.GetPageCount());
    EXPECT_EQ(2, TabCtrl_GetItemCount(tab));
    EXPECT_EQ(&c, sheet.GetActivePage());
    Press(h, PSBTN_OK);
  });
  EXPECT_EQ(IDOK, result);
  EXPECT_TRUE(Logged("c.apply"));
  EXPECT_FALSE(Logged("a.apply"));
}

TEST_F(PropSheetTest, ModifiedEnablesApplyAndCancelToCloseDisablesCancel) {
  Run([&](HWND h) {
    const HWND apply = GetDlgItem(h, ID_APPLY_NOW);
    EXPECT_FALSE(IsWindowEnabled(apply));
    a.SetModified();
    EXPECT_TRUE(IsWindowEnabled(apply));
    Press(h, PSBTN_APPLYNOW);
    EXPECT_TRUE(Logged("a.apply"));
    EXPECT_FALSE(IsWindowEnabled(apply)) << "applied changes leave nothing to apply";
    a.CancelToClose();
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(h, IDCANCEL)));
    Press(h, PSBTN_OK);
  });
}

TEST_F(PropSheetTest, KeysPassThePageAndReachTheSheetsDialogNavigation) {
  // Enter in a single-line edit does nothing by itself: only the sheet's dialog navigation
  // (PSM_ISDIALOGMESSAGE from PreTranslateMessage) turns it into the default OK button.
  const INT_PTR result = Run([&](HWND) {
    const HWND edit = ::GetDlgItem(a.m_hWnd, IDC_PAGE_EDIT);
    SetFocus(edit);
    PostMessageW(edit, WM_KEYDOWN, VK_TAB, 1);
    PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
  });
  EXPECT_EQ(IDOK, result);
  EXPECT_EQ((std::vector<UINT>{VK_TAB, VK_RETURN}), a.keys);
}

TEST_F(PropSheetTest, EndDialogEndsTheLoopWithItsResultAndNoPageHandlers) {
  EXPECT_EQ(1234, Run([&](HWND) { sheet.EndDialog(1234); }));
  EXPECT_FALSE(Logged("a.reset"));
  EXPECT_FALSE(Logged("a.apply"));
}

TEST_F(PropSheetTest, ModelessSheetRunsInTheCallersLoop) {
  ASSERT_TRUE(sheet.Create());
  EXPECT_TRUE(IsWindowVisible(sheet.m_hWnd));
  EXPECT_EQ(&a, sheet.GetActivePage());
  sheet.SetTitle(L"Renamed");
  sheet.PressButton(PSBTN_OK);
  EXPECT_TRUE(Logged("a.apply"));
  EXPECT_EQ(nullptr, sheet.GetActivePage()) << "an ended modeless sheet has no current page";
  sheet.DestroyWindow();
  EXPECT_EQ(nullptr, a.m_hWnd);
}

TEST(PropSheetPageTest, Wizard97PageTakesItsHeaderTextsFromResources) {
  Log log;
  CLogPage plain(IDD_PAGE_FIRST, "plain", log);
  CPropertyPage header(IDD_PAGE_SECOND, IDS_PAGE_CAPTION, IDS_PAGE_HEADER, IDS_PAGE_SUBHEADER);
  EXPECT_EQ(CString(L"Header title"), header.m_strHeaderTitle);
  EXPECT_EQ(CString(L"Header subtitle"), header.m_strHeaderSubTitle);
  CPropertySheet wizard(L"Wizard", nullptr, 0, nullptr, nullptr, nullptr);
  wizard.AddPage(&plain);
  wizard.AddPage(&header);
  tks::AnswerNextDialog([&](HWND h) {
    SendMessageW(h, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
    EXPECT_EQ(&header, wizard.GetActivePage());
    EXPECT_TRUE(header.m_psp.dwFlags & PSP_USEHEADERTITLE);
    EXPECT_TRUE(header.m_psp.dwFlags & PSP_USEHEADERSUBTITLE);
    EXPECT_FALSE(plain.m_psp.dwFlags & PSP_USEHEADERTITLE);
    SendMessageW(h, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
  });
  EXPECT_EQ(ID_WIZFINISH, wizard.DoModal());
}

}  // namespace
