// GDI wrappers against real GDI: handle ownership, selection results, temporary wrappers and
// what drawing leaves in a memory bitmap.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "MemoryCanvas.h"
#include "Support.h"

namespace {

using gditest::MemoryCanvas;

bool IsLiveGdiHandle(HGDIOBJ h) {
  return ::GetObjectType(h) != 0;
}

// Makes one object of every kind, checks they exist, and lets them go.
void MakeOneOfEachKind() {
  {
    CPen pen;
    ASSERT_TRUE(pen.CreatePen(PS_SOLID, 2, RGB(1, 2, 3)));
    CBrush solid, hatch;
    ASSERT_TRUE(solid.CreateSolidBrush(RGB(4, 5, 6)));
    ASSERT_TRUE(hatch.CreateHatchBrush(HS_CROSS, RGB(7, 8, 9)));
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, L"Tahoma"));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(8, 8, 1, 1, nullptr));
    CBrush pattern;
    ASSERT_TRUE(pattern.CreatePatternBrush(&bitmap));
    CRgn rgn;
    ASSERT_TRUE(rgn.CreateEllipticRgn(0, 0, 10, 10));
    struct {
      LOGPALETTE lp;
      PALETTEENTRY more[3];
    } pal = {{0x300, 4, {{1, 2, 3, 0}}}, {{4, 5, 6, 0}, {7, 8, 9, 0}, {10, 11, 12, 0}}};
    CPalette palette;
    ASSERT_TRUE(palette.CreatePalette(&pal.lp));
    EXPECT_TRUE(IsLiveGdiHandle(palette.m_hObject) && IsLiveGdiHandle(font.m_hObject));
  }
}

TEST(GdiObject, EveryKindDeletesTheHandleItOwns) {
  MakeOneOfEachKind();  // the first screen DC and font use leave system caches behind
  TKS_EXPECT_NO_GUI_LEAK(MakeOneOfEachKind());
}

TEST(GdiObject, DetachHandsOwnershipToTheCaller) {
  HGDIOBJ h;
  {
    CBrush brush(RGB(10, 20, 30));
    h = brush.Detach();
    EXPECT_EQ(nullptr, brush.GetSafeHandle());
    EXPECT_FALSE(brush.DeleteObject()) << "nothing left to delete";
  }
  EXPECT_TRUE(IsLiveGdiHandle(h)) << "a detached handle survives its former wrapper";
  CBrush again;
  ASSERT_TRUE(again.Attach(h));
  EXPECT_EQ(&again, CGdiObject::FromHandle(h)) << "an attached handle maps to its object";
  EXPECT_TRUE(again.DeleteObject());
  EXPECT_FALSE(IsLiveGdiHandle(h));
}

TEST(GdiObject, FailedCreationLeavesAnEmptyObject) {
  CBitmap bitmap;
  EXPECT_FALSE(bitmap.CreateCompatibleBitmap(nullptr, 4, 4));
  EXPECT_FALSE(bitmap.CreateBitmapIndirect(nullptr));
  EXPECT_EQ(nullptr, bitmap.GetSafeHandle());
  CRgn rgn;
  EXPECT_FALSE(rgn.CreatePolygonRgn(nullptr, 3, ALTERNATE));
  EXPECT_EQ(ERROR, rgn.CombineRgn(nullptr, nullptr, RGN_OR));
  EXPECT_EQ(nullptr, CGdiObject::FromHandle(nullptr));
}

TEST(GdiDC, SelectObjectAnswersThePreviousWrapperAndRestores) {
  CDC dc;
  ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
  CPen red(PS_SOLID, 1, RGB(255, 0, 0)), blue(PS_SOLID, 1, RGB(0, 0, 255));

  CPen* original = dc.SelectObject(&red);
  ASSERT_NE(nullptr, original);
  EXPECT_TRUE(original->IsKindOf(RUNTIME_CLASS(CPen)))
      << "the temporary wrapper is of the handle's kind";
  EXPECT_EQ(::GetStockObject(BLACK_PEN), original->m_hObject);
  EXPECT_EQ(&red, dc.GetCurrentPen());

  EXPECT_EQ(&red, dc.SelectObject(&blue));
  EXPECT_EQ(&blue, dc.SelectObject(original));
  EXPECT_EQ(original, dc.GetCurrentPen());

  CGdiObject* oldBrush = dc.SelectStockObject(GRAY_BRUSH);
  ASSERT_NE(nullptr, oldBrush);
  EXPECT_EQ(::GetStockObject(GRAY_BRUSH), dc.GetCurrentBrush()->m_hObject);
  dc.SelectObject(oldBrush);

  CRgn clip;
  clip.CreateRectRgn(0, 0, 1, 1);
  EXPECT_EQ(SIMPLEREGION, dc.SelectObject(&clip));
  EXPECT_EQ(nullptr, dc.SelectObject(static_cast<CPen*>(nullptr)))
      << "selecting nothing changes nothing";
  AfxDeleteTempGdiAndMenuMaps();
}

// A worker that leaves temporary wrappers behind for its thread's end to free.
DWORD WINAPI MakeTemporaries(void*) {
  for (int i = 0; i < 50; ++i) CGdiObject::FromHandle(::GetStockObject(i % 6));
  return 0;
}

