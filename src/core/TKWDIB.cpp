// TKWDIB: palette bitmaps from resources with checked headers, transparent painting.
#include "core/TKWDIB.h"

#include <cstring>
#include <vector>

#include "core/logic/DibMath.h"

namespace {

// A packed bitmap locked from movable global memory, unlocked on destruction.
class GlobalLock_ {
 public:
  explicit GlobalLock_(HANDLE h) : h_(h), p_(h ? ::GlobalLock(h) : NULL) {}
  ~GlobalLock_() {
    if (p_) ::GlobalUnlock(h_);
  }
  GlobalLock_(const GlobalLock_&) = delete;
  GlobalLock_& operator=(const GlobalLock_&) = delete;
  void* get() const { return p_; }
  size_t size() const { return p_ ? ::GlobalSize(h_) : 0; }

 private:
  HANDLE h_;
  void* p_;
};

// Where the colour table starts in what InfoFor builds: after the header and, for bit-field
// pixels, their three masks.
size_t InfoTableOffset(const tkw::dib::Layout& layout) {
  return sizeof(BITMAPINFOHEADER) +
         (layout.compression == tkw::dib::kBitFields ? sizeof layout.masks : 0);
}

// The header and colour table of a checked packed bitmap as a BITMAPINFO with RGBQUADs, ready
// for the GDI calls: core headers are converted, and the longer headers become a 40-byte one
// followed by the bit-field masks they hold inside.
std::vector<BYTE> InfoFor(const BYTE* p, const tkw::dib::Layout& layout) {
  std::vector<BYTE> info(InfoTableOffset(layout) + layout.colours * sizeof(RGBQUAD));
  BITMAPINFOHEADER* bih = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
  bih->biSize = sizeof(BITMAPINFOHEADER);
  bih->biWidth = layout.width;
  bih->biHeight = layout.topDown ? -layout.height : layout.height;
  bih->biPlanes = 1;
  bih->biBitCount = layout.bitCount;
  bih->biCompression = layout.compression;
  bih->biClrUsed = layout.colours;
  if (layout.compression == tkw::dib::kBitFields)
    std::memcpy(info.data() + sizeof(BITMAPINFOHEADER), layout.masks, sizeof layout.masks);
  RGBQUAD* quads = reinterpret_cast<RGBQUAD*>(info.data() + InfoTableOffset(layout));
  const BYTE* source = p + layout.headerSize + layout.maskBytes;
  for (UINT i = 0; i < layout.colours; ++i) {
    if (layout.core) {
      quads[i].rgbBlue = source[i * 3];
      quads[i].rgbGreen = source[i * 3 + 1];
      quads[i].rgbRed = source[i * 3 + 2];
      quads[i].rgbReserved = 0;
    } else {
      std::memcpy(&quads[i], source + i * 4, sizeof(RGBQUAD));
    }
  }
  return info;
}

// Selects and realises a palette on a DC for the lifetime of the object.
class PaletteSelection {
 public:
  PaletteSelection(HDC hdc, HPALETTE hPal, BOOL bBackground) : hdc_(hdc), old_(NULL) {
    if (hdc_ && hPal) {
      old_ = ::SelectPalette(hdc_, hPal, bBackground);
      ::RealizePalette(hdc_);
    }
  }
  ~PaletteSelection() {
    if (old_) ::SelectPalette(hdc_, old_, TRUE);
  }
  PaletteSelection(const PaletteSelection&) = delete;
  PaletteSelection& operator=(const PaletteSelection&) = delete;

 private:
  HDC hdc_;
  HPALETTE old_;
};

// StretchDIBits answers the scan lines drawn; 0 or GDI_ERROR mean nothing was.
BOOL Drawn(int lines) {
  return lines != 0 && lines != static_cast<int>(GDI_ERROR);
}

}  // namespace

TKWDIB::TKWDIB() : m_nPaletteChanges(0), m_hPalette(NULL) {}

TKWDIB::~TKWDIB() {
  if (m_hPalette) ::DeleteObject(m_hPalette);
}

