// CPoint, CSize and CRect: the POINT, SIZE and RECT structures with arithmetic and set operations.
#pragma once
#include "afx.h"

class CSize;
class CPoint;
class CRect;

namespace afx_detail {
// Coordinates wrap on overflow, as they do in the system's own rectangle functions, instead of
// being undefined behaviour for extreme values.
inline LONG WrapAdd(LONG a, LONG b) {
  return (LONG)(ULONG)((ULONG)a + (ULONG)b);
}
inline LONG WrapSub(LONG a, LONG b) {
  return (LONG)(ULONG)((ULONG)a - (ULONG)b);
}
inline LONG WrapNeg(LONG a) {
  return (LONG)(ULONG)(0u - (ULONG)a);
}
inline LONG Mid(LONG a, LONG b) {
  return (LONG)(((LONGLONG)a + (LONGLONG)b) / 2);
}
}  // namespace afx_detail

// ---- CSize: an extent or a relative position.
class CSize : public tagSIZE {
 public:
  CSize() noexcept {
    cx = 0;
    cy = 0;
  }
  CSize(int initCX, int initCY) noexcept {
    cx = initCX;
    cy = initCY;
  }
  CSize(SIZE initSize) noexcept {
    cx = initSize.cx;
    cy = initSize.cy;
  }
  CSize(POINT initPt) noexcept {
    cx = initPt.x;
    cy = initPt.y;
  }
  // Low word is cx, high word cy, both signed.
  CSize(DWORD dwSize) noexcept {
    cx = (short)LOWORD(dwSize);
    cy = (short)HIWORD(dwSize);
  }

  BOOL operator==(SIZE size) const noexcept { return cx == size.cx && cy == size.cy; }
  BOOL operator!=(SIZE size) const noexcept { return !(*this == size); }
  void operator+=(SIZE size) noexcept {
    cx = afx_detail::WrapAdd(cx, size.cx);
    cy = afx_detail::WrapAdd(cy, size.cy);
  }
  void operator-=(SIZE size) noexcept {
    cx = afx_detail::WrapSub(cx, size.cx);
    cy = afx_detail::WrapSub(cy, size.cy);
  }
  void SetSize(int CX, int CY) noexcept {
    cx = CX;
    cy = CY;
  }

  CSize operator+(SIZE size) const noexcept {
    CSize s(*this);
    s += size;
    return s;
  }
  CSize operator-(SIZE size) const noexcept {
    CSize s(*this);
    s -= size;
    return s;
  }
  CSize operator-() const noexcept {
    return CSize(afx_detail::WrapNeg(cx), afx_detail::WrapNeg(cy));
  }
  CPoint operator+(POINT point) const noexcept;
  CPoint operator-(POINT point) const noexcept;
  CRect operator+(const RECT* lpRect) const noexcept;
  CRect operator-(const RECT* lpRect) const noexcept;
};

// ---- CPoint: a position.
class CPoint : public tagPOINT {
 public:
  CPoint() noexcept {
    x = 0;
    y = 0;
  }
  CPoint(int initX, int initY) noexcept {
    x = initX;
    y = initY;
  }
  CPoint(POINT initPt) noexcept {
    x = initPt.x;
    y = initPt.y;
  }
  CPoint(SIZE initSize) noexcept {
    x = initSize.cx;
    y = initSize.cy;
  }
  // A mouse message's lParam: signed low word x, signed high word y.
  CPoint(LPARAM dwPoint) noexcept {
    x = (short)LOWORD(dwPoint);
    y = (short)HIWORD(dwPoint);
  }

  void Offset(int xOffset, int yOffset) noexcept {
    x = afx_detail::WrapAdd(x, xOffset);
    y = afx_detail::WrapAdd(y, yOffset);
  }
  void Offset(POINT point) noexcept { Offset(point.x, point.y); }
  void Offset(SIZE size) noexcept { Offset(size.cx, size.cy); }
  void SetPoint(int X, int Y) noexcept {
    x = X;
    y = Y;
  }

  BOOL operator==(POINT point) const noexcept { return x == point.x && y == point.y; }
  BOOL operator!=(POINT point) const noexcept { return !(*this == point); }
  void operator+=(SIZE size) noexcept { Offset(size.cx, size.cy); }
  void operator-=(SIZE size) noexcept {
    x = afx_detail::WrapSub(x, size.cx);
    y = afx_detail::WrapSub(y, size.cy);
  }
  void operator+=(POINT point) noexcept { Offset(point.x, point.y); }
  void operator-=(POINT point) noexcept {
    x = afx_detail::WrapSub(x, point.x);
    y = afx_detail::WrapSub(y, point.y);
  }

