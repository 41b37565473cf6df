// A visible framework window for control tests: its children's owner-draw messages reach
// the controls' own objects through reflection, and it owns popup menus.
#pragma once
#include <afxwin.h>
#include <gtest/gtest.h>

namespace ctltest {

class ParentWnd : public CWnd {
 public:
  ParentWnd() {
    const BOOL ok = CreateEx(0, nullptr, L"controls", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                             CRect(0, 0, 400, 300), nullptr, 0);
    EXPECT_TRUE(ok) << "the parent window could not be created";
  }
  ~ParentWnd() override {
    if (m_hWnd) DestroyWindow();
  }
  // The rectangle a child fills: the whole client area.
  CRect Area() const { return CRect(0, 0, 380, 280); }
};

}  // namespace ctltest
