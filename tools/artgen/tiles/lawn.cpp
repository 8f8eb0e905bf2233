// Painting the lawn's small plants. Every choice comes from a seed, so each picture is the same
// in every run.
#include "tools/artgen/tiles/lawn.h"

#include <cmath>
#include <numbers>
#include <utility>

#include "tools/artgen/tiles/details.h"
#include "tools/artgen/tiles/ground.h"
#include "tools/artgen/tiles/tile_canvas.h"

namespace artgen::tiles {
namespace {

constexpr double kPi = std::numbers::pi;

// Flower colours that a lawn shows: daisy white, buttercup yellow, speedwell blue, clover pink.
constexpr Colour kFloretColours[] = {Rgb255(250, 250, 240), Rgb255(255, 222, 70), Rgb255(150, 170, 250),
                                     Rgb255(236, 150, 190)};

// One whole pixel, so the tiny plants stay crisp rather than blurring into the grass.
void Pixel(cairo_t* cr, int x, int y, Colour c, double alpha = 1.0) {
  cairo_rectangle(cr, x, y, 1, 1);
  SetColour(cr, c, alpha);
  cairo_fill(cr);
}

}  // namespace

void PaintClover(cairo_t* cr, double x, double y, int seed) {
  Rng rng(static_cast<std::uint32_t>(seed) * 7 + 3);
  const Colour leaf = Mix(kGrassDark, kLeafDark, 0.45);
  const Colour sheen = Mix(kGrassLight, kLeafLight, 0.5);
  // Each sprig is three round leaves of four pixels around a stalk: top, lower left, lower right.
  static constexpr int kLeaves[3][2] = {{0, -2}, {-2, 0}, {1, 0}};
  const int sprigs = 2 + rng.Below(2);
  for (int s = 0; s < sprigs; ++s) {
    const int sx = static_cast<int>(x + rng.Uniform(-3, 3));
    const int sy = static_cast<int>(y + rng.Uniform(-2.5, 2.5));
    for (const auto& at : kLeaves) {
      for (int p = 0; p < 4; ++p) Pixel(cr, sx + at[0] + p % 2, sy + at[1] + p / 2, leaf, 0.85);
      Pixel(cr, sx + at[0], sy + at[1], sheen, 0.55);
    }
  }
}

void PaintLongTuft(cairo_t* cr, double x, double y, int seed) {
  Rng rng(static_cast<std::uint32_t>(seed) * 13 + 5);
  const int fx = static_cast<int>(x), fy = static_cast<int>(y);
  const Colour dark = Shade(kGrassDark, -0.22);
  const Colour light = Shade(kGrassLight, 0.12);
  // Blades spring from one foot and lean out, the middle ones tallest; the sun catches one.
  const int blades = 3 + rng.Below(2);
  for (int b = 0; b < blades; ++b) {
    const int lean = b - blades / 2;
    const int height = 4 - std::abs(lean) + rng.Below(2);
    for (int h = 0; h < height; ++h) {
      const int px = fx + lean * h / 2 + (lean > 0 ? 1 : 0);
      Pixel(cr, px, fy - h, b == 1 ? light : dark, b == 1 ? 0.8 : 0.75);
    }
  }
}

void PaintFloret(cairo_t* cr, int x, int y, Colour petal) {
  // Its shadow falls to the lower right, as every shadow of the tiles does.
  Pixel(cr, x + 1, y + 2, kShadow, 0.2);
  Pixel(cr, x + 2, y + 1, kShadow, 0.2);
  Pixel(cr, x, y - 1, petal);
  Pixel(cr, x - 1, y, petal);
  Pixel(cr, x + 1, y, petal);
  Pixel(cr, x, y + 1, petal, 0.85);
  Pixel(cr, x, y, Rgb255(240, 176, 40));
}

void PaintFlorets(cairo_t* cr, double x, double y, int seed) {
  Rng rng(static_cast<std::uint32_t>(seed) * 17 + 11);
  const Colour petal = kFloretColours[static_cast<unsigned>(seed) % 4];
  const int florets = 2 + rng.Below(2);
  for (int f = 0; f < florets; ++f) {
    const int fx = static_cast<int>(x + rng.Uniform(-3.5, 3.5));
    const int fy = static_cast<int>(y + rng.Uniform(-3, 3));
    PaintFloret(cr, fx, fy, petal);
  }
}

void PaintPlainLawn(cairo_t* cr) {
  // Light and shade, kept off the border, where the cell meets its neighbours.
  struct Swell {
    double x, y, radius;
    Colour tint;
    double alpha;
  };
  static constexpr Swell kSwells[] = {{17, 18, 12, Rgb255(200, 230, 120), 0.16},
                                      {33, 32, 11, Rgb255(200, 230, 120), 0.14},
                                      {32, 15, 10, Rgb255(40, 90, 40), 0.12},
                                      {15, 34, 10, Rgb255(40, 90, 40), 0.10}};
  for (const Swell& swell : kSwells) {
    const Colour& t = swell.tint;
    cairo_pattern_t* glow = cairo_pattern_create_radial(swell.x, swell.y, 0, swell.x, swell.y, swell.radius);
    cairo_pattern_add_color_stop_rgba(glow, 0, t.r, t.g, t.b, swell.alpha);
    cairo_pattern_add_color_stop_rgba(glow, 1, t.r, t.g, t.b, 0);
    cairo_set_source(cr, glow);
    cairo_arc(cr, swell.x, swell.y, swell.radius, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
  }
  enum class Plant { Clover, Tuft, Buttercup, Speedwell, RedClover };
  struct Placed {
    Plant plant;
    double x, y;
  };
  static constexpr Placed kPlants[] = {
      {Plant::Clover, 11, 11}, {Plant::Tuft, 31, 12},      {Plant::RedClover, 25, 26}, {Plant::Clover, 37, 35},
      {Plant::Tuft, 9, 40},    {Plant::Buttercup, 40, 21}, {Plant::Speedwell, 16, 33}, {Plant::Tuft, 27, 42},
  };
  int seed = 0;
  for (const Placed& p : kPlants) {
    switch (p.plant) {
      case Plant::Clover: PaintClover(cr, p.x, p.y, ++seed); break;
      case Plant::Tuft: PaintLongTuft(cr, p.x, p.y, ++seed); break;
      case Plant::Buttercup: PaintFlorets(cr, p.x, p.y, 4 * ++seed + 1); break;
      case Plant::Speedwell: PaintFlorets(cr, p.x, p.y, 4 * ++seed + 2); break;
      case Plant::RedClover: PaintFlorets(cr, p.x, p.y, 4 * ++seed + 3); break;
    }
  }
}

void StrewLawn(cairo_t* cr, Footprint& footprint, int seed, int count) {
  Rng rng(static_cast<std::uint32_t>(seed) * 37 + 19);
  constexpr int kGrid = 3;
  constexpr double kSquare = static_cast<double>(kCell) / kGrid;
  // Which square gets which plant is shuffled by the seed, so two tiles differ in their order.
  int order[kGrid * kGrid];
  for (int i = 0; i < kGrid * kGrid; ++i) order[i] = i;
  for (int i = kGrid * kGrid - 1; i > 0; --i) std::swap(order[i], order[rng.Below(i + 1)]);
  int placed = 0;
  for (int i = 0; i < kGrid * kGrid && placed < count; ++i) {
    const int square = order[i];
    const double x = (square % kGrid + rng.Uniform(0.3, 0.7)) * kSquare;
    const double y = (square / kGrid + rng.Uniform(0.3, 0.7)) * kSquare;
    if (!footprint.Clear(x, y, 3.5, 3)) continue;
    footprint.Take(x, y, 4.5);
    switch ((i + seed) % 3) {
      case 0: PaintClover(cr, x, y, seed + i); break;
      case 1: PaintLongTuft(cr, x, y + 2, seed + i); break;
      default: PaintFlorets(cr, x, y, seed + i); break;
    }
    ++placed;
  }
}

}  // namespace artgen::tiles
