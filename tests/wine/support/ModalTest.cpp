// Message boxes, dialogs and popup menus are answered from inside their own modal loops.
#include "Support.h"

#include <gtest/gtest-spi.h>

#include <string>
#include <vector>

namespace {

TEST(Modal, MessageBoxIsAnsweredWithTheChosenButtonAndItsTextRead) {
  std::wstring title, text;
  tks::AnswerNextMessageBox([&](const std::wstring& t, const std::wstring& x) {
    title = t;
    text = x;
    return IDNO;
  });
  EXPECT_EQ(IDNO, MessageBoxW(tks::HostFrame(), L"Save the changes?", L"Closing", MB_YESNOCANCEL));
  EXPECT_EQ(L"Closing", title);
  EXPECT_EQ(L"Save the changes?", text);
  EXPECT_EQ(0, tks::PendingModalAnswers());
}

TEST(Modal, AnswersAreUsedInOrder) {
  tks::AnswerNextMessageBox(IDCANCEL);
  tks::AnswerNextMessageBox(IDYES);
  EXPECT_EQ(2, tks::PendingModalAnswers());
  EXPECT_EQ(IDCANCEL, MessageBoxW(nullptr, L"first", L"t", MB_OKCANCEL));
  EXPECT_EQ(IDYES, MessageBoxW(nullptr, L"second", L"t", MB_YESNO));
}

// A missing button is reported and the box is still closed.
TEST(Modal, PressingAButtonTheBoxLacksFailsWithoutHanging) {
  static int result;
  EXPECT_NONFATAL_FAILURE(
      {
        tks::AnswerNextMessageBox(IDRETRY);
        result = MessageBoxW(nullptr, L"only ok", L"t", MB_OK);
      },
      "does not have");
  EXPECT_NE(0, result);
}

HMENU MakeMenu() {
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 10, L"&Open");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING | MF_GRAYED, 20, L"&Print");
  AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), L"&Recent");
  AppendMenuW(menu, MF_STRING, 30, L"E&xit");
  return menu;
}

TEST(Modal, PopupMenuIsAnsweredWithAnId) {
  HMENU menu = MakeMenu();
  std::vector<tks::MenuItem> seen;
  tks::AnswerNextPopupMenu([&](HMENU m, const std::vector<tks::MenuItem>& items) {
    EXPECT_EQ(menu, m);
    seen = items;
    return 30u;
  });
  EXPECT_EQ(30, TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, tks::HostFrame(), nullptr));
  ASSERT_EQ(5u, seen.size());
  EXPECT_EQ(L"&Open", seen[0].text);
  EXPECT_EQ(10u, seen[0].id);
  EXPECT_TRUE(seen[1].separator);
  EXPECT_TRUE(seen[2].disabled);
  EXPECT_TRUE(seen[3].submenu);
  EXPECT_EQ(30u, seen[4].id);
  DestroyMenu(menu);
}

TEST(Modal, ChosenMenuItemIsPostedAsACommand) {
  HMENU menu = MakeMenu();
  tks::MessageRecorder host;
  host.Only({WM_COMMAND});
  host.Attach(tks::HostFrame());
  tks::AnswerNextPopupMenu(10);
  EXPECT_TRUE(TrackPopupMenu(menu, 0, 10, 10, 0, tks::HostFrame(), nullptr));
  tks::PumpUntilIdle();
  tks::SeqMsg open;
  open.message = WM_COMMAND;
  open.flags = tks::kId | tks::kCode;
  open.id = 10;
  TKS_EXPECT_SEQUENCE(std::vector<tks::SeqMsg>{open}, host.Messages());
  DestroyMenu(menu);
}

TEST(Modal, PopupMenuCanBeCancelled) {
  HMENU menu = MakeMenu();
  tks::AnswerNextPopupMenu(0u);
  EXPECT_EQ(0, TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, tks::HostFrame(), nullptr));
  DestroyMenu(menu);
}

// A user cannot choose a disabled or missing item: the answer fails and the menu closes.
TEST(Modal, ChoosingAnItemAUserCannotFailsAndCloses) {
  static HMENU menu;
  static int result;
  menu = MakeMenu();
  EXPECT_NONFATAL_FAILURE(
      {
        tks::AnswerNextPopupMenu(20);
        result = TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, tks::HostFrame(), nullptr);
      },
      "which is disabled");
  EXPECT_EQ(0, result);
  EXPECT_NONFATAL_FAILURE(
      {
        tks::AnswerNextPopupMenu(99);
        result = TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, tks::HostFrame(), nullptr);
      },
      "not an item");
  EXPECT_EQ(0, result);
  DestroyMenu(menu);
}

// An in-memory dialog: an edit (id 100), OK and Cancel; OK returns IDOK and keeps the text.
constexpr int kEditId = 100;
std::wstring g_dialogText;

