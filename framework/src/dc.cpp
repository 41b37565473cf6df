// CDC: device contexts, selection with wrapper results, drawing and text.
#include "afxgdi_.h"
#include "handlemap_.h"

using namespace afx_internal;

namespace {

void ReleaseDCWrapper(CObject* p) {
  CDC* pDC = static_cast<CDC*>(p);
  pDC->m_hDC = pDC->m_hAttribDC = NULL;
}

HGDIOBJ HandleOf(const CGdiObject* p) {
  return p ? p->m_hObject : NULL;
}

}  // namespace

IMPLEMENT_DYNCREATE(CDC, CObject)

CDC::CDC() : m_hDC(NULL), m_hAttribDC(NULL), m_bPrinting(FALSE) {}

CDC::~CDC() {
  if (m_hDC) DeleteDC();
}

template <typename F>
auto CDC::SetBoth(F f) -> decltype(f(HDC())) {
  using R = decltype(f(HDC()));
  R result{};
  if (m_hDC && m_hDC != m_hAttribDC) result = f(m_hDC);
  if (m_hAttribDC) result = f(m_hAttribDC);
  return result;
}

CWnd* CDC::GetWindow() const {
  return NULL;
}

CDC* PASCAL CDC::FromHandle(HDC hDC) {
  auto make = [](HDC h) {
    CDC* pDC = new CDC;
    pDC->m_hDC = pDC->m_hAttribDC = h;
    return pDC;
  };
  return WrapperFromHandle<CDC>(kDCHandle, hDC, make, ReleaseDCWrapper);
}

void PASCAL CDC::DeleteTempMap() {
  DeleteTemporaries(kDCHandle);
}

BOOL CDC::Attach(HDC hDC) {
  ASSERT(m_hDC == NULL);  // one DC per object
  if (!hDC) return FALSE;
  if (m_hDC) DeleteDC();
  m_hDC = m_hAttribDC = hDC;
  SetPermanent(kDCHandle, hDC, this);
  return TRUE;
}

HDC CDC::Detach() {
  HDC h = m_hDC;
  if (h) RemovePermanent(kDCHandle, h, this);
  m_hDC = m_hAttribDC = NULL;
  return h;
}

void CDC::SetAttribDC(HDC hDC) {
  m_hAttribDC = hDC;
}
void CDC::SetOutputDC(HDC hDC) {
  m_hDC = hDC;
}
void CDC::ReleaseAttribDC() {
  m_hAttribDC = NULL;
}
void CDC::ReleaseOutputDC() {
  m_hDC = NULL;
}

BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput,
                   const void* lpInitData) {
  return Attach(::CreateDCW(lpszDriverName, lpszDeviceName, lpszOutput,
                            static_cast<const DEVMODEW*>(lpInitData)));
}

BOOL CDC::CreateIC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput,
                   const void* lpInitData) {
  return Attach(::CreateICW(lpszDriverName, lpszDeviceName, lpszOutput,
                            static_cast<const DEVMODEW*>(lpInitData)));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
  return Attach(::CreateCompatibleDC(pDC ? pDC->m_hDC : NULL));
}

BOOL CDC::DeleteDC() {
  if (!m_hDC) return FALSE;
  return ::DeleteDC(Detach());
}

int CDC::SaveDC() {
  int nRet = 0;
  if (m_hAttribDC) nRet = ::SaveDC(m_hAttribDC);
  if (m_hDC && m_hDC != m_hAttribDC && ::SaveDC(m_hDC) == 0) nRet = 0;
  return nRet;
}

BOOL CDC::RestoreDC(int nSavedDC) {
  BOOL bRet = TRUE;
  if (m_hDC && m_hDC != m_hAttribDC) bRet = ::RestoreDC(m_hDC, nSavedDC);
  if (m_hAttribDC) bRet = ::RestoreDC(m_hAttribDC, nSavedDC) && bRet;
  return bRet;
}

int CDC::GetDeviceCaps(int nIndex) const {
  return m_hAttribDC ? ::GetDeviceCaps(m_hAttribDC, nIndex) : 0;
}

// ---- selection
CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
  HGDIOBJ h = HandleOf(pObject);
  if (!h || !m_hDC) return NULL;
  HGDIOBJ hOld = NULL;
  if (m_hDC != m_hAttribDC) hOld = ::SelectObject(m_hDC, h);
  if (m_hAttribDC) hOld = ::SelectObject(m_hAttribDC, h);
  return CGdiObject::FromHandle(hOld);
}

