// Toolbar resources read into image commands, and the popup menu's item sizes.
#include "grid/editors/logic/ToolBarLayout.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tkw::menu;

namespace {

TEST(ToolBarLayout, ImagesPairWithCommandButtonsOnlyAndShortDataIsRefused) {
  std::vector<std::uint16_t> words = {1, 16, 15, 5, 100, 0, 101, 0, 102};
  ToolBarLayout layout;
  ASSERT_TRUE(ParseToolBar(words.data(), words.size() * 2, layout));
  EXPECT_EQ(16, layout.imageWidth);
  EXPECT_EQ(15, layout.imageHeight);
  EXPECT_EQ((std::vector<std::uint16_t>{100, 101, 102}), layout.commands);

  EXPECT_FALSE(ParseToolBar(words.data(), words.size() * 2 - 1, layout)) << "last button cut";
  EXPECT_FALSE(ParseToolBar(words.data(), 6, layout)) << "header cut";
  words[1] = 0;
  EXPECT_FALSE(ParseToolBar(words.data(), words.size() * 2, layout)) << "zero image width";
}

TEST(ToolBarLayout, ItemSizesFollowTheKindOfItem) {
  const ItemSize text{50, 13}, image{16, 15}, tallText{50, 30};
  struct Case {
    int cmd;
    bool empty;
    ItemSize text;
    int width, height;
  } cases[] = {
      {kSeparator, false, text, 10, 6},         {100, true, text, 100, 20},
      {kSubmenuTitle, false, text, 50, 13},     {100, false, text, 50 + 17 + 20, 20},
      {100, false, tallText, 50 + 17 + 30, 30}, {kDeepSubmenuTitle, false, text, 50 + 17 + 20, 20},
  };
  for (const Case& c : cases) {
    ItemSize got = MeasureMenuItem(c.cmd, c.empty, c.text, image);
    EXPECT_EQ(c.width, got.width) << "command " << c.cmd;
    EXPECT_EQ(c.height, got.height) << "command " << c.cmd;
  }
}

}  // namespace
