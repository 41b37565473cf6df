// Toolbar resources and menu item sizes (window-free).
#include "grid/editors/logic/ToolBarLayout.h"

#include <algorithm>
#include <cstring>

namespace tkw {
namespace menu {

bool ParseToolBar(const void* data, std::size_t size, ToolBarLayout& layout) {
  const std::size_t kHeaderWords = 4;
  if (data == nullptr || size < kHeaderWords * 2) return false;
  // Resource data may be unaligned in a module mapped as data: copy word by word.
  auto word = [data](std::size_t i) {
    std::uint16_t w;
    std::memcpy(&w, static_cast<const unsigned char*>(data) + 2 * i, sizeof w);
    return w;
  };
  const std::size_t buttons = word(3);
  if (size < (kHeaderWords + buttons) * 2 || word(1) == 0 || word(2) == 0) return false;
  layout.imageWidth = word(1);
  layout.imageHeight = word(2);
  layout.commands.clear();
  for (std::size_t i = 0; i < buttons; ++i)
    if (std::uint16_t cmd = word(kHeaderWords + i)) layout.commands.push_back(cmd);
  return true;
}

ItemSize MeasureMenuItem(int nCmd, bool bEmptyLabel, ItemSize text, ItemSize image) {
  const int kImageMargin = 5;  // around the image, so images never touch the next item
  const int kTextGap = 17;     // between label and accelerator, and after the accelerator
  if (nCmd == kSeparator) return {10, 6};
  if (bEmptyLabel) return {100, image.height + kImageMargin};
  if (nCmd == kSubmenuTitle) return text;
  ItemSize size;
  size.height = std::max(image.height + kImageMargin, text.height);
  size.width = text.width + kTextGap + std::max(size.height, image.width);
  return size;
}

}  // namespace menu
}  // namespace tkw
