// Answering modal windows from inside their own loops: a CBT hook spots a dialog when it is
// activated and a thread timer (which every modal loop dispatches) runs the answer; menus are
// found by a polling thread timer since a popup menu is never activated.
#include "Modal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <vector>
#include <string>

namespace tks {

namespace {

enum class Kind { kMessageBox, kDialog, kMenu };

struct Answer {
  Kind kind;
  MessageBoxAnswer box;
  DialogAnswer dialog;
  MenuAnswer menu;
};

// A modal window taken by an answer, waiting for its timer.
struct Taken {
  Answer answer;
  HWND hwnd;
};

constexpr UINT kMenuPollMs = 10;
constexpr UINT kFallbackMs = 200;
constexpr UINT kWatchdogMs = 2000;
constexpr UINT MN_GETHMENU_ = 0x01E1;

struct State {
  std::deque<Answer> pending;
  std::deque<Taken> taken;
  HHOOK hook = nullptr;
  UINT_PTR menuPoll = 0;
  UINT_PTR watchdog = 0;
  std::vector<HWND> answering;  // windows whose answer is running (they get reactivated)
  bool alwaysWatch = false;
  std::vector<HWND> suspects;  // modal windows open at the watchdog's previous tick
};

State& S() {
  static State s;
  return s;
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return name;
}

std::wstring TextOf(HWND hwnd) {
  const int n = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(hwnd, &text[0], n + 1)));
  return text;
}

std::string Narrow(const std::wstring& w) {
  std::string s;
  for (wchar_t c : w) s += (c < 128) ? static_cast<char>(c) : '?';
  return s;
}

bool IsOurs(HWND hwnd) {
  return hwnd && GetWindowThreadProcessId(hwnd, nullptr) == GetCurrentThreadId();
}

// The visible popup menu window of this thread, if any.
HWND OpenMenuWindow() {
  for (HWND w = FindWindowW(L"#32768", nullptr); w;
       w = FindWindowExW(nullptr, w, L"#32768", nullptr)) {
    if (IsOurs(w) && IsWindowVisible(w)) return w;
  }
  return nullptr;
}

// Closes a modal window nobody answered properly.
void Cancel(HWND hwnd) {
  if (ClassOf(hwnd) == L"#32768") {
    EndMenu();
  } else {
    EndDialog(hwnd, IDCANCEL);
  }
}

void CALLBACK OnFallback(HWND, UINT, UINT_PTR id, DWORD);
void CALLBACK OnTaken(HWND, UINT, UINT_PTR id, DWORD);
void CALLBACK OnMenuPoll(HWND, UINT, UINT_PTR id, DWORD);
void CALLBACK OnWatchdog(HWND, UINT, UINT_PTR id, DWORD);
LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);

// Fallback timers remember their window by timer id.
std::deque<std::pair<UINT_PTR, HWND>>& Fallbacks() {
  static std::deque<std::pair<UINT_PTR, HWND>> f;
  return f;
}

void ArmFallback(HWND hwnd) {
  const UINT_PTR id = SetTimer(nullptr, 0, kFallbackMs, OnFallback);
  Fallbacks().emplace_back(id, hwnd);
}

// Starts or stops the hook and timers to match what is pending.
void Update() {
  State& s = S();
  const bool wantsDialogs = std::any_of(s.pending.begin(), s.pending.end(),
                                        [](const Answer& a) { return a.kind != Kind::kMenu; });
  const bool wantsMenus = std::any_of(s.pending.begin(), s.pending.end(),
                                      [](const Answer& a) { return a.kind == Kind::kMenu; });
  if (wantsDialogs && !s.hook) {
    s.hook = SetWindowsHookExW(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
  } else if (!wantsDialogs && s.hook) {
    UnhookWindowsHookEx(s.hook);
    s.hook = nullptr;
  }
  if (wantsMenus && !s.menuPoll) {
    s.menuPoll = SetTimer(nullptr, 0, kMenuPollMs, OnMenuPoll);
  } else if (!wantsMenus && s.menuPoll) {
    KillTimer(nullptr, s.menuPoll);
    s.menuPoll = 0;
  }
  const bool busy = s.alwaysWatch || !s.pending.empty() || !s.taken.empty() || !Fallbacks().empty();
  if (busy && !s.watchdog) {
    s.watchdog = SetTimer(nullptr, 0, kWatchdogMs, OnWatchdog);
    s.suspects.clear();
  } else if (!busy && s.watchdog) {
    KillTimer(nullptr, s.watchdog);
    s.watchdog = 0;
  }
}

// A message box holds only its text (static 65535), its icon (static 1088) and buttons
// IDOK..IDCONTINUE; a dialog made only of such items counts as one too.
bool LooksLikeMessageBox(HWND hwnd) {
  bool hasText = false;
  for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    const int id = GetDlgCtrlID(c);
    if (id == 0xFFFF) {
      hasText = true;
    } else if (id != 1088 && (id < IDOK || id > 11)) {
      return false;
    }
  }
  return hasText;
}

