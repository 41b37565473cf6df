// Header arithmetic of packed device-independent bitmaps, never reading past the data.
#include "core/logic/DibMath.h"

#include <limits>

namespace tkw {
namespace dib {
namespace {

// Little-endian field readers; the caller has checked the offset against the size.
std::uint16_t U16(const unsigned char* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
std::uint32_t U32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::int32_t I32(const unsigned char* p) {
  return static_cast<std::int32_t>(U32(p));
}

bool KnownInfoSize(std::uint32_t headerSize) {
  return headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 108 ||
         headerSize == 124;
}

std::uint32_t ColoursForDepth(std::uint32_t bitCount) {
  switch (bitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
  }
}

// Masks a bit-field pixel can be drawn with: at least one channel, each one run of bits inside
// the pixel, no bit claimed twice.
bool UsableMasks(const std::uint32_t (&masks)[3], std::uint16_t bitCount) {
  const std::uint64_t pixelBits = (std::uint64_t{1} << bitCount) - 1;
  std::uint32_t seen = 0;
  for (std::uint32_t mask : masks) {
    if ((mask & ~pixelBits) != 0 || (mask & seen) != 0) return false;
    // A single run: adding the lowest set bit carries through the run and leaves nothing below.
    const std::uint32_t low = mask & (~mask + 1);
    if (((mask + low) & mask) != 0) return false;
    seen |= mask;
  }
  return seen != 0;
}

}  // namespace

std::size_t ScanLineBytes(std::int64_t width, int bitCount) {
  if (width <= 0 || bitCount <= 0 || bitCount > 32) return 0;
  const std::uint64_t bits =
      static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bitCount);
  const std::uint64_t bytes = ((bits + 31) / 32) * 4;
  if (bytes > std::numeric_limits<std::size_t>::max() / 2) return 0;
  return static_cast<std::size_t>(bytes);
}

std::uint32_t DibNumColors(const void* header, std::size_t size) {
  if (!header || size < 4) return 0;
  const auto* p = static_cast<const unsigned char*>(header);
  const std::uint32_t headerSize = U32(p);
  if (headerSize == kCoreHeaderSize) {
    if (size < kCoreHeaderSize) return 0;
    return ColoursForDepth(U16(p + 10));
  }
  if (!KnownInfoSize(headerSize) || size < kInfoHeaderSize) return 0;
  const std::uint32_t used = U32(p + 32);
  if (used != 0) return used;
  return ColoursForDepth(U16(p + 14));
}

std::size_t PaletteSize(const void* header, std::size_t size) {
  if (!header || size < 4) return 0;
  const std::uint32_t entry =
      U32(static_cast<const unsigned char*>(header)) == kCoreHeaderSize ? 3 : 4;
  return static_cast<std::size_t>(DibNumColors(header, size)) * entry;
}

bool ReadLayout(const void* data, std::size_t size, Layout* layout) {
  if (!data || !layout || size < 4) return false;
  const auto* p = static_cast<const unsigned char*>(data);
  Layout out;
  out.headerSize = U32(p);
  std::int64_t height = 0;
  std::uint16_t planes = 0;
  if (out.headerSize == kCoreHeaderSize) {
    if (size < kCoreHeaderSize) return false;
    out.core = true;
    out.width = U16(p + 4);
    height = U16(p + 6);
    planes = U16(p + 8);
    out.bitCount = U16(p + 10);
    if (out.bitCount != 1 && out.bitCount != 4 && out.bitCount != 8 && out.bitCount != 24)
      return false;
  } else {
    if (!KnownInfoSize(out.headerSize) || size < out.headerSize) return false;
    out.width = I32(p + 4);
    height = I32(p + 8);
    planes = U16(p + 12);
    out.bitCount = U16(p + 14);
    out.compression = U32(p + 16);
    switch (out.bitCount) {
      case 1:
      case 4:
      case 8:
      case 24:
        if (out.compression != 0) return false;
        break;
      case 16:
      case 32:
        if (out.compression != 0 && out.compression != kBitFields) return false;
        break;
      default: return false;
    }
    if (out.compression == kBitFields) {
      // The masks follow a plain info header; the longer headers hold them inside.
      if (out.headerSize == kInfoHeaderSize) out.maskBytes = sizeof out.masks;
      if (size < kMaskOffset + sizeof out.masks) return false;
      for (int i = 0; i < 3; ++i) out.masks[i] = U32(p + kMaskOffset + 4 * i);
      if (!UsableMasks(out.masks, out.bitCount)) return false;
    }
  }
  if (planes != 1 || out.width <= 0 || height == 0) return false;
  if (height < 0) {
    if (out.core || height == std::numeric_limits<std::int32_t>::min()) return false;
    out.topDown = true;
    height = -height;
  }
  out.height = static_cast<std::int32_t>(height);

  out.colours = DibNumColors(data, size);
  const std::uint32_t indexable = ColoursForDepth(out.bitCount);
  // A table longer than the pixels can index is a lying header; deeper bitmaps may carry an
  // optional table, but never more than a palette holds.
  if (indexable != 0 ? out.colours > indexable : out.colours > 256) return false;
  out.paletteBytes = PaletteSize(data, size);
  out.bitsOffset = out.headerSize + out.maskBytes + out.paletteBytes;
  out.stride = ScanLineBytes(out.width, out.bitCount);
  if (out.stride == 0) return false;
  if (static_cast<std::uint64_t>(out.height) > std::numeric_limits<std::size_t>::max() / out.stride)
    return false;
  out.imageBytes = out.stride * static_cast<std::size_t>(out.height);
  if (out.bitsOffset > size || out.imageBytes > size - out.bitsOffset) return false;
  *layout = out;
  return true;
}

int PackedDepth(int bitsPerPixel) {
  if (bitsPerPixel <= 1) return 1;
  if (bitsPerPixel <= 4) return 4;
  if (bitsPerPixel <= 8) return 8;
  return 24;
}

}  // namespace dib
}  // namespace tkw