CPen* CDC::SelectObject(CPen* pPen) {
  return static_cast<CPen*>(SelectObject(static_cast<CGdiObject*>(pPen)));
}
CBrush* CDC::SelectObject(CBrush* pBrush) {
  return static_cast<CBrush*>(SelectObject(static_cast<CGdiObject*>(pBrush)));
}
CFont* CDC::SelectObject(CFont* pFont) {
  return static_cast<CFont*>(SelectObject(static_cast<CGdiObject*>(pFont)));
}
CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
  return static_cast<CBitmap*>(SelectObject(static_cast<CGdiObject*>(pBitmap)));
}

int CDC::SelectObject(CRgn* pRgn) {
  HGDIOBJ h = HandleOf(pRgn);
  if (!h || !m_hDC) return ERROR;
  int nRet = ERROR;
  if (m_hDC != m_hAttribDC) nRet = int(INT_PTR(::SelectObject(m_hDC, h)));
  if (m_hAttribDC) nRet = int(INT_PTR(::SelectObject(m_hAttribDC, h)));
  return nRet;
}

CGdiObject* CDC::SelectStockObject(int nIndex) {
  HGDIOBJ h = ::GetStockObject(nIndex);
  if (!h || !m_hDC) return NULL;
  HGDIOBJ hOld = NULL;
  if (m_hDC != m_hAttribDC) hOld = ::SelectObject(m_hDC, h);
  if (m_hAttribDC) hOld = ::SelectObject(m_hAttribDC, h);
  return CGdiObject::FromHandle(hOld);
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground) {
  HPALETTE h = static_cast<HPALETTE>(HandleOf(pPalette));
  if (!h || !m_hDC) return NULL;
  return CPalette::FromHandle(::SelectPalette(m_hDC, h, bForceBackground));
}

UINT CDC::RealizePalette() {
  return m_hDC ? ::RealizePalette(m_hDC) : GDI_ERROR;
}

CPen* CDC::GetCurrentPen() const {
  return m_hAttribDC ? CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hAttribDC, OBJ_PEN)))
                     : NULL;
}
CBrush* CDC::GetCurrentBrush() const {
  return m_hAttribDC
             ? CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hAttribDC, OBJ_BRUSH)))
             : NULL;
}
CFont* CDC::GetCurrentFont() const {
  return m_hAttribDC
             ? CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hAttribDC, OBJ_FONT)))
             : NULL;
}
CBitmap* CDC::GetCurrentBitmap() const {
  return m_hAttribDC ? CBitmap::FromHandle(
                           static_cast<HBITMAP>(::GetCurrentObject(m_hAttribDC, OBJ_BITMAP)))
                     : NULL;
}
CPalette* CDC::GetCurrentPalette() const {
  return m_hAttribDC
             ? CPalette::FromHandle(static_cast<HPALETTE>(::GetCurrentObject(m_hAttribDC, OBJ_PAL)))
             : NULL;
}

// ---- attributes
COLORREF CDC::GetTextColor() const {
  return m_hAttribDC ? ::GetTextColor(m_hAttribDC) : CLR_INVALID;
}
COLORREF CDC::SetTextColor(COLORREF c) {
  return m_hDC || m_hAttribDC ? SetBoth([c](HDC h) { return ::SetTextColor(h, c); }) : CLR_INVALID;
}
COLORREF CDC::GetBkColor() const {
  return m_hAttribDC ? ::GetBkColor(m_hAttribDC) : CLR_INVALID;
}
COLORREF CDC::SetBkColor(COLORREF c) {
  return m_hDC || m_hAttribDC ? SetBoth([c](HDC h) { return ::SetBkColor(h, c); }) : CLR_INVALID;
}
int CDC::GetBkMode() const {
  return m_hAttribDC ? ::GetBkMode(m_hAttribDC) : 0;
}
int CDC::SetBkMode(int n) {
  return SetBoth([n](HDC h) { return ::SetBkMode(h, n); });
}
int CDC::GetROP2() const {
  return m_hAttribDC ? ::GetROP2(m_hAttribDC) : 0;
}
int CDC::SetROP2(int n) {
  return SetBoth([n](HDC h) { return ::SetROP2(h, n); });
}
int CDC::GetPolyFillMode() const {
  return m_hAttribDC ? ::GetPolyFillMode(m_hAttribDC) : 0;
}
int CDC::SetPolyFillMode(int n) {
  return SetBoth([n](HDC h) { return ::SetPolyFillMode(h, n); });
}
int CDC::GetStretchBltMode() const {
  return m_hAttribDC ? ::GetStretchBltMode(m_hAttribDC) : 0;
}
int CDC::SetStretchBltMode(int n) {
  return SetBoth([n](HDC h) { return ::SetStretchBltMode(h, n); });
}
UINT CDC::GetTextAlign() const {
  return m_hAttribDC ? ::GetTextAlign(m_hAttribDC) : GDI_ERROR;
}
UINT CDC::SetTextAlign(UINT n) {
  return SetBoth([n](HDC h) { return ::SetTextAlign(h, n); });
}
int CDC::GetMapMode() const {
  return m_hAttribDC ? ::GetMapMode(m_hAttribDC) : 0;
}
int CDC::SetMapMode(int n) {
  return SetBoth([n](HDC h) { return ::SetMapMode(h, n); });
}