UINT TKWDIB::DibNumColors(const void* lpbi, size_t nSize) {
  return tkw::dib::DibNumColors(lpbi, nSize);
}

UINT TKWDIB::PaletteSize(const void* lpbi, size_t nSize) {
  return static_cast<UINT>(tkw::dib::PaletteSize(lpbi, nSize));
}

HPALETTE TKWDIB::CreateDIBPalette(const void* lpbi, size_t nSize) {
  tkw::dib::Layout layout;
  if (!tkw::dib::ReadLayout(lpbi, nSize, &layout) || layout.bitCount > 8) return NULL;
  const UINT entries = 1u << layout.bitCount;
  std::vector<BYTE> store(sizeof(LOGPALETTE) + entries * sizeof(PALETTEENTRY));
  LOGPALETTE* pal = reinterpret_cast<LOGPALETTE*>(store.data());
  pal->palVersion = 0x300;
  pal->palNumEntries = static_cast<WORD>(entries);
  const BYTE* table = static_cast<const BYTE*>(lpbi) + layout.headerSize;
  const UINT step = layout.core ? 3 : 4;
  // Entries the table does not hold (a short used-colours count) stay black.
  for (UINT i = 0; i < entries && i < layout.colours; ++i) {
    pal->palPalEntry[i].peBlue = table[i * step];
    pal->palPalEntry[i].peGreen = table[i * step + 1];
    pal->palPalEntry[i].peRed = table[i * step + 2];
    pal->palPalEntry[i].peFlags = 0;
  }
  return ::CreatePalette(pal);
}

HBITMAP TKWDIB::BitmapFromPackedDib(const void* lpbi, size_t nSize, HPALETTE* phPalette) {
  if (phPalette) *phPalette = NULL;
  tkw::dib::Layout layout;
  if (!tkw::dib::ReadLayout(lpbi, nSize, &layout)) return NULL;
  const BYTE* p = static_cast<const BYTE*>(lpbi);
  std::vector<BYTE> info = InfoFor(p, layout);
  HPALETTE hPal = CreateDIBPalette(lpbi, nSize);

  HDC hdc = ::GetDC(NULL);
  HBITMAP hBitmap = NULL;
  if (hdc) {
    PaletteSelection selection(hdc, hPal, FALSE);
    hBitmap = ::CreateDIBitmap(hdc, reinterpret_cast<BITMAPINFOHEADER*>(info.data()), CBM_INIT,
                               p + layout.bitsOffset, reinterpret_cast<BITMAPINFO*>(info.data()),
                               DIB_RGB_COLORS);
  }
  if (hdc) ::ReleaseDC(NULL, hdc);
  if (!hBitmap || !phPalette) {
    if (hPal) ::DeleteObject(hPal);
  } else {
    *phPalette = hPal;
  }
  return hBitmap;
}

HBITMAP TKWDIB::LoadResourceBitmap(UINT nID, HPALETTE* phPalette) {
  if (phPalette) *phPalette = NULL;
  LPCTSTR name = MAKEINTRESOURCE(nID);
  HINSTANCE hInst = AfxFindResourceHandle(name, RT_BITMAP);
  HRSRC hRes = ::FindResource(hInst, name, RT_BITMAP);
  if (!hRes) return NULL;
  const DWORD size = ::SizeofResource(hInst, hRes);
  HGLOBAL hData = ::LoadResource(hInst, hRes);
  const void* pData = hData ? ::LockResource(hData) : NULL;
  if (!pData || size == 0) return NULL;
  // A movable copy, as the GDI helpers of this class expect packed bitmaps in global memory.
  HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE, size);
  if (!hCopy) return NULL;
  HBITMAP hBitmap = NULL;
  {
    GlobalLock_ lock(hCopy);
    if (lock.get()) {
      std::memcpy(lock.get(), pData, size);
      hBitmap = BitmapFromPackedDib(lock.get(), size, phPalette);
    }
  }
  ::GlobalFree(hCopy);
  return hBitmap;
}