// Takes the first pending answer of a matching kind for a newly opened window; a dialog window
// prefers the answer for its kind (a box opened inside a dialog answer while another dialog
// answer waits), else takes the first box or dialog answer.
bool Take(HWND hwnd, bool menu) {
  State& s = S();
  auto it = s.pending.end();
  if (menu) {
    it = std::find_if(s.pending.begin(), s.pending.end(),
                      [](const Answer& a) { return a.kind == Kind::kMenu; });
  } else {
    const Kind kind = LooksLikeMessageBox(hwnd) ? Kind::kMessageBox : Kind::kDialog;
    it = std::find_if(s.pending.begin(), s.pending.end(),
                      [kind](const Answer& a) { return a.kind == kind; });
    if (it == s.pending.end()) {
      it = std::find_if(s.pending.begin(), s.pending.end(),
                        [](const Answer& a) { return a.kind != Kind::kMenu; });
    }
  }
  if (it == s.pending.end()) return false;
  s.taken.push_back({std::move(*it), hwnd});
  s.pending.erase(it);
  SetTimer(nullptr, 0, 0, OnTaken);
  Update();
  return true;
}

LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    const HWND hwnd = reinterpret_cast<HWND>(wParam);
    // A dialog becomes active again when a box it opened closes; it is not a new one then.
    const State& s = S();
    const bool known =
        std::any_of(s.taken.begin(), s.taken.end(),
                    [hwnd](const Taken& t) { return t.hwnd == hwnd; }) ||
        std::find(s.answering.begin(), s.answering.end(), hwnd) != s.answering.end() ||
        std::any_of(Fallbacks().begin(), Fallbacks().end(),
                    [hwnd](const auto& f) { return f.second == hwnd; });
    if (!known && ClassOf(hwnd) == L"#32770") Take(hwnd, false);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<MenuItem> ItemsOf(HMENU menu) {
  std::vector<MenuItem> items;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 255;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    MenuItem item;
    item.separator = (info.fType & MFT_SEPARATOR) != 0;
    item.submenu = info.hSubMenu != nullptr;
    item.disabled = (info.fState & (MFS_DISABLED | MFS_GRAYED)) != 0;
    item.id = item.separator || item.submenu ? 0 : info.wID;
    item.text = text;
    items.push_back(item);
  }
  return items;
}

// Chooses a top-level item with the keyboard, as a user would: the first Down selects the
// first item that is not a separator, each further Down the next one, Enter runs it.
void ChooseMenuItem(HWND menuWindow, const std::vector<MenuItem>& items, UINT id) {
  int downs = 0;
  const MenuItem* chosen = nullptr;
  for (const MenuItem& item : items) {
    if (item.separator) continue;
    ++downs;
    if (!item.submenu && item.id == id) {
      chosen = &item;
      break;
    }
  }
  if (!chosen || chosen->disabled) {
    ADD_FAILURE() << "popup menu answer chose id " << id
                  << (chosen ? ", which is disabled" : ", which is not an item of the menu");
    EndMenu();
    return;
  }
  for (int i = 0; i < downs; ++i) PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 1);
  PostMessageW(menuWindow, WM_KEYDOWN, VK_RETURN, 1);
}

void RunTaken(Taken t) {
  if (!IsWindow(t.hwnd)) return;
  S().answering.push_back(t.hwnd);
  switch (t.answer.kind) {
    case Kind::kMessageBox: {
      const int button = t.answer.box(TextOf(t.hwnd), DialogItemText(t.hwnd, 0xFFFF));
      if (GetDlgItem(t.hwnd, button)) {
        PressButton(t.hwnd, button);
      } else {
        ADD_FAILURE() << "message box answer pressed button " << button
                      << ", which the box does not have";
        Cancel(t.hwnd);
      }
      break;
    }
    case Kind::kDialog: t.answer.dialog(t.hwnd); break;
    case Kind::kMenu: {
      const HMENU menu = reinterpret_cast<HMENU>(SendMessageW(t.hwnd, MN_GETHMENU_, 0, 0));
      const auto items = ItemsOf(menu);
      const UINT id = t.answer.menu(menu, items);
      if (id == 0) {
        EndMenu();
      } else {
        ChooseMenuItem(t.hwnd, items, id);
      }
      break;
    }
  }
  S().answering.pop_back();
  ArmFallback(t.hwnd);
}

