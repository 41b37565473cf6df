// The screenshot encoder must produce files that other tools read back pixel for pixel.
#include "logic/Png.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

TEST(PngEncoder, RejectsEmptyImages) {
  const std::uint32_t px = 0;
  EXPECT_TRUE(tks::EncodePng(0, 1, &px).empty());
  EXPECT_TRUE(tks::EncodePng(1, 0, &px).empty());
  EXPECT_TRUE(tks::EncodePng(1, 1, nullptr).empty());
}

TEST(PngEncoder, WritesSignatureHeaderAndEnd) {
  const std::uint32_t px[2] = {0x00FF0000, 0x000000FF};
  const auto png = tks::EncodePng(2, 1, px);
  ASSERT_GT(png.size(), 33u);
  EXPECT_EQ(0x89, png[0]);
  EXPECT_EQ('I', png[12]);
  EXPECT_EQ(2, png[19]);  // width, big endian
  const std::string tail(png.end() - 8, png.end() - 4);
  EXPECT_EQ("IEND", tail);
}

TEST(PngEncoder, LargeImagesSpanSeveralStoredBlocks) {
  // 200 x 200 x 3 bytes is more than one 64 KiB stored block.
  std::vector<std::uint32_t> px(200 * 200, 0x00123456);
  const auto png = tks::EncodePng(200, 200, px.data());
  EXPECT_GT(png.size(), 200u * 200u * 3u);
}

}  // namespace
