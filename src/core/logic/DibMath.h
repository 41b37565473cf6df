// Header arithmetic of packed device-independent bitmaps, checked against the size of the data.
#pragma once
#include <cstddef>
#include <cstdint>

namespace tkw {
namespace dib {

// Sizes of the two header kinds a packed bitmap may start with.
constexpr std::uint32_t kCoreHeaderSize = 12;  // BITMAPCOREHEADER
constexpr std::uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER (V2 to V5 headers are longer)
// Bit-field pixels (16 and 32 bits): the colour masks follow a 40-byte header and sit inside
// the longer ones, at the same offset.
constexpr std::uint32_t kBitFields = 3;  // BI_BITFIELDS
constexpr std::uint32_t kMaskOffset = 40;

// What a packed bitmap's header says, once it has been checked against the data's size.
struct Layout {
  bool core = false;             // a core header (RGB triples in the colour table)
  std::uint32_t headerSize = 0;  // bytes of the header itself
  std::int32_t width = 0;
  std::int32_t height = 0;        // always positive; see topDown
  bool topDown = false;           // a negative height in the header
  std::uint16_t bitCount = 0;     // 1, 4, 8, 16, 24 or 32
  std::uint32_t compression = 0;  // 0 (BI_RGB) or 3 (BI_BITFIELDS, 16 and 32 bits only)
  std::uint32_t colours = 0;      // colour table entries (DibNumColors)
  std::uint32_t masks[3] = {};    // red, green and blue masks of bit-field pixels, else 0
  std::size_t maskBytes = 0;      // bytes the masks take after the header (40-byte header), or 0
  std::size_t paletteBytes = 0;   // PaletteSize
  std::size_t bitsOffset = 0;     // where the pixels start
  std::size_t stride = 0;         // bytes per scan line (rounded to 32 bits)
  std::size_t imageBytes = 0;     // stride times height
};

// Bytes per scan line of a bitmap of that width and depth, rounded up to 32 bits;
// 0 when the width or depth is not positive or the size does not fit.
std::size_t ScanLineBytes(std::int64_t width, int bitCount);

// Colour table entries a header asks for: for a core header 2, 16 or 256 for 1, 4 or 8 bits
// per pixel and 0 otherwise; for an info header its used-colours field when that is not zero,
// else the same rule. header must hold at least the header's own size field and fields; 0 for
// anything shorter or of an unknown header size.
std::uint32_t DibNumColors(const void* header, std::size_t size);

// Bytes of the colour table: colours times 3 for a core header, times 4 otherwise.
std::size_t PaletteSize(const void* header, std::size_t size);

// Reads and checks the header of a packed bitmap of size bytes. False (and layout untouched)
// when the header is not one we can draw or when the colour table or the pixels would lie
// past the end of the data: unknown header sizes, a plane count other than 1, bit counts
// outside 1/4/8/16/24/32 (core headers: 1/4/8/24), compressed pixels, widths or heights of 0
// or below, used-colour counts beyond what the depth can index (or beyond 256), and bit-field
// masks that are all empty, overlap, have gaps or reach past the pixel's bits.
bool ReadLayout(const void* data, std::size_t size, Layout* layout);

// The depth a device bitmap is packed into: 1, 4 (for 2 to 4), 8 (for 5 to 8) or 24.
int PackedDepth(int bitsPerPixel);

}  // namespace dib
}  // namespace tkw
