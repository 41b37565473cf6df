// CGdiObject and its pens, brushes, fonts, bitmaps, palettes and regions.
#include "afxgdi_.h"
#include "handlemap_.h"

using namespace afx_internal;

namespace {

void ReleaseGdi(CObject* p) {
  static_cast<CGdiObject*>(p)->m_hObject = NULL;
}

// A wrapper of the kind the handle is, so a pen from FromHandle really is a CPen.
CGdiObject* NewObjectOfKind(HGDIOBJ h) {
  switch (::GetObjectType(h)) {
    case OBJ_PEN:
    case OBJ_EXTPEN: return new CPen;
    case OBJ_BRUSH: return new CBrush;
    case OBJ_FONT: return new CFont;
    case OBJ_BITMAP: return new CBitmap;
    case OBJ_PAL: return new CPalette;
    case OBJ_REGION: return new CRgn;
    default: return new CGdiObject;
  }
}

CGdiObject* NewWrapperFor(HGDIOBJ h) {
  CGdiObject* pObject = NewObjectOfKind(h);
  pObject->m_hObject = h;
  return pObject;
}

HGDIOBJ HandleOf(const CGdiObject* p) {
  return p ? p->m_hObject : NULL;
}
HDC HandleOf(const CDC* p) {
  return p ? p->m_hDC : NULL;
}

}  // namespace

// ---- CGdiObject
IMPLEMENT_DYNCREATE(CGdiObject, CObject)

CGdiObject::~CGdiObject() {
  DeleteObject();
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject) {
  return WrapperFromHandle<CGdiObject>(kGdiHandle, hObject, NewWrapperFor, ReleaseGdi);
}

void PASCAL CGdiObject::DeleteTempMap() {
  DeleteTemporaries(kGdiHandle);
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
  ASSERT(m_hObject == NULL);  // an object owns one handle at a time
  if (!hObject) return FALSE;
  if (m_hObject) DeleteObject();
  m_hObject = hObject;
  SetPermanent(kGdiHandle, hObject, this);
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ h = m_hObject;
  if (h) RemovePermanent(kGdiHandle, h, this);
  m_hObject = NULL;
  return h;
}

BOOL CGdiObject::DeleteObject() {
  if (!m_hObject) return FALSE;
  return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const {
  if (!m_hObject) return 0;
  return ::GetObjectW(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const {
  return m_hObject ? ::GetObjectType(m_hObject) : 0;
}

BOOL CGdiObject::CreateStockObject(int nIndex) {
  return Attach(::GetStockObject(nIndex));
}

BOOL CGdiObject::UnrealizeObject() {
  ASSERT(m_hObject != NULL);
  return m_hObject ? ::UnrealizeObject(m_hObject) : FALSE;
}

// ---- CPen
IMPLEMENT_DYNAMIC(CPen, CGdiObject)

CPen* PASCAL CPen::FromHandle(HPEN hPen) {
  return static_cast<CPen*>(CGdiObject::FromHandle(hPen));
}

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor) {
  if (!CreatePen(nPenStyle, nWidth, crColor)) AfxThrowResourceException();
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
  return Attach(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount,
                     const DWORD* lpStyle) {
  return Attach(
      ::ExtCreatePen(DWORD(nPenStyle), DWORD(nWidth), pLogBrush, DWORD(nStyleCount), lpStyle));
}

BOOL CPen::CreatePenIndirect(LPLOGPEN lpLogPen) {
  return Attach(::CreatePenIndirect(lpLogPen));
}

// ---- CBrush
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)

CBrush* PASCAL CBrush::FromHandle(HBRUSH hBrush) {
  return static_cast<CBrush*>(CGdiObject::FromHandle(hBrush));
}

CBrush::CBrush(COLORREF crColor) {
  if (!CreateSolidBrush(crColor)) AfxThrowResourceException();
}

CBrush::CBrush(int nIndex, COLORREF crColor) {
  if (!CreateHatchBrush(nIndex, crColor)) AfxThrowResourceException();
}

CBrush::CBrush(CBitmap* pBitmap) {
  if (!CreatePatternBrush(pBitmap)) AfxThrowResourceException();
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor) {
  return Attach(::CreateSolidBrush(crColor));
}
BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor) {
  return Attach(::CreateHatchBrush(nIndex, crColor));
}
BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush) {
  return Attach(::CreateBrushIndirect(lpLogBrush));
}
BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap) {
  HBITMAP hbm = static_cast<HBITMAP>(HandleOf(pBitmap));
  return hbm ? Attach(::CreatePatternBrush(hbm)) : FALSE;
}
BOOL CBrush::CreateDIBPatternBrush(const void* lpPackedDIB, UINT nUsage) {
  return Attach(::CreateDIBPatternBrushPt(lpPackedDIB, nUsage));
}
// The system owns its colour brushes; deleting one is harmless (the system ignores it).
BOOL CBrush::CreateSysColorBrush(int nIndex) {
  return Attach(::GetSysColorBrush(nIndex));
}

