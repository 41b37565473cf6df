// Answering message boxes, modal dialogs and popup menus that a test's code opens.
// Arm the answer first, then run the code that shows the modal window: the answer runs
// from inside its modal loop. Anything still open after the answer is cancelled (and the
// test fails), so a test never hangs on a modal window.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tks {

// One item of a popup menu as the menu answer sees it.
struct MenuItem {
  UINT id = 0;             // command id (0 for separators and submenus)
  std::wstring text;       // item text, mnemonic '&' included
  bool separator = false;  // a separator line
  bool disabled = false;   // greyed or disabled
  bool submenu = false;    // opens a submenu (cannot be chosen)
};

// Gets the box's title and text; returns the button id to press (IDOK, IDYES, IDNO, IDCANCEL...).
using MessageBoxAnswer = std::function<int(const std::wstring& title, const std::wstring& text)>;
// Gets the dialog; sets its controls and presses a button that closes it (see PressButton).
using DialogAnswer = std::function<void(HWND dialog)>;
// Gets the menu and its top-level items; returns the id to choose, or 0 to cancel the menu.
using MenuAnswer = std::function<UINT(HMENU menu, const std::vector<MenuItem>& items)>;

// Answers the next message box with the callback's button.
void AnswerNextMessageBox(MessageBoxAnswer answer);
// Answers the next message box by pressing button.
void AnswerNextMessageBox(int button);
// Answers the next modal dialog (any #32770 window activated after this call).
void AnswerNextDialog(DialogAnswer answer);
// Answers the next popup menu (TrackPopupMenu) by choosing an item with the keyboard.
void AnswerNextPopupMenu(MenuAnswer answer);
// Answers the next popup menu by choosing the item with this id (0 cancels).
void AnswerNextPopupMenu(UINT id);

// Keeps the watchdog running even with no answer armed: a modal window open on two of its
// ticks (2 s apart) is cancelled and the test fails. The test main enables it.
void EnableModalWatchdog(bool on);

// Number of armed answers no modal window has used yet.
int PendingModalAnswers();
// Drops armed answers that were not used (each test starts with none).
void ClearModalAnswers();

// Presses a dialog button the way a click does: WM_COMMAND/BN_CLICKED to the dialog.
void PressButton(HWND dialog, int id);
// Text of a dialog control (static 65535 holds a message box's text).
std::wstring DialogItemText(HWND dialog, int id);

}  // namespace tks
