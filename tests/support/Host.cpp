// The hidden host frame: one per test program, reused by every test.
#include "Host.h"

#include <vector>

namespace tks {

namespace {

HWND g_host = nullptr;
constexpr wchar_t kHostClass[] = L"TksHostFrame";

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY && hwnd == g_host) g_host = nullptr;
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

HWND CreateHostFrame() {
  if (g_host && IsWindow(g_host)) return g_host;
  static bool registered = false;
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!registered) {
    WNDCLASSW wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = HostProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kHostClass;
    registered = RegisterClassW(&wc) != 0;
  }
  g_host = CreateWindowExW(0, kHostClass, L"Test host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0,
                           800, 600, nullptr, nullptr, instance, nullptr);
  return g_host;
}

HWND HostFrame() {
  return CreateHostFrame();
}

void DestroyHostFrame() {
  if (g_host && IsWindow(g_host)) DestroyWindow(g_host);
  g_host = nullptr;
}

void ClearHostFrame() {
  if (!g_host) return;
  std::vector<HWND> children;
  for (HWND c = GetWindow(g_host, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    children.push_back(c);
  for (HWND c : children) {
    if (IsWindow(c)) DestroyWindow(c);
  }
  ShowWindow(g_host, SW_HIDE);
}

void ShowHostFrame(bool show) {
  ShowWindow(HostFrame(), show ? SW_SHOWNOACTIVATE : SW_HIDE);
}

}  // namespace tks