  CPoint operator+(SIZE size) const noexcept {
    CPoint p(*this);
    p += size;
    return p;
  }
  CPoint operator-(SIZE size) const noexcept {
    CPoint p(*this);
    p -= size;
    return p;
  }
  CPoint operator-() const noexcept {
    return CPoint(afx_detail::WrapNeg(x), afx_detail::WrapNeg(y));
  }
  CPoint operator+(POINT point) const noexcept {
    CPoint p(*this);
    p += point;
    return p;
  }
  // The distance between two points.
  CSize operator-(POINT point) const noexcept {
    return CSize(afx_detail::WrapSub(x, point.x), afx_detail::WrapSub(y, point.y));
  }
  CRect operator+(const RECT* lpRect) const noexcept;
  CRect operator-(const RECT* lpRect) const noexcept;
};

// ---- CRect: left/top inclusive, right/bottom exclusive, as the system's rectangle functions.
class CRect : public tagRECT {
 public:
  CRect() noexcept { left = top = right = bottom = 0; }
  CRect(int l, int t, int r, int b) noexcept {
    left = l;
    top = t;
    right = r;
    bottom = b;
  }
  CRect(const RECT& srcRect) noexcept { ::CopyRect(this, &srcRect); }
  CRect(LPCRECT lpSrcRect) noexcept {
    if (lpSrcRect)
      ::CopyRect(this, lpSrcRect);
    else
      left = top = right = bottom = 0;
  }
  CRect(POINT point, SIZE size) noexcept {
    left = point.x;
    top = point.y;
    right = afx_detail::WrapAdd(point.x, size.cx);
    bottom = afx_detail::WrapAdd(point.y, size.cy);
  }
  CRect(POINT topLeft, POINT bottomRight) noexcept {
    left = topLeft.x;
    top = topLeft.y;
    right = bottomRight.x;
    bottom = bottomRight.y;
  }

  // ---- attributes
  int Width() const noexcept { return afx_detail::WrapSub(right, left); }
  int Height() const noexcept { return afx_detail::WrapSub(bottom, top); }
  CSize Size() const noexcept { return CSize(Width(), Height()); }
  // The corners as points inside this rectangle: writing through them moves the edges.
  CPoint& TopLeft() noexcept { return *reinterpret_cast<CPoint*>(&left); }
  CPoint& BottomRight() noexcept { return *reinterpret_cast<CPoint*>(&right); }
  const CPoint& TopLeft() const noexcept { return *reinterpret_cast<const CPoint*>(&left); }
  const CPoint& BottomRight() const noexcept { return *reinterpret_cast<const CPoint*>(&right); }
  CPoint CenterPoint() const noexcept {
    return CPoint(afx_detail::Mid(left, right), afx_detail::Mid(top, bottom));
  }
  void SwapLeftRight() noexcept { SwapLeftRight(this); }
  static void AFXAPI SwapLeftRight(LPRECT lpRect) noexcept {
    LONG temp = lpRect->left;
    lpRect->left = lpRect->right;
    lpRect->right = temp;
  }

  operator LPRECT() noexcept { return this; }
  operator LPCRECT() const noexcept { return this; }

  BOOL IsRectEmpty() const noexcept { return ::IsRectEmpty(this); }
  BOOL IsRectNull() const noexcept { return left == 0 && right == 0 && top == 0 && bottom == 0; }
  BOOL PtInRect(POINT point) const noexcept { return ::PtInRect(this, point); }

  // ---- operations
  void SetRect(int x1, int y1, int x2, int y2) noexcept { ::SetRect(this, x1, y1, x2, y2); }
  void SetRect(POINT topLeft, POINT bottomRight) noexcept {
    SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
  }
  void SetRectEmpty() noexcept { ::SetRectEmpty(this); }
  void CopyRect(LPCRECT lpSrcRect) noexcept { ::CopyRect(this, lpSrcRect); }
  BOOL EqualRect(LPCRECT lpRect) const noexcept { return ::EqualRect(this, lpRect); }

  void InflateRect(int x, int y) noexcept { ::InflateRect(this, x, y); }
  void InflateRect(SIZE size) noexcept { ::InflateRect(this, size.cx, size.cy); }
  void InflateRect(LPCRECT lpRect) noexcept {
    InflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
  }
  void InflateRect(int l, int t, int r, int b) noexcept {
    left = afx_detail::WrapSub(left, l);
    top = afx_detail::WrapSub(top, t);
    right = afx_detail::WrapAdd(right, r);
    bottom = afx_detail::WrapAdd(bottom, b);
  }
  void DeflateRect(int x, int y) noexcept {
    ::InflateRect(this, afx_detail::WrapNeg(x), afx_detail::WrapNeg(y));
  }
  void DeflateRect(SIZE size) noexcept { DeflateRect(size.cx, size.cy); }
  void DeflateRect(LPCRECT lpRect) noexcept {
    DeflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
  }
  void DeflateRect(int l, int t, int r, int b) noexcept {
    left = afx_detail::WrapAdd(left, l);
    top = afx_detail::WrapAdd(top, t);
    right = afx_detail::WrapSub(right, r);
    bottom = afx_detail::WrapSub(bottom, b);
  }

