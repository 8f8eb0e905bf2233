// ICO encoding: the directory, then per image a BITMAPINFOHEADER with doubled height, the colour
// pixels bottom-up and the 1-bit AND mask (set bits are transparent) bottom-up.
#include "tools/artgen/ico_writer.h"

#include <stdexcept>

#include "tools/artgen/bmp_writer.h"

namespace artgen {

namespace {

constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;

void PutMask(Bytes& out, const IconImage& image) {
  const int row_bytes = ((image.size + 31) / 32) * 4;
  for (int y = image.size - 1; y >= 0; --y) {
    Bytes row(static_cast<size_t>(row_bytes), 0);
    for (int x = 0; x < image.size; ++x) {
      if (!image.opaque[static_cast<size_t>(y) * image.size + x]) {
        row[static_cast<size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      }
    }
    PutRange(out, row);
  }
}

Bytes TrueColourDib(const IconImage& image) {
  Bytes dib;
  Put32(dib, 40);
  Put32(dib, static_cast<std::uint32_t>(image.size));
  Put32(dib, static_cast<std::uint32_t>(image.size * 2));
  Put16(dib, 1);
  Put16(dib, 32);
  Put32(dib, 0);
  Put32(dib, static_cast<std::uint32_t>(image.size * image.size * 4));
  Put32(dib, 0);
  Put32(dib, 0);
  Put32(dib, 0);
  Put32(dib, 0);
  for (int y = image.size - 1; y >= 0; --y) {
    for (int x = 0; x < image.size; ++x) {
      const Rgb p = image.rgb.at(x, y);
      dib.push_back(p.b);
      dib.push_back(p.g);
      dib.push_back(p.r);
      dib.push_back(image.alpha[static_cast<size_t>(y) * image.size + x]);
    }
  }
  return dib;
}

}  // namespace

Bytes EncodeIco(const std::vector<IconImage>& images) {
  std::vector<Bytes> bodies;
  for (const IconImage& image : images) {
    if (image.opaque.size() != static_cast<size_t>(image.size) * image.size) {
      throw std::invalid_argument("icon mask does not match the image size");
    }
    Bytes body = image.indexed.palette.empty() ? TrueColourDib(image)
                                               : EncodeDibIndexed(image.indexed, 4, 2);
    PutMask(body, image);
    bodies.push_back(std::move(body));
  }

  Bytes out;
  Put16(out, 0);
  Put16(out, 1);  // icon, not cursor
  Put16(out, static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset = kDirectorySize + kEntrySize * static_cast<std::uint32_t>(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    const bool indexed = !images[i].indexed.palette.empty();
    out.push_back(static_cast<std::uint8_t>(images[i].size));
    out.push_back(static_cast<std::uint8_t>(images[i].size));
    out.push_back(indexed ? 16 : 0);
    out.push_back(0);
    Put16(out, 1);
    Put16(out, indexed ? 4 : 32);
    Put32(out, static_cast<std::uint32_t>(bodies[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(bodies[i].size());
  }
  for (const Bytes& body : bodies) PutRange(out, body);
  return out;
}

}  // namespace artgen
