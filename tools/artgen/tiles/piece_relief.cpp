// The light on the edges of movable and fixed pieces.
#include "tools/artgen/tiles/piece_relief.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "tools/artgen/tiles/tile_canvas.h"

namespace artgen::tiles {
namespace {

// Blends one channel towards white (amount > 0) or black (amount < 0), rounding half up, so the
// same pixel always gives the same byte.
std::uint8_t Blend(std::uint8_t value, double amount) {
  const double target = amount > 0 ? 255.0 : 0.0;
  const double share = std::abs(amount);
  return static_cast<std::uint8_t>(std::floor(value + (target - value) * share + 0.5));
}

// The share of the edge's light left at a depth: full on the border line, fading smoothly.
double Falloff(int depth_in, int depth) {
  if (depth_in >= depth) return 0;
  const double t = 1.0 - static_cast<double>(depth_in) / depth;
  return t * t;
}

}  // namespace

Relief RaisedPiece() { return {0.34, -0.42, 4}; }

void LightCell(Image& image, int x, int y, const Relief& relief) {
  for (int dy = 0; dy < kCell; ++dy) {
    for (int dx = 0; dx < kCell; ++dx) {
      // The nearest side decides: top and left take the highlight, bottom and right the shade.
      // On the two diagonals that part the lit from the shaded sides, the lit side wins above
      // and to the left of them.
      const int top = dy, left = dx, bottom = kCell - 1 - dy, right = kCell - 1 - dx;
      const int lit = std::min(top, left);
      const int shaded = std::min(bottom, right);
      const bool on_lit_side = lit < shaded || (lit == shaded && top + left < bottom + right);
      const double amount =
          on_lit_side ? relief.top_left * Falloff(lit, relief.depth) : relief.bottom_right * Falloff(shaded, relief.depth);
      if (amount == 0) continue;
      Rgb& pixel = image.at(x + dx, y + dy);
      pixel = {Blend(pixel.r, amount), Blend(pixel.g, amount), Blend(pixel.b, amount)};
    }
  }
}

}  // namespace artgen::tiles
