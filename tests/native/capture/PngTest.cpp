// The screenshot encoder writes the PNG structure and refuses images without pixels.
#include "logic/Png.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

TEST(PngEncoder, WritesSignatureHeaderAndEndAndRejectsEmptyImages) {
  const std::uint32_t px[2] = {0x00FF0000, 0x000000FF};
  EXPECT_TRUE(tks::EncodePng(0, 1, px).empty());
  EXPECT_TRUE(tks::EncodePng(1, 0, px).empty());
  EXPECT_TRUE(tks::EncodePng(1, 1, nullptr).empty());
  const auto png = tks::EncodePng(2, 1, px);
  ASSERT_GT(png.size(), 33u);
  EXPECT_EQ(0x89, png[0]);
  EXPECT_EQ('I', png[12]);
  EXPECT_EQ(2, png[19]);  // width, big endian
  EXPECT_EQ("IEND", std::string(png.end() - 8, png.end() - 4));
  // 200 x 200 x 3 bytes is more than one 64 KiB stored block.
  std::vector<std::uint32_t> large(200 * 200, 0x00123456);
  EXPECT_GT(tks::EncodePng(200, 200, large.data()).size(), 200u * 200u * 3u);
}

}  // namespace