HPALETTE TKWDIB::LoadPalette(UINT nID) {
  HPALETTE hPal = NULL;
  HBITMAP hBitmap = LoadResourceBitmap(nID, &hPal);
  if (hBitmap) ::DeleteObject(hBitmap);
  return hPal;
}

int TKWDIB::PaintDIB(CDC* pDC, UINT nID, int x, int y) {
  if (!pDC || !pDC->GetSafeHdc()) return 0;
  HPALETTE hPal = NULL;
  HBITMAP hBitmap = LoadResourceBitmap(nID, &hPal);
  if (!hBitmap) return 0;
  if (m_hPalette) ::DeleteObject(m_hPalette);
  m_hPalette = hPal;
  HDC hdc = pDC->GetSafeHdc();
  HPALETTE hOld = NULL;
  if (m_hPalette) {
    hOld = ::SelectPalette(hdc, m_hPalette, FALSE);
    ::RealizePalette(hdc);
  }
  DrawTransparentBitmap(hdc, hBitmap, x, y, kTransparent);
  if (hOld) ::SelectPalette(hdc, hOld, TRUE);
  ::DeleteObject(hBitmap);
  return 1;
}

void TKWDIB::DrawTransparentBitmap(HDC hdc, HBITMAP hBitmap, int x, int y, COLORREF crTransparent) {
  if (!hdc || !hBitmap) return;
  BITMAP bm = {};
  if (!::GetObject(hBitmap, sizeof bm, &bm)) return;

  HDC hdcTemp = ::CreateCompatibleDC(hdc);
  HGDIOBJ oldTemp = ::SelectObject(hdcTemp, hBitmap);
  // Work in the target's mapping mode, so the sizes are logical like the target's.
  ::SetMapMode(hdcTemp, ::GetMapMode(hdc));
  POINT size = {bm.bmWidth, bm.bmHeight};
  ::DPtoLP(hdcTemp, &size, 1);

  HDC hdcBack = ::CreateCompatibleDC(hdc);
  HDC hdcObject = ::CreateCompatibleDC(hdc);
  HDC hdcMem = ::CreateCompatibleDC(hdc);
  HDC hdcSave = ::CreateCompatibleDC(hdc);
  HBITMAP bmAndBack = ::CreateBitmap(size.x, size.y, 1, 1, NULL);
  HBITMAP bmAndObject = ::CreateBitmap(size.x, size.y, 1, 1, NULL);
  HBITMAP bmAndMem = ::CreateCompatibleBitmap(hdc, size.x, size.y);
  HBITMAP bmSave = ::CreateCompatibleBitmap(hdc, size.x, size.y);
  HGDIOBJ oldBack = ::SelectObject(hdcBack, bmAndBack);
  HGDIOBJ oldObject = ::SelectObject(hdcObject, bmAndObject);
  HGDIOBJ oldMem = ::SelectObject(hdcMem, bmAndMem);
  HGDIOBJ oldSave = ::SelectObject(hdcSave, bmSave);

  // Keep the bitmap as it was: the steps below change it.
  ::BitBlt(hdcSave, 0, 0, size.x, size.y, hdcTemp, 0, 0, SRCCOPY);
  // The mask: white where the bitmap has the transparent colour, black elsewhere.
  const COLORREF oldBk = ::SetBkColor(hdcTemp, crTransparent);
  ::BitBlt(hdcObject, 0, 0, size.x, size.y, hdcTemp, 0, 0, SRCCOPY);
  ::SetBkColor(hdcTemp, oldBk);
  ::BitBlt(hdcBack, 0, 0, size.x, size.y, hdcObject, 0, 0, NOTSRCCOPY);
  // Background under the bitmap, with a hole where the bitmap's own pixels go.
  ::BitBlt(hdcMem, 0, 0, size.x, size.y, hdc, x, y, SRCCOPY);
  ::BitBlt(hdcMem, 0, 0, size.x, size.y, hdcObject, 0, 0, SRCAND);
  // The bitmap with its transparent pixels black, laid into the hole.
  ::BitBlt(hdcTemp, 0, 0, size.x, size.y, hdcBack, 0, 0, SRCAND);
  ::BitBlt(hdcMem, 0, 0, size.x, size.y, hdcTemp, 0, 0, SRCPAINT);
  ::BitBlt(hdc, x, y, size.x, size.y, hdcMem, 0, 0, SRCCOPY);
  ::BitBlt(hdcTemp, 0, 0, size.x, size.y, hdcSave, 0, 0, SRCCOPY);

  ::SelectObject(hdcBack, oldBack);
  ::SelectObject(hdcObject, oldObject);
  ::SelectObject(hdcMem, oldMem);
  ::SelectObject(hdcSave, oldSave);
  ::SelectObject(hdcTemp, oldTemp);
  ::DeleteObject(bmAndBack);
  ::DeleteObject(bmAndObject);
  ::DeleteObject(bmAndMem);
  ::DeleteObject(bmSave);
  ::DeleteDC(hdcBack);
  ::DeleteDC(hdcObject);
  ::DeleteDC(hdcMem);
  ::DeleteDC(hdcSave);
  ::DeleteDC(hdcTemp);
}