CPoint CDC::GetViewportOrg() const {
  POINT pt = {0, 0};
  if (m_hAttribDC) ::GetViewportOrgEx(m_hAttribDC, &pt);
  return CPoint(pt);
}
CPoint CDC::SetViewportOrg(int x, int y) {
  POINT pt = {0, 0};
  SetBoth([&](HDC h) { return ::SetViewportOrgEx(h, x, y, &pt); });
  return CPoint(pt);
}
CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight) {
  POINT pt = {0, 0};
  SetBoth([&](HDC h) { return ::OffsetViewportOrgEx(h, nWidth, nHeight, &pt); });
  return CPoint(pt);
}
CSize CDC::GetViewportExt() const {
  SIZE size = {0, 0};
  if (m_hAttribDC) ::GetViewportExtEx(m_hAttribDC, &size);
  return CSize(size);
}
CSize CDC::SetViewportExt(int cx, int cy) {
  SIZE size = {0, 0};
  SetBoth([&](HDC h) { return ::SetViewportExtEx(h, cx, cy, &size); });
  return CSize(size);
}
CPoint CDC::GetWindowOrg() const {
  POINT pt = {0, 0};
  if (m_hAttribDC) ::GetWindowOrgEx(m_hAttribDC, &pt);
  return CPoint(pt);
}
CPoint CDC::SetWindowOrg(int x, int y) {
  POINT pt = {0, 0};
  SetBoth([&](HDC h) { return ::SetWindowOrgEx(h, x, y, &pt); });
  return CPoint(pt);
}
CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight) {
  POINT pt = {0, 0};
  SetBoth([&](HDC h) { return ::OffsetWindowOrgEx(h, nWidth, nHeight, &pt); });
  return CPoint(pt);
}
CSize CDC::GetWindowExt() const {
  SIZE size = {0, 0};
  if (m_hAttribDC) ::GetWindowExtEx(m_hAttribDC, &size);
  return CSize(size);
}
CSize CDC::SetWindowExt(int cx, int cy) {
  SIZE size = {0, 0};
  SetBoth([&](HDC h) { return ::SetWindowExtEx(h, cx, cy, &size); });
  return CSize(size);
}