// ---- CFont
IMPLEMENT_DYNAMIC(CFont, CGdiObject)

CFont* PASCAL CFont::FromHandle(HFONT hFont) {
  return static_cast<CFont*>(CGdiObject::FromHandle(hFont));
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont) {
  return lpLogFont ? Attach(::CreateFontIndirectW(lpLogFont)) : FALSE;
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                       BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily,
                       LPCTSTR lpszFacename) {
  return Attach(::CreateFontW(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic,
                              bUnderline, cStrikeOut, nCharSet, nOutPrecision, nClipPrecision,
                              nQuality, nPitchAndFamily, lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC) {
  LOGFONT lf = {};
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfHeight = nPointSize;
  if (lpszFaceName) lstrcpynW(lf.lfFaceName, lpszFaceName, LF_FACESIZE);
  return CreatePointFontIndirect(&lf, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC) {
  if (!lpLogFont) return FALSE;
  HDC hDC = pDC ? pDC->m_hAttribDC : ::GetDC(NULL);
  if (!hDC) return FALSE;
  // Tenths of a point to logical units: through device points so mapping modes count.
  LOGFONT lf = *lpLogFont;
  POINT pt = {0, MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), lf.lfHeight, 720)};
  ::DPtoLP(hDC, &pt, 1);
  POINT ptOrg = {0, 0};
  ::DPtoLP(hDC, &ptOrg, 1);
  lf.lfHeight = -abs(pt.y - ptOrg.y);
  if (!pDC) ::ReleaseDC(NULL, hDC);
  return CreateFontIndirect(&lf);
}

// ---- CBitmap
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

CBitmap* PASCAL CBitmap::FromHandle(HBITMAP hBitmap) {
  return static_cast<CBitmap*>(CGdiObject::FromHandle(hBitmap));
}

BOOL CBitmap::LoadOEMBitmap(UINT nIDBitmap) {
  return Attach(::LoadBitmapW(NULL, MAKEINTRESOURCEW(nIDBitmap)));
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount,
                           const void* lpBits) {
  return Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}

BOOL CBitmap::CreateBitmapIndirect(LPBITMAP lpBitmap) {
  return lpBitmap ? Attach(::CreateBitmapIndirect(lpBitmap)) : FALSE;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
  HDC hDC = HandleOf(pDC);
  return hDC ? Attach(::CreateCompatibleBitmap(hDC, nWidth, nHeight)) : FALSE;
}

BOOL CBitmap::CreateDiscardableBitmap(CDC* pDC, int nWidth, int nHeight) {
  return CreateCompatibleBitmap(pDC, nWidth, nHeight);
}

DWORD CBitmap::SetBitmapBits(DWORD dwCount, const void* lpBits) {
  return m_hObject ? ::SetBitmapBits(static_cast<HBITMAP>(m_hObject), dwCount, lpBits) : 0;
}

DWORD CBitmap::GetBitmapBits(DWORD dwCount, LPVOID lpBits) const {
  return m_hObject ? ::GetBitmapBits(static_cast<HBITMAP>(m_hObject), LONG(dwCount), lpBits) : 0;
}

CSize CBitmap::SetBitmapDimension(int nWidth, int nHeight) {
  SIZE size = {0, 0};
  if (m_hObject) ::SetBitmapDimensionEx(static_cast<HBITMAP>(m_hObject), nWidth, nHeight, &size);
  return CSize(size);
}

CSize CBitmap::GetBitmapDimension() const {
  SIZE size = {0, 0};
  if (m_hObject) ::GetBitmapDimensionEx(static_cast<HBITMAP>(m_hObject), &size);
  return CSize(size);
}

// ---- CPalette
IMPLEMENT_DYNAMIC(CPalette, CGdiObject)

CPalette* PASCAL CPalette::FromHandle(HPALETTE hPalette) {
  return static_cast<CPalette*>(CGdiObject::FromHandle(hPalette));
}

BOOL CPalette::CreatePalette(LPLOGPALETTE lpLogPalette) {
  return lpLogPalette ? Attach(::CreatePalette(lpLogPalette)) : FALSE;
}

BOOL CPalette::CreateHalftonePalette(CDC* pDC) {
  HDC hDC = HandleOf(pDC);
  return hDC ? Attach(::CreateHalftonePalette(hDC)) : FALSE;
}

int CPalette::GetEntryCount() {
  WORD nEntries = 0;
  if (!m_hObject || !::GetObjectW(m_hObject, sizeof(WORD), &nEntries)) return 0;
  return nEntries;
}

UINT CPalette::GetPaletteEntries(UINT nStartIndex, UINT nNumEntries,
                                 LPPALETTEENTRY lpPaletteColors) const {
  return m_hObject ? ::GetPaletteEntries(static_cast<HPALETTE>(m_hObject), nStartIndex, nNumEntries,
                                         lpPaletteColors)
                   : 0;
}

UINT CPalette::SetPaletteEntries(UINT nStartIndex, UINT nNumEntries,
                                 LPPALETTEENTRY lpPaletteColors) {
  return m_hObject ? ::SetPaletteEntries(static_cast<HPALETTE>(m_hObject), nStartIndex, nNumEntries,
                                         lpPaletteColors)
                   : 0;
}

void CPalette::AnimatePalette(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) {
  if (m_hObject)
    ::AnimatePalette(static_cast<HPALETTE>(m_hObject), nStartIndex, nNumEntries, lpPaletteColors);
}

UINT CPalette::GetNearestPaletteIndex(COLORREF crColor) const {
  return m_hObject ? ::GetNearestPaletteIndex(static_cast<HPALETTE>(m_hObject), crColor)
                   : CLR_INVALID;
}

BOOL CPalette::ResizePalette(UINT nNumEntries) {
  return m_hObject ? ::ResizePalette(static_cast<HPALETTE>(m_hObject), nNumEntries) : FALSE;
}

// ---- CRgn
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

CRgn* PASCAL CRgn::FromHandle(HRGN hRgn) {
  return static_cast<CRgn*>(CGdiObject::FromHandle(hRgn));
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2) {
  return Attach(::CreateRectRgn(x1, y1, x2, y2));
}
BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect) {
  return lpRect ? Attach(::CreateRectRgnIndirect(lpRect)) : FALSE;
}
BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2) {
  return Attach(::CreateEllipticRgn(x1, y1, x2, y2));
}
BOOL CRgn::CreateEllipticRgnIndirect(LPCRECT lpRect) {
  return lpRect ? Attach(::CreateEllipticRgnIndirect(lpRect)) : FALSE;
}
BOOL CRgn::CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode) {
  return lpPoints && nCount > 0 ? Attach(::CreatePolygonRgn(lpPoints, nCount, nMode)) : FALSE;
}
BOOL CRgn::CreatePolyPolygonRgn(const POINT* lpPoints, const INT* lpPolyCounts, int nCount,
                                int nPolyFillMode) {
  return lpPoints && lpPolyCounts && nCount > 0
             ? Attach(::CreatePolyPolygonRgn(lpPoints, lpPolyCounts, nCount, nPolyFillMode))
             : FALSE;
}
BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3) {
  return Attach(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
}

void CRgn::SetRectRgn(int x1, int y1, int x2, int y2) {
  if (m_hObject) ::SetRectRgn(static_cast<HRGN>(m_hObject), x1, y1, x2, y2);
}
void CRgn::SetRectRgn(LPCRECT lpRect) {
  if (lpRect) SetRectRgn(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode) {
  if (!m_hObject) return ERROR;
  return ::CombineRgn(static_cast<HRGN>(m_hObject), static_cast<HRGN>(HandleOf(pRgn1)),
                      static_cast<HRGN>(HandleOf(pRgn2)), nCombineMode);
}

int CRgn::CopyRgn(const CRgn* pRgnSrc) {
  if (!m_hObject || !HandleOf(pRgnSrc)) return ERROR;
  return ::CombineRgn(static_cast<HRGN>(m_hObject), static_cast<HRGN>(pRgnSrc->m_hObject), NULL,
                      RGN_COPY);
}

BOOL CRgn::EqualRgn(const CRgn* pRgn) const {
  if (!m_hObject || !HandleOf(pRgn)) return FALSE;
  return ::EqualRgn(static_cast<HRGN>(m_hObject), static_cast<HRGN>(pRgn->m_hObject));
}

int CRgn::OffsetRgn(int x, int y) {
  return m_hObject ? ::OffsetRgn(static_cast<HRGN>(m_hObject), x, y) : ERROR;
}

int CRgn::GetRgnBox(LPRECT lpRect) const {
  return m_hObject && lpRect ? ::GetRgnBox(static_cast<HRGN>(m_hObject), lpRect) : ERROR;
}

BOOL CRgn::PtInRegion(int x, int y) const {
  return m_hObject ? ::PtInRegion(static_cast<HRGN>(m_hObject), x, y) : FALSE;
}

BOOL CRgn::RectInRegion(LPCRECT lpRect) const {
  return m_hObject && lpRect ? ::RectInRegion(static_cast<HRGN>(m_hObject), lpRect) : FALSE;
}