TEST(GdiDC, TemporaryWrappersAreSharedAndFreedWithoutTheirHandles) {
  HPEN hPen = ::CreatePen(PS_SOLID, 1, RGB(1, 1, 1));
  HDC hDC = ::CreateCompatibleDC(NULL);
  CPen* p1 = CPen::FromHandle(hPen);
  CGdiObject* p2 = CGdiObject::FromHandle(hPen);
  EXPECT_EQ(p1, p2) << "one temporary wrapper per handle";
  EXPECT_TRUE(p2->IsKindOf(RUNTIME_CLASS(CPen)));
  CDC* pDC = CDC::FromHandle(hDC);
  EXPECT_EQ(pDC, CDC::FromHandle(hDC));
  EXPECT_EQ(hDC, pDC->GetSafeHdc());

  AfxDeleteTempGdiAndMenuMaps();
  EXPECT_TRUE(IsLiveGdiHandle(hPen)) << "freeing a temporary wrapper must not delete the pen";
  EXPECT_TRUE(IsLiveGdiHandle(hDC)) << "freeing a temporary wrapper must not delete the DC";
  ::DeleteObject(hPen);
  ::DeleteDC(hDC);

  // Many temporaries on a worker thread are freed when it ends; none of them leaks a handle.
  TKS_EXPECT_NO_GUI_LEAK({
    HANDLE t = ::CreateThread(nullptr, 0, MakeTemporaries, nullptr, 0, nullptr);
    ::WaitForSingleObject(t, INFINITE);
    ::CloseHandle(t);
  });
}

TEST(GdiDC, AttachedDCIsDeletedDetachedIsNot) {
  HDC h = ::CreateCompatibleDC(NULL);
  {
    CDC dc;
    ASSERT_TRUE(dc.Attach(h));
    EXPECT_EQ(&dc, CDC::FromHandle(h));
    EXPECT_EQ(h, dc.Detach());
  }
  EXPECT_TRUE(IsLiveGdiHandle(h));
  TKS_EXPECT_GUI_DELTA(-1, 0, {
    CDC dc;
    dc.Attach(h);
  });
}

TEST(GdiDC, FillsFramesTextAndClippingLandWhereExpected) {
  MemoryCanvas canvas(64, 32);
  CDC& dc = canvas.dc();
  dc.FillSolidRect(0, 0, 64, 32, RGB(255, 255, 255));
  dc.FillSolidRect(CRect(4, 4, 8, 8), RGB(200, 10, 20));
  EXPECT_EQ(RGB(200, 10, 20), canvas.At(7, 7));
  EXPECT_EQ(RGB(255, 255, 255), canvas.At(8, 8)) << "the right and bottom edges are exclusive";
  EXPECT_EQ(RGB(255, 255, 255), dc.GetBkColor())
      << "FillSolidRect leaves the background colour as it was";
  dc.Draw3dRect(CRect(20, 2, 30, 12), RGB(0, 255, 0), RGB(0, 0, 255));
  EXPECT_EQ(RGB(0, 255, 0), canvas.At(20, 2));
  EXPECT_EQ(RGB(0, 0, 255), canvas.At(29, 11));
  EXPECT_EQ(RGB(255, 255, 255), canvas.At(25, 7));

  // Text drawn in black on the right half only: no dark pixel on the left of the rectangle.
  dc.SetTextColor(RGB(0, 0, 0));
  dc.SetBkMode(TRANSPARENT);
  CRect textRect(32, 0, 64, 32);
  EXPECT_GT(dc.DrawText(CString(L"WW"), &textRect, DT_SINGLELINE | DT_LEFT | DT_TOP), 0);
  bool inside = false, outside = false;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 64; ++x) {
      const COLORREF c = canvas.At(x, y);
      const bool dark = GetRValue(c) < 128 && GetGValue(c) < 128 && GetBValue(c) < 128;
      if (dark && x >= 32) inside = true;
      if (dark && x < 32 && !(x >= 20 && x < 30)) outside = true;
    }
  EXPECT_TRUE(inside) << "DrawText drew in its rectangle";
  EXPECT_FALSE(outside) << "DrawText drew outside its rectangle";

  const int saved = dc.SaveDC();
  dc.IntersectClipRect(2, 2, 6, 6);
  dc.FillSolidRect(0, 0, 16, 16, RGB(9, 9, 9));
  EXPECT_EQ(RGB(9, 9, 9), canvas.At(3, 3));
  EXPECT_NE(RGB(9, 9, 9), canvas.At(0, 0)) << "the clip rectangle holds";
  EXPECT_TRUE(dc.RestoreDC(saved));
  CRect clip;
  dc.GetClipBox(&clip);
  EXPECT_EQ(CRect(0, 0, 64, 32), clip) << "restoring the DC lifts the clip";
}

TEST(GdiDC, AnEmptyDCRefusesWork) {
  CDC dc;
  EXPECT_FALSE(dc.TextOut(0, 0, CString(L"x")));
  EXPECT_EQ(0, dc.DrawText(CString(L"x"), nullptr, 0));
  EXPECT_EQ(nullptr, dc.GetCurrentPen());
  EXPECT_FALSE(dc.DeleteDC());
  EXPECT_EQ(0, dc.GetDeviceCaps(LOGPIXELSX));
  dc.FillSolidRect(0, 0, 1, 1, 0);
}

}  // namespace
