// Bitmaps, menus and image lists loaded through the resource chain: found in the module the
// resource handle names, and a clean failure for a name no module has.
#include <afxcmn.h>
#include <gtest/gtest.h>

#include "Support.h"

namespace {

// Points the resource handle at a system module for one test, and back afterwards.
class SystemResources : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = AfxGetResourceHandle();
    comctl_ = ::GetModuleHandleW(L"comctl32.dll");
    user_ = ::GetModuleHandleW(L"user32.dll");
    ASSERT_NE(nullptr, comctl_);
    ASSERT_NE(nullptr, user_);
  }
  void TearDown() override {
    AfxSetResourceHandle(previous_);
    AfxDeleteTempGdiAndMenuMaps();
  }
  HINSTANCE previous_ = nullptr, comctl_ = nullptr, user_ = nullptr;
};

// comctl32's standard toolbar strip (id 120): 15 images of 16 x 16.
const UINT kStdSmallColor = 120;

TEST_F(SystemResources, BitmapsImageListsAndMenusComeFromTheResourceHandle) {
  AfxSetResourceHandle(comctl_);
  CBitmap strip;
  ASSERT_TRUE(strip.LoadBitmap(kStdSmallColor));
  BITMAP bm = {};
  ASSERT_TRUE(strip.GetBitmap(&bm));
  EXPECT_EQ(16, bm.bmHeight);
  CImageList images;
  ASSERT_TRUE(images.Create(kStdSmallColor, 16, 1, RGB(192, 192, 192)));
  EXPECT_EQ(bm.bmWidth / 16, images.GetImageCount()) << "one image per 16 pixels of the strip";

  AfxSetResourceHandle(user_);
  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(L"SYSMENU"));
  EXPECT_GT(menu.GetMenuItemCount(), 0);
}

TEST_F(SystemResources, MissingResourcesFailCleanly) {
  TKS_EXPECT_NO_GUI_LEAK({
    CBitmap bitmap;
    EXPECT_FALSE(bitmap.LoadBitmap(L"NO_SUCH_BITMAP"));
    EXPECT_EQ(nullptr, bitmap.GetSafeHandle());
    EXPECT_FALSE(bitmap.LoadBitmap(static_cast<LPCTSTR>(nullptr)));
    CMenu menu;
    EXPECT_FALSE(menu.LoadMenu(54321));
    EXPECT_EQ(nullptr, menu.GetSafeHmenu());
    CImageList images;
    EXPECT_FALSE(images.Create(54321u, 16, 1, RGB(0, 0, 0)));
    EXPECT_EQ(nullptr, images.GetSafeHandle());
  });
}

}  // namespace