// ---- coordinates
void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const {
  if (m_hAttribDC && lpPoints) ::DPtoLP(m_hAttribDC, lpPoints, nCount);
}
void CDC::DPtoLP(LPRECT lpRect) const {
  DPtoLP(reinterpret_cast<LPPOINT>(lpRect), 2);
}
void CDC::DPtoLP(LPSIZE lpSize) const {
  if (!lpSize) return;
  POINT pts[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
  DPtoLP(pts, 2);
  lpSize->cx = pts[1].x - pts[0].x;
  lpSize->cy = pts[1].y - pts[0].y;
}
void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const {
  if (m_hAttribDC && lpPoints) ::LPtoDP(m_hAttribDC, lpPoints, nCount);
}
void CDC::LPtoDP(LPRECT lpRect) const {
  LPtoDP(reinterpret_cast<LPPOINT>(lpRect), 2);
}
void CDC::LPtoDP(LPSIZE lpSize) const {
  if (!lpSize) return;
  POINT pts[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
  LPtoDP(pts, 2);
  lpSize->cx = pts[1].x - pts[0].x;
  lpSize->cy = pts[1].y - pts[0].y;
}

// ---- clipping
int CDC::GetClipBox(LPRECT lpRect) const {
  return m_hDC && lpRect ? ::GetClipBox(m_hDC, lpRect) : ERROR;
}
int CDC::SelectClipRgn(CRgn* pRgn) {
  HRGN h = static_cast<HRGN>(HandleOf(pRgn));  // null removes the clip region
  return SetBoth([h](HDC hdc) { return ::SelectClipRgn(hdc, h); });
}
int CDC::SelectClipRgn(CRgn* pRgn, int nMode) {
  HRGN h = static_cast<HRGN>(HandleOf(pRgn));
  return SetBoth([h, nMode](HDC hdc) { return ::ExtSelectClipRgn(hdc, h, nMode); });
}
int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2) {
  return SetBoth([=](HDC h) { return ::ExcludeClipRect(h, x1, y1, x2, y2); });
}
int CDC::ExcludeClipRect(LPCRECT r) {
  return r ? ExcludeClipRect(r->left, r->top, r->right, r->bottom) : ERROR;
}
int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) {
  return SetBoth([=](HDC h) { return ::IntersectClipRect(h, x1, y1, x2, y2); });
}
int CDC::IntersectClipRect(LPCRECT r) {
  return r ? IntersectClipRect(r->left, r->top, r->right, r->bottom) : ERROR;
}
int CDC::OffsetClipRgn(int x, int y) {
  return SetBoth([=](HDC h) { return ::OffsetClipRgn(h, x, y); });
}
BOOL CDC::PtVisible(int x, int y) const {
  return m_hDC ? ::PtVisible(m_hDC, x, y) : FALSE;
}
BOOL CDC::RectVisible(LPCRECT lpRect) const {
  return m_hDC && lpRect ? ::RectVisible(m_hDC, lpRect) : FALSE;
}

// ---- lines and shapes
CPoint CDC::GetCurrentPosition() const {
  POINT pt = {0, 0};
  if (m_hAttribDC) ::GetCurrentPositionEx(m_hAttribDC, &pt);
  return CPoint(pt);
}
CPoint CDC::MoveTo(int x, int y) {
  POINT pt = {0, 0};
  SetBoth([&](HDC h) { return ::MoveToEx(h, x, y, &pt); });
  return CPoint(pt);
}
BOOL CDC::LineTo(int x, int y) {
  if (!m_hDC) return FALSE;
  if (m_hAttribDC && m_hAttribDC != m_hDC) ::MoveToEx(m_hAttribDC, x, y, NULL);
  return ::LineTo(m_hDC, x, y);
}
BOOL CDC::Polyline(const POINT* p, int n) {
  return m_hDC && p ? ::Polyline(m_hDC, p, n) : FALSE;
}
BOOL CDC::Polygon(const POINT* p, int n) {
  return m_hDC && p ? ::Polygon(m_hDC, p, n) : FALSE;
}
BOOL CDC::PolyPolygon(const POINT* p, const INT* c, int n) {
  return m_hDC && p && c ? ::PolyPolygon(m_hDC, p, c, n) : FALSE;
}
BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) {
  return m_hDC ? ::Rectangle(m_hDC, x1, y1, x2, y2) : FALSE;
}
BOOL CDC::Rectangle(LPCRECT r) {
  return r ? Rectangle(r->left, r->top, r->right, r->bottom) : FALSE;
}
BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
  return m_hDC ? ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3) : FALSE;
}
BOOL CDC::RoundRect(LPCRECT r, POINT pt) {
  return r ? RoundRect(r->left, r->top, r->right, r->bottom, pt.x, pt.y) : FALSE;
}
BOOL CDC::Ellipse(int x1, int y1, int x2, int y2) {
  return m_hDC ? ::Ellipse(m_hDC, x1, y1, x2, y2) : FALSE;
}
BOOL CDC::Ellipse(LPCRECT r) {
  return r ? Ellipse(r->left, r->top, r->right, r->bottom) : FALSE;
}
BOOL CDC::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  return m_hDC ? ::Arc(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4) : FALSE;
}
BOOL CDC::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  return m_hDC ? ::Pie(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4) : FALSE;
}

