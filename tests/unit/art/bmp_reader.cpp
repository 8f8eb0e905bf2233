// File readers for the art tests.
#include "tests/unit/art/bmp_reader.h"

#include <stdexcept>

namespace art_test {

namespace {

void Require(bool condition, const std::string& what) {
  if (!condition) throw std::runtime_error(what);
}

}  // namespace

std::uint32_t Le16(const Bytes& bytes, size_t at) {
  Require(at + 2 <= bytes.size(), "read past the end");
  return bytes[at] | (bytes[at + 1] << 8);
}

std::uint32_t Le32(const Bytes& bytes, size_t at) {
  return Le16(bytes, at) | (Le16(bytes, at + 2) << 16);
}

DecodedBmp DecodeBmp(const Bytes& file) {
  Require(file.size() >= 54 && file[0] == 'B' && file[1] == 'M', "not a BMP file");
  Require(Le32(file, 2) == file.size(), "file size field does not match");
  const std::uint32_t pixel_offset = Le32(file, 10);
  Require(Le32(file, 14) == 40, "not a BITMAPINFOHEADER");
  DecodedBmp bmp;
  bmp.width = static_cast<int>(Le32(file, 18));
  bmp.height = static_cast<int>(Le32(file, 22));
  Require(bmp.width > 0 && bmp.height > 0, "rows must be stored bottom-up");
  Require(Le16(file, 26) == 1, "planes must be 1");
  bmp.bits_per_pixel = static_cast<int>(Le16(file, 28));
  Require(Le32(file, 30) == 0, "compressed BMP");
  const std::uint32_t colours_used = Le32(file, 46);
  if (bmp.bits_per_pixel <= 8) {
    const std::uint32_t entries = colours_used != 0 ? colours_used : 1u << bmp.bits_per_pixel;
    Require(54 + entries * 4 <= pixel_offset, "palette overlaps the pixels");
    for (std::uint32_t i = 0; i < entries; ++i) {
      const size_t at = 54 + i * 4;
      bmp.palette.push_back(artgen::Rgb{file[at + 2], file[at + 1], file[at]});
    }
  }
  const size_t row_bytes = ((static_cast<size_t>(bmp.width) * bmp.bits_per_pixel + 31) / 32) * 4;
  Require(pixel_offset + row_bytes * bmp.height == file.size(), "pixel data size is wrong");
  bmp.image = artgen::Image(bmp.width, bmp.height);
  for (int y = 0; y < bmp.height; ++y) {
    const size_t row = pixel_offset + row_bytes * (bmp.height - 1 - y);
    for (int x = 0; x < bmp.width; ++x) {
      if (bmp.bits_per_pixel == 24) {
        const size_t at = row + x * 3;
        bmp.image.at(x, y) = artgen::Rgb{file[at + 2], file[at + 1], file[at]};
        continue;
      }
      std::uint8_t index = 0;
      if (bmp.bits_per_pixel == 8) {
        index = file[row + x];
      } else if (bmp.bits_per_pixel == 4) {
        const std::uint8_t pair = file[row + x / 2];
        index = x % 2 == 0 ? pair >> 4 : pair & 0x0f;
      } else {
        throw std::runtime_error("unexpected pixel format");
      }
      Require(index < bmp.palette.size(), "pixel outside the palette");
      bmp.indices.push_back(index);
      bmp.image.at(x, y) = bmp.palette[index];
    }
  }
  return bmp;
}

DecodedWav DecodeWav(const Bytes& file) {
  Require(file.size() >= 12 && std::string(file.begin(), file.begin() + 4) == "RIFF" &&
              std::string(file.begin() + 8, file.begin() + 12) == "WAVE",
          "not a RIFF WAVE file");
  DecodedWav wav;
  wav.riff_size = Le32(file, 4);
  Require(wav.riff_size + 8 == file.size(), "RIFF size does not match the file");
  bool have_format = false, have_data = false;
  size_t at = 12;
  while (at < file.size()) {
    Require(at + 8 <= file.size(), "truncated chunk header");
    const std::string id(file.begin() + static_cast<long>(at),
                         file.begin() + static_cast<long>(at) + 4);
    const std::uint32_t size = Le32(file, at + 4);
    Require(at + 8 + size <= file.size(), "chunk runs past the end");
    if (id == "fmt ") {
      wav.format = static_cast<int>(Le16(file, at + 8));
      wav.channels = static_cast<int>(Le16(file, at + 10));
      wav.samples_per_second = static_cast<int>(Le32(file, at + 12));
      Require(Le32(file, at + 16) == Le32(file, at + 12) * Le16(file, at + 20),
              "byte rate does not match");
      wav.bits_per_sample = static_cast<int>(Le16(file, at + 22));
      have_format = true;
    } else if (id == "data") {
      wav.samples.assign(file.begin() + static_cast<long>(at) + 8,
                         file.begin() + static_cast<long>(at + 8 + size));
      have_data = true;
    }
    at += 8 + size + size % 2;  // chunks are padded to even length
  }
  Require(at == file.size(), "chunks do not end with the file");
  Require(have_format && have_data, "missing fmt or data chunk");
  return wav;
}

std::vector<IconEntry> DecodeIco(const Bytes& file) {
  Require(file.size() >= 6 && Le16(file, 0) == 0 && Le16(file, 2) == 1, "not an icon file");
  const std::uint32_t count = Le16(file, 4);
  std::vector<IconEntry> entries;
  for (std::uint32_t i = 0; i < count; ++i) {
    const size_t at = 6 + i * 16;
    IconEntry entry;
    entry.width = file.at(at) == 0 ? 256 : file.at(at);
    entry.height = file.at(at + 1) == 0 ? 256 : file.at(at + 1);
    entry.colour_count = file.at(at + 2);
    entry.bits_per_pixel = static_cast<int>(Le16(file, at + 6));
    const std::uint32_t size = Le32(file, at + 8), offset = Le32(file, at + 12);
    Require(offset + size <= file.size() && size >= 40, "icon image outside the file");
    Require(Le32(file, offset) == 40, "icon image without BITMAPINFOHEADER");
    entry.header_height = static_cast<int>(Le32(file, offset + 8));
    entry.header_bits_per_pixel = static_cast<int>(Le16(file, offset + 14));
    entry.palette_entries = Le32(file, offset + 32);
    const size_t colour_rows =
        ((static_cast<size_t>(entry.width) * entry.header_bits_per_pixel + 31) / 32) * 4;
    const size_t mask_rows = ((static_cast<size_t>(entry.width) + 31) / 32) * 4;
    const size_t palette =
        entry.header_bits_per_pixel <= 8 ? (size_t{4} << entry.header_bits_per_pixel) : 0;
    Require(size == 40 + palette + (colour_rows + mask_rows) * entry.height,
            "icon image size is wrong");
    entries.push_back(entry);
  }
  return entries;
}

}  // namespace art_test
