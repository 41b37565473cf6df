// Keyboard and mouse input for tests.
#include "Input.h"

#include "Pump.h"

namespace tks {

namespace {

// Holds the modifier keys in the thread's keyboard state for its lifetime, so
// GetKeyState and TranslateMessage see them; restores the previous state afterwards.
class HeldModifiers {
 public:
  explicit HeldModifiers(unsigned mods) {
    GetKeyboardState(saved_);
    BYTE state[256];
    CopyMemory(state, saved_, sizeof state);
    Set(state, VK_SHIFT, VK_LSHIFT, (mods & kShift) != 0);
    Set(state, VK_CONTROL, VK_LCONTROL, (mods & kCtrl) != 0);
    Set(state, VK_MENU, VK_LMENU, (mods & kAlt) != 0);
    SetKeyboardState(state);
  }
  ~HeldModifiers() { SetKeyboardState(saved_); }
  HeldModifiers(const HeldModifiers&) = delete;
  HeldModifiers& operator=(const HeldModifiers&) = delete;

 private:
  static void Set(BYTE* state, int vk, int left, bool down) {
    state[vk] = state[left] = down ? 0x80 : 0;
  }
  BYTE saved_[256];
};

LPARAM KeyLParam(UINT vk, bool alt, bool up) {
  const UINT scan = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
  LPARAM l = 1 | (static_cast<LPARAM>(scan & 0xFF) << 16);
  if (alt) l |= LPARAM(1) << 29;
  if (up) l |= (LPARAM(1) << 30) | (LPARAM(1) << 31);
  return l;
}

WPARAM MouseKeys(unsigned mods, WPARAM buttons) {
  if (mods & kShift) buttons |= MK_SHIFT;
  if (mods & kCtrl) buttons |= MK_CONTROL;
  return buttons;
}

// Mouse messages go to the window holding the capture, as real input does. The cursor is not
// moved: SetCursorPos queues a system WM_MOUSEMOVE of its own, which would make the sequences
// tests record depend on timing.
void PostMouse(HWND target, UINT msg, POINT client, WPARAM keys) {
  POINT screen = client;
  ClientToScreen(target, &screen);
  HWND to = target;
  HWND capture = GetCapture();
  POINT pt = client;
  if (capture && capture != target) {
    to = capture;
    pt = screen;
    ScreenToClient(capture, &pt);
  }
  PostMessageW(to, msg, keys, MAKELPARAM(pt.x, pt.y));
  PumpUntilIdle();
}

void ButtonClick(HWND target, POINT client, unsigned mods, UINT down, UINT up, WPARAM button) {
  HeldModifiers held(mods);
  PostMouse(target, WM_MOUSEMOVE, client, MouseKeys(mods, 0));
  PostMouse(target, down, client, MouseKeys(mods, button));
  PostMouse(target, up, client, MouseKeys(mods, 0));
}

}  // namespace

void PressKey(HWND target, UINT vk, unsigned mods) {
  HeldModifiers held(mods);
  const bool alt = (mods & kAlt) != 0;
  PostMessageW(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, KeyLParam(vk, alt, false));
  PumpUntilIdle();
  PostMessageW(target, alt ? WM_SYSKEYUP : WM_KEYUP, vk, KeyLParam(vk, alt, true));
  PumpUntilIdle();
}

void TypeText(HWND target, const std::wstring& text) {
  for (wchar_t ch : text) {
    const SHORT scan = VkKeyScanW(ch);
    const UINT vk = LOBYTE(scan);
    const UINT shifts = HIBYTE(scan);
    // Characters with a plain or shifted key are typed; others (or AltGr ones) come as WM_CHAR.
    if (scan == -1 || (shifts & ~1u) != 0) {
      PostMessageW(target, WM_CHAR, ch, 1);
      PumpUntilIdle();
      continue;
    }
    PressKey(target, vk, (shifts & 1) ? kShift : kNoMods);
  }
}

void Click(HWND target, POINT client, unsigned mods) {
  ButtonClick(target, client, mods, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON);
}

void DoubleClick(HWND target, POINT client, unsigned mods) {
  Click(target, client, mods);
  const bool dbl = (GetClassLongPtrW(target, GCL_STYLE) & CS_DBLCLKS) != 0;
  ButtonClick(target, client, mods, dbl ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, WM_LBUTTONUP,
              MK_LBUTTON);
}

void RightClick(HWND target, POINT client, unsigned mods) {
  ButtonClick(target, client, mods, WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON);
}

void Drag(HWND target, POINT from, POINT to, unsigned mods, int steps) {
  HeldModifiers held(mods);
  if (steps < 1) steps = 1;
  PostMouse(target, WM_MOUSEMOVE, from, MouseKeys(mods, 0));
  PostMouse(target, WM_LBUTTONDOWN, from, MouseKeys(mods, MK_LBUTTON));
  for (int i = 1; i <= steps; ++i) {
    const POINT p = {from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps};
    PostMouse(target, WM_MOUSEMOVE, p, MouseKeys(mods, MK_LBUTTON));
  }
  PostMouse(target, WM_LBUTTONUP, to, MouseKeys(mods, 0));
}

void MoveMouse(HWND target, POINT client, unsigned mods) {
  HeldModifiers held(mods);
  PostMouse(target, WM_MOUSEMOVE, client, MouseKeys(mods, 0));
}

}  // namespace tks
