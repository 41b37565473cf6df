// CScriptEditCtrl typed into key by key: colours and case of calls, the parameter tip, the
// assist list, change kinds with and without protected-change notifications, the context menu
// and password mode.
#include "ScriptEditFixture.h"

#include "QXScriptManager.h"
#include "script/wizard/ScriptWizardIds.h"

#include <commctrl.h>
#include <prsht.h>
#include <richedit.h>

using scripttest::ScriptEditTest;

namespace {

const COLORREF kBlue = 0xFF0000;

CString ParameterHelp(const wchar_t* name) {
  return TKWGetScriptManager()->GetQXScriptObject(name)->GetParameterDesc();
}

TEST_F(ScriptEditTest, KnownCallsTurnBlueInTheCataloguesCaseAndOpenCallsShowTheirHelp) {
  const struct {
    const wchar_t* typed;
    const wchar_t* shown;
    int blueFrom, blueTo;  // blue characters; the rest is black
    const wchar_t* tipOf;  // the function whose help the tip shows; null: no tip
    bool changeCase;
  } cases[] = {
      {L"$qxrand(", L"$QXRand(", 0, 7, L"$QXRand", true},
      {L"$qxrand(", L"$QXRand(", 0, 7, L"$QXRand", false},  // the flag does not stop it
      {L"$qxrandom(", L"$qxrandom(", 0, 0, nullptr, true},
      {L"$qxrand", L"$qxrand", 0, 0, nullptr, true},  // a name without "(" is no call
      {L"$QXRand(1, 2)", L"$QXRand(1, 2)", 0, 7, nullptr, true},
      {L"x + $qxlen(1", L"x + $QXLen(1", 4, 10, L"$QXLen", true},
  };
  for (const auto& c : cases) {
    CScriptEditCtrl* edit = Open();
    edit->SetChangeCase(c.changeCase);
    tks::TypeText(Edit(), c.typed);
    EXPECT_EQ(std::wstring(c.shown), Shown()) << c.typed;
    for (int i = 0; i < int(wcslen(c.shown)); ++i) {
      const bool blue = i >= c.blueFrom && i < c.blueTo;
      EXPECT_EQ(blue ? kBlue : 0, ColourAt(i).colour) << c.typed << " at " << i;
    }
    CXTPTipWindow& tip = edit->GetParameterTip();
    EXPECT_EQ(c.tipOf != nullptr, tip.IsTipVisible() != FALSE) << c.typed;
    if (c.tipOf) {
      EXPECT_EQ(ParameterHelp(c.tipOf), tip.GetTitle()) << c.typed;
    }
    editor_->DestroyWindow();
  }
}

// On Windows the control announces each change with EN_PROTECTED before making it; under wine
// it never does. This editor sends the notification the way Windows does, from inside the
// control's own handling of the message.
class AnnouncingEdit : public CScriptEditCtrl {
 protected:
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    const bool changes = message == WM_CHAR || message == WM_CUT || message == WM_PASTE ||
                         message == EM_REPLACESEL ||
                         (message == WM_KEYDOWN && (wParam == VK_DELETE || wParam == VK_BACK));
    if (changes && m_hWnd) {
      ENPROTECTED info = {};
      info.nmhdr.hwndFrom = m_hWnd;
      info.nmhdr.idFrom = UINT_PTR(GetDlgCtrlID());
      info.nmhdr.code = EN_PROTECTED;
      info.msg = message;
      info.wParam = wParam;
      info.lParam = lParam;
      GetSel(info.chrg);
      GetParent()->SendMessage(WM_NOTIFY, info.nmhdr.idFrom, LPARAM(&info));
    }
    return CScriptEditCtrl::DefWindowProc(message, wParam, lParam);
  }
};

