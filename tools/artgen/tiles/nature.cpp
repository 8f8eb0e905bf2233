// Painting plants and fields. Every random choice comes from a seed, so each picture is the same
// in every run.
#include "tools/artgen/tiles/nature.h"

#include <cmath>
#include <numbers>

#include "tools/artgen/tiles/ground.h"
#include "tools/artgen/tiles/lawn.h"

namespace artgen::tiles {
namespace {

constexpr double kPi = std::numbers::pi;

void ShadedDisc(cairo_t* cr, double x, double y, double r, Colour light, Colour dark) {
  cairo_pattern_t* gradient = cairo_pattern_create_radial(x - r * 0.4, y - r * 0.45, r * 0.1, x, y, r);
  cairo_pattern_add_color_stop_rgb(gradient, 0, light.r, light.g, light.b);
  cairo_pattern_add_color_stop_rgb(gradient, 1, dark.r, dark.g, dark.b);
  cairo_set_source(cr, gradient);
  cairo_arc(cr, x, y, r, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(gradient);
}

void Shadow(cairo_t* cr, double x, double y, double r) {
  cairo_save(cr);
  cairo_translate(cr, x + r * 0.35, y + r * 0.4);
  cairo_scale(cr, 1.0, 0.85);
  cairo_arc(cr, 0, 0, r * 1.02, 0, 2 * kPi);
  cairo_restore(cr);
  SetColour(cr, kShadow, 0.28);
  cairo_fill(cr);
}

void PaintLeafyCrown(cairo_t* cr, double x, double y, double r, Colour base, int seed) {
  ShadedDisc(cr, x, y, r, base, Shade(base, -0.45));
  Rng rng(static_cast<std::uint32_t>(seed));
  const int lobes = 5;
  const double turn = rng.Uniform(0, 2 * kPi);
  for (int i = 0; i < lobes; ++i) {
    const double a = turn + i * 2 * kPi / lobes;
    const double lx = x + std::cos(a) * r * 0.42;
    const double ly = y + std::sin(a) * r * 0.42;
    const double lr = r * rng.Uniform(0.48, 0.58);
    ShadedDisc(cr, lx, ly, lr, Shade(base, 0.22), Shade(base, -0.3));
  }
  ShadedDisc(cr, x - r * 0.18, y - r * 0.2, r * 0.45, Shade(base, 0.35), base);
}

void PaintPine(cairo_t* cr, double x, double y, double r) {
  for (int layer = 0; layer < 3; ++layer) {
    const double outer = r * (1.0 - layer * 0.3);
    const double inner = outer * 0.62;
    const int points = 9;
    const double turn = layer * 0.35;
    for (int i = 0; i < points * 2; ++i) {
      const double a = turn + i * kPi / points;
      const double rr = i % 2 == 0 ? outer : inner;
      const double px = x + std::cos(a) * rr - layer * r * 0.08;
      const double py = y + std::sin(a) * rr - layer * r * 0.08;
      if (i == 0) {
        cairo_move_to(cr, px, py);
      } else {
        cairo_line_to(cr, px, py);
      }
    }
    cairo_close_path(cr);
    SetColour(cr, Mix(Shade(kPine, -0.2), kPineLight, layer * 0.45));
    cairo_fill(cr);
  }
  cairo_arc(cr, x - r * 0.2, y - r * 0.2, r * 0.12, 0, 2 * kPi);
  SetColour(cr, kPineLight);
  cairo_fill(cr);
}

}  // namespace

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
  cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
  cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
  cairo_close_path(cr);
}

void FillShadow(cairo_t* cr, double dx, double dy, double alpha) {
  cairo_save(cr);
  cairo_path_t* path = cairo_copy_path(cr);
  cairo_new_path(cr);
  cairo_translate(cr, dx, dy);
  cairo_append_path(cr, path);
  SetColour(cr, kShadow, alpha);
  cairo_fill(cr);
  cairo_path_destroy(path);
  cairo_restore(cr);
}

void PaintTree(cairo_t* cr, double x, double y, double radius, TreeKind kind) {
  Shadow(cr, x, y, radius);
  const int seed = static_cast<int>(x * 7 + y * 13);
  switch (kind) {
    case TreeKind::Round:
      PaintLeafyCrown(cr, x, y, radius, kLeaf, seed);
      break;
    case TreeKind::Birch:
      PaintLeafyCrown(cr, x, y, radius, Mix(kLeafLight, kWheat, 0.15), seed);
      break;
    case TreeKind::Fruit: {
      PaintLeafyCrown(cr, x, y, radius, Mix(kLeaf, kLeafLight, 0.3), seed);
      Rng rng(static_cast<std::uint32_t>(seed));
      for (int i = 0; i < 5; ++i) {
        const double a = rng.Uniform(0, 2 * kPi);
        const double d = rng.Uniform(0.2, 0.75) * radius;
        cairo_arc(cr, x + std::cos(a) * d, y + std::sin(a) * d, std::max(0.8, radius * 0.12), 0, 2 * kPi);
        SetColour(cr, Rgb255(214, 52, 40));
        cairo_fill(cr);
      }
      break;
    }
    case TreeKind::Pine:
      PaintPine(cr, x, y, radius);
      break;
  }
}

void PaintBush(cairo_t* cr, double x, double y, double radius, int seed) {
  Rng rng(static_cast<std::uint32_t>(seed) + 101);
  Shadow(cr, x, y, radius);
  for (int i = 0; i < 3; ++i) {
    const double a = rng.Uniform(0, 2 * kPi);
    ShadedDisc(cr, x + std::cos(a) * radius * 0.35, y + std::sin(a) * radius * 0.35, radius * 0.7,
               Shade(kLeafLight, 0.05), kLeafDark);
  }
}

void PaintFlowers(cairo_t* cr, double x, double y, int seed) {
  static constexpr Colour kPetals[] = {Rgb255(255, 255, 255), Rgb255(255, 226, 80), Rgb255(240, 120, 170),
                                       Rgb255(170, 140, 240)};
  Rng rng(static_cast<std::uint32_t>(seed) + 77);
  const Colour petal = kPetals[rng.Below(4)];
  for (int i = 0; i < 5; ++i) {
    PaintFloret(cr, static_cast<int>(std::floor(x + rng.Uniform(-3.5, 3.5))),
                static_cast<int>(std::floor(y + rng.Uniform(-3, 3))), petal);
  }
}

void PaintStone(cairo_t* cr, double x, double y, double radius, int seed) {
  Rng rng(static_cast<std::uint32_t>(seed) + 5);
  const Colour grey = Rgb255(168, 164, 156);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, rng.Uniform(0, kPi));
  cairo_scale(cr, 1.0, rng.Uniform(0.65, 0.85));
  cairo_arc(cr, radius * 0.3, radius * 0.35, radius, 0, 2 * kPi);
  SetColour(cr, kShadow, 0.25);
  cairo_fill(cr);
  ShadedDisc(cr, 0, 0, radius, Shade(grey, 0.35), Shade(grey, -0.3));
  cairo_restore(cr);
}