UINT TKWDIB::QueryNewPalette(HWND hWnd, HDC hdc) {
  if (!m_hPalette || !hdc) return 0;
  HPALETTE hOld = ::SelectPalette(hdc, m_hPalette, FALSE);
  const UINT changed = ::RealizePalette(hdc);
  ::SelectPalette(hdc, hOld, TRUE);
  if (changed) {
    ::InvalidateRect(hWnd, NULL, TRUE);
    m_nPaletteChanges = 0;
  }
  return changed;
}

void TKWDIB::PaletteChanged(HWND hWnd, HDC hdc) {
  if (!m_hPalette || !hdc) return;
  HPALETTE hOld = ::SelectPalette(hdc, m_hPalette, TRUE);
  const UINT changed = ::RealizePalette(hdc);
  if (changed) {
    // Updating colours in place degrades the picture; repaint fully every other time.
    if (++m_nPaletteChanges >= 2) {
      ::InvalidateRect(hWnd, NULL, TRUE);
      m_nPaletteChanges = 0;
    } else {
      ::UpdateColors(hdc);
    }
  }
  ::SelectPalette(hdc, hOld, TRUE);
}

HANDLE TKWDIB::DIBFromBitmap(HBITMAP hBitmap, HPALETTE hPal) {
  if (!hBitmap) return NULL;
  BITMAP bm = {};
  if (!::GetObject(hBitmap, sizeof bm, &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return NULL;
  if (!hPal) hPal = static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE));
  const int depth = tkw::dib::PackedDepth(bm.bmPlanes * bm.bmBitsPixel);
  const UINT colours = depth <= 8 ? (1u << depth) : 0;
  const size_t stride = tkw::dib::ScanLineBytes(bm.bmWidth, depth);
  const size_t headerBytes = sizeof(BITMAPINFOHEADER) + colours * sizeof(RGBQUAD);
  const size_t total = headerBytes + stride * static_cast<size_t>(bm.bmHeight);

  HANDLE hdib = ::GlobalAlloc(GHND, total);
  if (!hdib) return NULL;
  BOOL ok = FALSE;
  {
    GlobalLock_ lock(hdib);
    BITMAPINFOHEADER* bih = static_cast<BITMAPINFOHEADER*>(lock.get());
    if (bih) {
      bih->biSize = sizeof(BITMAPINFOHEADER);
      bih->biWidth = bm.bmWidth;
      bih->biHeight = bm.bmHeight;
      bih->biPlanes = 1;
      bih->biBitCount = static_cast<WORD>(depth);
      bih->biCompression = BI_RGB;
      bih->biSizeImage = static_cast<DWORD>(stride * bm.bmHeight);
      HDC hdc = ::GetDC(NULL);
      if (hdc) {
        HPALETTE hOld = ::SelectPalette(hdc, hPal, FALSE);
        ::RealizePalette(hdc);
        ok = ::GetDIBits(hdc, hBitmap, 0, bm.bmHeight, reinterpret_cast<BYTE*>(bih) + headerBytes,
                         reinterpret_cast<BITMAPINFO*>(bih), DIB_RGB_COLORS) != 0;
        ::SelectPalette(hdc, hOld, TRUE);
        ::ReleaseDC(NULL, hdc);
      }
      // GetDIBits may rewrite the header; keep what the table size was computed from.
      bih->biSize = sizeof(BITMAPINFOHEADER);
      bih->biClrUsed = 0;
    }
  }
  if (!ok) {
    ::GlobalFree(hdib);
    return NULL;
  }
  return hdib;
}

