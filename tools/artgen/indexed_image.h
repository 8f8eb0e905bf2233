// A palettised picture: one palette index per pixel, top row first, as 8- and 4-bit BMP files
// and the 16-colour icon image store it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tools/artgen/image.h"

namespace artgen {

struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<Rgb> palette;
  std::vector<std::uint8_t> indices;

  std::uint8_t index_at(int x, int y) const { return indices[static_cast<size_t>(y) * width + x]; }
  Rgb at(int x, int y) const { return palette[index_at(x, y)]; }
};

}  // namespace artgen