void PaintField(cairo_t* cr, double x, double y, double w, double h, Crop crop, bool horizontal_rows) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  Colour ground = kSoil;
  Colour row = kSoil;
  double spacing = 4;
  double row_width = 2;
  switch (crop) {
    case Crop::Wheat:
      ground = Shade(kWheat, -0.1);
      row = Shade(kWheat, 0.2);
      row_width = 1.6;
      spacing = 3;
      break;
    case Crop::Cabbage:
      ground = Mix(kSoil, kGrassDark, 0.25);
      row = Rgb255(120, 180, 110);
      spacing = 5;
      row_width = 2.6;
      break;
    case Crop::Ploughed:
      ground = kSoil;
      row = Shade(kSoil, -0.25);
      spacing = 3;
      row_width = 1.2;
      break;
    case Crop::Vines:
      ground = Mix(kSoil, kGrass, 0.45);
      row = Shade(kLeaf, -0.05);
      spacing = 6;
      row_width = 2.8;
      break;
    case Crop::Meadow:
      ground = Mix(kGrass, kWheat, 0.2);
      row = Shade(ground, 0.12);
      spacing = 5;
      row_width = 2.5;
      break;
  }
  SetColour(cr, ground);
  cairo_paint(cr);
  SetGrainSource(cr, Grain::Gravel);
  cairo_paint_with_alpha(cr, 0.5);
  SetColour(cr, row);
  cairo_set_line_width(cr, row_width);
  const double extent = horizontal_rows ? h : w;
  for (double d = spacing / 2; d < extent; d += spacing) {
    if (horizontal_rows) {
      cairo_move_to(cr, x, y + d);
      cairo_line_to(cr, x + w, y + d);
    } else {
      cairo_move_to(cr, x + d, y);
      cairo_line_to(cr, x + d, y + h);
    }
  }
  cairo_stroke(cr);
  if (crop == Crop::Cabbage || crop == Crop::Vines) {
    for (double d = spacing / 2; d < extent; d += spacing) {
      for (double e = 2; e < (horizontal_rows ? w : h); e += 3.5) {
        const double px = horizontal_rows ? x + e : x + d;
        const double py = horizontal_rows ? y + d : y + e;
        ShadedDisc(cr, px, py, crop == Crop::Cabbage ? 1.5 : 1.2, Shade(row, 0.3), Shade(row, -0.25));
      }
    }
  }
  cairo_restore(cr);
  cairo_rectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1);
  SetColour(cr, kShadow, 0.15);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void PaintHedge(cairo_t* cr, double x0, double y0, double x1, double y1) {
  const double length = std::hypot(x1 - x0, y1 - y0);
  const int count = std::max(2, static_cast<int>(length / 2.5));
  for (int i = 0; i <= count; ++i) {
    const double t = static_cast<double>(i) / count;
    const double px = x0 + (x1 - x0) * t;
    const double py = y0 + (y1 - y0) * t;
    ShadedDisc(cr, px, py, 1.9, Shade(kLeaf, 0.15), kLeafDark);
  }
}

void PaintFence(cairo_t* cr, double x0, double y0, double x1, double y1) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, x0 + 0.8, y0 + 0.8);
  cairo_line_to(cr, x1 + 0.8, y1 + 0.8);
  SetColour(cr, kShadow, 0.25);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  SetColour(cr, Shade(kWood, 0.15));
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
  const double length = std::hypot(x1 - x0, y1 - y0);
  for (double d = 0; d <= length + 0.01; d += 4) {
    const double t = length > 0 ? d / length : 0;
    cairo_rectangle(cr, x0 + (x1 - x0) * t - 0.8, y0 + (y1 - y0) * t - 0.8, 1.6, 1.6);
  }
  SetColour(cr, kWoodDark);
  cairo_fill(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

}  // namespace artgen::tiles
