// Window capture through WM_PRINT: the display DCs cannot be read back headless.
#include "Capture.h"

#include "logic/Png.h"

#include <cstring>

namespace tks {

namespace {

// Selects a DIB section into a memory DC for the capture's lifetime.
class DibCanvas {
 public:
  DibCanvas(int width, int height) {
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = -height;  // top-down
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &bmi, DIB_RGB_COLORS, &bits_, nullptr, 0);
    if (bitmap_) old_ = SelectObject(dc_, bitmap_);
  }
  ~DibCanvas() {
    if (old_) SelectObject(dc_, old_);
    if (bitmap_) DeleteObject(bitmap_);
    if (dc_) DeleteDC(dc_);
  }
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;

  bool Ok() const { return bits_ != nullptr; }
  HDC Dc() const { return dc_; }
  const void* Bits() const { return bits_; }

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  void* bits_ = nullptr;
};

// Client rectangle of hwnd in capture coordinates (the root's window rectangle origin).
RECT ClientInCapture(HWND hwnd, POINT rootOrigin) {
  RECT rc;
  GetClientRect(hwnd, &rc);
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
  OffsetRect(&rc, -rootOrigin.x, -rootOrigin.y);
  return rc;
}

// True when the window has a frame or caption of its own: wine's null driver paints no
// non-client area on WM_PRINT, so the capture draws it.
bool HasFrame(HWND hwnd) {
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  const LONG exStyle = GetWindowLongW(hwnd, GWL_EXSTYLE);
  return (style & (WS_DLGFRAME | WS_THICKFRAME)) || (exStyle & WS_EX_DLGMODALFRAME);
}

// Frame, caption bar and client edge of a window whose top-left corner is at (0,0) of dc.
// Only the non-client band is touched: scroll bars and menus wine may have drawn stay.
void DrawNonClient(HDC dc, HWND hwnd, int width, int height, POINT clientOffset) {
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  const LONG exStyle = GetWindowLongW(hwnd, GWL_EXSTYLE);
  RECT outer = {0, 0, width, height};

  // The outer ring: a raised 3-D frame (plus the sizing band) or a one-pixel line.
  int ring = 0;
  bool raised = true;
  if (style & WS_THICKFRAME) {
    ring = GetSystemMetrics(SM_CXSIZEFRAME);
  } else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) {
    ring = GetSystemMetrics(SM_CXDLGFRAME);
  } else if (style & WS_BORDER) {
    ring = GetSystemMetrics(SM_CXBORDER);
    raised = false;
  }
  if (ring > 0) {
    RECT inner = outer;
    InflateRect(&inner, -ring, -ring);
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
    if (raised) {
      FillRect(dc, &outer, GetSysColorBrush(COLOR_3DFACE));
      RECT edge = outer;
      DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
    } else {
      FillRect(dc, &outer, GetSysColorBrush(COLOR_WINDOWFRAME));
    }
    RestoreDC(dc, saved);
    outer = inner;
  }

  // The caption bar: active colours, the window's text and its close box.
  if ((style & WS_CAPTION) == WS_CAPTION) {
    const bool tool = (exStyle & WS_EX_TOOLWINDOW) != 0;
    RECT bar = outer;
    bar.bottom = bar.top + GetSystemMetrics(tool ? SM_CYSMCAPTION : SM_CYCAPTION) - 1;
    FillRect(dc, &bar, GetSysColorBrush(COLOR_3DFACE));
    RECT title = bar;
    title.bottom -= 1;  // the line under the bar stays face-coloured
    DrawCaption(hwnd, dc, &title, DC_ACTIVE | DC_TEXT | DC_GRADIENT | (tool ? DC_SMALLCAP : 0));
    if (style & WS_SYSMENU) {
      const int box = title.bottom - title.top - 4;
      RECT close = {title.right - box - 2, title.top + 2, title.right - 2, title.bottom - 2};
      if (box > 0) DrawFrameControl(dc, &close, DFC_CAPTION, DFCS_CAPTIONCLOSE);
    }
  }

  // The sunken edge around the client area.
  if (exStyle & WS_EX_CLIENTEDGE) {
    RECT client = {clientOffset.x, clientOffset.y, 0, 0};
    RECT rc;
    GetClientRect(hwnd, &rc);
    client.right = client.left + rc.right;
    client.bottom = client.top + rc.bottom;
    InflateRect(&client, GetSystemMetrics(SM_CXEDGE), GetSystemMetrics(SM_CYEDGE));
    DrawEdge(dc, &client, EDGE_SUNKEN, BF_RECT);
  }
}

