// Shared pieces of the core wine tests: the resource module in the chain, a framework parent
// and a surface to paint on.
#pragma once
#include <afxwin.h>
#include <gtest/gtest.h>

#include <vector>

#include "FrameworkApp.h"

namespace coretest {

// The application object exists and qxres.dll is linked into the resource chain, as a host
// would have it. Safe to call from every test.
inline void UseHostResources() {
  const HMODULE module = tks::HostResources();
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

// A 32-bit top-down memory surface filled with one colour.
class Surface {
 public:
  Surface(int width, int height, COLORREF fill) : width_(width), height_(height) {
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = -height;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    dc_ = ::CreateCompatibleDC(nullptr);
    bitmap_ =
        ::CreateDIBSection(dc_, &bmi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = ::SelectObject(dc_, bitmap_);
    HBRUSH brush = ::CreateSolidBrush(fill);
    RECT all = {0, 0, width, height};
    ::FillRect(dc_, &all, brush);
    ::DeleteObject(brush);
  }
  ~Surface() {
    ::SelectObject(dc_, old_);
    ::DeleteObject(bitmap_);
    ::DeleteDC(dc_);
  }
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;
  HDC dc() const { return dc_; }
  COLORREF At(int x, int y) const {
    ::GdiFlush();
    const DWORD v = bits_[y * width_ + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  }
  // Some pixel has that colour.
  bool Shows(COLORREF colour) const {
    for (int i = 0; i < width_ * height_; ++i)
      if (At(i % width_, i / width_) == colour) return true;
    return false;
  }

 private:
  int width_, height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  DWORD* bits_ = nullptr;
};

}  // namespace coretest
