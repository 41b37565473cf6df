// Typed keys and mouse clicks reach windows the way real input does.
#include "Support.h"

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
  tks::PressKey(probe, 'A', tks::kCtrl);
  tks::PressKey(probe, 'B');
  ASSERT_EQ(9u, g_keys.size());
  // Shift+A: down, 'A', up, all with Shift held and Ctrl not.
  EXPECT_EQ(WM_KEYDOWN, g_keys[0].msg);
  EXPECT_TRUE(g_keys[0].shift);
  EXPECT_FALSE(g_keys[0].ctrl);
  EXPECT_EQ(WM_CHAR, g_keys[1].msg);
  EXPECT_EQ(WPARAM('A'), g_keys[1].key);
  EXPECT_EQ(WM_KEYUP, g_keys[2].msg);
  // Ctrl+A types the control character 1.
  EXPECT_TRUE(g_keys[3].ctrl);
  EXPECT_EQ(WPARAM(1), g_keys[4].key);
  // Modifiers are released afterwards: plain B types a lower-case b.
  EXPECT_FALSE(g_keys[6].shift || g_keys[6].ctrl);
  EXPECT_EQ(WPARAM('b'), g_keys[7].key);
  EXPECT_GE(GetKeyState(VK_SHIFT), 0) << "Shift must not stay held after the key";
}

TEST(Input, AltGivesSystemKeys) {
  HWND probe = MakeProbe();
  tks::PressKey(probe, 'F', tks::kAlt);
  ASSERT_GE(g_keys.size(), 2u);
  EXPECT_EQ(WM_SYSKEYDOWN, g_keys[0].msg);
  EXPECT_EQ(WM_SYSCHAR, g_keys[1].msg);
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

  tks::Click(probe, {5, 6}, tks::kShift | tks::kCtrl);
  TKS_EXPECT_SEQUENCE((std::vector<tks::SeqMsg>{
                          Mouse(WM_MOUSEMOVE, MK_SHIFT | MK_CONTROL, 5, 6),
                          Mouse(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT | MK_CONTROL, 5, 6),
                          Mouse(WM_LBUTTONUP, MK_SHIFT | MK_CONTROL, 5, 6),
                      }),
                      rec.Messages());

  rec.Clear();
  tks::DoubleClick(probe, {7, 8});
  TKS_EXPECT_SEQUENCE((std::vector<tks::SeqMsg>{
                          Mouse(WM_MOUSEMOVE, 0, 7, 8),
                          Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 7, 8),
                          Mouse(WM_LBUTTONUP, 0, 7, 8),
                          Mouse(WM_MOUSEMOVE, 0, 7, 8, tks::kOptional),
                          Mouse(WM_LBUTTONDBLCLK, MK_LBUTTON, 7, 8),
                          Mouse(WM_LBUTTONUP, 0, 7, 8),
                      }),
                      rec.Messages());

  rec.Clear();
  tks::RightClick(probe, {9, 10});
  ASSERT_FALSE(rec.Messages().empty());
  EXPECT_EQ(static_cast<unsigned>(WM_CONTEXTMENU), rec.Messages().back().message)
      << "DefWindowProc turns the right button release into WM_CONTEXTMENU";

  // A drag holds the button through the moves and ends where it was told to.
  rec.Clear();
  tks::Drag(probe, {10, 10}, {50, 30}, tks::kNoMods, 2);
  TKS_EXPECT_SEQUENCE((std::vector<tks::SeqMsg>{
                          Mouse(WM_MOUSEMOVE, 0, 10, 10),
                          Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 10, 10),
                          Mouse(WM_MOUSEMOVE, MK_LBUTTON, 30, 20),
                          Mouse(WM_MOUSEMOVE, MK_LBUTTON, 50, 30),
                          Mouse(WM_LBUTTONUP, 0, 50, 30),
                      }),
                      rec.Messages());

  rec.Clear();
  tks::MoveMouse(probe, {3, 4});
  TKS_EXPECT_SEQUENCE(std::vector<tks::SeqMsg>{Mouse(WM_MOUSEMOVE, 0, 3, 4)}, rec.Messages());
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

}  // namespace

namespace {

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
