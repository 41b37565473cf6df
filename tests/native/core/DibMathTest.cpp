// Packed bitmap headers: colour counts, table and scan-line sizes, and damaged or lying headers
// that must be refused without reading past the data.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/logic/DibMath.h"

namespace {

using tkw::dib::Layout;

void Put16(std::vector<unsigned char>& b, size_t at, std::uint16_t v) {
  b[at] = static_cast<unsigned char>(v);
  b[at + 1] = static_cast<unsigned char>(v >> 8);
}
void Put32(std::vector<unsigned char>& b, size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<unsigned char>(v >> (8 * i));
}

// A complete info-header bitmap: header, full colour table, pixels.
std::vector<unsigned char> InfoDib(std::int32_t width, std::int32_t height, std::uint16_t bits,
                                   std::uint32_t used = 0) {
  const std::uint32_t colours = used ? used : (bits <= 8 ? 1u << bits : 0);
  const size_t stride = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
  const size_t rows = static_cast<size_t>(height < 0 ? -height : height);
  std::vector<unsigned char> b(40 + colours * 4 + stride * rows);
  Put32(b, 0, 40);
  Put32(b, 4, static_cast<std::uint32_t>(width));
  Put32(b, 8, static_cast<std::uint32_t>(height));
  Put16(b, 12, 1);
  Put16(b, 14, bits);
  Put32(b, 32, used);
  return b;
}

// A complete core-header bitmap (RGB triples in the table).
std::vector<unsigned char> CoreDib(std::uint16_t width, std::uint16_t height, std::uint16_t bits) {
  const std::uint32_t colours = bits <= 8 ? 1u << bits : 0;
  const size_t stride = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
  std::vector<unsigned char> b(12 + colours * 3 + stride * height);
  Put32(b, 0, 12);
  Put16(b, 4, width);
  Put16(b, 6, height);
  Put16(b, 8, 1);
  Put16(b, 10, bits);
  return b;
}

TEST(DibMath, ScanLinesAreRoundedToFourBytes) {
  EXPECT_EQ(4u, tkw::dib::ScanLineBytes(1, 1));
  EXPECT_EQ(4u, tkw::dib::ScanLineBytes(32, 1));
  EXPECT_EQ(8u, tkw::dib::ScanLineBytes(33, 1));
  EXPECT_EQ(4u, tkw::dib::ScanLineBytes(7, 4));
  EXPECT_EQ(8u, tkw::dib::ScanLineBytes(5, 8));
  EXPECT_EQ(12u, tkw::dib::ScanLineBytes(3, 24));
  EXPECT_EQ(12u, tkw::dib::ScanLineBytes(4, 24));
  EXPECT_EQ(0u, tkw::dib::ScanLineBytes(0, 8));
  EXPECT_EQ(0u, tkw::dib::ScanLineBytes(-4, 8));
  EXPECT_EQ(0u, tkw::dib::ScanLineBytes(4, 0));
}

TEST(DibMath, EveryDepthWithEitherHeaderReadsItsLayout) {
  struct Case {
    std::uint16_t bits;
    std::uint32_t colours;
    size_t stride;
  };
  for (const Case& c : {Case{1, 2, 4}, Case{4, 16, 8}, Case{8, 256, 12}, Case{24, 0, 32}}) {
    SCOPED_TRACE(c.bits);
    std::vector<unsigned char> info = InfoDib(10, 3, c.bits);
    Layout layout;
    ASSERT_TRUE(tkw::dib::ReadLayout(info.data(), info.size(), &layout));
    EXPECT_FALSE(layout.core);
    EXPECT_EQ(c.colours, layout.colours);
    EXPECT_EQ(c.colours * 4, layout.paletteBytes);
    EXPECT_EQ(c.stride, layout.stride);
    EXPECT_EQ(40 + c.colours * 4, layout.bitsOffset);
    EXPECT_EQ(info.size(), layout.bitsOffset + layout.imageBytes);

    std::vector<unsigned char> core = CoreDib(10, 3, c.bits);
    ASSERT_TRUE(tkw::dib::ReadLayout(core.data(), core.size(), &layout));
    EXPECT_TRUE(layout.core);
    EXPECT_EQ(c.colours, tkw::dib::DibNumColors(core.data(), core.size()));
    EXPECT_EQ(c.colours * 3, tkw::dib::PaletteSize(core.data(), core.size()));
    EXPECT_EQ(12 + c.colours * 3, layout.bitsOffset);
    EXPECT_EQ(core.size(), layout.bitsOffset + layout.imageBytes);
  }
}

TEST(DibMath, UsedColoursShortenTheTableAndTopDownHeightsAreAccepted) {
  std::vector<unsigned char> b = InfoDib(4, -2, 8, 5);
  Layout layout;
  ASSERT_TRUE(tkw::dib::ReadLayout(b.data(), b.size(), &layout));
  EXPECT_EQ(5u, layout.colours);
  EXPECT_EQ(20u, layout.paletteBytes);
  EXPECT_TRUE(layout.topDown);
  EXPECT_EQ(2, layout.height);
}

TEST(DibMath, LyingOrTruncatedHeadersAreRefused) {
  Layout layout;
  layout.width = 77;  // untouched on refusal
  auto refused = [&](const std::vector<unsigned char>& b, size_t size, const char* why) {
    EXPECT_FALSE(tkw::dib::ReadLayout(b.data(), size, &layout)) << why;
    EXPECT_EQ(77, layout.width) << why;
  };
  std::vector<unsigned char> good = InfoDib(8, 8, 8);
  refused(good, good.size() - 1, "one pixel byte missing");
  refused(good, 40 + 1024 - 4, "colour table cut short");
  refused(good, 39, "header cut short");
  refused(good, 3, "not even the header size");

  std::vector<unsigned char> b = good;
  Put32(b, 32, 0xFFFFFFFFu);
  refused(b, b.size(), "used colours huge");
  Put32(b, 32, 257);
  refused(b, b.size(), "more colours than 8 bits index");
  b = InfoDib(8, 8, 4);
  Put32(b, 32, 17);
  refused(b, b.size(), "more colours than 4 bits index");
  b = InfoDib(8, 8, 24);
  Put32(b, 32, 100000);
  refused(b, b.size(), "a 24-bit table larger than a palette");

  for (std::uint16_t bits : {0, 2, 3, 33, 64}) {
    b = good;
    Put16(b, 14, bits);
    refused(b, b.size(), "unsupported bit count");
  }
  b = good;
  Put32(b, 4, static_cast<std::uint32_t>(-8));
  refused(b, b.size(), "negative width");
  b = good;
  Put32(b, 8, 0);
  refused(b, b.size(), "zero height");
  b = good;
  Put32(b, 8, 0x80000000u);
  refused(b, b.size(), "the most negative height");
  b = good;
  Put32(b, 4, 0x7FFFFFFF);
  Put32(b, 8, 0x7FFFFFFF);
  refused(b, b.size(), "a huge bitmap in a small resource");
  b = good;
  Put16(b, 12, 2);
  refused(b, b.size(), "two planes");
  b = good;
  Put32(b, 16, 1);
  refused(b, b.size(), "run-length compressed");
  b = good;
  Put32(b, 0, 41);
  refused(b, b.size(), "unknown header size");
  Put32(b, 0, 0xFFFFFFF0u);
  refused(b, b.size(), "header size near the top of the range");

  std::vector<unsigned char> core = CoreDib(8, 8, 8);
  refused(core, core.size() - 1, "core: one pixel byte missing");
  refused(core, 11, "core: header cut short");
  b = core;
  Put16(b, 10, 16);
  refused(b, b.size(), "core: 16 bits");
  b = core;
  Put16(b, 10, 32);
  refused(b, b.size(), "core: 32 bits");
  b = core;
  Put16(b, 4, 0);
  refused(b, b.size(), "core: zero width");
}

// A 2 x 2 bit-field bitmap with a header of headerSize bytes: the masks after a 40-byte header,
// inside the longer ones (V2 52, V3 56, V4 108, V5 124).
std::vector<unsigned char> BitFieldDib(std::uint32_t headerSize, std::uint16_t bits,
                                       std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
  const size_t masksAfter = headerSize == 40 ? 12 : 0;
  std::vector<unsigned char> b(headerSize + masksAfter + ((2u * bits + 31) / 32) * 4 * 2);
  Put32(b, 0, headerSize);
  Put32(b, 4, 2);
  Put32(b, 8, 2);
  Put16(b, 12, 1);
  Put16(b, 14, bits);
  Put32(b, 16, 3);
  Put32(b, 40, red);
  Put32(b, 44, green);
  Put32(b, 48, blue);
  return b;
}

TEST(DibMath, BitFieldMasksAreReadAfterAPlainHeaderAndInsideLongerOnes) {
  for (std::uint32_t header : {40u, 52u, 56u, 108u, 124u}) {
    for (std::uint16_t bits : {16, 32}) {
      SCOPED_TRACE(testing::Message() << header << "-byte header, " << bits << " bits");
      const std::uint32_t r = bits == 16 ? 0xF800 : 0xFF0000, g = bits == 16 ? 0x07E0 : 0xFF00,
                          b = bits == 16 ? 0x001F : 0xFF;
      std::vector<unsigned char> dib = BitFieldDib(header, bits, r, g, b);
      Layout layout;
      ASSERT_TRUE(tkw::dib::ReadLayout(dib.data(), dib.size(), &layout));
      EXPECT_EQ(r, layout.masks[0]);
      EXPECT_EQ(g, layout.masks[1]);
      EXPECT_EQ(b, layout.masks[2]);
      EXPECT_EQ(header == 40 ? 12u : 0u, layout.maskBytes);
      EXPECT_EQ(header == 40 ? 52u : header, layout.bitsOffset);
      EXPECT_FALSE(tkw::dib::ReadLayout(dib.data(), dib.size() - 1, &layout));
    }
  }
}

TEST(DibMath, LyingBitFieldHeadersAreRefused) {
  struct Case {
    const char* what;
    std::uint32_t header;
    std::uint16_t bits;
    std::uint32_t red, green, blue;
    size_t size;  // bytes passed; 0 for all
  } cases[] = {
      {"no masks at all", 124, 32, 0, 0, 0, 0},
      {"masks overlap", 108, 16, 0xF800, 0x0FE0, 0x001F, 0},
      {"a mask with a gap", 56, 32, 0xFF00FF, 0xFF00, 0, 0},
      {"a mask past 16 bits", 52, 16, 0x1F800, 0x07E0, 0x001F, 0},
      {"masks cut off after a plain header", 40, 16, 0xF800, 0x07E0, 0x001F, 46},
      {"a V5 header longer than the data", 124, 32, 0xFF0000, 0xFF00, 0xFF, 100},
  };
  for (const Case& c : cases) {
    std::vector<unsigned char> dib = BitFieldDib(c.header, c.bits, c.red, c.green, c.blue);
    Layout layout;
    EXPECT_FALSE(tkw::dib::ReadLayout(dib.data(), c.size ? c.size : dib.size(), &layout)) << c.what;
  }
  std::vector<unsigned char> dib = BitFieldDib(124, 16, 0xF800, 0x07E0, 0);
  Layout layout;
  EXPECT_TRUE(tkw::dib::ReadLayout(dib.data(), dib.size(), &layout)) << "a channel may be empty";
}

TEST(DibMath, ColourCountsOfShortOrUnknownHeadersAreZero) {
  std::vector<unsigned char> good = InfoDib(8, 8, 8);
  EXPECT_EQ(256u, tkw::dib::DibNumColors(good.data(), good.size()));
  EXPECT_EQ(0u, tkw::dib::DibNumColors(good.data(), 20));
  EXPECT_EQ(0u, tkw::dib::DibNumColors(nullptr, 100));
  EXPECT_EQ(0u, tkw::dib::PaletteSize(good.data(), 2));
  EXPECT_FALSE(tkw::dib::ReadLayout(nullptr, 100, nullptr));
}

TEST(DibMath, DeviceDepthsPackIntoDibDepths) {
  EXPECT_EQ(1, tkw::dib::PackedDepth(1));
  EXPECT_EQ(4, tkw::dib::PackedDepth(2));
  EXPECT_EQ(4, tkw::dib::PackedDepth(4));
  EXPECT_EQ(8, tkw::dib::PackedDepth(5));
  EXPECT_EQ(8, tkw::dib::PackedDepth(8));
  EXPECT_EQ(24, tkw::dib::PackedDepth(16));
  EXPECT_EQ(24, tkw::dib::PackedDepth(32));
}

}  // namespace
