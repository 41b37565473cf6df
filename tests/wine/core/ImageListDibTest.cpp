// Icon image lists by resource identifier, and resource bitmaps painted with magenta transparent.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <vector>

#include "CoreTestWindows.h"
#include "Support.h"
#include "core/ActivationContext.h"
#include "core/QXImageList.h"
#include "core/TKWDIB.h"
#include "qxres_ids.h"

namespace {

class IconImageList : public testing::Test {
 protected:
  void SetUp() override { coretest::UseHostResources(); }
};

TEST_F(IconImageList, CommonControlsCallsRunInTheLibrarysOwnContext) {
  HANDLE library = tkw::LibraryActivationContext();
  ASSERT_NE(INVALID_HANDLE_VALUE, library) << "no activation context from the library's manifest";
  EXPECT_EQ(library, tkw::LibraryActivationContext()) << "made once";
  HANDLE before = nullptr;
  ::GetCurrentActCtx(&before);
  {
    tkw::ActivationScope scope;
    EXPECT_TRUE(scope.IsActive());
    HANDLE current = nullptr;
    ASSERT_TRUE(::GetCurrentActCtx(&current));
    EXPECT_EQ(library, current);
    ::ReleaseActCtx(current);
  }
  HANDLE after = nullptr;
  ::GetCurrentActCtx(&after);
  EXPECT_EQ(before, after) << "the caller's context is back";
  if (before) ::ReleaseActCtx(before);
  if (after) ::ReleaseActCtx(after);
}

TEST_F(IconImageList, StartsWithTheOverlayIconAsOverlayOne) {
  CQXImageList list;
  ASSERT_NE(nullptr, list.GetImageList()->GetSafeHandle());
  EXPECT_EQ(1, list.GetImageList()->GetImageCount());
  EXPECT_EQ(0, list.GetImageID(IDI_QX_OVERLAY_LINK));
  EXPECT_EQ(1, list.AddOverlayImage(IDI_QX_OVERLAY_LINK)) << "already overlay 1";
  int cx = 0, cy = 0;
  list.GetImageList()->GetIconSize(&cx, &cy);
  EXPECT_EQ(16, cx);
  EXPECT_EQ(16, cy);
}

TEST_F(IconImageList, SameIdentifierTwiceGivesTheSameIndexAndOneImage) {
  CQXImageList list;
  const int first = list.Add(IDI_QX_PROPERTIES);
  EXPECT_EQ(1, first);
  EXPECT_EQ(first, list.Add(IDI_QX_PROPERTIES));
  EXPECT_EQ(2, list.GetImageList()->GetImageCount());
  EXPECT_EQ(first, list.GetImageID(IDI_QX_PROPERTIES));
  EXPECT_EQ(-1, list.GetImageID(IDI_QX_DELETE)) << "a lookup loads nothing";
  EXPECT_EQ(2, list.GetImageList()->GetImageCount());
  EXPECT_EQ(2, list.Add(IDI_QX_DELETE));
}

TEST_F(IconImageList, ZeroAndMissingIdentifiersAnswerMinusOneAndAddNothing) {
  CQXImageList list;
  EXPECT_EQ(-1, list.Add(0));
  EXPECT_EQ(-1, list.Add(59999));
  EXPECT_EQ(-1, list.GetImageID(59999));
  EXPECT_EQ(-1, list.GetImageID(0));
  EXPECT_EQ(-1, list.AddOverlayImage(59999));
  EXPECT_EQ(1, list.GetImageList()->GetImageCount());
  // The arrays stayed in step: the next icon gets the next index.
  EXPECT_EQ(1, list.Add(IDI_QX_INSERT));
}

TEST_F(IconImageList, OverlayReusesAnImageAddedBefore) {
  CQXImageList list;
  const int image = list.Add(IDI_QX_DELETE);
  ASSERT_EQ(1, image);
  EXPECT_EQ(2, list.AddOverlayImage(IDI_QX_DELETE));
  EXPECT_EQ(2, list.GetImageList()->GetImageCount()) << "no second image for the overlay";
  EXPECT_EQ(2, list.AddOverlayImage(IDI_QX_DELETE)) << "asked again: the same overlay";
  EXPECT_EQ(3, list.AddOverlayImage(IDI_QX_INSERT)) << "a new icon becomes the next overlay";
  EXPECT_EQ(3, list.GetImageList()->GetImageCount());
}

TEST_F(IconImageList, IdentifiersAddedByHandKeepIndicesInStep) {
  CQXImageList list;
  HICON icon = static_cast<HICON>(
      ::LoadImageW(nullptr, MAKEINTRESOURCEW(32512), IMAGE_ICON, 16, 16, LR_SHARED));
  ASSERT_NE(nullptr, icon);
  EXPECT_EQ(1, list.GetImageList()->Add(icon));
  list.AddToIconIDArray(7001);
  EXPECT_EQ(1, list.GetImageID(7001));
  EXPECT_EQ(1, list.Add(7001)) << "known identifiers are not loaded again";
  EXPECT_EQ(2, list.Add(IDI_QX_PROPERTIES));
}

TEST_F(IconImageList, LeavesNoGdiObjectsBehind) {
  { CQXImageList warmup; }
  TKS_EXPECT_NO_GUI_LEAK({
    CQXImageList list;
    list.Add(IDI_QX_PROPERTIES);
    list.Add(IDI_QX_DELETE);
    list.AddOverlayImage(IDI_QX_INSERT);
  });
}

// ---- bitmaps

// A 32-bit top-down memory surface filled with one colour.
class Surface {
 public:
  Surface(int width, int height, COLORREF fill) : width_(width) {
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = -height;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    dc_ = ::CreateCompatibleDC(nullptr);
    bitmap_ =
        ::CreateDIBSection(dc_, &bmi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = ::SelectObject(dc_, bitmap_);
    HBRUSH brush = ::CreateSolidBrush(fill);
    RECT all = {0, 0, width, height};
    ::FillRect(dc_, &all, brush);
    ::DeleteObject(brush);
  }
  ~Surface() {
    ::SelectObject(dc_, old_);
    ::DeleteObject(bitmap_);
    ::DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  COLORREF At(int x, int y) const {
    ::GdiFlush();
    const DWORD v = bits_[y * width_ + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  }

 private:
  int width_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  DWORD* bits_ = nullptr;
};

const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kBlue = RGB(0, 0, 255);

// Reaches the packed-bitmap helpers that the resource loader uses.
class DibProbe : public TKWDIB {
 public:
  using TKWDIB::BitmapFromPackedDib;
  using TKWDIB::DIBFromBitmap;
  using TKWDIB::StretchDibBlt;
  using TKWDIB::TransStretchDIBits;
};

// An 8 x 1 bitmap: the first four pixels blue, the last four magenta, at the given depth
// and header kind.
std::vector<BYTE> BlueThenMagenta(int bits, bool core) {
  const int colours = 1 << bits;
  const int entry = core ? 3 : 4;
  const int header = core ? 12 : 40;
  const int stride = ((8 * bits + 31) / 32) * 4;
  std::vector<BYTE> b(header + colours * entry + stride, 0);
  if (core) {
    BITMAPCOREHEADER h = {sizeof h, 8, 1, 1, static_cast<WORD>(bits)};
    memcpy(b.data(), &h, sizeof h);
  } else {
    BITMAPINFOHEADER h = {};
    h.biSize = sizeof h;
    h.biWidth = 8;
    h.biHeight = 1;
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(bits);
    memcpy(b.data(), &h, sizeof h);
  }
  BYTE* table = b.data() + header;
  table[0] = 255;
  table[1] = 0;
  table[2] = 255;          // index 0 magenta (blue, green, red order)
  table[entry + 0] = 255;  // index 1 blue
  BYTE* px = table + colours * entry;
  if (bits == 1) px[0] = 0xF0;
  if (bits == 4) {
    px[0] = 0x11;
    px[1] = 0x11;
  }
  if (bits == 8) {
    px[0] = px[1] = px[2] = px[3] = 1;
  }
  return b;
}

class Bitmaps : public testing::Test {
 protected:
  void SetUp() override { coretest::UseHostResources(); }
};

TEST_F(Bitmaps, PaletteBitmapPaintsWithMagentaShowingTheBackground) {
  Surface surface(64, 64, kGreen);
  TKWDIB dib;
  EXPECT_EQ(1, dib.PaintDIB(CDC::FromHandle(surface.dc()), IDB_QX_WIZARD_TITLE, 4, 4));
  EXPECT_NE(nullptr, dib.GetPalette()) << "an 8-bit bitmap keeps its palette";
  EXPECT_EQ(kGreen, surface.At(4, 4)) << "the picture's magenta corner is transparent";
  EXPECT_EQ(kGreen, surface.At(51, 51));
  EXPECT_EQ(RGB(240, 190, 40), surface.At(28, 28)) << "the picture's centre is drawn";
  EXPECT_EQ(kGreen, surface.At(60, 60)) << "nothing is drawn beyond the picture";
}

TEST_F(Bitmaps, TwentyFourBitResourceLoadsAndPaintsWithoutAPalette) {
  TKWDIB dib;
  HPALETTE palette = reinterpret_cast<HPALETTE>(1);
  HBITMAP bitmap = dib.LoadResourceBitmap(IDB_QX_HEADER_GLYPHS, &palette);
  ASSERT_NE(nullptr, bitmap);
  EXPECT_EQ(nullptr, palette);
  BITMAP info = {};
  ::GetObject(bitmap, sizeof info, &info);
  EXPECT_EQ(11, info.bmHeight);
  ::DeleteObject(bitmap);

  Surface surface(40, 20, kBlue);
  EXPECT_EQ(1, dib.PaintDIB(CDC::FromHandle(surface.dc()), IDB_QX_HEADER_GLYPHS, 0, 0));
  EXPECT_EQ(nullptr, dib.GetPalette());
  EXPECT_EQ(kBlue, surface.At(0, 0)) << "magenta glyph background shows the surface";
}

TEST_F(Bitmaps, MissingBitmapsAnswerNull) {
  TKWDIB dib;
  HPALETTE palette = reinterpret_cast<HPALETTE>(1);
  EXPECT_EQ(nullptr, dib.LoadResourceBitmap(59999, &palette));
  EXPECT_EQ(nullptr, palette);
  Surface surface(8, 8, kGreen);
  EXPECT_EQ(0, dib.PaintDIB(CDC::FromHandle(surface.dc()), 59999, 0, 0));
  EXPECT_EQ(kGreen, surface.At(0, 0));
}

TEST_F(Bitmaps, EveryPaletteDepthAndHeaderKindPaintsTransparent) {
  for (int bits : {1, 4, 8}) {
    for (bool core : {true, false}) {
      SCOPED_TRACE(testing::Message()
                   << bits << " bits, " << (core ? "core" : "info") << " header");
      std::vector<BYTE> packed = BlueThenMagenta(bits, core);
      HPALETTE palette = nullptr;
      HBITMAP bitmap = DibProbe::BitmapFromPackedDib(packed.data(), packed.size(), &palette);
      ASSERT_NE(nullptr, bitmap);
      EXPECT_NE(nullptr, palette);
      Surface surface(10, 3, kGreen);
      TKWDIB::DrawTransparentBitmap(surface.dc(), bitmap, 1, 1, TKWDIB::kTransparent);
      EXPECT_EQ(kBlue, surface.At(1, 1));
      EXPECT_EQ(kBlue, surface.At(4, 1));
      EXPECT_EQ(kGreen, surface.At(5, 1));
      EXPECT_EQ(kGreen, surface.At(8, 1));
      EXPECT_EQ(kGreen, surface.At(0, 1));
      ::DeleteObject(bitmap);
      ::DeleteObject(palette);
    }
  }
}

// A 4 x 1 bit-field bitmap, red, blue, white and magenta, with a header of headerSize bytes
// (the masks after a 40-byte header, inside the longer ones). 16 bits are 5-6-5; 32 bits keep
// red in the low byte, so only the masks tell the colours apart.
std::vector<BYTE> BitFieldPixels(DWORD headerSize, WORD bits) {
  const DWORD masks16[3] = {0xF800, 0x07E0, 0x001F}, masks32[3] = {0xFF, 0xFF00, 0xFF0000};
  const DWORD* masks = bits == 16 ? masks16 : masks32;
  const DWORD pixels16[4] = {0xF800, 0x001F, 0xFFFF, 0xF81F},
              pixels32[4] = {0xFF, 0xFF0000, 0xFFFFFF, 0xFF00FF};
  const size_t masksAfter = headerSize == 40 ? sizeof masks16 : 0;
  std::vector<BYTE> b(headerSize + masksAfter + 4 * 4, 0);
  BITMAPINFOHEADER h = {};
  h.biSize = headerSize;
  h.biWidth = 4;
  h.biHeight = 1;
  h.biPlanes = 1;
  h.biBitCount = bits;
  h.biCompression = BI_BITFIELDS;
  memcpy(b.data(), &h, sizeof h);
  memcpy(b.data() + sizeof h, masks, sizeof masks16);
  BYTE* px = b.data() + headerSize + masksAfter;
  for (int i = 0; i < 4; ++i) {
    if (bits == 16)
      reinterpret_cast<WORD*>(px)[i] = static_cast<WORD>(pixels16[i]);
    else
      reinterpret_cast<DWORD*>(px)[i] = pixels32[i];
  }
  return b;
}

TEST_F(Bitmaps, BitFieldBitmapsOfEveryHeaderLengthPaintTheirColours) {
  for (DWORD header : {40, 52, 56, 108, 124}) {
    for (WORD bits : {16, 32}) {
      SCOPED_TRACE(testing::Message() << header << "-byte header, " << bits << " bits");
      std::vector<BYTE> packed = BitFieldPixels(header, bits);
      HBITMAP bitmap = DibProbe::BitmapFromPackedDib(packed.data(), packed.size(), nullptr);
      ASSERT_NE(nullptr, bitmap);
      Surface surface(6, 3, kGreen);
      TKWDIB::DrawTransparentBitmap(surface.dc(), bitmap, 1, 1, TKWDIB::kTransparent);
      EXPECT_EQ(RGB(255, 0, 0), surface.At(1, 1));
      EXPECT_EQ(kBlue, surface.At(2, 1));
      EXPECT_EQ(RGB(255, 255, 255), surface.At(3, 1));
      EXPECT_EQ(kGreen, surface.At(4, 1)) << "magenta stays transparent";
      ::DeleteObject(bitmap);
    }
  }
}

TEST_F(Bitmaps, DamagedPackedBitmapsAnswerNullWithoutLeaks) {
  std::vector<BYTE> good = BlueThenMagenta(8, false);
  ::DeleteObject(
      DibProbe::BitmapFromPackedDib(good.data(), good.size(), nullptr));  // warms the screen DC up
  TKS_EXPECT_NO_GUI_LEAK({
    HPALETTE palette = nullptr;
    EXPECT_EQ(nullptr, DibProbe::BitmapFromPackedDib(good.data(), good.size() - 1, &palette));
    EXPECT_EQ(nullptr, palette);
    std::vector<BYTE> lying = good;
    reinterpret_cast<BITMAPINFOHEADER*>(lying.data())->biClrUsed = 0x7FFFFFFF;
    EXPECT_EQ(nullptr, DibProbe::BitmapFromPackedDib(lying.data(), lying.size(), &palette));
    reinterpret_cast<BITMAPINFOHEADER*>(lying.data())->biClrUsed = 0;
    reinterpret_cast<BITMAPINFOHEADER*>(lying.data())->biBitCount = 3;
    EXPECT_EQ(nullptr, DibProbe::BitmapFromPackedDib(lying.data(), lying.size(), &palette));
    EXPECT_EQ(nullptr, DibProbe::BitmapFromPackedDib(nullptr, 100, &palette));
  });
}

TEST_F(Bitmaps, LoadingAndPaintingLeaveNoGdiObjects) {
  Surface surface(64, 64, kGreen);
  auto loadAndPaint = [&] {
    TKWDIB dib;
    HPALETTE palette = nullptr;
    HBITMAP bitmap = dib.LoadResourceBitmap(IDB_QX_WIZARD_TITLE, &palette);
    EXPECT_NE(nullptr, bitmap);
    ::DeleteObject(bitmap);
    ::DeleteObject(palette);
    dib.PaintDIB(CDC::FromHandle(surface.dc()), IDB_QX_WIZARD_TITLE, 0, 0);
    dib.PaintDIB(CDC::FromHandle(surface.dc()), IDB_QX_WIZARD_TITLE, 8, 8);
  };
  loadAndPaint();  // the first use of the screen DC makes objects the system keeps
  TKS_EXPECT_NO_GUI_LEAK(loadAndPaint());
}

TEST_F(Bitmaps, DeviceBitmapPacksAndStretchesBack) {
  Surface source(8, 1, kGreen);
  HBITMAP device = ::CreateCompatibleBitmap(source.dc(), 8, 2);
  HDC dc = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, device);
  RECT left = {0, 0, 4, 2}, right = {4, 0, 8, 2};
  HBRUSH blue = ::CreateSolidBrush(kBlue), magenta = ::CreateSolidBrush(kMagenta);
  ::FillRect(dc, &left, blue);
  ::FillRect(dc, &right, magenta);
  ::SelectObject(dc, old);
  ::DeleteDC(dc);
  ::DeleteObject(blue);
  ::DeleteObject(magenta);

  HANDLE packed = DibProbe::DIBFromBitmap(device, nullptr);
  ASSERT_NE(nullptr, packed);
  const BITMAPINFOHEADER* header = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(packed));
  EXPECT_EQ(24, header->biBitCount) << "a true-colour device bitmap packs into 24 bits";
  EXPECT_EQ(8, header->biWidth);
  ::GlobalUnlock(packed);

  Surface target(16, 4, kGreen);
  EXPECT_TRUE(DibProbe::StretchDibBlt(target.dc(), 0, 0, 16, 4, packed, 0, 0, 8, 2, SRCCOPY));
  EXPECT_EQ(kBlue, target.At(1, 1));
  EXPECT_EQ(kMagenta, target.At(14, 2)) << "stretched to twice the size";
  EXPECT_TRUE(DibProbe::StretchDibBlt(target.dc(), 0, 0, 2, 2, nullptr, 0, 0, 0, 0, BLACKNESS))
      << "without a bitmap the operation is a pattern fill";
  EXPECT_EQ(RGB(0, 0, 0), target.At(0, 0));
  ::GlobalFree(packed);
  ::DeleteObject(device);
}

TEST_F(Bitmaps, TransStretchKeepsTheTargetUnderTheBackgroundColour) {
  std::vector<BYTE> packed = BlueThenMagenta(4, false);
  HANDLE global = ::GlobalAlloc(GMEM_MOVEABLE, packed.size());
  memcpy(::GlobalLock(global), packed.data(), packed.size());
  ::GlobalUnlock(global);
  Surface target(8, 1, kGreen);
  ::SetBkColor(target.dc(), kMagenta);
  EXPECT_TRUE(DibProbe::TransStretchDIBits(target.dc(), 0, 0, 8, 1, global, 0, 0, 8, 1));
  EXPECT_EQ(kBlue, target.At(0, 0));
  EXPECT_EQ(kGreen, target.At(7, 0));
  ::GlobalFree(global);
}

}  // namespace
