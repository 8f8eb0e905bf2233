// Deepening the grass of the fixed tiles, and only their grass.
#include "tools/artgen/tiles/fixed_ground.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "tools/artgen/tiles/ground.h"
#include "tools/artgen/tiles/tile_canvas.h"

namespace artgen::tiles {
namespace {

constexpr double kDarker = 0.84;  // the ground's brightness against the pieces' grass
constexpr double kCooler = 0.10;  // less red, more blue: ground in the shade
constexpr double kTufted = 1.4;   // the grass's own light and dark, drawn apart

double Channel(const Rgb& p, int channel) { return channel == 0 ? p.r : channel == 1 ? p.g : p.b; }

std::uint8_t Byte(double value) {
  return static_cast<std::uint8_t>(std::clamp(std::floor(value + 0.5), 0.0, 255.0));
}

// The fixed ground's grass, pixel for pixel under the grass of the pieces.
const Image& DeepGrass() {
  static const Image deep = [] {
    const Image grass = GrassTile();
    std::array<double, 3> mean{};
    for (const Rgb& p : grass.pixels) {
      for (int c = 0; c < 3; ++c) mean[c] += Channel(p, c) / grass.pixels.size();
    }
    Image tile(kCell, kCell);
    for (std::size_t i = 0; i < grass.pixels.size(); ++i) {
      std::array<double, 3> v{};
      for (int c = 0; c < 3; ++c) {
        v[c] = (mean[c] + (Channel(grass.pixels[i], c) - mean[c]) * kTufted) * kDarker;
      }
      tile.pixels[i] = {Byte(v[0] * (1 - kCooler)), Byte(v[1]), Byte(v[2] * (1 + kCooler) + 30 * kCooler)};
    }
    return tile;
  }();
  return deep;
}

}  // namespace

void LayFixedGround(Image& sheet, const GrassMasks& masks, int x, int y) {
  static const Image grass = GrassTile();
  const Image& deep = DeepGrass();
  for (int dy = 0; dy < kCell; ++dy) {
    for (int dx = 0; dx < kCell; ++dx) {
      const Rgb& black = masks.on_black.at(x + dx, y + dy);
      const Rgb& white = masks.on_white.at(x + dx, y + dy);
      // Cairo laid the grass with this share under whatever covers it; swapping it for the deep
      // grass by the same share leaves the cover as painted.
      const double share = ((white.r - black.r) + (white.g - black.g) + (white.b - black.b)) / (3 * 255.0);
      if (share <= 0) continue;
      Rgb& pixel = sheet.at(x + dx, y + dy);
      const Rgb& from = grass.at(dx, dy);
      const Rgb& to = deep.at(dx, dy);
      pixel = {Byte(pixel.r + share * (to.r - from.r)), Byte(pixel.g + share * (to.g - from.g)),
               Byte(pixel.b + share * (to.b - from.b))};
    }
  }
}

}  // namespace artgen::tiles