// A framed window: wine paints its client at the window's corner, so the client prints into a
// canvas of its own that lands at the client offset, inside the frame drawn here.
void PrintFramed(HDC own, HWND hwnd, const RECT& window, const RECT& client) {
  const POINT offset = {client.left - window.left, client.top - window.top};
  DrawNonClient(own, hwnd, window.right - window.left, window.bottom - window.top, offset);
  const int width = client.right - client.left, height = client.bottom - client.top;
  if (width <= 0 || height <= 0) return;
  DibCanvas inner(width, height);
  if (!inner.Ok()) return;
  BitBlt(inner.Dc(), 0, 0, width, height, own, offset.x, offset.y, SRCCOPY);
  SendMessageW(hwnd, WM_PRINT, reinterpret_cast<WPARAM>(inner.Dc()), PRF_CLIENT | PRF_ERASEBKGND);
  GdiFlush();
  BitBlt(own, offset.x, offset.y, width, height, inner.Dc(), 0, 0, SRCCOPY);
}

// Each window prints into a canvas of its own at the origin, then lands on the shared canvas:
// wine's standard controls clip their painting wrongly when the viewport is offset.
void PrintTree(HDC dc, HWND hwnd, POINT rootOrigin, const RECT& clip) {
  RECT wr;
  GetWindowRect(hwnd, &wr);
  OffsetRect(&wr, -rootOrigin.x, -rootOrigin.y);
  RECT visible;
  if (!IntersectRect(&visible, &wr, &clip)) return;

  const int width = wr.right - wr.left;
  const int height = wr.bottom - wr.top;
  DibCanvas own(width, height);
  if (own.Ok()) {
    // Start from what lies below, so a window that paints only part of itself keeps it.
    BitBlt(own.Dc(), 0, 0, width, height, dc, wr.left, wr.top, SRCCOPY);
    if (HasFrame(hwnd))
      PrintFramed(own.Dc(), hwnd, wr, ClientInCapture(hwnd, rootOrigin));
    else
      SendMessageW(hwnd, WM_PRINT, reinterpret_cast<WPARAM>(own.Dc()),
                   PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    GdiFlush();
    BitBlt(dc, visible.left, visible.top, visible.right - visible.left,
           visible.bottom - visible.top, own.Dc(), visible.left - wr.left, visible.top - wr.top,
           SRCCOPY);
  }

  // Children draw inside this window's client area only, the bottom of the z-order first.
  RECT client = ClientInCapture(hwnd, rootOrigin);
  RECT childClip;
  if (!IntersectRect(&childClip, &client, &visible)) return;
  for (HWND child = GetWindow(GetWindow(hwnd, GW_CHILD), GW_HWNDLAST); child;
       child = GetWindow(child, GW_HWNDPREV)) {
    if (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) PrintTree(dc, child, rootOrigin, childClip);
  }
}

}  // namespace

COLORREF Capture::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
  const std::uint32_t p =
      pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

COLORREF Capture::AtClient(int x, int y) const {
  return At(x + clientOrigin.x, y + clientOrigin.y);
}

bool Capture::WritePng(const std::wstring& path) const {
  if (pixels.empty()) return false;
  // The encoder takes a narrow path; the C runtime maps it through the ANSI code page.
  std::string narrow(path.size() * 3 + 1, '\0');
  const int n = WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, &narrow[0],
                                    static_cast<int>(narrow.size()), nullptr, nullptr);
  if (n <= 0) return false;
  narrow.resize(static_cast<size_t>(n - 1));
  return WritePngFile(narrow, width, height, pixels.data());
}

Capture CaptureWindow(HWND root) {
  Capture cap;
  if (!IsWindow(root)) return cap;
  RECT wr;
  GetWindowRect(root, &wr);
  const int width = wr.right - wr.left;
  const int height = wr.bottom - wr.top;
  if (width <= 0 || height <= 0) return cap;
  DibCanvas canvas(width, height);
  if (!canvas.Ok()) return cap;

  const POINT origin = {wr.left, wr.top};
  const RECT all = {0, 0, width, height};
  PrintTree(canvas.Dc(), root, origin, all);
  GdiFlush();

  cap.width = width;
  cap.height = height;
  const RECT client = ClientInCapture(root, origin);
  cap.clientOrigin = {client.left, client.top};
  cap.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  std::memcpy(cap.pixels.data(), canvas.Bits(), cap.pixels.size() * sizeof(std::uint32_t));
  for (auto& p : cap.pixels) p &= 0x00FFFFFF;
  return cap;
}

bool CaptureToPng(HWND root, const std::wstring& path) {
  return CaptureWindow(root).WritePng(path);
}

}  // namespace tks
