// TKWDIB: palette bitmaps from resources, painted with one colour transparent.
#pragma once
#include <afxwin.h>

#include "core/TKWExport.h"

// Loads bitmap resources (found through the resource chain) with their palettes and paints
// them with a transparent colour; keeps the palette of the last bitmap painted for the
// palette messages of the window that shows it.
class TKWUI_API TKWDIB {
 public:
  TKWDIB();
  virtual ~TKWDIB();

  // The transparent colour PaintDIB uses: magenta, palette-relative.
  static constexpr COLORREF kTransparent = 0x02FF00FF;

  // A device-dependent bitmap made from bitmap resource nID, or null when it is missing or
  // damaged. *phPalette gets the bitmap's palette (null for bitmaps deeper than 8 bits); the
  // caller deletes both. phPalette may be null when the palette is not wanted.
  HBITMAP LoadResourceBitmap(UINT nID, HPALETTE* phPalette);
  // Paints bitmap nID at (x, y) with magenta transparent, keeping its palette in this object.
  // 1 when painted, 0 when the bitmap cannot be loaded.
  int PaintDIB(CDC* pDC, UINT nID, int x, int y);
  // Draws the bitmap at (x, y) with every pixel of crTransparent showing what was there.
  static void DrawTransparentBitmap(HDC hdc, HBITMAP hBitmap, int x, int y, COLORREF crTransparent);
  static void DrawTransparentBitmap(CDC* pDC, HBITMAP hBitmap, int x, int y,
                                    COLORREF crTransparent) {
    DrawTransparentBitmap(pDC->GetSafeHdc(), hBitmap, x, y, crTransparent);
  }

  // WM_QUERYNEWPALETTE: realises the stored palette in the foreground; answers the number of
  // colours that changed (the window is invalidated when any did).
  UINT QueryNewPalette(HWND hWnd, HDC hdc);
  // WM_PALETTECHANGED: realises the stored palette in the background and repaints or updates
  // the colours of the window.
  void PaletteChanged(HWND hWnd, HDC hdc);

  HPALETTE GetPalette() const { return m_hPalette; }

 protected:
  // Header helpers on a packed bitmap (header, colour table, pixels) of nSize bytes.
  static UINT DibNumColors(const void* lpbi, size_t nSize);
  static UINT PaletteSize(const void* lpbi, size_t nSize);
  // A logical palette from the colour table of a bitmap of 8 bits or fewer, else null.
  static HPALETTE CreateDIBPalette(const void* lpbi, size_t nSize);
  // The palette of bitmap resource nID, or null.
  HPALETTE LoadPalette(UINT nID);
  // A device-dependent bitmap from a packed bitmap checked against nSize; null when damaged.
  static HBITMAP BitmapFromPackedDib(const void* lpbi, size_t nSize, HPALETTE* phPalette);
  // Packs a device bitmap into movable global memory (1, 4, 8 or 24 bits per pixel, with the
  // default palette when hPal is null); the caller frees it with GlobalFree. Null on failure.
  static HANDLE DIBFromBitmap(HBITMAP hBitmap, HPALETTE hPal);
  // Stretches a packed bitmap onto the target with a raster operation; PatBlt without one.
  static BOOL StretchDibBlt(HDC hdc, int x, int y, int dx, int dy, HANDLE hdib, int x0, int y0,
                            int dx0, int dy0, DWORD rop);
  // Stretches a packed bitmap of 8 bits or fewer with the target's background colour
  // transparent (deeper bitmaps are copied).
  static BOOL TransStretchDIBits(HDC hdc, int x, int y, int dx, int dy, HANDLE hdib, int x0, int y0,
                                 int dx0, int dy0);

 private:
  TKWDIB(const TKWDIB&) = delete;
  TKWDIB& operator=(const TKWDIB&) = delete;

  int m_nPaletteChanges;  // counts PaletteChanged calls between full repaints
  HPALETTE m_hPalette;    // palette of the last bitmap painted, owned
};
