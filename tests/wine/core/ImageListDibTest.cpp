// Icon image lists by resource identifier, and resource bitmaps painted with magenta transparent.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "CoreTestWindows.h"
#include "Support.h"
#include "core/ActivationContext.h"
#include "core/QXImageList.h"
#include "core/TKWDIB.h"
#include "qxres_ids.h"

namespace {

using coretest::Surface;

class CoreImages : public testing::Test {
 protected:
  void SetUp() override { coretest::UseHostResources(); }
};

TEST_F(CoreImages, CommonControlsCallsRunInTheLibrarysOwnContext) {
  HANDLE library = tkw::LibraryActivationContext();
  ASSERT_NE(INVALID_HANDLE_VALUE, library) << "no activation context from the library's manifest";
  EXPECT_EQ(library, tkw::LibraryActivationContext()) << "made once";
  HANDLE before = nullptr, inside = nullptr, after = nullptr;
  ::GetCurrentActCtx(&before);
  {
    tkw::ActivationScope scope;
    EXPECT_TRUE(scope.IsActive());
    ::GetCurrentActCtx(&inside);
  }
  ::GetCurrentActCtx(&after);
  EXPECT_EQ(library, inside);
  EXPECT_EQ(before, after) << "the caller's context is back";
  for (HANDLE context : {before, inside, after})
    if (context) ::ReleaseActCtx(context);
}

TEST_F(CoreImages, IconsAreLoadedOnceAndFoundByIdentifier) {
  CQXImageList list;
  CImageList* images = list.GetImageList();
  int cx = 0, cy = 0;
  images->GetIconSize(&cx, &cy);
  EXPECT_EQ(CSize(16, 16), CSize(cx, cy));
  EXPECT_EQ(1, images->GetImageCount());
  EXPECT_EQ(0, list.GetImageID(IDI_QX_OVERLAY_LINK)) << "the overlay icon comes first";
  EXPECT_EQ(1, list.AddOverlayImage(IDI_QX_OVERLAY_LINK)) << "as overlay 1";

  EXPECT_EQ(1, list.Add(IDI_QX_PROPERTIES));
  EXPECT_EQ(1, list.Add(IDI_QX_PROPERTIES)) << "the same identifier twice";
  EXPECT_EQ(-1, list.GetImageID(IDI_QX_DELETE)) << "a lookup loads nothing";
  for (UINT missing : {0u, 59999u}) {
    EXPECT_EQ(-1, list.Add(missing)) << missing;
    EXPECT_EQ(-1, list.GetImageID(missing)) << missing;
    EXPECT_EQ(-1, list.AddOverlayImage(missing)) << missing;
  }
  EXPECT_EQ(2, images->GetImageCount());
  EXPECT_EQ(2, list.Add(IDI_QX_DELETE)) << "failures left the identifiers in step";

  EXPECT_EQ(2, list.AddOverlayImage(IDI_QX_DELETE)) << "an image added before becomes overlay 2";
  EXPECT_EQ(2, list.AddOverlayImage(IDI_QX_DELETE));
  EXPECT_EQ(3, list.AddOverlayImage(IDI_QX_INSERT));
  EXPECT_EQ(4, images->GetImageCount());

  HICON icon = static_cast<HICON>(
      ::LoadImageW(nullptr, MAKEINTRESOURCEW(32512), IMAGE_ICON, 16, 16, LR_SHARED));
  EXPECT_EQ(4, images->Add(icon));
  list.AddToIconIDArray(7001);
  EXPECT_EQ(4, list.GetImageID(7001)) << "an image added by hand keeps the indices in step";
  EXPECT_EQ(4, list.Add(7001));
  EXPECT_EQ(5, images->GetImageCount());
}

// ---- bitmaps

const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

// Reaches the packed-bitmap helpers that the resource loader uses.
class DibProbe : public TKWDIB {
 public:
  using TKWDIB::BitmapFromPackedDib;
  using TKWDIB::DIBFromBitmap;
  using TKWDIB::StretchDibBlt;
  using TKWDIB::TransStretchDIBits;
};

// A one-row packed bitmap: a core header (headerSize 12) or an info header of headerSize
// bytes, then extra (the colour table, or the bit-field masks) and the pixels. The masks go
// inside the headers longer than 40 bytes.
std::vector<BYTE> Packed(DWORD headerSize, LONG width, WORD bits, const std::vector<BYTE>& extra,
                         const std::vector<BYTE>& row, DWORD compression = BI_RGB) {
  std::vector<BYTE> b(headerSize);
  if (headerSize == sizeof(BITMAPCOREHEADER)) {
    BITMAPCOREHEADER h = {sizeof h, static_cast<WORD>(width), 1, 1, bits};
    std::memcpy(b.data(), &h, sizeof h);
  } else {
    BITMAPINFOHEADER h = {headerSize, width, 1, 1, bits, compression, 0, 0, 0, 0, 0};
    std::memcpy(b.data(), &h, sizeof h);
  }
  if (headerSize > sizeof(BITMAPINFOHEADER))
    std::memcpy(b.data() + sizeof(BITMAPINFOHEADER), extra.data(), extra.size());
  else
    b.insert(b.end(), extra.begin(), extra.end());
  b.insert(b.end(), row.begin(), row.end());
  return b;
}

// 8 x 1 at 1, 4 or 8 bits: four blue pixels, then four magenta ones.
std::vector<BYTE> BlueThenMagenta(int bits, bool core) {
  const size_t entry = core ? 3 : 4;
  std::vector<BYTE> table(entry << bits, 0);
  table[0] = table[2] = 255;  // index 0 magenta (blue, green, red order)
  table[entry] = 255;         // index 1 blue
  std::vector<BYTE> row((8 * bits + 31) / 32 * 4, 0);
  for (int i = 0; i < 4; ++i) row[i * bits / 8] |= 1 << (8 - bits - i * bits % 8);
  return Packed(core ? 12 : 40, 8, static_cast<WORD>(bits), table, row);
}

// 4 x 1 bit fields: red, blue, white and magenta. 16 bits are 5-6-5; 32 bits keep red in the
// low byte, so only the masks tell the colours apart.
std::vector<BYTE> BitFields(DWORD headerSize, WORD bits) {
  const DWORD masks[2][3] = {{0xF800, 0x07E0, 0x001F}, {0xFF, 0xFF00, 0xFF0000}};
  const DWORD pixels[2][4] = {{0xF800, 0x001F, 0xFFFF, 0xF81F},
                              {0xFF, 0xFF0000, 0xFFFFFF, 0xFF00FF}};
  const int k = bits == 16 ? 0 : 1;
  std::vector<BYTE> extra(12), row(bits / 2);
  std::memcpy(extra.data(), masks[k], 12);
  for (size_t i = 0; i < row.size(); ++i)
    row[i] = BYTE(pixels[k][i / (bits / 8)] >> (8 * (i % (bits / 8))));
  return Packed(headerSize, 4, bits, extra, row, BI_BITFIELDS);
}

class Bitmaps : public CoreImages {};

TEST_F(Bitmaps, ResourceBitmapsPaintWithMagentaTransparentWithOrWithoutAPalette) {
  Surface surface(64, 64, kGreen);
  TKWDIB dib;
  EXPECT_EQ(1, dib.PaintDIB(CDC::FromHandle(surface.dc()), IDB_QX_WIZARD_TITLE, 4, 4));
  EXPECT_NE(nullptr, dib.GetPalette()) << "an 8-bit bitmap keeps its palette";
  EXPECT_EQ(kGreen, surface.At(4, 4)) << "the picture's magenta corner is transparent";
  EXPECT_EQ(RGB(240, 190, 40), surface.At(28, 28)) << "the picture's centre is drawn";
  EXPECT_EQ(kGreen, surface.At(60, 60)) << "nothing is drawn beyond the picture";

  HPALETTE palette = reinterpret_cast<HPALETTE>(1);
  HBITMAP bitmap = dib.LoadResourceBitmap(IDB_QX_HEADER_GLYPHS, &palette);
  ASSERT_NE(nullptr, bitmap);
  EXPECT_EQ(nullptr, palette) << "a 24-bit bitmap has none";
  BITMAP info = {};
  ::GetObject(bitmap, sizeof info, &info);
  EXPECT_EQ(11, info.bmHeight);
  ::DeleteObject(bitmap);
  Surface blue(40, 20, kBlue);
  EXPECT_EQ(1, dib.PaintDIB(CDC::FromHandle(blue.dc()), IDB_QX_HEADER_GLYPHS, 0, 0));
  EXPECT_EQ(nullptr, dib.GetPalette());
  EXPECT_EQ(kBlue, blue.At(0, 0)) << "magenta glyph background shows the surface";

  palette = reinterpret_cast<HPALETTE>(1);
  EXPECT_EQ(nullptr, dib.LoadResourceBitmap(59999, &palette));
  EXPECT_EQ(nullptr, palette);
  EXPECT_EQ(0, dib.PaintDIB(CDC::FromHandle(blue.dc()), 59999, 0, 0));
}

TEST_F(Bitmaps, PackedBitmapsOfEveryDepthAndHeaderPaintTheirColours) {
  struct Case {
    std::vector<BYTE> packed;
    std::vector<COLORREF> colours;  // from x = 1 on; magenta shows the green surface
  };
  std::vector<Case> cases;
  const std::vector<COLORREF> blueThenMagenta = {kBlue,  kBlue,  kBlue,  kBlue,
                                                 kGreen, kGreen, kGreen, kGreen};
  for (int bits : {1, 4, 8})
    for (bool core : {true, false}) cases.push_back({BlueThenMagenta(bits, core), blueThenMagenta});
  for (DWORD header : {40, 52, 56, 108, 124})
    for (WORD bits : {16, 32})
      cases.push_back({BitFields(header, bits), {kRed, kBlue, kWhite, kGreen}});

  for (const Case& c : cases) {
    const auto* h = reinterpret_cast<const BITMAPINFOHEADER*>(c.packed.data());
    SCOPED_TRACE(testing::Message() << h->biSize << "-byte header, "
                                    << (h->biSize == 12 ? c.packed[10] : h->biBitCount) << " bits");
    HPALETTE palette = nullptr;
    HBITMAP bitmap = DibProbe::BitmapFromPackedDib(c.packed.data(), c.packed.size(), &palette);
    ASSERT_NE(nullptr, bitmap);
    EXPECT_EQ(c.colours.size() == 8, palette != nullptr) << "a palette only up to 8 bits";
    Surface surface(10, 3, kGreen);
    TKWDIB::DrawTransparentBitmap(surface.dc(), bitmap, 1, 1, TKWDIB::kTransparent);
    EXPECT_EQ(kGreen, surface.At(0, 1));
    for (size_t x = 0; x < c.colours.size(); ++x)
      EXPECT_EQ(c.colours[x], surface.At(static_cast<int>(x) + 1, 1)) << "x " << x + 1;
    ::DeleteObject(bitmap);
    if (palette) ::DeleteObject(palette);
  }
}

TEST_F(Bitmaps, DamagedBitmapsAnswerNullAndNothingLeavesGdiObjects) {
  std::vector<BYTE> good = BlueThenMagenta(8, false);
  Surface surface(64, 64, kGreen);
  auto useEverything = [&] {
    HPALETTE palette = nullptr;
    ::DeleteObject(DibProbe::BitmapFromPackedDib(good.data(), good.size(), &palette));
    ::DeleteObject(palette);
    EXPECT_EQ(nullptr, DibProbe::BitmapFromPackedDib(good.data(), good.size() - 1, &palette));
    EXPECT_EQ(nullptr, palette);
    std::vector<BYTE> lying = good;
    reinterpret_cast<BITMAPINFOHEADER*>(lying.data())->biClrUsed = 0x7FFFFFFF;
    EXPECT_EQ(nullptr, DibProbe::BitmapFromPackedDib(lying.data(), lying.size(), &palette));
    EXPECT_EQ(nullptr, DibProbe::BitmapFromPackedDib(nullptr, 100, &palette));
    TKWDIB dib;
    ::DeleteObject(dib.LoadResourceBitmap(IDB_QX_WIZARD_TITLE, &palette));
    ::DeleteObject(palette);
    dib.PaintDIB(CDC::FromHandle(surface.dc()), IDB_QX_WIZARD_TITLE, 0, 0);
    dib.PaintDIB(CDC::FromHandle(surface.dc()), IDB_QX_WIZARD_TITLE, 8, 8);
  };
  useEverything();  // the first use of the screen DC makes objects the system keeps
  TKS_EXPECT_NO_GUI_LEAK(useEverything());
}

TEST_F(Bitmaps, DeviceBitmapPacksAndStretchesBack) {
  Surface screen(1, 1, kGreen);
  HBITMAP device = ::CreateCompatibleBitmap(screen.dc(), 8, 2);
  HDC dc = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, device);
  RECT left = {0, 0, 4, 2}, right = {4, 0, 8, 2};
  ::FillRect(dc, &left, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  ::FillRect(dc, &right, static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
  ::SelectObject(dc, old);
  ::DeleteDC(dc);

  HANDLE packed = DibProbe::DIBFromBitmap(device, nullptr);
  ASSERT_NE(nullptr, packed);
  const auto* header = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(packed));
  EXPECT_EQ(24, header->biBitCount) << "a true-colour device bitmap packs into 24 bits";
  EXPECT_EQ(8, header->biWidth);
  ::GlobalUnlock(packed);
  Surface target(16, 4, kGreen);
  EXPECT_TRUE(DibProbe::StretchDibBlt(target.dc(), 0, 0, 16, 4, packed, 0, 0, 8, 2, SRCCOPY));
  EXPECT_EQ(kWhite, target.At(7, 1));
  EXPECT_EQ(RGB(128, 128, 128), target.At(8, 2)) << "stretched to twice the size";
  EXPECT_TRUE(DibProbe::StretchDibBlt(target.dc(), 0, 0, 2, 2, nullptr, 0, 0, 0, 0, BLACKNESS))
      << "without a bitmap the operation is a pattern fill";
  EXPECT_EQ(RGB(0, 0, 0), target.At(0, 0));
  ::GlobalFree(packed);
  ::DeleteObject(device);

  std::vector<BYTE> palette = BlueThenMagenta(4, false);
  HANDLE global = ::GlobalAlloc(GMEM_MOVEABLE, palette.size());
  std::memcpy(::GlobalLock(global), palette.data(), palette.size());
  ::GlobalUnlock(global);
  Surface keep(8, 1, kGreen);
  ::SetBkColor(keep.dc(), kMagenta);
  EXPECT_TRUE(DibProbe::TransStretchDIBits(keep.dc(), 0, 0, 8, 1, global, 0, 0, 8, 1));
  EXPECT_EQ(kBlue, keep.At(0, 0));
  EXPECT_EQ(kGreen, keep.At(7, 0)) << "the background colour keeps the target";
  ::GlobalFree(global);
}

}  // namespace
