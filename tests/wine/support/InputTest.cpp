// Typed keys and mouse clicks reach windows the way real input does.
#include "Support.h"

#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

// What a key window saw: message, key or character, and the modifier state at that moment.
struct KeySeen {
  UINT msg;
  WPARAM key;
  bool shift;
  bool ctrl;
};

std::vector<KeySeen> g_keys;
tks::MessageRecorder* g_mouse = nullptr;

LRESULT CALLBACK ProbeProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSCHAR:
      g_keys.push_back({msg, wParam, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0});
      break;
    case WM_LBUTTONDOWN: SetCapture(hwnd); break;
    case WM_LBUTTONUP: ReleaseCapture(); break;
  }
  if (g_mouse) g_mouse->Record(msg, wParam, lParam);
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND MakeProbe() {
  static bool registered = false;
  if (!registered) {
    WNDCLASSW wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ProbeProc;
    wc.lpszClassName = L"TksInputProbe";
    registered = RegisterClassW(&wc) != 0;
  }
  g_keys.clear();
  return CreateWindowExW(0, L"TksInputProbe", L"", WS_CHILD | WS_VISIBLE, 10, 10, 200, 100,
                         tks::HostFrame(), nullptr, nullptr, nullptr);
}

TEST(Input, KeysArriveWithTheirModifierState) {
  HWND probe = MakeProbe();
  tks::PressKey(probe, 'A', tks::kShift);
  EXPECT_GE(GetKeyState(VK_SHIFT), 0) << "Shift must not stay held after the key";
  tks::PressKey(probe, 'A', tks::kCtrl);
  tks::PressKey(probe, 'B');
  tks::PressKey(probe, 'F', tks::kAlt);
  // Shift+A, Ctrl+A (the control character 1), a plain lower-case b, Alt+F as system keys.
  const KeySeen expected[] = {{WM_KEYDOWN, 'A', true, false},  {WM_CHAR, 'A', true, false},
                              {WM_KEYUP, 'A', true, false},    {WM_KEYDOWN, 'A', false, true},
                              {WM_CHAR, 1, false, true},       {WM_KEYUP, 'A', false, true},
                              {WM_KEYDOWN, 'B', false, false}, {WM_CHAR, 'b', false, false},
                              {WM_KEYUP, 'B', false, false},   {WM_SYSKEYDOWN, 'F', false, false},
                              {WM_SYSCHAR, 'f', false, false}};
  ASSERT_GE(g_keys.size(), std::size(expected));
  for (size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(expected[i].msg, g_keys[i].msg) << "key message " << i;
    EXPECT_EQ(expected[i].key, g_keys[i].key) << "key message " << i;
    EXPECT_EQ(expected[i].shift, g_keys[i].shift) << "key message " << i;
    EXPECT_EQ(expected[i].ctrl, g_keys[i].ctrl) << "key message " << i;
  }
}

TEST(Input, TypedTextLandsInAnEdit) {
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 200,
                              24, tks::HostFrame(), nullptr, nullptr, nullptr);
  SetFocus(edit);
  tks::TypeText(edit, L"Hello, World! 42\x00e9");
  wchar_t text[64] = {};
  GetWindowTextW(edit, text, 64);
  EXPECT_STREQ(L"Hello, World! 42\x00e9", text);
  tks::PressKey(edit, VK_BACK);
  GetWindowTextW(edit, text, 64);
  EXPECT_STREQ(L"Hello, World! 42", text);
}

