// A plain 24-bit picture in memory, top row first, as the art generator hands pictures around.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace artgen {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Image {
  Image() = default;
  Image(int w, int h, Rgb fill = {}) : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}

  Rgb& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
  const Rgb& at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }

  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;
};

}  // namespace artgen