void CALLBACK OnTaken(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  State& s = S();
  if (s.taken.empty()) return;
  Taken t = std::move(s.taken.front());
  s.taken.pop_front();
  RunTaken(std::move(t));
  Update();
}

void CALLBACK OnMenuPoll(HWND, UINT, UINT_PTR, DWORD) {
  const HWND menu = OpenMenuWindow();
  if (!menu) return;
  const bool already = std::any_of(S().taken.begin(), S().taken.end(),
                                   [menu](const Taken& t) { return t.hwnd == menu; });
  const bool answered = std::any_of(Fallbacks().begin(), Fallbacks().end(),
                                    [menu](const auto& f) { return f.second == menu; });
  if (!already && !answered) Take(menu, true);
}

void CALLBACK OnFallback(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  auto& f = Fallbacks();
  for (auto it = f.begin(); it != f.end(); ++it) {
    if (it->first != id) continue;
    const HWND hwnd = it->second;
    f.erase(it);
    if (IsWindow(hwnd) && IsWindowVisible(hwnd)) {
      ADD_FAILURE() << "modal window \"" << Narrow(TextOf(hwnd)) << "\" (" << Narrow(ClassOf(hwnd))
                    << ") was still open after its answer; cancelled";
      Cancel(hwnd);
    }
    break;
  }
  Update();
}

// Catches modal windows no answer matched: each one open on two ticks in a row is cancelled,
// nested ones included (the outer loop cannot end while an inner one runs).
void CALLBACK OnWatchdog(HWND, UINT, UINT_PTR, DWORD) {
  State& s = S();
  std::vector<HWND> open;
  if (HWND menu = OpenMenuWindow()) open.push_back(menu);
  for (HWND w = FindWindowW(L"#32770", nullptr); w;
       w = FindWindowExW(nullptr, w, L"#32770", nullptr)) {
    if (IsOurs(w) && IsWindowVisible(w)) open.push_back(w);
  }
  const std::vector<HWND> previous = std::move(s.suspects);
  s.suspects.clear();
  for (HWND w : open) {
    // A window whose answer is running waits for something nested; that one gets cancelled.
    if (std::find(s.answering.begin(), s.answering.end(), w) != s.answering.end()) continue;
    if (std::find(previous.begin(), previous.end(), w) == previous.end()) {
      s.suspects.push_back(w);
      continue;
    }
    ADD_FAILURE() << "modal window \"" << Narrow(TextOf(w)) << "\" (" << Narrow(ClassOf(w))
                  << ") was never answered; cancelled";
    Cancel(w);
  }
}

void Arm(Answer a) {
  S().pending.push_back(std::move(a));
  Update();
}

}  // namespace

void AnswerNextMessageBox(MessageBoxAnswer answer) {
  Answer a{Kind::kMessageBox, std::move(answer), {}, {}};
  Arm(std::move(a));
}

void AnswerNextMessageBox(int button) {
  AnswerNextMessageBox([button](const std::wstring&, const std::wstring&) { return button; });
}

void AnswerNextDialog(DialogAnswer answer) {
  Answer a{Kind::kDialog, {}, std::move(answer), {}};
  Arm(std::move(a));
}

void AnswerNextPopupMenu(MenuAnswer answer) {
  Answer a{Kind::kMenu, {}, {}, std::move(answer)};
  Arm(std::move(a));
}

void AnswerNextPopupMenu(UINT id) {
  AnswerNextPopupMenu([id](HMENU, const std::vector<MenuItem>&) { return id; });
}

void EnableModalWatchdog(bool on) {
  S().alwaysWatch = on;
  Update();
}

int PendingModalAnswers() {
  return static_cast<int>(S().pending.size());
}

void ClearModalAnswers() {
  S().pending.clear();
  Update();
}

void PressButton(HWND dialog, int id) {
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::wstring DialogItemText(HWND dialog, int id) {
  const HWND item = GetDlgItem(dialog, id);
  return item ? TextOf(item) : std::wstring();
}

}  // namespace tks