TEST(Input, ClickedButtonSendsBnClicked) {
  HWND button = CreateWindowExW(
      0, L"BUTTON", L"Go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 20, 80, 24, tks::HostFrame(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(1234)), nullptr, nullptr);
  tks::MessageRecorder parent;
  parent.Only({WM_COMMAND});
  ASSERT_TRUE(parent.Attach(tks::HostFrame()));
  tks::Click(button, {40, 12});
  tks::SeqMsg clicked;
  clicked.message = WM_COMMAND;
  clicked.flags = tks::kCode | tks::kId | tks::kLParam;
  clicked.code = BN_CLICKED;
  clicked.id = 1234;
  clicked.lParam = reinterpret_cast<LPARAM>(button);
  TKS_EXPECT_SEQUENCE(std::vector<tks::SeqMsg>{clicked}, parent.Messages());

  // A release outside the button is no click.
  parent.Clear();
  tks::Drag(button, {40, 12}, {300, 200});
  TKS_EXPECT_SEQUENCE(std::vector<tks::SeqMsg>{}, parent.Messages());
}

tks::SeqMsg Mouse(UINT msg, WPARAM keys, int x, int y, unsigned extra = 0) {
  tks::SeqMsg m;
  m.message = msg;
  m.flags = tks::kWParam | tks::kLParam | extra;
  m.wParam = keys;
  m.lParam = MAKELPARAM(x, y);
  return m;
}

TEST(Input, MouseMessagesCarryButtonsModifiersAndPoints) {
  HWND probe = MakeProbe();
  tks::MessageRecorder rec;
  rec.Only({WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN,
            WM_RBUTTONUP, WM_CONTEXTMENU});
  g_mouse = &rec;
  const WPARAM mods = MK_SHIFT | MK_CONTROL;
  const struct {
    std::function<void()> gesture;
    std::vector<tks::SeqMsg> expected;
  } cases[] = {
      {[&] {
         tks::Click(probe, {5, 6}, tks::kShift | tks::kCtrl);
       },
       {Mouse(WM_MOUSEMOVE, mods, 5, 6), Mouse(WM_LBUTTONDOWN, MK_LBUTTON | mods, 5, 6),
        Mouse(WM_LBUTTONUP, mods, 5, 6)}},
      {[&] {
         tks::DoubleClick(probe, {7, 8});
       },
       {Mouse(WM_MOUSEMOVE, 0, 7, 8), Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 7, 8),
        Mouse(WM_LBUTTONUP, 0, 7, 8), Mouse(WM_MOUSEMOVE, 0, 7, 8, tks::kOptional),
        Mouse(WM_LBUTTONDBLCLK, MK_LBUTTON, 7, 8), Mouse(WM_LBUTTONUP, 0, 7, 8)}},
      // A drag holds the button through the moves and ends where it was told to.
      {[&] {
         tks::Drag(probe, {10, 10}, {50, 30}, tks::kNoMods, 2);
       },
       {Mouse(WM_MOUSEMOVE, 0, 10, 10), Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 10, 10),
        Mouse(WM_MOUSEMOVE, MK_LBUTTON, 30, 20), Mouse(WM_MOUSEMOVE, MK_LBUTTON, 50, 30),
        Mouse(WM_LBUTTONUP, 0, 50, 30)}},
      {[&] {
         tks::MoveMouse(probe, {3, 4});
       },
       {Mouse(WM_MOUSEMOVE, 0, 3, 4)}},
  };
  for (const auto& c : cases) {
    rec.Clear();
    c.gesture();
    TKS_EXPECT_SEQUENCE(c.expected, rec.Messages());
  }
  rec.Clear();
  tks::RightClick(probe, {9, 10});
  ASSERT_FALSE(rec.Messages().empty());
  EXPECT_EQ(static_cast<unsigned>(WM_CONTEXTMENU), rec.Messages().back().message)
      << "DefWindowProc turns the right button release into WM_CONTEXTMENU";
  g_mouse = nullptr;
}

TEST(Pump, PreTranslateHookSeesMessagesAndCanSwallowThem) {
  HWND probe = MakeProbe();
  int seen = 0;
  auto previous = tks::SetPreTranslateHook([&](MSG& msg) {
    if (msg.hwnd == probe && msg.message == WM_KEYDOWN) {
      ++seen;
      return msg.wParam == VK_ESCAPE;  // swallowed, as a dialog's PreTranslateMessage would
    }
    return false;
  });
  tks::PressKey(probe, VK_ESCAPE);
  tks::PressKey(probe, 'C');
  tks::SetPreTranslateHook(previous);
  EXPECT_EQ(2, seen);
  bool escapeDown = false;
  bool cDown = false;
  for (const KeySeen& k : g_keys) {
    escapeDown |= k.msg == WM_KEYDOWN && k.key == VK_ESCAPE;
    cDown |= k.msg == WM_KEYDOWN && k.key == 'C';
  }
  EXPECT_FALSE(escapeDown) << "the swallowed Escape must not reach the window";
  EXPECT_TRUE(cDown) << "keys the hook passes on reach the window";
}

// Two recorders on one window both see its messages, and a detached one stops recording.
TEST(Recorder, SeveralRecordersWatchOneWindowUntilDetached) {
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20,
                              tks::HostFrame(), nullptr, nullptr, nullptr);
  tks::MessageRecorder a, b;
  a.Only({WM_SETTEXT});
  b.Only({WM_SETTEXT});
  ASSERT_TRUE(a.Attach(edit));
  ASSERT_TRUE(b.Attach(edit));
  SetWindowTextW(edit, L"one");
  b.Detach();
  SetWindowTextW(edit, L"two");
  EXPECT_EQ(2u, a.Messages().size());
  EXPECT_EQ(1u, b.Messages().size());
  wchar_t text[8] = {};
  GetWindowTextW(edit, text, 8);
  EXPECT_STREQ(L"two", text) << "recording must not change what the window does";
  EXPECT_FALSE(a.Attach(nullptr));
}

}  // namespace
