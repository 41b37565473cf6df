// Message pumping for tests.
#include "Pump.h"

#include <utility>

namespace tks {

namespace {
PreTranslateHook& Hook() {
  static PreTranslateHook hook;
  return hook;
}
}  // namespace

PreTranslateHook SetPreTranslateHook(PreTranslateHook hook) {
  return std::exchange(Hook(), std::move(hook));
}

void DispatchOne(MSG& msg) {
  if (Hook() && Hook()(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

int PumpUntilIdle(int maxMessages) {
  int count = 0;
  MSG msg;
  // Bounded: a window that keeps posting to itself must not hang the test.
  while (count < maxMessages && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Keep the quit request for whoever runs the real loop.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    DispatchOne(msg);
    ++count;
  }
  return count;
}

}  // namespace tks
