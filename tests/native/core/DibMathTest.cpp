// Packed bitmap headers: colour counts, table and scan-line sizes, bit-field masks, and damaged
// or lying headers that must be refused without reading past the data.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "core/logic/DibMath.h"

namespace {

using Bytes = std::vector<unsigned char>;
using tkw::dib::Layout;

void Put(Bytes& b, size_t at, std::uint32_t v, int size = 4) {
  for (int i = 0; i < size; ++i) b[at + i] = static_cast<unsigned char>(v >> (8 * i));
}

// A complete bitmap: a core header (12) or an info header of headerSize bytes, the masks of
// bit fields (after a 40-byte header, inside longer ones), a full colour table and the pixels.
Bytes Dib(std::uint32_t headerSize, std::int32_t width, std::int32_t height, std::uint16_t bits,
          std::uint32_t used = 0, const std::uint32_t (&masks)[3] = {}) {
  const bool core = headerSize == 12, fields = masks[0] || masks[1] || masks[2];
  const std::uint32_t colours = used ? used : (bits <= 8 ? 1u << bits : 0);
  const size_t rows = static_cast<size_t>(height < 0 ? -height : height);
  Bytes b(headerSize + (fields && headerSize == 40 ? 12 : 0) + colours * (core ? 3 : 4) +
          (static_cast<size_t>(width) * bits + 31) / 32 * 4 * rows);
  Put(b, 0, headerSize);
  const int field = core ? 2 : 4;  // core headers hold 16-bit sizes
  Put(b, 4, static_cast<std::uint32_t>(width), field);
  Put(b, 4 + field, static_cast<std::uint32_t>(height), field);
  Put(b, 4 + 2 * field, 1, 2);
  Put(b, 6 + 2 * field, bits, 2);
  if (core) return b;
  Put(b, 16, fields ? 3 : 0);
  Put(b, 32, used);
  for (int i = 0; fields && i < 3; ++i) Put(b, 40 + 4 * i, masks[i]);
  return b;
}

TEST(DibMath, ScanLinesAreRoundedToFourBytesAndDeviceDepthsPackIntoDibDepths) {
  const struct {
    std::int64_t width;
    int bits;
    size_t bytes;
  } lines[] = {{1, 1, 4},   {32, 1, 4},  {33, 1, 8}, {7, 4, 4},  {5, 8, 8},
               {3, 24, 12}, {4, 24, 12}, {0, 8, 0},  {-4, 8, 0}, {4, 0, 0}};
  for (const auto& l : lines)
    EXPECT_EQ(l.bytes, tkw::dib::ScanLineBytes(l.width, l.bits)) << l.width << " x " << l.bits;
  const int packed[][2] = {{1, 1}, {2, 4}, {4, 4}, {5, 8}, {8, 8}, {16, 24}, {32, 24}};
  for (const auto& p : packed) EXPECT_EQ(p[1], tkw::dib::PackedDepth(p[0])) << p[0];
}

TEST(DibMath, EveryDepthWithEitherHeaderReadsItsLayout) {
  const struct {
    std::uint16_t bits;
    std::uint32_t colours;
    size_t stride;
  } cases[] = {{1, 2, 4}, {4, 16, 8}, {8, 256, 12}, {24, 0, 32}};
  for (const auto& c : cases) {
    for (std::uint32_t header : {12u, 40u}) {
      SCOPED_TRACE(testing::Message() << c.bits << " bits, " << header << "-byte header");
      const size_t entry = header == 12 ? 3 : 4;
      Bytes b = Dib(header, 10, 3, c.bits);
      Layout layout;
      ASSERT_TRUE(tkw::dib::ReadLayout(b.data(), b.size(), &layout));
      EXPECT_EQ(header == 12, layout.core);
      EXPECT_EQ(c.colours, layout.colours);
      EXPECT_EQ(c.colours, tkw::dib::DibNumColors(b.data(), b.size()));
      EXPECT_EQ(c.colours * entry, tkw::dib::PaletteSize(b.data(), b.size()));
      EXPECT_EQ(c.stride, layout.stride);
      EXPECT_EQ(header + c.colours * entry, layout.bitsOffset);
      EXPECT_EQ(b.size(), layout.bitsOffset + layout.imageBytes);
    }
  }
  Bytes b = Dib(40, 4, -2, 8, 5);
  Layout layout;
  ASSERT_TRUE(tkw::dib::ReadLayout(b.data(), b.size(), &layout));
  EXPECT_EQ(20u, layout.paletteBytes) << "the used-colours count shortens the table";
  EXPECT_TRUE(layout.topDown);
  EXPECT_EQ(2, layout.height);
}

TEST(DibMath, BitFieldMasksAreReadAfterAPlainHeaderAndInsideLongerOnes) {
  for (std::uint32_t header : {40u, 52u, 56u, 108u, 124u}) {
    for (std::uint16_t bits : {16, 32}) {
      SCOPED_TRACE(testing::Message() << header << "-byte header, " << bits << " bits");
      const std::uint32_t masks[2][3] = {{0xF800, 0x07E0, 0x001F}, {0xFF0000, 0xFF00, 0xFF}};
      const auto& m = masks[bits == 16 ? 0 : 1];
      Bytes b = Dib(header, 2, 2, bits, 0, m);
      Layout layout;
      ASSERT_TRUE(tkw::dib::ReadLayout(b.data(), b.size(), &layout));
      EXPECT_EQ(std::vector<std::uint32_t>(m, m + 3),
                std::vector<std::uint32_t>(layout.masks, layout.masks + 3));
      EXPECT_EQ(header == 40 ? 52u : header, layout.bitsOffset);
      EXPECT_FALSE(tkw::dib::ReadLayout(b.data(), b.size() - 1, &layout));
    }
  }
}

TEST(DibMath, LyingOrTruncatedHeadersAreRefusedAndLeaveTheLayoutAlone) {
  const Bytes good = Dib(40, 8, 8, 8), core = Dib(12, 8, 8, 8);
  const struct {
    const char* what;
    Bytes base;
    std::function<void(Bytes&)> lie;
    size_t size;  // bytes passed; 0 for all
  } cases[] = {
      {"one pixel byte missing", good, nullptr, good.size() - 1},
      {"colour table cut short", good, nullptr, 40 + 1024 - 4},
      {"header cut short", good, nullptr, 39},
      {"not even the header size", good, nullptr, 3},
      {"used colours huge", good, [](Bytes& b) { Put(b, 32, 0xFFFFFFFF); }, 0},
      {"more colours than 8 bits index", good, [](Bytes& b) { Put(b, 32, 257); }, 0},
      {"more colours than 4 bits index", Dib(40, 8, 8, 4), [](Bytes& b) { Put(b, 32, 17); }, 0},
      {"a 24-bit table larger than a palette", Dib(40, 8, 8, 24),
       [](Bytes& b) { Put(b, 32, 100000); }, 0},
      {"2 bits", good, [](Bytes& b) { Put(b, 14, 2, 2); }, 0},
      {"33 bits", good, [](Bytes& b) { Put(b, 14, 33, 2); }, 0},
      {"negative width", good, [](Bytes& b) { Put(b, 4, static_cast<std::uint32_t>(-8)); }, 0},
      {"zero height", good, [](Bytes& b) { Put(b, 8, 0); }, 0},
      {"the most negative height", good, [](Bytes& b) { Put(b, 8, 0x80000000u); }, 0},
      {"a huge bitmap in a small resource", good,
       [](Bytes& b) {
         Put(b, 4, 0x7FFFFFFF);
         Put(b, 8, 0x7FFFFFFF);
       },
       0},
      {"two planes", good, [](Bytes& b) { Put(b, 12, 2, 2); }, 0},
      {"run-length compressed", good, [](Bytes& b) { Put(b, 16, 1); }, 0},
      {"unknown header size", good, [](Bytes& b) { Put(b, 0, 41); }, 0},
      {"header size near the top of the range", good, [](Bytes& b) { Put(b, 0, 0xFFFFFFF0u); }, 0},
      {"core: one pixel byte missing", core, nullptr, core.size() - 1},
      {"core: header cut short", core, nullptr, 11},
      {"core: 16 bits", core, [](Bytes& b) { Put(b, 10, 16, 2); }, 0},
      {"core: zero width", core, [](Bytes& b) { Put(b, 4, 0, 2); }, 0},
      {"bit fields: no masks at all", Dib(124, 2, 2, 32, 0, {0, 0, 1}),
       [](Bytes& b) { Put(b, 48, 0); }, 0},
      {"bit fields: masks overlap", Dib(108, 2, 2, 16, 0, {0xF800, 0x0FE0, 0x001F}), nullptr, 0},
      {"bit fields: a mask with a gap", Dib(56, 2, 2, 32, 0, {0xFF00FF, 0xFF00, 0}), nullptr, 0},
      {"bit fields: a mask past 16 bits", Dib(52, 2, 2, 16, 0, {0x1F800, 0x07E0, 0x1F}), nullptr,
       0},
      {"bit fields: masks cut off", Dib(40, 2, 2, 16, 0, {0xF800, 0x07E0, 0x1F}), nullptr, 46},
      {"bit fields: 24 bits", Dib(40, 2, 2, 24, 0, {0xFF0000, 0xFF00, 0xFF}), nullptr, 0},
  };
  for (const auto& c : cases) {
    Bytes b = c.base;
    if (c.lie) c.lie(b);
    Layout layout;
    layout.width = 77;
    EXPECT_FALSE(tkw::dib::ReadLayout(b.data(), c.size ? c.size : b.size(), &layout)) << c.what;
    EXPECT_EQ(77, layout.width) << c.what << ": the layout must stay untouched";
  }
  Bytes channel = Dib(124, 2, 2, 16, 0, {0xF800, 0x07E0, 0});
  Layout layout;
  EXPECT_TRUE(tkw::dib::ReadLayout(channel.data(), channel.size(), &layout))
      << "one empty channel is allowed";
  EXPECT_EQ(0u, tkw::dib::DibNumColors(good.data(), 20)) << "too short for its header";
  EXPECT_EQ(0u, tkw::dib::DibNumColors(nullptr, 100));
  EXPECT_EQ(0u, tkw::dib::PaletteSize(good.data(), 2));
  EXPECT_FALSE(tkw::dib::ReadLayout(nullptr, 100, &layout));
}

}  // namespace
