// The road worlds are composed from the scenery pieces and framed by a bevel, since the splash
// window has no border of its own.
#include "tools/artgen/title_pictures.h"

#include <array>
#include <cmath>

#include "tools/artgen/canvas.h"
#include "tools/artgen/car.h"
#include "tools/artgen/font.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/road_world.h"
#include "tools/artgen/title_lettering.h"

namespace artgen {

namespace {

// A raised two-pixel bevel around the whole picture.
void PaintBevel(cairo_t* cr, int w, int h) {
  cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
  SetColour(cr, Rgb{30, 48, 24});
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  cairo_move_to(cr, 1.5, h - 2);
  cairo_line_to(cr, 1.5, 1.5);
  cairo_line_to(cr, w - 2, 1.5);
  SetColour(cr, Rgb{255, 255, 255}, 0.45);
  cairo_stroke(cr);
  cairo_move_to(cr, w - 1.5, 2);
  cairo_line_to(cr, w - 1.5, h - 1.5);
  cairo_line_to(cr, 2, h - 1.5);
  SetColour(cr, Rgb{0, 0, 0}, 0.35);
  cairo_stroke(cr);
}

void PaintPond(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  CirclePath(cr, 0, 0, 1);
  cairo_restore(cr);
  FillVertical(cr, Rgb{104, 178, 222}, Rgb{56, 128, 196}, cy - ry, cy + ry);
  SetColour(cr, Rgb{226, 208, 150});
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
}

}  // namespace

Image DrawSplashPicture() {
  constexpr int kWidth = 200, kHeight = 150;
  Canvas canvas(kWidth, kHeight);
  cairo_t* cr = canvas.cr();

  ScatterFlowers(cr, kWidth, kHeight, 70);
  // A main road along the bottom, a side road up the left to a T-junction, a lane down the
  // right, and a bend in the upper right.
  cairo_move_to(cr, -10, 114);
  cairo_line_to(cr, kWidth + 10, 114);
  cairo_move_to(cr, 36, -10);
  cairo_line_to(cr, 36, 114);
  cairo_move_to(cr, 160, 114);
  cairo_line_to(cr, 160, kHeight + 10);
  cairo_move_to(cr, kWidth + 10, 22);
  cairo_line_to(cr, 150, 22);
  cairo_arc_negative(cr, 150, 52, 30, -M_PI / 2, M_PI);
  cairo_line_to(cr, 120, 114);
  PaintRoad(cr, RoadStyle{16, 5, 2, true});
  PaintJunction(cr, 36, 114, 16);
  PaintJunction(cr, 120, 114, 16);
  PaintJunction(cr, 160, 114, 16);

  PaintPond(cr, 80, 86, 18, 9);
  for (const auto& [x, y, r] : {std::array<double, 3>{12, 136, 7},
                                {60, 138, 8},
                                {88, 136, 6},
                                {194, 144, 6},
                                {188, 92, 7},
                                {14, 70, 6},
                                {58, 58, 7},
                                {176, 62, 6},
                                {100, 30, 6},
                                {8, 14, 6}}) {
    PaintTree(cr, x, y, r);
  }
  PaintHouse(cr, 110, 126, 22, 14, Rgb{196, 88, 62});
  PaintHouse(cr, 136, 80, 14, 20, Rgb{92, 108, 140});
  PaintHouse(cr, 174, 126, 16, 12, Rgb{206, 170, 96});
  PaintCrossingSign(cr, 52, 100, 12);
  PaintCar(cr, 88, 118, 0.0, 1.3);

  PaintTitle(cr, kWidth / 2.0, 50, 46, 176);
  PaintBevel(cr, kWidth, kHeight);
  return canvas.over(GrassTexture(kWidth, kHeight));
}

Image DrawInfoLogo() {
  constexpr int kWidth = 100, kHeight = 75;
  Canvas canvas(kWidth, kHeight);
  cairo_t* cr = canvas.cr();
  ScatterFlowers(cr, kWidth, kHeight, 30);
  cairo_move_to(cr, -5, 56);
  cairo_line_to(cr, kWidth + 5, 56);
  cairo_move_to(cr, 72, -5);
  cairo_line_to(cr, 72, kHeight + 5);
  PaintRoad(cr, RoadStyle{14, 4, 2, true});
  PaintJunction(cr, 72, 56, 14);
  PaintTree(cr, 10, 10, 6);
  PaintTree(cr, 90, 70, 5);
  PaintTree(cr, 88, 10, 5);
  PaintHouse(cr, 8, 66, 16, 9, Rgb{196, 88, 62});
  PaintCrossingSign(cr, 86, 42, 11);
  PaintCar(cr, 36, 59.5, 0.0, 1.05);
  PaintTitle(cr, kWidth / 2.0, 26, 26, 90);
  PaintBevel(cr, kWidth, kHeight);
  return canvas.over(GrassTexture(kWidth, kHeight));
}

Image DrawAssociationLogo() {
  constexpr int kWidth = 119, kHeight = 68;
  Canvas canvas(kWidth, kHeight);
  cairo_t* cr = canvas.cr();
  const Rgb blue{30, 70, 170};
  SetColour(cr, Rgb{250, 250, 246});
  cairo_paint(cr);
  // The badge: a blue disc with a gold star.
  PaintBall(cr, 30, 34, 23, blue);
  cairo_new_path(cr);
  for (int i = 0; i < 10; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 5, r = i % 2 == 0 ? 16 : 6.5;
    cairo_line_to(cr, 30 + r * std::cos(a), 35 + r * std::sin(a));
  }
  cairo_close_path(cr);
  SetColour(cr, Rgb{255, 204, 40});
  cairo_fill_preserve(cr);
  SetColour(cr, Rgb{150, 100, 0});
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  // The letters, with a gold swoosh under them.
  UseTypeface(cr, Typeface::SansBold, 29);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, "pmk", &extents);
  UseTypeface(cr, Typeface::SansBold, 29 * std::fmin(1.0, 54 / extents.width));
  cairo_text_extents(cr, "pmk", &extents);
  cairo_move_to(cr, 86 - extents.x_bearing - extents.width / 2, 42);
  cairo_text_path(cr, "pmk");
  SetColour(cr, blue);
  cairo_fill(cr);
  cairo_move_to(cr, 58, 50);
  cairo_curve_to(cr, 75, 56, 95, 54, 114, 46);
  SetColour(cr, Rgb{255, 204, 40});
  cairo_set_line_width(cr, 3.0);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  cairo_rectangle(cr, 0.5, 0.5, kWidth - 1, kHeight - 1);
  SetColour(cr, Rgb{150, 150, 160});
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  return canvas.over(Rgb{250, 250, 246});
}

}  // namespace artgen