BOOL TKWDIB::StretchDibBlt(HDC hdc, int x, int y, int dx, int dy, HANDLE hdib, int x0, int y0,
                           int dx0, int dy0, DWORD rop) {
  if (!hdc) return FALSE;
  if (!hdib) return ::PatBlt(hdc, x, y, dx, dy, rop);
  GlobalLock_ lock(hdib);
  tkw::dib::Layout layout;
  if (!tkw::dib::ReadLayout(lock.get(), lock.size(), &layout)) return FALSE;
  const BYTE* p = static_cast<const BYTE*>(lock.get());
  std::vector<BYTE> info = InfoFor(p, layout);
  return Drawn(::StretchDIBits(hdc, x, y, dx, dy, x0, y0, dx0, dy0, p + layout.bitsOffset,
                               reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS, rop));
}

BOOL TKWDIB::TransStretchDIBits(HDC hdc, int x, int y, int dx, int dy, HANDLE hdib, int x0, int y0,
                                int dx0, int dy0) {
  if (!hdc || !hdib) return FALSE;
  GlobalLock_ lock(hdib);
  tkw::dib::Layout layout;
  if (!tkw::dib::ReadLayout(lock.get(), lock.size(), &layout)) return FALSE;
  const BYTE* p = static_cast<const BYTE*>(lock.get());
  std::vector<BYTE> info = InfoFor(p, layout);
  BITMAPINFO* bmi = reinterpret_cast<BITMAPINFO*>(info.data());
  const BYTE* bits = p + layout.bitsOffset;
  if (layout.bitCount > 8 || layout.colours == 0)
    return Drawn(
        ::StretchDIBits(hdc, x, y, dx, dy, x0, y0, dx0, dy0, bits, bmi, DIB_RGB_COLORS, SRCCOPY));

  const COLORREF back = ::GetBkColor(hdc) & 0x00FFFFFF;
  RGBQUAD* table = reinterpret_cast<RGBQUAD*>(info.data() + InfoTableOffset(layout));
  std::vector<RGBQUAD> saved(table, table + layout.colours);
  auto transparent = [&](const RGBQUAD& q) { return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue) == back; };
  // The mask: transparent entries white (keep the target), the others black.
  for (UINT i = 0; i < layout.colours; ++i) {
    const BYTE v = transparent(saved[i]) ? 255 : 0;
    table[i].rgbRed = table[i].rgbGreen = table[i].rgbBlue = v;
  }
  BOOL ok = Drawn(
      ::StretchDIBits(hdc, x, y, dx, dy, x0, y0, dx0, dy0, bits, bmi, DIB_RGB_COLORS, SRCAND));
  // The image with transparent entries black, so XOR leaves the target there.
  for (UINT i = 0; i < layout.colours; ++i) {
    table[i] = saved[i];
    if (transparent(saved[i])) table[i].rgbRed = table[i].rgbGreen = table[i].rgbBlue = 0;
  }
  ok = Drawn(::StretchDIBits(hdc, x, y, dx, dy, x0, y0, dx0, dy0, bits, bmi, DIB_RGB_COLORS,
                             SRCINVERT)) &&
       ok;
  return ok;
}