// ---- filling and frames
void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush) {
  HBRUSH h = static_cast<HBRUSH>(HandleOf(pBrush));
  if (m_hDC && lpRect && h) ::FillRect(m_hDC, lpRect, h);
}
// ExtTextOut with an opaque rectangle fills without a brush object.
void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr) {
  if (!m_hDC || !lpRect) return;
  const COLORREF old = ::SetBkColor(m_hDC, clr);
  ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, lpRect, NULL, 0, NULL);
  ::SetBkColor(m_hDC, old);
}
void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) {
  RECT r = {x, y, x + cx, y + cy};
  FillSolidRect(&r, clr);
}
void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush) {
  HBRUSH h = static_cast<HBRUSH>(HandleOf(pBrush));
  if (m_hDC && lpRect && h) ::FrameRect(m_hDC, lpRect, h);
}
void CDC::InvertRect(LPCRECT lpRect) {
  if (m_hDC && lpRect) ::InvertRect(m_hDC, lpRect);
}
BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush) {
  HRGN r = static_cast<HRGN>(HandleOf(pRgn));
  HBRUSH b = static_cast<HBRUSH>(HandleOf(pBrush));
  return m_hDC && r && b ? ::FillRgn(m_hDC, r, b) : FALSE;
}
BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight) {
  HRGN r = static_cast<HRGN>(HandleOf(pRgn));
  HBRUSH b = static_cast<HBRUSH>(HandleOf(pBrush));
  return m_hDC && r && b ? ::FrameRgn(m_hDC, r, b, nWidth, nHeight) : FALSE;
}
BOOL CDC::PaintRgn(CRgn* pRgn) {
  HRGN r = static_cast<HRGN>(HandleOf(pRgn));
  return m_hDC && r ? ::PaintRgn(m_hDC, r) : FALSE;
}
void CDC::Draw3dRect(LPCRECT r, COLORREF clrTopLeft, COLORREF clrBottomRight) {
  if (r)
    Draw3dRect(r->left, r->top, r->right - r->left, r->bottom - r->top, clrTopLeft, clrBottomRight);
}
void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight) {
  FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
  FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
  FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
  FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}
BOOL CDC::DrawEdge(LPRECT r, UINT nEdge, UINT nFlags) {
  return m_hDC && r ? ::DrawEdge(m_hDC, r, nEdge, nFlags) : FALSE;
}
BOOL CDC::DrawFrameControl(LPRECT r, UINT nType, UINT nState) {
  return m_hDC && r ? ::DrawFrameControl(m_hDC, r, nType, nState) : FALSE;
}
void CDC::DrawFocusRect(LPCRECT r) {
  if (m_hDC && r) ::DrawFocusRect(m_hDC, r);
}
BOOL CDC::DrawIcon(int x, int y, HICON hIcon) {
  return m_hDC && hIcon ? ::DrawIcon(m_hDC, x, y, hIcon) : FALSE;
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush) {
  if (!m_hDC) return FALSE;
  return ::DrawStateW(m_hDC, static_cast<HBRUSH>(HandleOf(pBrush)), NULL, LPARAM(hIcon), 0, pt.x,
                      pt.y, size.cx, size.cy, nFlags | DST_ICON);
}
BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, CBrush* pBrush) {
  if (!m_hDC) return FALSE;
  return ::DrawStateW(m_hDC, static_cast<HBRUSH>(HandleOf(pBrush)), NULL, LPARAM(hBitmap), 0, pt.x,
                      pt.y, size.cx, size.cy, nFlags | DST_BITMAP);
}
BOOL CDC::DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush) {
  return DrawState(pt, size, static_cast<HBITMAP>(HandleOf(pBitmap)), nFlags, pBrush);
}
BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText,
                    int nTextLen, CBrush* pBrush) {
  if (!m_hDC || !lpszText) return FALSE;
  return ::DrawStateW(m_hDC, static_cast<HBRUSH>(HandleOf(pBrush)), NULL, LPARAM(lpszText),
                      WPARAM(nTextLen), pt.x, pt.y, size.cx, size.cy,
                      nFlags | (bPrefixText ? DST_PREFIXTEXT : DST_TEXT));
}

// ---- bitmaps and pixels
BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop) {
  return m_hDC ? ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop) : FALSE;
}
BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                 DWORD dwRop) {
  if (!m_hDC) return FALSE;
  return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : NULL, xSrc, ySrc, dwRop);
}
BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                     int nSrcWidth, int nSrcHeight, DWORD dwRop) {
  if (!m_hDC) return FALSE;
  return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : NULL, xSrc, ySrc,
                      nSrcWidth, nSrcHeight, dwRop);
}
COLORREF CDC::GetPixel(int x, int y) const {
  return m_hDC ? ::GetPixel(m_hDC, x, y) : CLR_INVALID;
}
COLORREF CDC::SetPixel(int x, int y, COLORREF c) {
  return m_hDC ? ::SetPixel(m_hDC, x, y, c) : CLR_INVALID;
}

