// Captured pixels show what windows paint, where they paint it; leaked GDI objects are counted.
#include "Support.h"

#include <gtest/gtest-spi.h>

#include <cstdio>
#include <fstream>

namespace {

// Paints a white client with a red rectangle at (10,10)-(40,30), on screen and when printed.
void PaintProbe(HDC dc, HWND hwnd) {
  RECT rc;
  GetClientRect(hwnd, &rc);
  FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  const RECT box = {10, 10, 40, 30};
  FillRect(dc, &box, red);
  DeleteObject(red);
}

LRESULT CALLBACK PaintProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    PaintProbe(BeginPaint(hwnd, &ps), hwnd);
    EndPaint(hwnd, &ps);
    return 0;
  }
  if (msg == WM_PRINTCLIENT) {
    PaintProbe(reinterpret_cast<HDC>(wParam), hwnd);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND MakePainted(HWND parent, int x, int y, int cx, int cy, DWORD exStyle = 0) {
  static bool registered = false;
  if (!registered) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = PaintProc;
    wc.lpszClassName = L"TksPaintProbe";
    registered = RegisterClassW(&wc) != 0;
  }
  return CreateWindowExW(exStyle, L"TksPaintProbe", L"", WS_CHILD | WS_VISIBLE, x, y, cx, cy,
                         parent, nullptr, nullptr, nullptr);
}

TEST(Capture, PixelsShowAChildsRectangleAtItsOffset) {
  // A bordered panel holding the painted window at (20,15): the red box lands at its
  // offset plus the border, and the panel's own colour shows around it.
  static bool registered = false;
  if (!registered) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));  // drawn by WM_ERASEBKGND
    wc.lpszClassName = L"TksBlackPanel";
    registered = RegisterClassW(&wc) != 0;
  }
  HWND panel = CreateWindowExW(WS_EX_CLIENTEDGE, L"TksBlackPanel", L"", WS_CHILD | WS_VISIBLE, 0, 0,
                               200, 120, tks::HostFrame(), nullptr, nullptr, nullptr);
  MakePainted(panel, 20, 15, 100, 60);
  const tks::Capture cap = tks::CaptureWindow(panel);
  ASSERT_EQ(200, cap.width);
  ASSERT_EQ(120, cap.height);
  EXPECT_GT(cap.clientOrigin.x, 0) << "the client edge moves the client area";
  const int bx = 20 + 10, by = 15 + 10;  // the red box, in the panel's client area
  const struct {
    int x, y;
    COLORREF colour;
    const char* what;
  } pixels[] = {{bx, by, RGB(255, 0, 0), "top-left corner of the red box"},
                {bx + 29, by + 19, RGB(255, 0, 0), "bottom-right corner of the red box"},
                {bx + 30, by, RGB(255, 255, 255), "right of the box is the child's white"},
                {bx - 1, by, RGB(255, 255, 255), "left of the box is the child's white"},
                {5, 5, RGB(0, 0, 0), "outside the child is the black panel"}};
  for (const auto& p : pixels) EXPECT_EQ(p.colour, cap.AtClient(p.x, p.y)) << p.what;
  EXPECT_EQ(CLR_INVALID, cap.At(200, 0));
}

TEST(Capture, ChildrenAreClippedToTheirParentHiddenOnesSkippedAndPngsWritten) {
  HWND outer = MakePainted(tks::HostFrame(), 0, 0, 60, 50);
  // Overhangs the outer window's right edge; only the part inside may show.
  HWND inner = MakePainted(outer, 30, 0, 60, 50);
  HWND hidden = MakePainted(outer, 0, 0, 60, 50);
  ShowWindow(hidden, SW_HIDE);
  const tks::Capture cap = tks::CaptureWindow(outer);
  ASSERT_EQ(60, cap.width);
  EXPECT_EQ(RGB(255, 255, 255), cap.At(35, 12)) << "the inner window's white covers the outer box";
  EXPECT_EQ(RGB(255, 0, 0), cap.At(45, 12)) << "the inner window's red box, cut at the outer edge";
  EXPECT_EQ(RGB(255, 0, 0), cap.At(12, 12)) << "the hidden child must not cover the outer box";
  (void)inner;

  wchar_t dir[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, dir);
  const std::wstring path = std::wstring(dir) + L"tks_capture.png";
  ASSERT_TRUE(tks::CaptureToPng(outer, path));
  unsigned char head[4] = {};
  if (FILE* f = _wfopen(path.c_str(), L"rb")) {
    fread(head, 1, 4, f);
    fclose(f);
  }
  DeleteFileW(path.c_str());
  EXPECT_EQ(0x89, head[0]) << "a PNG file";
  EXPECT_EQ('P', head[1]);
  EXPECT_TRUE(tks::CaptureWindow(nullptr).pixels.empty()) << "no window, no image";
}

TEST(Leaks, CountsLeakedBrushesAndWindowsButNotBalancedCode) {
  static HBRUSH brush;
  TKS_EXPECT_GUI_DELTA(1, 0, brush = CreateSolidBrush(RGB(1, 2, 3)));
  // The same leak under the no-leak check is a failure that names the count.
  EXPECT_NONFATAL_FAILURE(TKS_EXPECT_NO_GUI_LEAK(brush = CreateSolidBrush(RGB(4, 5, 6))),
                          "GDI objects left");
  DeleteObject(brush);
  static HWND window;
  TKS_EXPECT_GUI_DELTA(0, 1,
                       window = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5,
                                                tks::HostFrame(), nullptr, nullptr, nullptr));
  TKS_EXPECT_GUI_DELTA(0, -1, DestroyWindow(window));
  TKS_EXPECT_NO_GUI_LEAK({
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(dc, 4, 4);
    HGDIOBJ old = SelectObject(dc, bmp);
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
  });
}

// Hidden windows are never painted; a shown host lets UpdateWindow paint its children.
TEST(Host, ShownHostPaintsItsChildrenAndIsHiddenForTheNextTest) {
  tks::MessageRecorder rec;
  rec.Only({WM_PAINT});
  HWND child = CreateWindowExW(0, L"STATIC", L"x", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20,
                               tks::HostFrame(), nullptr, nullptr, nullptr);
  rec.Attach(child);
  UpdateWindow(child);
  EXPECT_TRUE(rec.Messages().empty()) << "a hidden host's child is not painted";
  tks::ShowHostFrame(true);
  UpdateWindow(child);
  EXPECT_FALSE(rec.Messages().empty()) << "a shown host's child is painted";
  tks::ClearHostFrame();
  EXPECT_FALSE(IsWindow(child));
  EXPECT_FALSE(IsWindowVisible(tks::HostFrame()));
}

}  // namespace
