// Shared pieces of the core wine tests: the resource module in the chain and a framework parent.
#pragma once
#include <afxwin.h>
#include <gtest/gtest.h>

#include <vector>

#include "FrameworkApp.h"

namespace coretest {

// The application object exists and qxres.dll is linked into the resource chain, as a host
// would have it. Safe to call from every test.
inline void UseHostResources() {
  tks::FrameworkApp();
  static HMODULE module = [] {
    HMODULE h = ::LoadLibraryW(L"qxres.dll");
    // The chain owns the library object from here on.
    if (h) new CDynLinkLibrary(h, h, FALSE);
    return h;
  }();
  ASSERT_NE(nullptr, module) << "qxres.dll does not load beside the test program";
}

// A visible framework popup at the screen's top-left corner: controls on it get their
// owner-draw and colour messages back by reflection. It records the commands it receives.
class ParentWnd : public CWnd {
 public:
  explicit ParentWnd(CRect rect = CRect(0, 0, 400, 300)) {
    const BOOL ok = CreateEx(0, AfxRegisterWndClass(0), L"core controls",
                             WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, rect, nullptr, 0);
    EXPECT_TRUE(ok) << "the parent window could not be created";
  }
  ~ParentWnd() override {
    if (m_hWnd) DestroyWindow();
  }
  std::vector<std::pair<WPARAM, LPARAM>> commands;  // WM_COMMAND parameters, in order

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_COMMAND) commands.emplace_back(wParam, lParam);
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

}  // namespace coretest
