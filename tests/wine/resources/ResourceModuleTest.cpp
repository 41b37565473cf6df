// The host resource module qxres.dll loads and answers the strings, images and animations the
// library asks for.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ResourceHelpers.h"
#include "qxres_ids.h"

namespace {

class ResourceModule : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(module_) << "qxres.dll does not load as a data file, error " << GetLastError();
  }
  tkr::Module module_{L"qxres.dll", LOAD_LIBRARY_AS_DATAFILE};
};

TEST_F(ResourceModule, LoadsAsAnOrdinaryLibraryThoughItHasNoCode) {
  tkr::Module plain(L"qxres.dll", 0);
  ASSERT_TRUE(plain) << "LoadLibrary failed with error " << GetLastError();
  EXPECT_FALSE(tkr::LoadText(plain, IDS_QX_COPY_ALL).empty());
}

TEST_F(ResourceModule, CategoryCaptionsAreSixDistinctNamesBesideTheAllEntry) {
  std::set<std::wstring> captions;
  for (UINT id = IDS_QX_CATEGORY_DATE_TIME; id <= IDS_QX_CATEGORY_NUMERIC; ++id) {
    std::wstring caption = tkr::LoadText(module_, id);
    EXPECT_FALSE(caption.empty()) << "string " << id << " is missing";
    captions.insert(caption);
  }
  EXPECT_EQ(6u, captions.size())
      << "two category captions are equal, so the wizard could not tell them apart";
  EXPECT_EQ(0u, captions.count(tkr::LoadText(module_, IDS_QX_CATEGORY_ALL)));
}

TEST_F(ResourceModule, HeaderGlyphStripSplitsIntoElevenPixelImages) {
  HBITMAP strip = static_cast<HBITMAP>(LoadImageW(module_, MAKEINTRESOURCEW(IDB_QX_HEADER_GLYPHS),
                                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  ASSERT_TRUE(strip);
  BITMAP info{};
  GetObjectW(strip, sizeof info, &info);
  EXPECT_EQ(11, info.bmHeight);
  EXPECT_EQ(0, info.bmWidth % 11) << "width " << info.bmWidth;
  HIMAGELIST list = ImageList_Create(11, 11, ILC_COLOR24 | ILC_MASK, 4, 1);
  EXPECT_EQ(0, ImageList_AddMasked(list, strip, RGB(255, 0, 255)));
  EXPECT_EQ(info.bmWidth / 11, ImageList_GetImageCount(list));
  ImageList_Destroy(list);
  DeleteObject(strip);
}

// The menus' toolbar: every button with a command has one image of the bitmap beside it, so
// images pair with commands in order; separators take none.
TEST_F(ResourceModule, MenuToolbarHasOneImagePerCommandButton) {
  HRSRC found =
      FindResourceW(module_, MAKEINTRESOURCEW(IDR_QX_MENU_TOOLBAR), MAKEINTRESOURCEW(241));
  ASSERT_TRUE(found);
  const auto* words = static_cast<const WORD*>(LockResource(LoadResource(module_, found)));
  ASSERT_GE(SizeofResource(module_, found), 8u);
  const int width = words[1], height = words[2], buttons = words[3];
  ASSERT_EQ(8u + 2u * buttons, SizeofResource(module_, found)) << "button count and size differ";
  std::set<WORD> commands;
  for (int i = 0; i < buttons; ++i)
    if (words[4 + i] != 0) commands.insert(words[4 + i]);
  for (WORD id : {WORD(0xE12B), WORD(0xE123), WORD(0xE122), WORD(0xE125), WORD(32213), WORD(32214),
                  WORD(32215), WORD(32216)})
    EXPECT_EQ(1u, commands.count(id)) << "no button for command " << id;

  HBITMAP strip = static_cast<HBITMAP>(LoadImageW(module_, MAKEINTRESOURCEW(IDR_QX_MENU_TOOLBAR),
                                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  ASSERT_TRUE(strip);
  BITMAP info{};
  GetObjectW(strip, sizeof info, &info);
  EXPECT_EQ(height, info.bmHeight);
  EXPECT_EQ(width * static_cast<int>(commands.size()), info.bmWidth);
  DeleteObject(strip);
}

TEST_F(ResourceModule, WorkingAnimationPlaysInAnAnimationControl) {
  tkr::AnimationRun run = tkr::PlayOnce(module_, IDR_QX_AVI_WORKING);
  EXPECT_TRUE(run.opened);
  EXPECT_TRUE(run.started) << "no ACN_START arrived";
  EXPECT_TRUE(run.stopped) << "no ACN_STOP arrived after one pass";
  EXPECT_GE(run.frames, 8);
}

}  // namespace
