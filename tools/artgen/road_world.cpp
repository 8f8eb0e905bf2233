// Road-world pieces, in the colours of the board's tiles.
#include "tools/artgen/road_world.h"

#include <cmath>

#include "tools/artgen/noise.h"
#include "tools/artgen/paint.h"

namespace artgen {

Image GrassTexture(int width, int height) {
  Image grass(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const double patch = FractalNoise(x / 9.0, y / 9.0, 3, 301) - 0.5;
      const double blade = Random01(x, y, 303) - 0.5;
      grass.at(x, y) = Shade(kGrass, patch * 0.35 + blade * 0.10);
    }
  }
  return grass;
}

void ScatterFlowers(cairo_t* cr, int w, int h, int count) {
  const Rgb petals[] = {Rgb{255, 255, 245}, Rgb{255, 224, 70}, Rgb{240, 140, 190},
                        Rgb{190, 160, 255}};
  for (int i = 0; i < count; ++i) {
    const double x = 1 + Random01(i, 1, 407) * (w - 2), y = 1 + Random01(i, 2, 407) * (h - 2);
    SetColour(cr, petals[Hash(i, 3, 407) % 4]);
    CirclePath(cr, x, y, 0.9);
    cairo_fill(cr);
  }
}

void PaintRoad(cairo_t* cr, const RoadStyle& style) {
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  auto band = [cr](Rgb colour, double width) {
    SetColour(cr, colour);
    cairo_set_line_width(cr, width);
    cairo_stroke_preserve(cr);
  };
  band(kKerb, style.width);
  band(kAsphalt, style.width - 2);
  if (style.edge_lines) {
    band(kEdgeLine, style.width - 4);
    band(kAsphalt, style.width - 6);
  }
  if (style.dash > 0) {
    const double pattern[] = {style.dash, style.dash};
    cairo_set_dash(cr, pattern, 2, 0);
    band(kCentreLine, style.line);
  }
  cairo_new_path(cr);
  cairo_restore(cr);
}

void PaintJunction(cairo_t* cr, double x, double y, double width) {
  const double side = width - 2;
  cairo_rectangle(cr, x - side / 2, y - side / 2, side, side);
  SetColour(cr, kAsphalt);
  cairo_fill(cr);
}

void PaintTree(cairo_t* cr, double cx, double cy, double radius) {
  CirclePath(cr, cx + radius * 0.35, cy + radius * 0.35, radius);
  SetColour(cr, Rgb{0, 0, 0}, 0.25);
  cairo_fill(cr);
  cairo_pattern_t* leaves = cairo_pattern_create_radial(cx - radius * 0.35, cy - radius * 0.4,
                                                        radius * 0.1, cx, cy, radius);
  cairo_pattern_add_color_stop_rgb(leaves, 0.0, 0.55, 0.85, 0.35);
  cairo_pattern_add_color_stop_rgb(leaves, 0.6, 0.20, 0.55, 0.18);
  cairo_pattern_add_color_stop_rgb(leaves, 1.0, 0.10, 0.36, 0.10);
  CirclePath(cr, cx, cy, radius);
  cairo_set_source(cr, leaves);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(leaves);
  SetColour(cr, Rgb{20, 60, 20});
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

void PaintHouse(cairo_t* cr, double x, double y, double w, double h, Rgb roof) {
  cairo_rectangle(cr, x + 2, y + 2, w, h);
  SetColour(cr, Rgb{0, 0, 0}, 0.25);
  cairo_fill(cr);
  // The two halves of the roof face the light differently.
  cairo_rectangle(cr, x, y, w, h / 2);
  SetColour(cr, Shade(roof, 0.15));
  cairo_fill(cr);
  cairo_rectangle(cr, x, y + h / 2, w, h / 2);
  SetColour(cr, Shade(roof, -0.2));
  cairo_fill(cr);
  cairo_move_to(cr, x, y + h / 2);
  cairo_line_to(cr, x + w, y + h / 2);
  SetColour(cr, Shade(roof, 0.45));
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  cairo_rectangle(cr, x, y, w, h);
  SetColour(cr, Shade(roof, -0.6));
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
}

void PaintCrossingSign(cairo_t* cr, double cx, double cy, double size) {
  const double h = size * std::sqrt(3.0) / 2;
  // The triangle's centroid sits at (cx, cy).
  auto triangle = [&](double s) {
    const double th = s * std::sqrt(3.0) / 2;
    cairo_move_to(cr, cx, cy - th * 2 / 3);
    cairo_line_to(cr, cx + s / 2, cy + th / 3);
    cairo_line_to(cr, cx - s / 2, cy + th / 3);
    cairo_close_path(cr);
  };
  cairo_save(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  triangle(size);
  SetColour(cr, kSignRed);
  cairo_fill_preserve(cr);
  SetColour(cr, Rgb{110, 10, 10});
  cairo_set_line_width(cr, std::fmax(0.8, size / 18));
  cairo_stroke(cr);
  triangle(size * 0.6);
  SetColour(cr, Rgb{255, 255, 255});
  cairo_fill(cr);
  const double arm = size * 0.16;
  const double mid_y = cy + h * 0.03;
  cairo_move_to(cr, cx, mid_y - arm * 1.25);
  cairo_line_to(cr, cx, mid_y + arm);
  cairo_move_to(cr, cx - arm, mid_y);
  cairo_line_to(cr, cx + arm, mid_y);
  SetColour(cr, Rgb{0, 0, 0});
  cairo_set_line_width(cr, std::fmax(1.0, size / 9));
  cairo_stroke(cr);
  cairo_restore(cr);
}

}  // namespace artgen
