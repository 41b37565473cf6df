// The background picture: loading it from the resource chain with its palette, tiles that move
// with the rows, the centred picture on white, the stretched one, blended selection in category
// view, and no GDI objects left behind.
#include "GridFixture.h"

#include <qxres_ids.h>

#include <cstring>
#include <set>

namespace {
using namespace grid;

// The picture as the test reads it from the resource module: 32-bit pixels, top row first.
struct Picture {
  explicit Picture(UINT id = IDB_QX_WATERMARK) {
    HBITMAP bitmap =
        static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(L"qxres.dll"), MAKEINTRESOURCEW(id),
                                          IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    EXPECT_NE(nullptr, bitmap);
    if (!bitmap) return;
    DIBSECTION section = {};
    ::GetObject(bitmap, sizeof(section), &section);
    width = section.dsBm.bmWidth;
    height = section.dsBm.bmHeight;
    bits = section.dsBmih.biBitCount;
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(info.bmiHeader), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    pixels.resize(static_cast<size_t>(width) * height);
    HDC dc = ::CreateCompatibleDC(nullptr);
    ::GetDIBits(dc, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    table.resize(256);
    table.resize(::GetDIBColorTable(dc, 0, 256, table.data()));
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::DeleteObject(bitmap);
  }
  // Colour at a position, wrapped as tiles wrap.
  COLORREF At(int x, int y) const {
    x = ((x % width) + width) % width;
    y = ((y % height) + height) % height;
    const DWORD p = pixels[static_cast<size_t>(y) * width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  int width = 0, height = 0, bits = 0;
  std::vector<DWORD> pixels;
  std::vector<RGBQUAD> table;
};

// A resource module made here with one bitmap: 24 bits per pixel with a colour table of 16
// entries, as optimising image tools write it.
class BitmapModule {
 public:
  BitmapModule(const wchar_t* name, const std::vector<BYTE>& bitmap) {
    wchar_t folder[MAX_PATH] = {}, source[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, folder);
    path_ = std::wstring(folder) + L"tkw_bitmap_module.dll";
    ::GetModuleFileNameW(::GetModuleHandleW(L"qxres.dll"), source, MAX_PATH);
    ::CopyFileW(source, path_.c_str(), FALSE);
    HANDLE update = ::BeginUpdateResourceW(path_.c_str(), TRUE);
    ::UpdateResourceW(update, RT_BITMAP, name, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                      const_cast<BYTE*>(bitmap.data()), DWORD(bitmap.size()));
    ::EndUpdateResourceW(update, FALSE);
    module_ = ::LoadLibraryExW(path_.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  }
  ~BitmapModule() {
    if (module_) ::FreeLibrary(module_);
    ::DeleteFileW(path_.c_str());
  }
  HMODULE Handle() const { return module_; }

 private:
  std::wstring path_;
  HMODULE module_ = nullptr;
};

class DrawBackground : public GridFixture {
 protected:
  // Rows without texts or grid lines, so that only the picture shows.
  void MakePictureList(int mode, int rows = 40) {
    MakeList();
    list_->ModifyFlag(GFXLF_VGRID | GFXLF_HGRID, 0, 0);
    list_->m_colours.crTextBk =
        RGB(255, 255, 200);  // plain rows in mode 1; must not show in the others
    AddRows(rows);
    ASSERT_TRUE(list_->SetBkImage(IDB_QX_WATERMARK));
    list_->SetBackgroundImage(nullptr, mode);
  }
  // Compares the rows' area with the picture tiled from the first row's top-left corner.
  int TileMismatches(const tks::Capture& cap, const Picture& picture) {
    const CPoint origin = Row(0).TopLeft();
    const int top = Row(list_->GetTopIndex()).top;
    int mismatches = 0;
    for (int y = top; y < top + 120; y += 7)
      for (int x = 3; x < 380; x += 11)
        if (cap.AtClient(x, y) != picture.At(x - origin.x, y - origin.y)) ++mismatches;
    return mismatches;
  }
  // The background palette holds these colours from the start.
  void ExpectPalette(const std::vector<RGBQUAD>& table) {
    ASSERT_EQ(static_cast<int>(table.size()), list_->m_background.palette.GetEntryCount());
    for (size_t i = 0; i < table.size(); i += 5) {
      PALETTEENTRY entry = {};
      list_->m_background.palette.GetPaletteEntries(static_cast<UINT>(i), 1, &entry);
      EXPECT_EQ(RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue),
                RGB(entry.peRed, entry.peGreen, entry.peBlue))
          << "palette entry " << i;
    }
  }
};

TEST_F(DrawBackground, APictureOf256ColoursOrFewerGetsItsOwnPaletteOthersAHalftoneOne) {
  MakeList();
  const Picture eight;
  ASSERT_EQ(8, eight.bits);
  ASSERT_TRUE(list_->SetBkImage(IDB_QX_WATERMARK));
  EXPECT_EQ(1, list_->m_background.ilScratch.GetImageCount())
      << "the scratch list holds the picture";
  ExpectPalette(eight.table);
  ASSERT_TRUE(list_->SetBkImage(IDB_QX_WATERMARK_RGB));
  EXPECT_GE(list_->m_background.palette.GetEntryCount(), 200)
      << "a halftone palette for true colour";

  // 24 bits per pixel, yet 16 colours used: the bitmap's own table.
  BITMAPINFOHEADER header = {sizeof(header), 8, 8, 1, 24, BI_RGB, 0, 0, 0, 16, 0};
  std::vector<BYTE> bitmap(sizeof(header) + 16 * sizeof(RGBQUAD) + 8 * 24, 0x40);
  std::memcpy(bitmap.data(), &header, sizeof(header));
  std::vector<RGBQUAD> table;
  for (BYTE i = 0; i < 16; ++i) table.push_back({BYTE(i * 16), BYTE(255 - i), BYTE(i * 3), 0});
  std::memcpy(bitmap.data() + sizeof(header), table.data(), 16 * sizeof(RGBQUAD));
  BitmapModule module(L"TKW_TABLE", bitmap);
  ASSERT_NE(nullptr, module.Handle());
  const HINSTANCE previous = AfxGetResourceHandle();
  AfxSetResourceHandle(module.Handle());
  const BOOL loaded = list_->SetBkImage(L"TKW_TABLE");
  AfxSetResourceHandle(previous);
  ASSERT_TRUE(loaded);
  ExpectPalette(table);

  // Palette messages on a display without palettes take the default way.
  list_->SendMessage(WM_QUERYNEWPALETTE);
  list_->SendMessage(WM_PALETTECHANGED, reinterpret_cast<WPARAM>(owner_.GetSafeHwnd()));
  list_->SendMessage(WM_PALETTECHANGED, reinterpret_cast<WPARAM>(list_->GetSafeHwnd()));
  EXPECT_NE(nullptr, list_->m_background.palette.GetSafeHandle())
      << "the picture keeps its palette";

  EXPECT_FALSE(list_->SetBkImage(4999u)) << "no such bitmap";
  EXPECT_EQ(nullptr, list_->m_background.bitmap.GetSafeHandle())
      << "the old picture is gone anyway";
  EXPECT_FALSE(list_->SetBkImage(L"NO_SUCH_BITMAP"));
  ASSERT_TRUE(list_->SetBkImage(IDB_QX_WATERMARK));
  EXPECT_TRUE(list_->SetBkImage(static_cast<UINT>(-1)));
  EXPECT_EQ(nullptr, list_->m_background.bitmap.GetSafeHandle());
  EXPECT_EQ(nullptr, list_->m_background.palette.GetSafeHandle());
}

TEST_F(DrawBackground, TiledPictureMovesWithTheRowsWhenTheListScrolls) {
  MakePictureList(2);
  const Picture picture;
  const tks::Capture before = Snap();
  EXPECT_EQ(0, TileMismatches(before, picture)) << "tiles start at the first row's top-left corner";

  list_->Scroll(CSize(0, 3 * Row(0).Height()));
  ASSERT_EQ(3, list_->GetTopIndex());
  const tks::Capture after = Snap();
  EXPECT_EQ(0, TileMismatches(after, picture)) << "after scrolling they still follow the first row";
  int moved = 0;
  for (int x = 3; x < 380; x += 11) moved += before.AtClient(x, 60) != after.AtClient(x, 60);
  EXPECT_GT(moved, 0) << "the picture under a fixed point changed as the rows moved";
}

TEST_F(DrawBackground, CentredPictureStandsOnWhiteStretchedOneShowsBelowThePlainRows) {
  MakePictureList(4);
  const Picture picture;
  tks::Capture cap = Snap();
  CRect client;
  list_->GetClientRect(&client);
  const int x0 = std::max(0, (client.Width() - 128) / 2);
  const int y0 = std::max(0, (client.Height() - 128) / 2);
  for (int y = y0 + 4; y < y0 + 124; y += 10) {
    EXPECT_EQ(kWhite, cap.AtClient(5, y)) << "left of the picture at y=" << y;
    EXPECT_EQ(kWhite, cap.AtClient(x0 + 130, y)) << "right of the picture at y=" << y;
    EXPECT_EQ(picture.At(64, y - y0), cap.AtClient(x0 + 64, y)) << "inside the picture at y=" << y;
  }

  for (int item = list_->GetItemCount() - 1; item >= 2; --item) list_->DeleteItem(item);
  list_->SetBackgroundImage(nullptr, 1);
  cap = Snap();
  EXPECT_EQ(RGB(255, 255, 200), cap.AtClient(50, Mid(1))) << "mode 1 fills plain rows";
  std::set<COLORREF> colours;
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) colours.insert(picture.At(x, y));
  for (int x = 10; x < 380; x += 40)
    EXPECT_EQ(1u, colours.count(cap.AtClient(x, Row(1).bottom + 30)))
        << "picture under the last row at x=" << x;
}

TEST_F(DrawBackground, ASelectedRowInCategoryViewShowsThePictureTinted) {
  owner_.keys = {{1, L"Red"}, {2, L"Red"}};
  MakeList(0, 0);
  list_->ModifyFlag(GFXLF_VGRID | GFXLF_HGRID, 0, 0);
  list_->m_colours.crHighlight = kHighlight;
  AddRows(2);
  ASSERT_TRUE(list_->SetBkImage(IDB_QX_WATERMARK));
  list_->SetBackgroundImage(nullptr, 2);
  list_->EnableCategoryView(true);
  list_->ToggleCategory(0);
  list_->SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
  list_->SetFocus();
  const Picture picture;
  const CPoint origin = Row(0).TopLeft();
  tks::Capture cap = Snap();
  const int y = Mid(1), yPlain = Mid(2);
  int tinted = 0, solid = 0, plain = 0, samples = 0;
  for (int x = 40; x < 170; ++x, ++samples) {
    const COLORREF c = cap.AtClient(x, y);
    solid += c == kHighlight;
    tinted += c != kHighlight && c != picture.At(x - origin.x, y - origin.y);
    plain += cap.AtClient(x, yPlain) == picture.At(x - origin.x, yPlain - origin.y);
  }
  EXPECT_EQ(0, solid) << "a blended selection is never the solid highlight";
  EXPECT_GT(tinted, samples / 8) << "blended: the picture tinted with the highlight colour";
  EXPECT_EQ(samples, plain) << "the unselected row shows the bare picture";

  list_->SetBlendBitmap(false);
  EXPECT_EQ(kHighlight, Snap().AtClient(200, y)) << "without blending: the solid highlight";
}

TEST_F(DrawBackground, PicturesCategoriesAndModesLeaveNoGuiObjectsBehind) {
  owner_.keys = {{1, L"Red"}, {2, L"Blue"}};
  owner_.texts[{1, 1}] = L"12";
  auto round = [this](int i) {
    MakePictureList(i % 3 == 0 ? 4 : 2, 3);
    list_->SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list_->SetBkImage(i % 2 ? IDB_QX_WATERMARK_RGB : IDB_QX_WATERMARK);
    Snap();
    list_->EnableCategoryView(true);
    list_->ToggleCategory(0);
    list_->SetBackgroundImage(L"file:///C:/no/such/picture.bmp", 30, 10, 90);
    Snap();
    list_->DestroyWindow();
  };
  round(0);  // the system's one-time objects
  TKS_EXPECT_NO_GUI_LEAK({
    for (int i = 0; i < 6; ++i) round(i);
  });
}

}  // namespace
