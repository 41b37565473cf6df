// A toolbar resource read into its image size and the command of each image (window-free).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tkw {
namespace menu {

// What a toolbar resource says: the image size and, in image order, the command of each
// button that has an image (separators take none).
struct ToolBarLayout {
  int imageWidth = 0;
  int imageHeight = 0;
  std::vector<std::uint16_t> commands;
};

// Reads a toolbar resource: version, image width, image height, button count, then one
// command per button (0 = separator), all 16-bit. False when the data is shorter than its
// button count says or an image size is not positive.
bool ParseToolBar(const void* data, std::size_t size, ToolBarLayout& layout);

// Size of an owner-drawn menu item (width, height) from its label's extent.
struct ItemSize {
  int width = 0;
  int height = 0;
};

// The kinds of item a popup menu record stands for, beside command identifiers (>= 0).
enum ItemKind { kDeepSubmenuTitle = -2, kSeparator = -3, kSubmenuTitle = -4 };

// Measures an item of the given kind or command: separators are 10 x 6; an empty label is
// as high as the image plus a margin; a first-level submenu title is its text; any other item
// is as high as the taller of image and text, and as wide as the text plus the image square
// plus room for the accelerator gap.
ItemSize MeasureMenuItem(int nCmd, bool bEmptyLabel, ItemSize text, ItemSize image);

}  // namespace menu
}  // namespace tkw