TEST_F(ScriptEditTest, EachChangeIsRecordedOnceWithOrWithoutProtectedNotifications) {
  enum Action { kType, kDelete, kBackspace, kCut, kPaste, kReplace };
  const struct {
    Action action;
    int kind;
  } steps[] = {{kType, 2}, {kBackspace, 4}, {kDelete, 3}, {kCut, 5}, {kPaste, 6}, {kReplace, 2}};
  for (bool announcing : {false, true}) {
    CScriptEditCtrl* edit =
        announcing ? Open<AnnouncingEdit>(L"abc $qxrand(") : Open(L"abc $qxrand(");
    for (const auto& s : steps) {
      edit->SetSel(1, 1);
      switch (s.action) {
        case kType: tks::TypeText(Edit(), L"z"); break;
        case kDelete: tks::PressKey(Edit(), VK_DELETE); break;
        case kBackspace: tks::PressKey(Edit(), VK_BACK); break;
        case kCut:
          edit->SetSel(0, 1);
          edit->SendMessage(WM_CUT);
          break;
        case kPaste: edit->SendMessage(WM_PASTE); break;
        case kReplace: edit->ReplaceSel(L"y"); break;
      }
      EXPECT_EQ(s.kind, edit->GetLastChangeKind())
          << "step " << s.action << " announcing " << announcing;
    }
    // Every kind recolours what it changed: the call stays blue and in the catalogue's case.
    EXPECT_EQ(kBlue, ColourAt(int(Shown().find(L"$QXRand"))).colour) << announcing;
    editor_->DestroyWindow();
  }
}

TEST_F(ScriptEditTest, ThePrefixOpensTheListUnderTheCaretAndTheSelectionFollowsTyping) {
  CScriptEditCtrl* edit = Open(L"1 + ");
  edit->SetSel(4, 4);
  CScriptAssistDlg& list = edit->GetAssistDlg();
  ASSERT_TRUE(::IsWindow(list.m_hWnd));
  tks::TypeText(Edit(), L"$q");
  EXPECT_FALSE(list.IsWindowVisible());
  tks::TypeText(Edit(), L"x");
  ASSERT_TRUE(list.IsWindowVisible());
  EXPECT_TRUE(edit->GetScriptAssistState());
  CRect rcList;
  list.GetWindowRect(&rcList);
  CPoint caret = edit->PosFromChar(4);  // where the prefix starts
  edit->ClientToScreen(&caret);
  EXPECT_NEAR(caret.x, rcList.left, 3);
  EXPECT_GT(rcList.top, caret.y);
  EXPECT_LE(rcList.Height(), 150 + 2 * ::GetSystemMetrics(SM_CYBORDER));

  const struct {
    const wchar_t* typed;
    UINT key;  // a key pressed after the text, or 0
    const wchar_t* selected;
  } steps[] = {{L"c", 0, L"$QXChr"},
               {L"u", 0, L"$QXCurrentDate"},
               {L"", VK_UP, L"$QXConcat"},
               {L"", VK_DOWN, L"$QXCurrentDate"}};
  for (const auto& s : steps) {
    tks::TypeText(Edit(), s.typed);
    if (s.key) tks::PressKey(Edit(), s.key);
    CString selected;
    list.GetList().GetText(list.GetList().GetCurSel(), selected);
    EXPECT_EQ(CString(s.selected), selected) << s.typed << s.key;
  }
  // Enter chooses: a function without parameters comes with both parentheses.
  tks::PressKey(Edit(), VK_RETURN);
  EXPECT_EQ(std::wstring(L"1 + $QXCurrentDate()"), Shown());
  EXPECT_FALSE(list.IsWindowVisible());
  EXPECT_EQ(kBlue, ColourAt(5).colour);
}

