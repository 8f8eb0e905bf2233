// Stone: a warm sandstone with broad cloudy variation, a fine grain and scattered dark and light
// specks, a stone that sits warm beside the green of the board.
#include "tools/artgen/stone.h"

#include "tools/artgen/noise.h"
#include "tools/artgen/paint.h"

namespace artgen {

namespace {

constexpr Rgb kStoneBase{178, 162, 136};
constexpr std::uint32_t kCloudSeed = 11;
constexpr std::uint32_t kGrainSeed = 23;
constexpr std::uint32_t kSpeckSeed = 37;

}  // namespace

Rgb StoneAt(int x, int y) {
  const double cloud = FractalNoise(x / 23.0, y / 19.0, 4, kCloudSeed) - 0.5;
  const double grain = Random01(x, y, kGrainSeed) - 0.5;
  Rgb colour = Shade(kStoneBase, cloud * 0.45 + grain * 0.10);
  const double speck = Random01(x, y, kSpeckSeed);
  if (speck > 0.965)
    colour = Shade(colour, -0.30);
  else if (speck < 0.02)
    colour = Shade(colour, 0.25);
  return colour;
}

}  // namespace artgen
