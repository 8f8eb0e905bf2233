// BMP file images as the bitmap list stores them (with their 14-byte file header): checking the
// layout once, and turning the pixels into 0x00RRGGBB values for memory surfaces.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace verlumo {

// Where the parts of a checked BMP file image lie. Uncompressed images of 1, 4, 8, 24 or 32 bits
// per pixel only; the header, palette and every pixel row are inside the image.
struct BmpLayout {
  int width = 0;
  int height = 0;         // always positive; see top_down
  bool top_down = false;  // rows stored top row first
  int bits_per_pixel = 0;
  std::size_t info_offset = 14;  // BITMAPINFOHEADER, then the palette
  std::size_t info_size = 0;     // header and palette together
  std::size_t palette_entries = 0;
  std::size_t bits_offset = 0;
  std::size_t row_stride = 0;  // bytes per stored row, a multiple of 4
  std::string error;           // empty when the image can be used
};

BmpLayout ParseBmpLayout(const std::vector<std::uint8_t>& image);

struct DecodedBmp {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top row first
  std::string error;
};

DecodedBmp DecodeBmp(const std::vector<std::uint8_t>& image);

// 0x00RRGGBB pixels as opaque R, G, B, A bytes, the order a browser's canvas and libwebp take.
std::vector<std::uint8_t> OpaqueRgbaBytes(const std::vector<std::uint32_t>& pixels);

}  // namespace verlumo