TEST_F(ScriptEditTest, ChoosingAFunctionWithParametersLeavesTheCallOpenWithItsHelp) {
  const struct {
    const char* how;
    UINT key;  // 0: double click on the entry
  } ways[] = {{"Enter", VK_RETURN}, {"Tab", VK_TAB}, {"double click", 0}};
  for (const auto& w : ways) {
    CScriptEditCtrl* edit = Open();
    CScriptAssistDlg& list = edit->GetAssistDlg();
    tks::TypeText(Edit(), L"$qxra");
    ASSERT_TRUE(list.IsWindowVisible()) << w.how;
    if (w.key) {
      tks::PressKey(Edit(), w.key);
    } else {
      CRect item;
      list.GetList().GetItemRect(list.GetList().GetCurSel(), &item);
      tks::DoubleClick(list.GetList().m_hWnd, item.CenterPoint());
    }
    EXPECT_EQ(std::wstring(L"$QXRand("), Shown()) << w.how;
    EXPECT_EQ(CString(L"$QXRand("), list.GetLastInserted()) << w.how;
    editor_->DestroyWindow();
  }
}

TEST_F(ScriptEditTest, TheContextMenuOffersTheEditCommandsAndHonoursDisabling) {
  CScriptEditCtrl* edit = Open(L"abc");
  std::vector<tks::MenuItem> shown;
  tks::AnswerNextPopupMenu([&](HMENU, const std::vector<tks::MenuItem>& items) {
    shown = items;
    return UINT(ID_EDIT_SELECT_ALL);
  });
  edit->SetSel(1, 1);
  tks::RightClick(Edit(), {5, 5});
  std::vector<std::pair<UINT, bool>> entries;  // command and greyed, separators left out
  for (const auto& item : shown)
    if (!item.separator) entries.push_back({item.id, item.disabled});
  const std::vector<std::pair<UINT, bool>> expected = {{ID_SCRIPT_WIZARD, false},
                                                       {ID_EDIT_UNDO, !edit->CanUndo()},
                                                       {ID_EDIT_CUT, true},
                                                       {ID_EDIT_COPY, true},
                                                       {ID_EDIT_PASTE, !edit->CanPaste(0)},
                                                       {ID_SCRIPT_EDIT_DELETE, true},
                                                       {ID_EDIT_SELECT_ALL, false}};
  EXPECT_EQ(expected, entries);
  long start = -1, end = -1;
  edit->GetSel(start, end);
  EXPECT_EQ(0, start);
  EXPECT_GE(end, 3);  // the control may count its final paragraph mark

  edit->DisableRightClick(true);
  tks::AnswerNextPopupMenu(UINT(0));
  tks::RightClick(Edit(), {5, 5});
  EXPECT_EQ(1, tks::PendingModalAnswers());
  edit->EnableScriptAssist(true);
  tks::RightClick(Edit(), {5, 5});
  EXPECT_EQ(0, tks::PendingModalAnswers());
}

