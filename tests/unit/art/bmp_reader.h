// Reads BMP, WAV and ICO files back for the tests, written independently of the encoders so
// that a fault in an encoder cannot hide itself.
#pragma once

#include <cstddef>  // size_t, which image.h uses
#include <cstdint>
#include <string>
#include <vector>

#include "tools/artgen/image.h"

namespace art_test {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Le16(const Bytes& bytes, size_t at);
std::uint32_t Le32(const Bytes& bytes, size_t at);

struct DecodedBmp {
  int width = 0;
  int height = 0;
  int bits_per_pixel = 0;
  std::vector<artgen::Rgb> palette;   // empty for 24-bit files
  std::vector<std::uint8_t> indices;  // palette index per pixel, top row first (palettised)
  artgen::Image image;                // the colours, top row first
};

// Decodes an uncompressed bottom-up BMP with a BITMAPINFOHEADER; throws std::runtime_error
// naming what is wrong.
DecodedBmp DecodeBmp(const Bytes& file);

struct DecodedWav {
  int channels = 0;
  int samples_per_second = 0;
  int bits_per_sample = 0;
  int format = 0;
  std::uint32_t riff_size = 0;
  Bytes samples;
};

// Walks the RIFF chunks of a WAVE file; throws std::runtime_error when they do not add up.
DecodedWav DecodeWav(const Bytes& file);

struct IconEntry {
  int width = 0;
  int height = 0;
  int colour_count = 0;
  int bits_per_pixel = 0;         // from the directory entry
  int header_bits_per_pixel = 0;  // from the image's own BITMAPINFOHEADER
  int header_height = 0;
  std::uint32_t palette_entries = 0;
};

// Reads the icon directory and each image's header; throws when an image lies outside the file.
std::vector<IconEntry> DecodeIco(const Bytes& file);

}  // namespace art_test