INT_PTR CALLBACK NameDialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_INITDIALOG) return TRUE;
  if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    g_dialogText = tks::DialogItemText(dlg, kEditId);
    EndDialog(dlg, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

// Appends a DLGITEMTEMPLATE with a class atom and a title, DWORD-aligned as the format requires.
void AddItem(std::vector<WORD>& t, DWORD style, short x, short y, short cx, short cy, WORD id,
             WORD atom, const wchar_t* text) {
  while (t.size() % 2) t.push_back(0);
  DLGITEMTEMPLATE item = {style | WS_CHILD | WS_VISIBLE, 0, x, y, cx, cy, id};
  const WORD* raw = reinterpret_cast<const WORD*>(&item);
  t.insert(t.end(), raw, raw + sizeof item / sizeof(WORD));
  t.push_back(0xFFFF);
  t.push_back(atom);
  for (; *text; ++text) t.push_back(*text);
  t.push_back(0);
  t.push_back(0);  // no creation data
}

std::vector<WORD> NameDialogTemplate() {
  std::vector<WORD> t;
  DLGTEMPLATE dlg = {WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 3, 0, 0, 160, 60};
  const WORD* raw = reinterpret_cast<const WORD*>(&dlg);
  t.insert(t.end(), raw, raw + sizeof dlg / sizeof(WORD));
  t.push_back(0);  // no menu
  t.push_back(0);  // default class
  for (const wchar_t* s = L"Name"; *s; ++s) t.push_back(*s);
  t.push_back(0);
  AddItem(t, ES_AUTOHSCROLL | WS_BORDER, 5, 5, 150, 12, kEditId, 0x0081, L"");
  AddItem(t, BS_DEFPUSHBUTTON, 5, 40, 50, 14, IDOK, 0x0080, L"OK");
  AddItem(t, BS_PUSHBUTTON, 60, 40, 50, 14, IDCANCEL, 0x0080, L"Cancel");
  return t;
}

INT_PTR RunNameDialog() {
  const auto t = NameDialogTemplate();
  return DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                                 reinterpret_cast<const DLGTEMPLATE*>(t.data()), tks::HostFrame(),
                                 NameDialogProc, 0);
}

TEST(Modal, DialogIsAnsweredThroughItsControls) {
  HWND seen = nullptr;
  tks::AnswerNextDialog([&](HWND dlg) {
    seen = dlg;
    SetDlgItemTextW(dlg, kEditId, L"Ada");
    tks::PressButton(dlg, IDOK);
  });
  g_dialogText.clear();
  EXPECT_EQ(IDOK, RunNameDialog());
  EXPECT_EQ(L"Ada", g_dialogText);
  EXPECT_TRUE(seen != nullptr);
  EXPECT_FALSE(IsWindow(seen)) << "the dialog is gone once its loop ended";
}

// A dialog answer can type into the dialog and answer a message box the dialog opens; the
// dialog becoming active again afterwards does not use up the next dialog's answer.
TEST(Modal, DialogAnswerCanTypeAndAnswerANestedMessageBox) {
  int nested = 0;
  HWND second = nullptr;
  tks::AnswerNextDialog([&](HWND dlg) {
    HWND edit = GetDlgItem(dlg, kEditId);
    SetFocus(edit);
    tks::TypeText(edit, L"Bo");
    tks::AnswerNextMessageBox(IDOK);
    nested = MessageBoxW(dlg, L"inner", L"t", MB_OKCANCEL);
    tks::PressButton(dlg, IDCANCEL);
  });
  tks::AnswerNextDialog([&](HWND dlg) {
    second = dlg;
    tks::PressButton(dlg, IDOK);
  });
  g_dialogText.clear();
  EXPECT_EQ(IDCANCEL, RunNameDialog());
  EXPECT_EQ(IDOK, nested);
  EXPECT_EQ(L"Bo", g_dialogText);
  EXPECT_EQ(1, tks::PendingModalAnswers()) << "the second dialog's answer waits for it";
  EXPECT_EQ(IDOK, RunNameDialog());
  EXPECT_TRUE(second != nullptr);
}

// An answer that forgets to close the dialog must not hang the test.
TEST(Modal, DialogLeftOpenIsCancelledAndReported) {
  static INT_PTR result;
  EXPECT_NONFATAL_FAILURE(
      {
        tks::AnswerNextDialog([](HWND) {});
        result = RunNameDialog();
      },
      "still open after its answer");
  EXPECT_EQ(IDCANCEL, result);
}

TEST(Modal, UnusedAnswersAreDroppedOnRequest) {
  tks::AnswerNextDialog([](HWND) {});
  tks::AnswerNextPopupMenu(1u);
  EXPECT_EQ(2, tks::PendingModalAnswers());
  tks::ClearModalAnswers();
  EXPECT_EQ(0, tks::PendingModalAnswers());
}

// Modal windows nobody armed an answer for are closed by the watchdog instead of hanging.
TEST(Modal, UnansweredMenuIsCancelledByTheWatchdog) {
  static HMENU menu;
  static int result;
  menu = MakeMenu();
  EXPECT_NONFATAL_FAILURE(
      { result = TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, tks::HostFrame(), nullptr); },
      "never answered");
  EXPECT_EQ(0, result);
  DestroyMenu(menu);

  // A dialog whose answer opens a box nobody answers: both are closed.
  static int inner;
  EXPECT_NONFATAL_FAILURE(
      {
        tks::AnswerNextDialog([](HWND dlg) {
          inner = MessageBoxW(dlg, L"nobody answers", L"t", MB_OK);
          tks::PressButton(dlg, IDOK);
        });
        RunNameDialog();
      },
      "never answered");
  EXPECT_EQ(IDCANCEL, inner);
}

}  // namespace