  void OffsetRect(int x, int y) noexcept { ::OffsetRect(this, x, y); }
  void OffsetRect(POINT point) noexcept { ::OffsetRect(this, point.x, point.y); }
  void OffsetRect(SIZE size) noexcept { ::OffsetRect(this, size.cx, size.cy); }
  void MoveToY(int y) noexcept {
    bottom = afx_detail::WrapAdd(Height(), y);
    top = y;
  }
  void MoveToX(int x) noexcept {
    right = afx_detail::WrapAdd(Width(), x);
    left = x;
  }
  void MoveToXY(int x, int y) noexcept {
    MoveToX(x);
    MoveToY(y);
  }
  void MoveToXY(POINT point) noexcept { MoveToXY(point.x, point.y); }
  // Swaps the edges so that left <= right and top <= bottom.
  void NormalizeRect() noexcept {
    LONG t;
    if (left > right) {
      t = left;
      left = right;
      right = t;
    }
    if (top > bottom) {
      t = top;
      top = bottom;
      bottom = t;
    }
  }

  // Both return FALSE and leave this rectangle empty when the result is empty.
  BOOL IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2) noexcept {
    return ::IntersectRect(this, lpRect1, lpRect2);
  }
  BOOL UnionRect(LPCRECT lpRect1, LPCRECT lpRect2) noexcept {
    return ::UnionRect(this, lpRect1, lpRect2);
  }
  // Only removes lpRectSrc2 when it covers a whole side of lpRectSrc1; otherwise copies lpRectSrc1.
  BOOL SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2) noexcept {
    return ::SubtractRect(this, lpRectSrc1, lpRectSrc2);
  }

  // ---- operators
  CRect& operator=(const RECT& srcRect) noexcept {
    ::CopyRect(this, &srcRect);
    return *this;
  }
  BOOL operator==(const RECT& rect) const noexcept { return ::EqualRect(this, &rect); }
  BOOL operator!=(const RECT& rect) const noexcept { return !::EqualRect(this, &rect); }
  void operator+=(POINT point) noexcept { OffsetRect(point); }
  void operator+=(SIZE size) noexcept { OffsetRect(size); }
  void operator+=(LPCRECT lpRect) noexcept { InflateRect(lpRect); }
  void operator-=(POINT point) noexcept {
    OffsetRect(afx_detail::WrapNeg(point.x), afx_detail::WrapNeg(point.y));
  }
  void operator-=(SIZE size) noexcept {
    OffsetRect(afx_detail::WrapNeg(size.cx), afx_detail::WrapNeg(size.cy));
  }
  void operator-=(LPCRECT lpRect) noexcept { DeflateRect(lpRect); }
  void operator&=(const RECT& rect) noexcept { ::IntersectRect(this, this, &rect); }
  void operator|=(const RECT& rect) noexcept { ::UnionRect(this, this, &rect); }

  CRect operator+(POINT point) const noexcept {
    CRect r(*this);
    r += point;
    return r;
  }
  CRect operator-(POINT point) const noexcept {
    CRect r(*this);
    r -= point;
    return r;
  }
  CRect operator+(SIZE size) const noexcept {
    CRect r(*this);
    r += size;
    return r;
  }
  CRect operator-(SIZE size) const noexcept {
    CRect r(*this);
    r -= size;
    return r;
  }
  CRect operator+(LPCRECT lpRect) const noexcept {
    CRect r(*this);
    r.InflateRect(lpRect);
    return r;
  }
  CRect operator-(LPCRECT lpRect) const noexcept {
    CRect r(*this);
    r.DeflateRect(lpRect);
    return r;
  }
  CRect operator&(const RECT& rect2) const noexcept {
    CRect r;
    ::IntersectRect(&r, this, &rect2);
    return r;
  }
  CRect operator|(const RECT& rect2) const noexcept {
    CRect r;
    ::UnionRect(&r, this, &rect2);
    return r;
  }
};

inline CPoint CSize::operator+(POINT point) const noexcept {
  return CPoint(afx_detail::WrapAdd(cx, point.x), afx_detail::WrapAdd(cy, point.y));
}
inline CPoint CSize::operator-(POINT point) const noexcept {
  return CPoint(afx_detail::WrapSub(cx, point.x), afx_detail::WrapSub(cy, point.y));
}
inline CRect CSize::operator+(const RECT* lpRect) const noexcept {
  return CRect(lpRect) + *this;
}
inline CRect CSize::operator-(const RECT* lpRect) const noexcept {
  return CRect(lpRect) - *this;
}
inline CRect CPoint::operator+(const RECT* lpRect) const noexcept {
  return CRect(lpRect) + *this;
}
inline CRect CPoint::operator-(const RECT* lpRect) const noexcept {
  return CRect(lpRect) - *this;
}
