// The hidden host frame a test program parents its controls to.
#pragma once
#include <windows.h>

namespace tks {

// Creates the host frame (hidden overlapped window, 800 x 600) if it does not exist yet.
HWND CreateHostFrame();
// The host frame; created on first use.
HWND HostFrame();
// Destroys the host frame and every child still on it.
void DestroyHostFrame();
// Destroys every child window left on the host frame and hides it again (between tests).
void ClearHostFrame();
// Shows or hides the host frame: hidden windows get no WM_PAINT, so tests of painting show it.
void ShowHostFrame(bool show);

}  // namespace tks
