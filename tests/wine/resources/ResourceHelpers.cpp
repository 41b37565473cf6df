// Helpers for the resource tests: string loading and one pass of an animation in a real control.
#include "ResourceHelpers.h"

#include <commctrl.h>

namespace tkr {

std::wstring LoadText(HMODULE module, UINT id) {
  const wchar_t* text = nullptr;
  // With a zero buffer size LoadStringW hands out the read-only resource text itself.
  int length = LoadStringW(module, id, reinterpret_cast<wchar_t*>(&text), 0);
  return length > 0 ? std::wstring(text, length) : std::wstring();
}

std::wstring BesideProgram(const wchar_t* file) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring dir(path);
  return dir.substr(0, dir.find_last_of(L"\\/") + 1) + file;
}

namespace {

constexpr int kAnimationId = 1561;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* run = reinterpret_cast<AnimationRun*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (msg == WM_COMMAND && run && LOWORD(wp) == kAnimationId) {
    if (HIWORD(wp) == ACN_START) run->started = true;
    if (HIWORD(wp) == ACN_STOP) run->stopped = true;
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

HWND CreateParent(AnimationRun* run) {
  static ATOM atom = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TkrAnimationParent";
    return RegisterClassW(&wc);
  }();
  HWND parent = CreateWindowExW(0, MAKEINTATOM(atom), L"", WS_POPUP, 0, 0, 200, 120, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(parent, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(run));
  return parent;
}

// Dispatches messages until done() holds or the deadline passes; waits for messages, never sleeps
// blindly.
template <typename Done>
void PumpUntil(Done done, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!done() && GetTickCount64() < deadline) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

}  // namespace

AnimationRun PlayOnce(HMODULE module, UINT id) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_ANIMATE_CLASS};
  InitCommonControlsEx(&icc);
  AnimationRun run;
  HWND parent = CreateParent(&run);
  HWND anim = CreateWindowExW(0, ANIMATE_CLASSW, L"",
                              WS_CHILD | WS_VISIBLE | ACS_TIMER | ACS_TRANSPARENT, 0, 0, 120, 80,
                              parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kAnimationId)),
                              GetModuleHandleW(nullptr), nullptr);
  if (anim) {
    run.opened = SendMessageW(anim, ACM_OPENW, reinterpret_cast<WPARAM>(module),
                              reinterpret_cast<LPARAM>(MAKEINTRESOURCEW(id))) != 0;
    if (run.opened) {
      // A single-frame play is refused past the last frame, which counts them.
      while (run.frames < 256 && SendMessageW(anim, ACM_PLAY, 1, MAKELONG(run.frames, run.frames)))
        ++run.frames;
      SendMessageW(anim, ACM_STOP, 0, 0);
      PumpUntil([] { return false; }, 0);
      run.started = run.stopped = false;
      if (SendMessageW(anim, ACM_PLAY, 1, MAKELONG(0, 0xFFFF)))
        PumpUntil([&] { return run.stopped; }, 5000);
    }
  }
  DestroyWindow(parent);
  return run;
}

}  // namespace tkr
