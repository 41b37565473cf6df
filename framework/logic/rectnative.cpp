// The system's rectangle functions for window-free builds that have no user32 to call.
#if !defined(_WIN32)
#include "afx.h"

#include <algorithm>

namespace {
LONG WrapAdd(LONG a, LONG b) {
  return (LONG)(ULONG)((ULONG)a + (ULONG)b);
}
LONG WrapSub(LONG a, LONG b) {
  return (LONG)(ULONG)((ULONG)a - (ULONG)b);
}
}  // namespace

BOOL SetRect(LPRECT lprc, int xLeft, int yTop, int xRight, int yBottom) {
  if (!lprc) return FALSE;
  lprc->left = xLeft;
  lprc->top = yTop;
  lprc->right = xRight;
  lprc->bottom = yBottom;
  return TRUE;
}

BOOL SetRectEmpty(LPRECT lprc) {
  return SetRect(lprc, 0, 0, 0, 0);
}

BOOL CopyRect(LPRECT lprcDst, const RECT* lprcSrc) {
  if (!lprcDst || !lprcSrc) return FALSE;
  *lprcDst = *lprcSrc;
  return TRUE;
}

BOOL IsRectEmpty(const RECT* lprc) {
  return !lprc || lprc->right <= lprc->left || lprc->bottom <= lprc->top;
}

BOOL PtInRect(const RECT* lprc, POINT pt) {
  return lprc && pt.x >= lprc->left && pt.x < lprc->right && pt.y >= lprc->top &&
         pt.y < lprc->bottom;
}

BOOL EqualRect(const RECT* lprc1, const RECT* lprc2) {
  if (!lprc1 || !lprc2) return FALSE;
  return lprc1->left == lprc2->left && lprc1->top == lprc2->top && lprc1->right == lprc2->right &&
         lprc1->bottom == lprc2->bottom;
}

BOOL InflateRect(LPRECT lprc, int dx, int dy) {
  if (!lprc) return FALSE;
  lprc->left = WrapSub(lprc->left, dx);
  lprc->top = WrapSub(lprc->top, dy);
  lprc->right = WrapAdd(lprc->right, dx);
  lprc->bottom = WrapAdd(lprc->bottom, dy);
  return TRUE;
}

BOOL OffsetRect(LPRECT lprc, int dx, int dy) {
  if (!lprc) return FALSE;
  lprc->left = WrapAdd(lprc->left, dx);
  lprc->top = WrapAdd(lprc->top, dy);
  lprc->right = WrapAdd(lprc->right, dx);
  lprc->bottom = WrapAdd(lprc->bottom, dy);
  return TRUE;
}

// The destination may be one of the sources, so the result is built in a local first.
BOOL IntersectRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2) {
  if (!lprcDst) return FALSE;
  if (!lprcSrc1 || !lprcSrc2 || IsRectEmpty(lprcSrc1) || IsRectEmpty(lprcSrc2) ||
      lprcSrc1->left >= lprcSrc2->right || lprcSrc2->left >= lprcSrc1->right ||
      lprcSrc1->top >= lprcSrc2->bottom || lprcSrc2->top >= lprcSrc1->bottom) {
    SetRectEmpty(lprcDst);
    return FALSE;
  }
  RECT r;
  r.left = std::max(lprcSrc1->left, lprcSrc2->left);
  r.top = std::max(lprcSrc1->top, lprcSrc2->top);
  r.right = std::min(lprcSrc1->right, lprcSrc2->right);
  r.bottom = std::min(lprcSrc1->bottom, lprcSrc2->bottom);
  *lprcDst = r;
  return TRUE;
}

// Empty sources do not count; the union of two empty rectangles is empty.
BOOL UnionRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2) {
  if (!lprcDst) return FALSE;
  const bool empty1 = IsRectEmpty(lprcSrc1);
  const bool empty2 = IsRectEmpty(lprcSrc2);
  RECT r;
  if (empty1 && empty2) {
    SetRectEmpty(lprcDst);
    return FALSE;
  }
  if (empty1) {
    r = *lprcSrc2;
  } else if (empty2) {
    r = *lprcSrc1;
  } else {
    r.left = std::min(lprcSrc1->left, lprcSrc2->left);
    r.top = std::min(lprcSrc1->top, lprcSrc2->top);
    r.right = std::max(lprcSrc1->right, lprcSrc2->right);
    r.bottom = std::max(lprcSrc1->bottom, lprcSrc2->bottom);
  }
  *lprcDst = r;
  return TRUE;
}

// The result must stay a rectangle: the second one is taken away only when it spans a whole
// side of the first; a hole or a corner leaves the first unchanged.
BOOL SubtractRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2) {
  if (!lprcDst) return FALSE;
  if (IsRectEmpty(lprcSrc1)) {
    SetRectEmpty(lprcDst);
    return FALSE;
  }
  RECT r = *lprcSrc1;
  RECT common;
  if (lprcSrc2 && IntersectRect(&common, lprcSrc1, lprcSrc2)) {
    if (EqualRect(&common, &r)) {
      SetRectEmpty(lprcDst);
      return FALSE;
    }
    if (common.top == r.top && common.bottom == r.bottom) {
      if (common.left == r.left)
        r.left = common.right;
      else if (common.right == r.right)
        r.right = common.left;
    } else if (common.left == r.left && common.right == r.right) {
      if (common.top == r.top)
        r.top = common.bottom;
      else if (common.bottom == r.bottom)
        r.bottom = common.top;
    }
  }
  *lprcDst = r;
  return TRUE;
}
#endif
