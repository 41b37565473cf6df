// Message boxes, dialogs and popup menus are answered from inside their own modal loops.
#include "Support.h"

#include <gtest/gtest-spi.h>

#include <functional>
#include <string>
#include <vector>

namespace {

TEST(Modal, MessageBoxesAreAnsweredInOrderWithTheChosenButtonAndTheirTextRead) {
  std::wstring title, text;
  tks::AnswerNextMessageBox([&](const std::wstring& t, const std::wstring& x) {
    title = t;
    text = x;
    return IDNO;
  });
  tks::AnswerNextMessageBox(IDCANCEL);
  EXPECT_EQ(2, tks::PendingModalAnswers());
  EXPECT_EQ(IDNO, MessageBoxW(tks::HostFrame(), L"Save the changes?", L"Closing", MB_YESNOCANCEL));
  EXPECT_EQ(L"Closing", title);
  EXPECT_EQ(L"Save the changes?", text);
  EXPECT_EQ(IDCANCEL, MessageBoxW(nullptr, L"second", L"t", MB_OKCANCEL));
  EXPECT_EQ(0, tks::PendingModalAnswers());
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

TEST(Modal, PopupMenuIsAnsweredWithAnIdPostedAsACommandOrCancelled) {
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

  tks::AnswerNextPopupMenu(0u);
  EXPECT_EQ(0, TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, tks::HostFrame(), nullptr));

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
    SetDlgItemTextW(dlg, kEditId, L"Ada");
    tks::PressButton(dlg, IDOK);
  });
  g_dialogText.clear();
  EXPECT_EQ(IDCANCEL, RunNameDialog());
  EXPECT_EQ(IDOK, nested);
  EXPECT_EQ(L"Bo", g_dialogText);
  EXPECT_EQ(1, tks::PendingModalAnswers()) << "the second dialog's answer waits for it";
  EXPECT_EQ(IDOK, RunNameDialog());
  EXPECT_EQ(L"Ada", g_dialogText);
  EXPECT_TRUE(second != nullptr);
  EXPECT_FALSE(IsWindow(second)) << "the dialog is gone once its loop ended";
}

TEST(Modal, UnusedAnswersAreDroppedOnRequest) {
  tks::AnswerNextDialog([](HWND) {});
  tks::AnswerNextPopupMenu(1u);
  EXPECT_EQ(2, tks::PendingModalAnswers());
  tks::ClearModalAnswers();
  EXPECT_EQ(0, tks::PendingModalAnswers());
}

// Answers a user could not give, an answer that leaves its dialog open and modal windows
// nobody armed an answer for fail the test and close the window: nothing hangs.
TEST(Modal, AnswersThatCannotBeGivenFailAndTheWindowsStillClose) {
  HMENU menu = MakeMenu();
  auto track = [&] {
    return INT_PTR(TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, tks::HostFrame(), nullptr));
  };
  int inner = 0;
  const struct {
    const char* failure;
    std::function<INT_PTR()> run;
    INT_PTR result;
  } cases[] = {
      {"does not have",
       [] {
         tks::AnswerNextMessageBox(IDRETRY);
         return INT_PTR(MessageBoxW(nullptr, L"only ok", L"t", MB_OK));
       },
       IDCANCEL},
      {"which is disabled",
       [&] {
         tks::AnswerNextPopupMenu(20);
         return track();
       },
       0},
      {"not an item",
       [&] {
         tks::AnswerNextPopupMenu(99);
         return track();
       },
       0},
      {"never answered", track, 0},
      {"still open after its answer",
       [] {
         tks::AnswerNextDialog([](HWND) {});
         return RunNameDialog();
       },
       IDCANCEL},
      {"never answered",  // the box the dialog's answer opens
       [&] {
         tks::AnswerNextDialog([&](HWND dlg) {
           inner = MessageBoxW(dlg, L"nobody answers", L"t", MB_OK);
           tks::PressButton(dlg, IDOK);
         });
         RunNameDialog();
         return INT_PTR(inner);
       },
       IDCANCEL},
  };
  for (const auto& c : cases) {
    INT_PTR result = -1;
    EXPECT_NONFATAL_FAILURE(result = c.run(), c.failure);
    EXPECT_EQ(c.result, result) << c.failure;
  }
  DestroyMenu(menu);
}

}  // namespace