TEST_F(ScriptEditTest, TheWizardEntryOpensTheWizardWhoseCancelInsertsNothing) {
  CScriptEditCtrl* edit = Open(L"1 + ");
  edit->SetSel(4, 4);
  bool opened = false;
  tks::AnswerNextPopupMenu(UINT(ID_SCRIPT_WIZARD));
  tks::AnswerNextDialog([&](HWND sheet) {
    opened = true;
    EXPECT_TRUE(edit->IsScriptWizardRunning());
    ::SendMessage(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  });
  tks::RightClick(Edit(), {5, 5});
  tks::PumpUntilIdle();
  EXPECT_TRUE(opened);
  EXPECT_FALSE(edit->IsScriptWizardRunning());
  EXPECT_EQ(std::wstring(L"1 + "), Shown());
  EXPECT_TRUE(list_.ends.empty());

  // On a wizard's own page the entry is greyed.
  edit->SetScriptWizardMode(true);
  bool greyed = false;
  tks::AnswerNextPopupMenu([&](HMENU, const std::vector<tks::MenuItem>& items) {
    greyed = !items.empty() && items[0].id == ID_SCRIPT_WIZARD && items[0].disabled;
    return UINT(0);
  });
  tks::RightClick(Edit(), {5, 5});
  EXPECT_TRUE(greyed);
}

TEST_F(ScriptEditTest, TheWizardsCallReplacesTheSelectionTheEditorRemembered) {
  CScriptEditCtrl* edit = Open(L"a + 1 + b");
  edit->SetSel(4, 5);
  tks::AnswerNextPopupMenu(UINT(ID_SCRIPT_WIZARD));
  tks::AnswerNextDialog([](HWND sheet) {
    const HWND page = reinterpret_cast<HWND>(::SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    const HWND functions = ::GetDlgItem(page, scriptwiz::IDC_FUNCTIONS);
    const LRESULT index = ::SendMessageW(functions, LB_FINDSTRINGEXACT, WPARAM(-1),
                                         reinterpret_cast<LPARAM>(L"$QXCurrentDate"));
    ASSERT_GE(index, 0);
    ::SendMessageW(functions, LB_SETCURSEL, WPARAM(index), 0);
    ::SendMessageW(page, WM_COMMAND, MAKEWPARAM(scriptwiz::IDC_FUNCTIONS, LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(functions));
    tks::PumpUntilIdle();
    ::SendMessageW(sheet, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
  });
  // The click moves the caret; the wizard still replaces what was selected before.
  tks::RightClick(Edit(), {5, 5});
  tks::PumpUntilIdle();
  EXPECT_EQ(std::wstring(L"a + $QXCurrentDate() + b"), Shown());
  EXPECT_FALSE(edit->IsScriptWizardRunning());
}

TEST_F(ScriptEditTest, PasswordModeMasksLiteralTextAndKeepsTheRealTextWithUndo) {
  const struct {
    const wchar_t* typed;
    UINT key;  // pressed after typing (with Ctrl for 'Z')
    const wchar_t* shown;
    const wchar_t* real;
  } steps[] = {
      {L"abc", 0, L"***", L"abc"},
      {L"", VK_BACK, L"**", L"ab"},
      {L"", 'Z', L"***", L"abc"},  // undo
      {L"", 'Z', L"**", L"ab"},    // and redo
      {L"d e", 0, L"*****", L"abd e"},
      {L"$QX", 0, L"$QX", L"$QX"},  // a script expression starts: shown in clear
      {L"Rand(", 0, L"$QXRand(", L"$QXRand("},
  };
  CScriptEditCtrl* edit = Open();
  edit->SetPasswordMode(1);
  for (const auto& s : steps) {
    tks::TypeText(Edit(), s.typed);
    if (s.key) tks::PressKey(Edit(), s.key, s.key == 'Z' ? tks::kCtrl : tks::kNoMods);
    EXPECT_EQ(std::wstring(s.shown), Shown()) << s.typed << s.key;
    EXPECT_EQ(std::wstring(s.real), WindowText()) << s.typed << s.key;
  }
  EXPECT_EQ(CString(L"$QXRand("), edit->GetPassword());
  edit->SetWindowText(L"secret");
  EXPECT_EQ(std::wstring(L"******"), Shown());
  EXPECT_EQ(std::wstring(L"secret"), WindowText());
}

// Colouring leaves formatting steps in the control's undo list; a line with a call keeps
// one after every change, so undo there takes back formatting rather than typing.
TEST_F(ScriptEditTest, UndoTakesBackTheSameStepsWhateverTheColouringHadToChange) {
  const struct {
    const wchar_t* typed;
    const wchar_t* afterUndo[2];  // the text after one and after two undos
  } cases[] = {
      {L"ab $qxrand(1) c", {L"ab $QXRand(1) c", L"ab $QXRand(1) c"}},
      {L"ab c", {L"a", L"a"}},  // the first character's colour is a step of its own
  };
  for (const auto& c : cases) {
    Open();
    tks::TypeText(Edit(), c.typed);
    for (const wchar_t* expected : c.afterUndo) {
      tks::PressKey(Edit(), 'Z', tks::kCtrl);
      EXPECT_EQ(std::wstring(expected), Shown()) << c.typed;
    }
    const size_t call = Shown().find(L"$QXRand");
    if (call != std::wstring::npos) {
      EXPECT_EQ(kBlue, ColourAt(int(call)).colour);
    }
    editor_->DestroyWindow();
  }
}

}  // namespace
