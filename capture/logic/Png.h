// Minimal PNG writer: 32-bit BGRA pixels in, a valid truecolour PNG file out.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace tks {

// Encodes width x height pixels (top-down rows of 0xAARRGGBB words as GDI stores them,
// alpha ignored) into the bytes of a PNG file with stored (uncompressed) deflate blocks.
std::vector<std::uint8_t> EncodePng(int width, int height, const std::uint32_t* pixels);

// Writes the PNG bytes to a file; false when the file cannot be written.
bool WritePngFile(const std::string& path, int width, int height, const std::uint32_t* pixels);

}  // namespace tks
