// The window core's per-thread state, shared by its files: the handle maps, the object whose
// window is being created and the message being handled.
#pragma once
#include "afxwin.h"

#include <atomic>
#include <unordered_map>

namespace afx_internal {

// The original procedure of a window the framework subclassed, kept on the window too so a
// window whose object went away still reaches it.
extern const wchar_t kOldProcProp[];

struct WndThreadState {
  std::unordered_map<HWND, CWnd*> permanent;
  std::unordered_map<HWND, CWnd*> temporary;
  CWnd* pWndInit = nullptr;  // the object whose window is being created
  HHOOK hHookCbt = nullptr;
  int nHookDepth = 0;
  MSG lastSentMsg = {};  // the message the framework procedure is handling now

  void DeleteTemporaries() {
    std::unordered_map<HWND, CWnd*> doomed;
    doomed.swap(temporary);
    for (auto& item : doomed) {
      item.second->m_hWnd = nullptr;  // a wrapper never destroys the window
      delete item.second;
    }
  }
};

// This thread's state, made on first use.
WndThreadState& WndState();

// Routes hWnd through AfxWndProc; returns the procedure it had unless that was ours already.
WNDPROC HookWindowProc(HWND hWnd);

// Bumped whenever a library may leave memory: the message-map lookup caches, keyed by map
// address, forget everything they hold when it changes.
std::atomic<unsigned>& MessageMapGeneration();

// Takes one message and dispatches it through the thread's pump (or translates and dispatches
// it when there is no thread object); false for WM_QUIT, which is posted again so that the
// outer loop ends too.
bool PumpModalMessage(MSG& msg);

}  // namespace afx_internal
