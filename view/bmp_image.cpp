// Checking and decoding BMP file images. Every offset and size read from the file is checked
// against the image before it is used.
#include "view/bmp_image.h"

#include <limits>

namespace verlumo {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;  // BI_RGB

std::uint32_t Read32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint16_t Read16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

BmpLayout Refuse(const char* why) {
  BmpLayout layout;
  layout.error = why;
  return layout;
}

}  // namespace

BmpLayout ParseBmpLayout(const std::vector<std::uint8_t>& image) {
  if (image.size() < kFileHeaderSize + kInfoHeaderSize) return Refuse("too short for a BMP image");
  if (image[0] != 'B' || image[1] != 'M') return Refuse("not a BMP image");
  const std::uint32_t header_size = Read32(image, 14);
  if (header_size < kInfoHeaderSize || header_size > image.size() - kFileHeaderSize) {
    return Refuse("unsupported BMP header");
  }
  const auto width = static_cast<std::int32_t>(Read32(image, 18));
  const auto height = static_cast<std::int32_t>(Read32(image, 22));
  const int bits = Read16(image, 28);
  const std::uint32_t compression = Read32(image, 30);
  const std::uint32_t colours_used = Read32(image, 46);
  if (compression != kUncompressed) return Refuse("compressed BMP images are not supported");
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) {
    return Refuse("unsupported BMP pixel format");
  }
  // The height may be negative (top-down), but not the most negative value, which has no
  // positive counterpart.
  if (width <= 0 || width > 32768 || height == 0 || height < -32768 || height > 32768) {
    return Refuse("BMP size out of range");
  }

  BmpLayout layout;
  layout.width = width;
  layout.height = height < 0 ? -height : height;
  layout.top_down = height < 0;
  layout.bits_per_pixel = bits;
  if (bits <= 8) {
    const std::size_t full_palette = std::size_t{1} << bits;
    layout.palette_entries = colours_used == 0 ? full_palette : colours_used;
    if (layout.palette_entries > full_palette) return Refuse("BMP palette too long");
  }
  layout.info_size = header_size + layout.palette_entries * 4;
  if (layout.info_size > image.size() - kFileHeaderSize) return Refuse("BMP palette cut off");
  layout.bits_offset = Read32(image, 10);
  layout.row_stride = ((static_cast<std::size_t>(layout.width) * bits + 31) / 32) * 4;
  const std::size_t bits_size = layout.row_stride * static_cast<std::size_t>(layout.height);
  if (layout.bits_offset < kFileHeaderSize + layout.info_size || layout.bits_offset > image.size() ||
      bits_size > image.size() - layout.bits_offset) {
    return Refuse("BMP pixels cut off");
  }
  return layout;
}

DecodedBmp DecodeBmp(const std::vector<std::uint8_t>& image) {
  DecodedBmp decoded;
  const BmpLayout layout = ParseBmpLayout(image);
  if (!layout.error.empty()) {
    decoded.error = layout.error;
    return decoded;
  }
  decoded.width = layout.width;
  decoded.height = layout.height;
  decoded.pixels.resize(static_cast<std::size_t>(layout.width) * layout.height);

  const std::size_t palette_at = kFileHeaderSize + layout.info_size - layout.palette_entries * 4;
  auto palette_colour = [&](std::size_t index) -> std::uint32_t {
    if (index >= layout.palette_entries) return 0;  // an index beyond the palette shows black
    const std::size_t at = palette_at + index * 4;  // blue, green, red, reserved
    return (std::uint32_t{image[at + 2]} << 16) | (image[at + 1] << 8) | image[at];
  };

  for (int y = 0; y < layout.height; ++y) {
    const int stored_row = layout.top_down ? y : layout.height - 1 - y;
    const std::uint8_t* row = &image[layout.bits_offset + layout.row_stride * stored_row];
    for (int x = 0; x < layout.width; ++x) {
      std::uint32_t rgb = 0;
      switch (layout.bits_per_pixel) {
        case 32:
        case 24: {
          const std::uint8_t* p = row + static_cast<std::size_t>(x) * (layout.bits_per_pixel / 8);
          rgb = (std::uint32_t{p[2]} << 16) | (p[1] << 8) | p[0];
          break;
        }
        default: {
          const int bits = layout.bits_per_pixel;
          const int per_byte = 8 / bits;
          const std::uint8_t byte = row[x / per_byte];
          const int shift = 8 - bits * (x % per_byte + 1);
          rgb = palette_colour((byte >> shift) & ((1 << bits) - 1));
        }
      }
      decoded.pixels[static_cast<std::size_t>(y) * layout.width + x] = rgb;
    }
  }
  return decoded;
}

std::vector<std::uint8_t> OpaqueRgbaBytes(const std::vector<std::uint32_t>& pixels) {
  std::vector<std::uint8_t> rgba;
  rgba.reserve(pixels.size() * 4);
  for (const std::uint32_t pixel : pixels) {
    rgba.insert(rgba.end(), {static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
                             static_cast<std::uint8_t>(pixel), 255});
  }
  return rgba;
}

}  // namespace verlumo
