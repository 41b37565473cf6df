// A memory DC with a 32-bpp top-down DIB selected, for GDI tests that read pixels directly.
#pragma once
#include <afxwin.h>

namespace gditest {

class MemoryCanvas {
 public:
  MemoryCanvas(int cx, int cy) : cx_(cx) {
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = cx;
    bi.bmiHeader.biHeight = -cy;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dib_.Attach(::CreateDIBSection(NULL, &bi, DIB_RGB_COLORS, &bits, NULL, 0));
    bits_ = static_cast<const DWORD*>(bits);
    dc_.CreateCompatibleDC(NULL);
    old_ = dc_.SelectObject(&dib_);
  }
  ~MemoryCanvas() { dc_.SelectObject(old_); }
  CDC& dc() { return dc_; }
  // The pixel as a COLORREF.
  COLORREF At(int x, int y) const {
    ::GdiFlush();
    const DWORD v = bits_[y * cx_ + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  }

 private:
  int cx_;
  CBitmap dib_;
  CDC dc_;
  CBitmap* old_ = nullptr;
  const DWORD* bits_ = nullptr;
};

}  // namespace gditest