// ---- text
BOOL CDC::TextOut(int x, int y, LPCTSTR s, int n) {
  return m_hDC && s ? ::TextOutW(m_hDC, x, y, s, n) : FALSE;
}
BOOL CDC::TextOut(int x, int y, const CString& str) {
  return TextOut(x, y, str.GetString(), str.GetLength());
}
BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR s, UINT n, LPINT lpDx) {
  return m_hDC ? ::ExtTextOutW(m_hDC, x, y, nOptions, lpRect, s, s ? n : 0, lpDx) : FALSE;
}
BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDx) {
  return ExtTextOut(x, y, nOptions, lpRect, str.GetString(), UINT(str.GetLength()), lpDx);
}
int CDC::DrawText(LPCTSTR s, int n, LPRECT r, UINT nFormat) {
  // DT_MODIFYSTRING writes into the text, which a caller's literal cannot take.
  return m_hDC && s && r ? ::DrawTextW(m_hDC, s, n, r, nFormat & ~UINT(DT_MODIFYSTRING)) : 0;
}
int CDC::DrawText(const CString& str, LPRECT r, UINT nFormat) {
  return DrawText(str.GetString(), str.GetLength(), r, nFormat);
}
CSize CDC::GetTextExtent(LPCTSTR s, int n) const {
  SIZE size = {0, 0};
  if (m_hAttribDC && s) ::GetTextExtentPoint32W(m_hAttribDC, s, n, &size);
  return CSize(size);
}
CSize CDC::GetTextExtent(const CString& str) const {
  return GetTextExtent(str.GetString(), str.GetLength());
}
CSize CDC::GetOutputTextExtent(LPCTSTR s, int n) const {
  SIZE size = {0, 0};
  if (m_hDC && s) ::GetTextExtentPoint32W(m_hDC, s, n, &size);
  return CSize(size);
}
CSize CDC::GetOutputTextExtent(const CString& str) const {
  return GetOutputTextExtent(str.GetString(), str.GetLength());
}
BOOL CDC::GetTextMetrics(LPTEXTMETRIC m) const {
  return m_hAttribDC && m ? ::GetTextMetricsW(m_hAttribDC, m) : FALSE;
}
BOOL CDC::GetOutputTextMetrics(LPTEXTMETRIC m) const {
  return m_hDC && m ? ::GetTextMetricsW(m_hDC, m) : FALSE;
}
int CDC::GetTextFace(int nCount, LPTSTR lpszFacename) const {
  return m_hAttribDC ? ::GetTextFaceW(m_hAttribDC, nCount, lpszFacename) : 0;
}
int CDC::GetTextFace(CString& rString) const {
  wchar_t face[LF_FACESIZE] = {};
  const int n = GetTextFace(LF_FACESIZE, face);
  rString = face;
  return n;
}
int CDC::SetTextCharacterExtra(int n) {
  return SetBoth([n](HDC h) { return ::SetTextCharacterExtra(h, n); });
}

// ---- printing
int CDC::StartDoc(LPDOCINFO lpDocInfo) {
  return m_hDC && lpDocInfo ? ::StartDocW(m_hDC, lpDocInfo) : SP_ERROR;
}
int CDC::StartDoc(LPCTSTR lpszDocName) {
  DOCINFOW di = {};
  di.cbSize = sizeof(di);
  di.lpszDocName = lpszDocName;
  return StartDoc(&di);
}
int CDC::StartPage() {
  return m_hDC ? ::StartPage(m_hDC) : SP_ERROR;
}
int CDC::EndPage() {
  return m_hDC ? ::EndPage(m_hDC) : SP_ERROR;
}
int CDC::EndDoc() {
  return m_hDC ? ::EndDoc(m_hDC) : SP_ERROR;
}
int CDC::AbortDoc() {
  return m_hDC ? ::AbortDoc(m_hDC) : SP_ERROR;
}
int CDC::SetAbortProc(BOOL(CALLBACK* lpfn)(HDC, int)) {
  return m_hDC ? ::SetAbortProc(m_hDC, lpfn) : SP_ERROR;
}
int CDC::Escape(int nEscape, int nCount, LPCSTR lpszInData, LPVOID lpOutData) {
  return m_hDC ? ::Escape(m_hDC, nEscape, nCount, lpszInData, lpOutData) : 0;
}
