// Median cut: the colour box with the widest spread (weighted by how many pixels it holds) is
// split at its pixel-weighted median along its longest side until the palette is full.
#include "tools/artgen/palette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <stdexcept>

namespace artgen {

namespace {

struct ColourCount {
  Rgb colour;
  long count = 0;
};

using Box = std::vector<ColourCount>;

int Component(const Rgb& c, int axis) { return axis == 0 ? c.r : axis == 1 ? c.g : c.b; }

std::array<int, 3> Ranges(const Box& box) {
  std::array<int, 3> low{255, 255, 255};
  std::array<int, 3> high{0, 0, 0};
  for (const ColourCount& cc : box) {
    for (int axis = 0; axis < 3; ++axis) {
      low[axis] = std::min(low[axis], Component(cc.colour, axis));
      high[axis] = std::max(high[axis], Component(cc.colour, axis));
    }
  }
  return {high[0] - low[0], high[1] - low[1], high[2] - low[2]};
}

double SplitPriority(const Box& box) {
  if (box.size() < 2) return -1.0;
  const std::array<int, 3> r = Ranges(box);
  long pixels = 0;
  for (const ColourCount& cc : box) pixels += cc.count;
  // Both the spread and the number of pixels count: large smooth areas (grass, sky) must not
  // band, but a small patch of a distinct colour (a sign, a line) must keep a colour too.
  return static_cast<double>(*std::max_element(r.begin(), r.end())) *
         std::sqrt(static_cast<double>(pixels));
}

std::pair<Box, Box> Split(Box box) {
  const std::array<int, 3> r = Ranges(box);
  const int axis = static_cast<int>(std::max_element(r.begin(), r.end()) - r.begin());
  std::stable_sort(box.begin(), box.end(), [axis](const ColourCount& a, const ColourCount& b) {
    return Component(a.colour, axis) < Component(b.colour, axis);
  });
  long total = 0;
  for (const ColourCount& cc : box) total += cc.count;
  long running = 0;
  size_t cut = 1;
  for (size_t i = 0; i + 1 < box.size(); ++i) {
    running += box[i].count;
    cut = i + 1;
    if (running * 2 >= total) break;
  }
  return {Box(box.begin(), box.begin() + static_cast<long>(cut)),
          Box(box.begin() + static_cast<long>(cut), box.end())};
}

Rgb Average(const Box& box) {
  double r = 0, g = 0, b = 0, n = 0;
  for (const ColourCount& cc : box) {
    r += cc.colour.r * static_cast<double>(cc.count);
    g += cc.colour.g * static_cast<double>(cc.count);
    b += cc.colour.b * static_cast<double>(cc.count);
    n += static_cast<double>(cc.count);
  }
  return Rgb{static_cast<std::uint8_t>(r / n + 0.5), static_cast<std::uint8_t>(g / n + 0.5),
             static_cast<std::uint8_t>(b / n + 0.5)};
}

int DistanceSquared(const Rgb& a, const Rgb& b) {
  // Green weighs most and blue least, roughly as the eye sees differences.
  const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
  return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

}  // namespace

IndexedImage Quantise(const Image& image, int max_colours, const std::vector<Rgb>& keep) {
  if (max_colours < 1 || max_colours > 256 || static_cast<int>(keep.size()) > max_colours) {
    throw std::invalid_argument("palette size out of range");
  }
  auto key = [](const Rgb& c) { return (c.r << 16) | (c.g << 8) | c.b; };
  std::map<int, long> histogram;
  for (const Rgb& p : image.pixels) ++histogram[key(p)];
  for (const Rgb& k : keep) histogram.erase(key(k));

  Box all;
  for (const auto& [k, count] : histogram) {
    all.push_back({Rgb{static_cast<std::uint8_t>(k >> 16), static_cast<std::uint8_t>(k >> 8),
                       static_cast<std::uint8_t>(k)},
                   count});
  }

  IndexedImage out;
  out.width = image.width;
  out.height = image.height;
  out.palette = keep;
  const size_t free_entries = static_cast<size_t>(max_colours) - keep.size();
  if (all.size() <= free_entries) {
    for (const ColourCount& cc : all) out.palette.push_back(cc.colour);
  } else if (free_entries > 0) {
    std::vector<Box> boxes{all};
    while (boxes.size() < free_entries) {
      size_t best = 0;
      for (size_t i = 1; i < boxes.size(); ++i) {
        if (SplitPriority(boxes[i]) > SplitPriority(boxes[best])) best = i;
      }
      if (SplitPriority(boxes[best]) < 0) break;
      auto [a, b] = Split(boxes[best]);
      boxes[best] = std::move(a);
      boxes.push_back(std::move(b));
    }
    for (const Box& box : boxes) out.palette.push_back(Average(box));
  }

  std::map<int, std::uint8_t> nearest;
  out.indices.reserve(image.pixels.size());
  for (const Rgb& p : image.pixels) {
    auto found = nearest.find(key(p));
    if (found == nearest.end()) {
      size_t best = 0;
      for (size_t i = 1; i < out.palette.size(); ++i) {
        if (DistanceSquared(p, out.palette[i]) < DistanceSquared(p, out.palette[best])) best = i;
      }
      found = nearest.emplace(key(p), static_cast<std::uint8_t>(best)).first;
    }
    out.indices.push_back(found->second);
  }
  return out;
}

}  // namespace artgen
