// CGfxListCtrl: loading the background picture with its palette, the list view's own background
// image, and palette realisation.
#include "grid/GfxListCtrl.h"

#include "core/logic/DibMath.h"

#include <cstdlib>
#include <vector>

namespace {

// The colour table of a bitmap resource, when it has one of 256 entries or fewer.
std::vector<RGBQUAD> ResourceColourTable(HINSTANCE hInstance, LPCTSTR lpszName) {
  HRSRC hResource = ::FindResource(hInstance, lpszName, RT_BITMAP);
  HGLOBAL hData = hResource ? ::LoadResource(hInstance, hResource) : NULL;
  const BYTE* pData = hData ? static_cast<const BYTE*>(::LockResource(hData)) : NULL;
  tkw::dib::Layout layout;
  if (!pData || !tkw::dib::ReadLayout(pData, ::SizeofResource(hInstance, hResource), &layout) ||
      layout.colours == 0 || layout.colours > 256)
    return {};
  const BYTE* pEntry = pData + layout.bitsOffset - layout.paletteBytes;
  const size_t nEntrySize = layout.core ? 3 : 4;
  std::vector<RGBQUAD> table(layout.colours);
  for (RGBQUAD& colour : table) {
    colour = {pEntry[0], pEntry[1], pEntry[2], 0};  // blue, green, red in both kinds
    pEntry += nEntrySize;
  }
  return table;
}

}  // namespace

BOOL CGfxListCtrl::SetBkImage(LPCTSTR lpszResourceName) {
  m_background.bitmap.DeleteObject();
  m_background.palette.DeleteObject();
  m_background.ilScratch.DeleteImageList();
  m_background.nWidth = m_background.nHeight = 0;
  if (::IsWindow(m_hWnd)) Invalidate();
  if (!lpszResourceName) return FALSE;

  HINSTANCE hInstance = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
  HBITMAP hBitmap = static_cast<HBITMAP>(
      ::LoadImage(hInstance, lpszResourceName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!hBitmap) return FALSE;
  DIBSECTION section = {};
  if (::GetObject(hBitmap, sizeof(section), &section) != sizeof(section)) {
    ::DeleteObject(hBitmap);
    return FALSE;
  }
  m_background.bitmap.Attach(hBitmap);
  m_background.nWidth = section.dsBm.bmWidth;
  m_background.nHeight = std::abs(section.dsBm.bmHeight);

  // The scratch list blends the picture into selected rows.
  if (m_background.ilScratch.Create(m_background.nWidth, m_background.nHeight, ILC_COLOR24, 1, 1))
    m_background.ilScratch.Add(&m_background.bitmap, static_cast<CBitmap*>(NULL));

  // 256 colours or fewer (the used-colour count, else 2 to the bit count) get a palette of
  // their own; the colour table is read from the resource, since a DIB section deeper than
  // 8 bits answers none even when the bitmap carries one.
  const std::vector<RGBQUAD> table = ResourceColourTable(hInstance, lpszResourceName);
  if (!table.empty()) {
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + table.size() * sizeof(PALETTEENTRY));
    LOGPALETTE* pPalette = reinterpret_cast<LOGPALETTE*>(buffer.data());
    pPalette->palVersion = 0x300;
    pPalette->palNumEntries = static_cast<WORD>(table.size());
    for (size_t i = 0; i < table.size(); ++i)
      pPalette->palPalEntry[i] = {table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
    m_background.palette.CreatePalette(pPalette);
  } else {
    CDC dcScreen;
    dcScreen.Attach(::GetDC(NULL));
    m_background.palette.CreateHalftonePalette(&dcScreen);
    ::ReleaseDC(NULL, dcScreen.Detach());
  }
  if (::IsWindow(m_hWnd)) Invalidate();
  return TRUE;
}

BOOL CGfxListCtrl::SetBkImage(UINT nBitmapId) {
  if (nBitmapId == static_cast<UINT>(-1)) {
    SetBkImage(static_cast<LPCTSTR>(NULL));
    return TRUE;
  }
  return SetBkImage(MAKEINTRESOURCE(nBitmapId));
}

void CGfxListCtrl::SetBackgroundImage(LPCTSTR lpszUrl, int nMode, int nXPercent, int nYPercent) {
  m_background.nMode = nMode;
  if (!::IsWindow(m_hWnd)) return;
  LVBKIMAGE image = {};
  if (lpszUrl && *lpszUrl) {
    image.ulFlags = LVBKIF_SOURCE_URL | (nMode == 2 ? LVBKIF_STYLE_TILE : LVBKIF_STYLE_NORMAL);
    image.pszImage = const_cast<LPTSTR>(lpszUrl);
  } else {
    image.ulFlags = LVBKIF_SOURCE_NONE;
  }
  switch (nMode) {
    case 2: image.xOffsetPercent = image.yOffsetPercent = 0; break;
    case 4: image.xOffsetPercent = image.yOffsetPercent = 50; break;
    default:
      image.xOffsetPercent = nXPercent;
      image.yOffsetPercent = nYPercent;
      break;
  }
  CListCtrl::SetBkImage(&image);
  Invalidate();
}

// ---- palette

namespace {

// Realises the picture's palette in the list; false when the display has no palette or there
// is no picture, so that the default handling runs.
bool RealizeBackgroundPalette(CGfxListCtrl& list) {
  if (!list.m_background.palette.GetSafeHandle()) return false;
  CClientDC dc(&list);
  if (!(dc.GetDeviceCaps(RASTERCAPS) & RC_PALETTE)) return false;
  CPalette* pOld = dc.SelectPalette(&list.m_background.palette, FALSE);
  const UINT nChanged = dc.RealizePalette();
  dc.SelectPalette(pOld, TRUE);
  if (nChanged > 0) list.Invalidate();
  return true;
}

}  // namespace

BOOL CGfxListCtrl::OnQueryNewPalette() {
  if (RealizeBackgroundPalette(*this)) return TRUE;
  return CListCtrl::OnQueryNewPalette();
}

void CGfxListCtrl::OnPaletteChanged(CWnd* pFocusWnd) {
  const bool bFromOther = !pFocusWnd || pFocusWnd->GetSafeHwnd() != m_hWnd;
  if (bFromOther && RealizeBackgroundPalette(*this)) return;
  CListCtrl::OnPaletteChanged(pFocusWnd);
}
