// TKWUICore.dll carries its own icon, printing animation, version record and manifest.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ResourceHelpers.h"

namespace {

const WORD kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

class CoreResources : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(core_) << "TKWUICore.dll does not load as a data file, error " << GetLastError();
  }
  tkr::Module core_{L"TKWUICore.dll", LOAD_LIBRARY_AS_DATAFILE};
};

// Draws the icon over a grey square; counts the pixels it changed and tells whether the corner
// stayed grey.
struct IconDrawing {
  int changed = 0;
  bool cornerClear = false;
};
IconDrawing DrawOverGrey(HICON icon, int size) {
  const COLORREF grey = RGB(128, 128, 128);
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP dib = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, dib);
  RECT all{0, 0, size, size};
  HBRUSH brush = CreateSolidBrush(grey);
  FillRect(dc, &all, brush);
  DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  GdiFlush();
  IconDrawing out;
  const auto* px = static_cast<const DWORD*>(bits);
  for (int i = 0; i < size * size; ++i) out.changed += (px[i] & 0xFFFFFF) != 0x808080;
  out.cornerClear = (px[0] & 0xFFFFFF) == 0x808080;
  SelectObject(dc, old);
  DeleteObject(brush);
  DeleteObject(dib);
  DeleteDC(dc);
  return out;
}

TEST_F(CoreResources, FileIconGroupHoldsImageOneAndDrawsWithATransparentBackground) {
  EXPECT_TRUE(FindResourceExW(core_, RT_GROUP_ICON, MAKEINTRESOURCEW(4550), kEnglish));
  EXPECT_TRUE(FindResourceExW(core_, RT_ICON, MAKEINTRESOURCEW(1), kEnglish));
  for (int size : {32, 16}) {
    HICON icon =
        static_cast<HICON>(LoadImageW(core_, MAKEINTRESOURCEW(4550), IMAGE_ICON, size, size, 0));
    ASSERT_TRUE(icon) << "size " << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(size, colour.bmWidth);
    EXPECT_EQ(size, colour.bmHeight);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    IconDrawing drawn = DrawOverGrey(icon, size);
    EXPECT_TRUE(drawn.cornerClear) << "the icon's corner covers the background at size " << size;
    EXPECT_GT(drawn.changed, size * size / 3) << "the icon draws almost nothing at size " << size;
    DestroyIcon(icon);
  }
}

TEST_F(CoreResources, PrintingAnimationPlaysInAnAnimationControl) {
  EXPECT_TRUE(FindResourceExW(core_, L"AVI", MAKEINTRESOURCEW(1561), kEnglish));
  tkr::AnimationRun run = tkr::PlayOnce(core_, 1561);
  EXPECT_TRUE(run.opened);
  EXPECT_GE(run.frames, 8);
  EXPECT_LE(run.frames, 12);
  EXPECT_TRUE(run.started) << "no ACN_START arrived";
  EXPECT_TRUE(run.stopped) << "no ACN_STOP arrived after one pass";
}

TEST_F(CoreResources, VersionRecordAndManifestLetTheLibraryLoad) {
  const std::wstring path = tkr::BesideProgram(L"TKWUICore.dll");
  DWORD ignored = 0;
  std::vector<BYTE> block(GetFileVersionInfoSizeW(path.c_str(), &ignored));
  ASSERT_FALSE(block.empty()) << "no version record in TKWUICore.dll";
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(static_cast<DWORD>(VFT_DLL), fixed->dwFileType);

  HRSRC found = FindResourceExW(core_, MAKEINTRESOURCEW(24), MAKEINTRESOURCEW(2), kEnglish);
  ASSERT_TRUE(found) << "no manifest with id 2";
  const char* data = static_cast<const char*>(LockResource(LoadResource(core_, found)));
  const std::string manifest(data, SizeofResource(core_, found));
  EXPECT_NE(std::string::npos, manifest.find("requestedExecutionLevel level=\"asInvoker\""))
      << manifest;
  // A manifest the loader cannot satisfy makes LoadLibrary fail, so load it for real once.
  tkr::Module plain(L"TKWUICore.dll", 0);
  EXPECT_TRUE(plain) << "LoadLibrary failed with error " << GetLastError();
}

}  // namespace
