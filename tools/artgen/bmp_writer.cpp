// BMP encoding. Rows are stored bottom-up and padded to four bytes; the resolution fields say
// 96 dots per inch, which is what the game's pictures are drawn for.
#include "tools/artgen/bmp_writer.h"

#include <stdexcept>

namespace artgen {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelsPerMetre = 3780;

std::uint32_t RowBytes(int width, int bits_per_pixel) {
  return ((static_cast<std::uint32_t>(width) * bits_per_pixel + 31) / 32) * 4;
}

void PutInfoHeader(Bytes& out, int width, int height, int bits_per_pixel, std::uint32_t image_size,
                   std::uint32_t colours_used) {
  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bits_per_pixel));
  Put32(out, 0);  // BI_RGB, uncompressed
  Put32(out, image_size);
  Put32(out, kPixelsPerMetre);
  Put32(out, kPixelsPerMetre);
  Put32(out, colours_used);
  Put32(out, 0);
}

Bytes WithFileHeader(const Bytes& dib, std::uint32_t pixel_offset_in_dib) {
  Bytes out;
  PutTag(out, "BM");
  Put32(out, kFileHeaderSize + static_cast<std::uint32_t>(dib.size()));
  Put32(out, 0);
  Put32(out, kFileHeaderSize + pixel_offset_in_dib);
  PutRange(out, dib);
  return out;
}

}  // namespace

Bytes EncodeBmp24(const Image& image) {
  const std::uint32_t row_bytes = RowBytes(image.width, 24);
  Bytes dib;
  PutInfoHeader(dib, image.width, image.height, 24, row_bytes * image.height, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const Rgb p = image.at(x, y);
      dib.push_back(p.b);
      dib.push_back(p.g);
      dib.push_back(p.r);
    }
    for (std::uint32_t pad = static_cast<std::uint32_t>(image.width) * 3; pad < row_bytes; ++pad) {
      dib.push_back(0);
    }
  }
  return WithFileHeader(dib, kInfoHeaderSize);
}

Bytes EncodeDibIndexed(const IndexedImage& image, int bits_per_pixel, int height_factor) {
  if (bits_per_pixel != 8 && bits_per_pixel != 4) {
    throw std::invalid_argument("indexed pictures are stored with 8 or 4 bits per pixel");
  }
  const size_t palette_entries = size_t{1} << bits_per_pixel;
  if (image.palette.size() > palette_entries) {
    throw std::invalid_argument("palette too long for the pixel format");
  }
  const std::uint32_t row_bytes = RowBytes(image.width, bits_per_pixel);
  Bytes dib;
  PutInfoHeader(dib, image.width, image.height * height_factor, bits_per_pixel,
                row_bytes * image.height, static_cast<std::uint32_t>(palette_entries));
  for (size_t i = 0; i < palette_entries; ++i) {
    const Rgb c = i < image.palette.size() ? image.palette[i] : Rgb{};
    dib.push_back(c.b);
    dib.push_back(c.g);
    dib.push_back(c.r);
    dib.push_back(0);
  }
  for (int y = image.height - 1; y >= 0; --y) {
    const size_t row_start = dib.size();
    for (int x = 0; x < image.width; ++x) {
      const std::uint8_t index = image.index_at(x, y);
      if (index >= image.palette.size()) throw std::invalid_argument("pixel outside the palette");
      if (bits_per_pixel == 8) {
        dib.push_back(index);
      } else if (x % 2 == 0) {
        dib.push_back(static_cast<std::uint8_t>(index << 4));
      } else {
        dib.back() |= index;
      }
    }
    dib.resize(row_start + row_bytes, 0);
  }
  return dib;
}

Bytes EncodeBmpIndexed(const IndexedImage& image, int bits_per_pixel) {
  const Bytes dib = EncodeDibIndexed(image, bits_per_pixel, 1);
  return WithFileHeader(dib, kInfoHeaderSize + (4u << bits_per_pixel));
}

}  // namespace artgen
