// Message pumping for tests: drain the queue the way a real message loop would.
#pragma once
#include <windows.h>

#include <functional>

namespace tks {

// Called for every message before TranslateMessage; true means the message was handled
// (a framework installs its PreTranslateMessage routing here).
using PreTranslateHook = std::function<bool(MSG& msg)>;

// Installs the hook used by every pump in this library; returns the previous one.
PreTranslateHook SetPreTranslateHook(PreTranslateHook hook);

// Runs one message through the hook, TranslateMessage and DispatchMessage.
void DispatchOne(MSG& msg);

// Dispatches messages until the queue is empty or maxMessages were handled; returns the count.
int PumpUntilIdle(int maxMessages = 10000);

}  // namespace tks
