// The pictures are opaque meadows; the pages frame them, so they carry no bevel of their own.
#include "tools/artgen/installer_pictures.h"

#include <array>
#include <cmath>

#include "tools/artgen/canvas.h"
#include "tools/artgen/car.h"
#include "tools/artgen/road_world.h"
#include "tools/artgen/title_lettering.h"

namespace artgen {

namespace {

void PaintTrees(cairo_t* cr, std::initializer_list<std::array<double, 3>> trees) {
  for (const auto& [x, y, r] : trees) PaintTree(cr, x, y, r);
}

}  // namespace

Image DrawInstallerWelcome() {
  constexpr int kWidth = 164, kHeight = 314;
  Canvas canvas(kWidth, kHeight);
  cairo_t* cr = canvas.cr();

  ScatterFlowers(cr, kWidth, kHeight, 110);
  // A road comes down on the right, bends to the left and on down to the bottom; a side road
  // leaves it to the right at a T-junction, and a lane crosses the lower part.
  cairo_move_to(cr, 116, -10);
  cairo_line_to(cr, 116, 120);
  cairo_arc(cr, 80, 120, 36, 0, M_PI / 2);
  cairo_line_to(cr, 70, 156);
  cairo_arc_negative(cr, 70, 196, 40, -M_PI / 2, M_PI);
  cairo_line_to(cr, 30, kHeight + 10);
  cairo_move_to(cr, 30, 250);
  cairo_line_to(cr, kWidth + 10, 250);
  PaintRoad(cr, RoadStyle{16, 5, 2, true});
  cairo_move_to(cr, 116, 250);
  cairo_line_to(cr, 116, kHeight + 10);
  PaintRoad(cr, RoadStyle{10, 0, 0, false});
  PaintJunction(cr, 30, 250, 16);
  PaintJunction(cr, 116, 250, 16);

  PaintTrees(cr, {{20, 92, 8},
                  {48, 112, 7},
                  {142, 150, 8},
                  {150, 100, 6},
                  {128, 196, 7},
                  {96, 214, 6},
                  {10, 172, 6},
                  {150, 292, 7},
                  {74, 296, 6},
                  {62, 276, 5}});
  PaintHouse(cr, 72, 226, 22, 14, Rgb{196, 88, 62});
  PaintHouse(cr, 136, 226, 16, 14, Rgb{92, 108, 140});
  PaintHouse(cr, 90, 272, 14, 18, Rgb{206, 170, 96});
  PaintCrossingSign(cr, 140, 120, 12);
  PaintCar(cr, 116, 86, M_PI / 2, 1.4);

  PaintTitle(cr, kWidth / 2.0, 40, 40, 148);
  return canvas.over(GrassTexture(kWidth, kHeight));
}

Image DrawInstallerHeader() {
  constexpr int kWidth = 150, kHeight = 57;
  Canvas canvas(kWidth, kHeight);
  cairo_t* cr = canvas.cr();
  ScatterFlowers(cr, kWidth, kHeight, 24);
  cairo_move_to(cr, -5, 45);
  cairo_line_to(cr, kWidth + 5, 45);
  cairo_move_to(cr, 124, -5);
  cairo_line_to(cr, 124, 45);
  PaintRoad(cr, RoadStyle{12, 4, 2, true});
  PaintJunction(cr, 124, 45, 12);
  PaintTrees(cr, {{142, 12, 6}, {104, 8, 5}});
  PaintHouse(cr, 138, 30, 12, 10, Rgb{196, 88, 62});
  PaintCar(cr, 84, 47.5, 0.0, 1.0);
  PaintTitle(cr, 56, 20, 26, 100);
  return canvas.over(GrassTexture(kWidth, kHeight));
}

}  // namespace artgen
