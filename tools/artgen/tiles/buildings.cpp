// Buildings and the roads that reach them: houses at the end of lanes, the farm, the church,
// the manor house, the factory, and the fixed road tiles with their petrol station, depot,
// avenue and bends. Buildings stand well inside their cells wherever a side faces open
// ground, so that any grass tile can stand beside them.
#include <cmath>
#include <numbers>

#include "tools/artgen/tiles/details.h"
#include "tools/artgen/tiles/ground.h"
#include "tools/artgen/tiles/nature.h"
#include "tools/artgen/tiles/road_painter.h"
#include "tools/artgen/tiles/scene.h"
#include "tools/artgen/tiles/tile_canvas.h"

namespace artgen::tiles {
namespace {

using verlumo::Side;
using verlumo::TileCode;
constexpr double kPi = std::numbers::pi;

struct Box {
  double x;
  double y;
  double w;
  double h;
};

Box Shrink(Box b, double by) { return {b.x + by, b.y + by, b.w - 2 * by, b.h - 2 * by}; }

// A small rounded block standing on the ground, with its shadow cast down to the right.
void PaintShadowedBlock(cairo_t* cr, double x, double y, double w, double h, double r,
                        Colour colour) {
  RoundedRect(cr, x, y, w, h, r);
  FillShadow(cr, 1.5, 1.5, 0.3);
  RoundedRect(cr, x, y, w, h, r);
  SetColour(cr, colour);
  cairo_fill(cr);
}

// A house with a gable roof seen from above: the half facing the sun bright, the other dark.
void PaintGableHouse(cairo_t* cr, Box b, Colour roof, bool chimney = true) {
  cairo_rectangle(cr, b.x, b.y, b.w, b.h);
  FillShadow(cr, 2.5, 2.5, 0.3);
  const bool ridge_across = b.w >= b.h;
  SetColour(cr, Shade(roof, -0.35));
  cairo_rectangle(cr, b.x, b.y, b.w, b.h);
  cairo_fill(cr);
  if (ridge_across) {
    SetColour(cr, Shade(roof, 0.12));
    cairo_rectangle(cr, b.x + 0.8, b.y + 0.8, b.w - 1.6, b.h / 2 - 0.8);
    cairo_fill(cr);
    SetColour(cr, Shade(roof, -0.15));
    cairo_rectangle(cr, b.x + 0.8, b.y + b.h / 2, b.w - 1.6, b.h / 2 - 0.8);
    cairo_fill(cr);
    SetColour(cr, Shade(roof, -0.3), 0.35);
    cairo_set_line_width(cr, 0.6);
    for (double x = b.x + 2.5; x < b.x + b.w - 1; x += 2.5) {
      cairo_move_to(cr, x, b.y + 1);
      cairo_line_to(cr, x, b.y + b.h - 1);
    }
    cairo_stroke(cr);
    SetColour(cr, Shade(roof, 0.4));
    cairo_rectangle(cr, b.x + 0.8, b.y + b.h / 2 - 0.6, b.w - 1.6, 1.2);
    cairo_fill(cr);
  } else {
    SetColour(cr, Shade(roof, 0.12));
    cairo_rectangle(cr, b.x + 0.8, b.y + 0.8, b.w / 2 - 0.8, b.h - 1.6);
    cairo_fill(cr);
    SetColour(cr, Shade(roof, -0.15));
    cairo_rectangle(cr, b.x + b.w / 2, b.y + 0.8, b.w / 2 - 0.8, b.h - 1.6);
    cairo_fill(cr);
    SetColour(cr, Shade(roof, -0.3), 0.35);
    cairo_set_line_width(cr, 0.6);
    for (double y = b.y + 2.5; y < b.y + b.h - 1; y += 2.5) {
      cairo_move_to(cr, b.x + 1, y);
      cairo_line_to(cr, b.x + b.w - 1, y);
    }
    cairo_stroke(cr);
    SetColour(cr, Shade(roof, 0.4));
    cairo_rectangle(cr, b.x + b.w / 2 - 0.6, b.y + 0.8, 1.2, b.h - 1.6);
    cairo_fill(cr);
  }
  if (chimney) {
    const double cx = b.x + b.w * 0.72;
    const double cy = b.y + b.h * (ridge_across ? 0.3 : 0.7);
    cairo_rectangle(cr, cx, cy, 3, 3);
    FillShadow(cr, 1.2, 1.2, 0.35);
    cairo_rectangle(cr, cx, cy, 3, 3);
    SetColour(cr, Rgb255(150, 80, 60));
    cairo_fill(cr);
    cairo_rectangle(cr, cx + 0.7, cy + 0.7, 1.6, 1.6);
    SetColour(cr, Rgb255(50, 40, 40));
    cairo_fill(cr);
  }
}

// A hipped roof: four faces meeting at a short ridge, each lit by how it faces the sun.
void PaintHipHouse(cairo_t* cr, Box b, Colour roof) {
  cairo_rectangle(cr, b.x, b.y, b.w, b.h);
  FillShadow(cr, 2.5, 2.5, 0.3);
  const double inset = std::min(b.w, b.h) / 2;
  const double rx0 = b.x + inset, rx1 = b.x + b.w - inset;
  const double ry0 = b.y + inset, ry1 = b.y + b.h - inset;
  const auto face = [&](double x0, double y0, double x1, double y1, double x2, double y2, double x3,
                        double y3, double shade) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_line_to(cr, x2, y2);
    cairo_line_to(cr, x3, y3);
    cairo_close_path(cr);
    SetColour(cr, Shade(roof, shade));
    cairo_fill(cr);
  };
  const double x0 = b.x, y0 = b.y, x1 = b.x + b.w, y1 = b.y + b.h;
  face(x0, y0, x1, y0, rx1, ry0, rx0, ry0, 0.18);   // north
  face(x0, y0, rx0, ry0, rx0, ry1, x0, y1, 0.05);   // west
  face(x1, y0, x1, y1, rx1, ry1, rx1, ry0, -0.25);  // east
  face(x0, y1, rx0, ry1, rx1, ry1, x1, y1, -0.15);  // south
  cairo_rectangle(cr, b.x + 0.5, b.y + 0.5, b.w - 1, b.h - 1);
  SetColour(cr, Shade(roof, -0.45), 0.6);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void PaintRoundTower(cairo_t* cr, double x, double y, double r, Colour roof) {
  cairo_arc(cr, x + 2, y + 2, r, 0, 2 * kPi);
  SetColour(cr, kShadow, 0.3);
  cairo_fill(cr);
  cairo_pattern_t* cone = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.3, 0.5, x, y, r);
  const Colour light = Shade(roof, 0.3);
  const Colour dark = Shade(roof, -0.35);
  cairo_pattern_add_color_stop_rgb(cone, 0, light.r, light.g, light.b);
  cairo_pattern_add_color_stop_rgb(cone, 1, dark.r, dark.g, dark.b);
  cairo_set_source(cr, cone);
  cairo_arc(cr, x, y, r, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(cone);
}

void PaintWindmill(cairo_t* cr, Box b) {
  const double x = b.x + b.w / 2, y = b.y + b.h / 2;
  PaintRoundTower(cr, x, y, 6.5, kRoofThatch);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, 0.35);
  for (int i = 0; i < 4; ++i) {
    cairo_rotate(cr, kPi / 2);
    cairo_rectangle(cr, 1.5, -1.6, 8.5, 3.2);
    SetColour(cr, kShadow, 0.25);
    cairo_fill(cr);
    cairo_rectangle(cr, 1, -2, 8.5, 3.2);
    SetColour(cr, kWhite);
    cairo_fill(cr);
    cairo_set_line_width(cr, 0.5);
    SetColour(cr, kWoodDark);
    for (double d = 3; d < 9; d += 2) {
      cairo_move_to(cr, d, -2);
      cairo_line_to(cr, d, 1.2);
    }
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  cairo_arc(cr, x, y, 1.5, 0, 2 * kPi);
  SetColour(cr, kWoodDark);
  cairo_fill(cr);
}

void PaintHaystack(cairo_t* cr, double x, double y, double r) {
  cairo_arc(cr, x + 1.2, y + 1.2, r, 0, 2 * kPi);
  SetColour(cr, kShadow, 0.3);
  cairo_fill(cr);
  PaintRoundTower(cr, x, y, r, kWheat);
}

void PaintGreenhouse(cairo_t* cr, Box b) {
  cairo_rectangle(cr, b.x, b.y, b.w, b.h);
  FillShadow(cr, 2, 2, 0.25);
  cairo_rectangle(cr, b.x, b.y, b.w, b.h);
  SetColour(cr, Rgb255(200, 230, 236));
  cairo_fill(cr);
  cairo_rectangle(cr, b.x, b.y, b.w / 2, b.h);
  SetColour(cr, kWhite, 0.45);
  cairo_fill(cr);
  SetColour(cr, Rgb255(120, 140, 150));
  cairo_set_line_width(cr, 0.7);
  for (double x = b.x; x <= b.x + b.w + 0.01; x += b.w / 4) {
    cairo_move_to(cr, x, b.y);
    cairo_line_to(cr, x, b.y + b.h);
  }
  cairo_rectangle(cr, b.x, b.y, b.w, b.h);
  cairo_move_to(cr, b.x, b.y + b.h / 2);
  cairo_line_to(cr, b.x + b.w, b.y + b.h / 2);
  cairo_stroke(cr);
}

void PaintTent(cairo_t* cr, double x, double y, Colour c) {
  cairo_move_to(cr, x - 5 + 1.5, y + 4 + 1.5);
  cairo_line_to(cr, x + 1.5, y - 4 + 1.5);
  cairo_line_to(cr, x + 5 + 1.5, y + 4 + 1.5);
  cairo_close_path(cr);
  SetColour(cr, kShadow, 0.3);
  cairo_fill(cr);
  cairo_move_to(cr, x - 5, y + 4);
  cairo_line_to(cr, x, y - 4);
  cairo_line_to(cr, x, y + 4);
  cairo_close_path(cr);
  SetColour(cr, Shade(c, 0.15));
  cairo_fill(cr);
  cairo_move_to(cr, x, y - 4);
  cairo_line_to(cr, x + 5, y + 4);
  cairo_line_to(cr, x, y + 4);
  cairo_close_path(cr);
  SetColour(cr, Shade(c, -0.25));
  cairo_fill(cr);
}

void PaintPool(cairo_t* cr, Box b) {
  RoundedRect(cr, b.x - 1, b.y - 1, b.w + 2, b.h + 2, 2);
  SetColour(cr, kWhite);
  cairo_fill(cr);
  RoundedRect(cr, b.x, b.y, b.w, b.h, 1.5);
  SetColour(cr, Rgb255(80, 190, 230));
  cairo_fill(cr);
  cairo_rectangle(cr, b.x + 1, b.y + 1, b.w - 2, 1.5);
  SetColour(cr, kWaterFoam, 0.8);
  cairo_fill(cr);
}

void PaintUmbrella(cairo_t* cr, double x, double y, Colour c) {
  cairo_arc(cr, x + 1.5, y + 1.5, 3, 0, 2 * kPi);
  SetColour(cr, kShadow, 0.3);
  cairo_fill(cr);
  for (int i = 0; i < 8; ++i) {
    cairo_move_to(cr, x, y);
    cairo_arc(cr, x, y, 3, i * kPi / 4, (i + 1) * kPi / 4);
    cairo_close_path(cr);
    SetColour(cr, i % 2 ? c : kWhite);
    cairo_fill(cr);
  }
}

void PaintLogs(cairo_t* cr, double x, double y) {
  for (int row = 0; row < 2; ++row) {
    for (int i = 0; i < 4 - row; ++i) {
      const double lx = x + i * 3 + row * 1.5;
      const double ly = y - row * 2.5;
      cairo_arc(cr, lx, ly, 1.5, 0, 2 * kPi);
      SetColour(cr, Rgb255(214, 176, 120));
      cairo_fill_preserve(cr);
      SetColour(cr, kWoodDark);
      cairo_set_line_width(cr, 0.6);
      cairo_stroke(cr);
    }
  }
}

void PaintSmoke(cairo_t* cr, double x, double y) {
  for (int i = 0; i < 3; ++i) {
    cairo_arc(cr, x + i * 2.2, y - i * 2.5, 1.5 + i * 0.6, 0, 2 * kPi);
    SetColour(cr, Rgb255(230, 230, 235), 0.55 - i * 0.12);
    cairo_fill(cr);
  }
}

void PaintAnimal(cairo_t* cr, double x, double y, bool sheep) {
  cairo_arc(cr, x + 1, y + 1, 2.2, 0, 2 * kPi);
  SetColour(cr, kShadow, 0.25);
  cairo_fill(cr);
  if (sheep) {
    for (double dx : {-0.9, 0.9}) {
      cairo_arc(cr, x + dx, y, 1.6, 0, 2 * kPi);
    }
    SetColour(cr, kWhite);
    cairo_fill(cr);
    cairo_arc(cr, x + 2.4, y - 0.2, 0.9, 0, 2 * kPi);
    SetColour(cr, Rgb255(50, 45, 45));
    cairo_fill(cr);
  } else {
    RoundedRect(cr, x - 3, y - 1.5, 6, 3, 1.4);
    SetColour(cr, Rgb255(140, 90, 50));
    cairo_fill(cr);
    cairo_arc(cr, x + 3.2, y, 1.1, 0, 2 * kPi);
    SetColour(cr, Rgb255(110, 70, 40));
    cairo_fill(cr);
  }
}

// The half of a cell opposite the side where a lane comes in: where the house stands.
Box FarSide(Side lane, double from, double to, double half_width) {
  const double a = 24 + from, b = 24 + to;
  switch (lane) {
    case Side::Top: return {24 - half_width, a, 2 * half_width, b - a};
    case Side::Bottom: return {24 - half_width, 48 - b, 2 * half_width, b - a};
    case Side::Left: return {a, 24 - half_width, b - a, 2 * half_width};
    case Side::Right: return {48 - b, 24 - half_width, b - a, 2 * half_width};
  }
  return {0, 0, 0, 0};
}

using HousePainter = void (*)(cairo_t*, Side lane, Box house);

// A building at the end of a lane: the lane from its side to the tile's middle, the building
// beyond, and garden details in the space left.
Scene LaneHouse(TileCode code, HousePainter paint_house) {
  return SingleTile(code, [code, paint_house](cairo_t* cr) {
    const RoadKinds kinds = KindsOf(verlumo::EdgeWordOf(code));
    Side lane = Side::Right;
    for (int side = 0; side < 4; ++side) {
      if (kinds[side] > 0) lane = static_cast<Side>(side);
    }
    const Box house = FarSide(lane, 4, 19, 12);
    PaintRoads(cr, kinds);
    paint_house(cr, lane, house);
    Footprint footprint([&](cairo_t* mask) {
      PaintRoads(mask, kinds);
      cairo_rectangle(mask, house.x - 3, house.y - 3, house.w + 7, house.h + 7);
      cairo_fill(mask);
    });
    StrewDetails(cr, footprint, code, 4, Details::Garden);
  });
}

void Cottage(cairo_t* cr, Side, Box b) { PaintGableHouse(cr, Shrink(b, 1), kRoofRed); }
void BrownCottage(cairo_t* cr, Side, Box b) { PaintGableHouse(cr, Shrink(b, 1.5), kRoofBrown); }
void ThatchedCottage(cairo_t* cr, Side, Box b) { PaintHipHouse(cr, Shrink(b, 1), kRoofThatch); }
void BlueHouse(cairo_t* cr, Side, Box b) { PaintHipHouse(cr, Shrink(b, 1), kRoofSlate); }
void GreenCottage(cairo_t* cr, Side, Box b) { PaintGableHouse(cr, Shrink(b, 2), kRoofGreen); }
void Windmill(cairo_t* cr, Side, Box b) { PaintWindmill(cr, b); }
void Greenhouse(cairo_t* cr, Side, Box b) { PaintGreenhouse(cr, Shrink(b, 2)); }

void Smithy(cairo_t* cr, Side, Box b) {
  PaintGableHouse(cr, Shrink(b, 2), kRoofSlate);
  PaintSmoke(cr, b.x + b.w * 0.75, b.y + 3);
}

void Barn(cairo_t* cr, Side lane, Box b) {
  PaintGableHouse(cr, b, kRoofBrown, false);
  const bool vertical = lane == Side::Left || lane == Side::Right;
  PaintHaystack(cr, vertical ? 35 : 9, vertical ? 9 : 35, 3.5);
  PaintHaystack(cr, vertical ? 41 : 9, vertical ? 10 : 41, 2.8);
}

void Stable(cairo_t* cr, Side, Box b) {
  const Box house{b.x + 2, b.y + 1, b.w - 4, 9};
  PaintGableHouse(cr, house, kRoofBrown, false);
  PaintFence(cr, b.x, b.y + 12, b.x + b.w, b.y + 12);
  PaintFence(cr, b.x, b.y + 12, b.x, b.y + 22);
  PaintFence(cr, b.x + b.w, b.y + 12, b.x + b.w, b.y + 22);
  PaintFence(cr, b.x, b.y + 22, b.x + b.w, b.y + 22);
  PaintAnimal(cr, b.x + 8, b.y + 17, false);
  PaintAnimal(cr, b.x + 17, b.y + 16, false);
}

void Sawmill(cairo_t* cr, Side, Box b) {
  PaintGableHouse(cr, {b.x + 1, b.y + 2, b.w - 2, 9}, kRoofGrey, false);
  PaintLogs(cr, b.x + 4, b.y + 18);
  PaintLogs(cr, b.x + 14, b.y + 18);
}

void Campsite(cairo_t* cr, Side, Box b) {
  PaintTent(cr, b.x + b.w * 0.3, b.y + b.h * 0.25, Rgb255(230, 120, 50));
  PaintTent(cr, b.x + b.w * 0.68, b.y + b.h * 0.45, Rgb255(60, 150, 210));
  PaintTent(cr, b.x + b.w * 0.3, b.y + b.h * 0.72, Rgb255(230, 190, 60));
  const double fx = b.x + b.w * 0.72, fy = b.y + b.h * 0.85;
  cairo_arc(cr, fx, fy, 2.2, 0, 2 * kPi);
  SetColour(cr, Rgb255(120, 110, 100));
  cairo_fill(cr);
  cairo_arc(cr, fx, fy, 1.2, 0, 2 * kPi);
  SetColour(cr, Rgb255(255, 150, 40));
  cairo_fill(cr);
}

void Chapel(cairo_t* cr, Side, Box b) {
  PaintGableHouse(cr, {b.x + 6, b.y + 2, 12, b.h - 3}, kRoofSlate, false);
  PaintHipHouse(cr, {b.x + 8.5, b.y + b.h - 8, 7, 7}, kRoofSlate);
  cairo_set_line_width(cr, 1);
  SetColour(cr, Rgb255(240, 210, 90));
  cairo_move_to(cr, b.x + 12, b.y + 3.5);
  cairo_line_to(cr, b.x + 12, b.y + 8.5);
  cairo_move_to(cr, b.x + 10, b.y + 5.5);
  cairo_line_to(cr, b.x + 14, b.y + 5.5);
  cairo_stroke(cr);
}

void WaterTower(cairo_t* cr, Side, Box b) {
  PaintRoundTower(cr, b.x + b.w / 2, b.y + b.h / 2, 7, Rgb255(170, 176, 186));
  cairo_arc(cr, b.x + b.w / 2, b.y + b.h / 2, 4.5, 0, 2 * kPi);
  SetColour(cr, Rgb255(90, 100, 120), 0.6);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

void Inn(cairo_t* cr, Side, Box b) {
  PaintGableHouse(cr, {b.x + 1, b.y + 1, b.w - 2, 9}, kRoofRed);
  PaintUmbrella(cr, b.x + 5, b.y + 13, Rgb255(40, 130, 80));
  PaintUmbrella(cr, b.x + 13, b.y + 13.5, Rgb255(200, 60, 60));
  PaintUmbrella(cr, b.x + 21, b.y + 12.5, Rgb255(40, 130, 80));
}

void Villa(cairo_t* cr, Side, Box b) {
  PaintHipHouse(cr, {b.x + 1, b.y + 6, 13, 10}, Rgb255(226, 140, 80));
  PaintPool(cr, {b.x + 17, b.y + 4, 6, 12});
}

void PaintFarm(cairo_t* cr) {
  const auto cell_roads = [&](int column, int row, TileCode code) {
    cairo_save(cr);
    cairo_translate(cr, column * kCell, row * kCell);
    PaintRoads(cr, KindsOf(verlumo::EdgeWordOf(code)));
    cairo_restore(cr);
  };
  PaintField(cr, 5, 5, 38, 36, Crop::Wheat, true);
  PaintHedge(cr, 5, 43, 43, 43);
  PaintField(cr, 101, 5, 38, 36, Crop::Cabbage, false);
  PaintFence(cr, 100, 43, 139, 43);
  cell_roads(1, 0, 147);
  cell_roads(1, 1, 104);
  cell_roads(0, 1, 183);
  cell_roads(2, 1, 182);
  PaintGableHouse(cr, {58, 5, 28, 12}, kRoofRed);
  PaintTree(cr, 55, 30, 5, TreeKind::Fruit);
  PaintFlowers(cr, 88, 30, 3);
  PaintGableHouse(cr, {6, 81, 34, 10}, kRoofBrown, false);
  PaintHaystack(cr, 10, 58, 3.5);
  PaintHaystack(cr, 17, 55, 3);
  PaintFence(cr, 100, 81, 140, 81);
  PaintFence(cr, 100, 81, 100, 92);
  PaintFence(cr, 140, 81, 140, 92);
  PaintFence(cr, 100, 92, 140, 92);
  PaintAnimal(cr, 110, 86, false);
  PaintAnimal(cr, 126, 87, false);
  PaintTree(cr, 128, 58, 5.5, TreeKind::Round);
  PaintBush(cr, 108, 57, 3, 2);
  // Cart track marks in the yard.
  cairo_arc(cr, 72, 72, 9, 0, 2 * kPi);
  SetColour(cr, kGravel, 0.6);
  cairo_fill(cr);
}

void PaintChurch(cairo_t* cr) {
  cairo_save(cr);
  cairo_translate(cr, 0, kCell);
  PaintRoads(cr, KindsOf(verlumo::EdgeWordOf(142)));
  cairo_restore(cr);
  // Apse, nave and tower from the altar end down to the door.
  cairo_arc(cr, 24, 14, 9, kPi, 2 * kPi);
  cairo_close_path(cr);
  FillShadow(cr, 2.5, 2.5, 0.3);
  PaintGableHouse(cr, {15, 14, 18, 38}, kRoofSlate, false);
  cairo_arc(cr, 24, 14.5, 9, kPi, 2 * kPi);
  cairo_close_path(cr);
  SetColour(cr, Shade(kRoofSlate, -0.05));
  cairo_fill(cr);
  PaintHipHouse(cr, {16.5, 51, 15, 13}, Shade(kRoofSlate, -0.1));
  cairo_set_line_width(cr, 1.2);
  SetColour(cr, Rgb255(240, 210, 90));
  cairo_move_to(cr, 24, 53.5);
  cairo_line_to(cr, 24, 61.5);
  cairo_move_to(cr, 21, 56.5);
  cairo_line_to(cr, 27, 56.5);
  cairo_stroke(cr);
  // The churchyard: small grave stones and yews.
  for (double y = 22; y < 48; y += 7) {
    for (double x : {7.0, 39.0}) {
      cairo_rectangle(cr, x - 1, y - 1.5, 2, 3);
      SetColour(cr, Rgb255(190, 190, 196));
      cairo_fill(cr);
    }
  }
  PaintTree(cr, 8, 8, 4, TreeKind::Pine);
  PaintTree(cr, 40, 8, 4, TreeKind::Pine);
  PaintTree(cr, 8, 70, 4.5, TreeKind::Round);
  PaintTree(cr, 40, 72, 4.5, TreeKind::Round);
  PaintFlowers(cr, 9, 86, 21);
  PaintFlowers(cr, 39, 88, 22);
}

void PaintManor(cairo_t* cr) {
  // Gravel forecourt, the U-shaped house around it, and a formal garden in front.
  RoundedRect(cr, 30, 40, 36, 40, 4);
  SetColour(cr, kPaving);
  cairo_fill_preserve(cr);
  SetGrainSource(cr, Grain::Stone);
  cairo_fill(cr);
  PaintHipHouse(cr, {10, 8, 76, 22}, kRoofSlate);
  PaintHipHouse(cr, {10, 30, 20, 34}, kRoofSlate);
  PaintHipHouse(cr, {66, 30, 20, 34}, kRoofSlate);
  PaintHipHouse(cr, {40, 4, 16, 8}, Shade(kRoofSlate, -0.08));
  FillDiscs(cr, 48, 58, {{6, kStone}, {4.5, kWaterShallow}, {1.2, kWaterFoam}});
  for (double x : {14.0, 82.0}) {
    PaintTree(cr, x, 78, 5.5, TreeKind::Round);
  }
  PaintHedge(cr, 24, 86, 42, 86);
  PaintHedge(cr, 54, 86, 72, 86);
  for (double x : {36.0, 60.0}) PaintBush(cr, x, 74, 3, static_cast<int>(x));
  PaintFlowers(cr, 22, 70, 30);
  PaintFlowers(cr, 74, 70, 31);
}

void PaintFactory(cairo_t* cr) {
  cairo_save(cr);
  cairo_translate(cr, kCell, kCell);
  RoadStyle car_park;
  car_park.dead_end = RoadEnd::CarPark;
  PaintRoads(cr, KindsOf(verlumo::EdgeWordOf(125)), car_park);
  cairo_restore(cr);
  // Paved yard with crates and a lorry, fenced.
  cairo_rectangle(cr, 6, 52, 46, 38);
  SetColour(cr, kPaving);
  cairo_fill_preserve(cr);
  SetGrainSource(cr, Grain::Stone);
  cairo_fill(cr);
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 2; ++j) {
      const double x = 10 + i * 7, y = 74 + j * 7;
      cairo_rectangle(cr, x, y, 5, 5);
      FillShadow(cr, 1, 1, 0.3);
      cairo_rectangle(cr, x, y, 5, 5);
      SetColour(cr, Rgb255(190, 140, 80));
      cairo_fill(cr);
      cairo_rectangle(cr, x + 0.5, y + 0.5, 4, 4);
      SetColour(cr, kWoodDark, 0.6);
      cairo_set_line_width(cr, 0.6);
      cairo_stroke(cr);
    }
  }
  PaintShadowedBlock(cr, 34, 60, 8, 22, 1, Rgb255(70, 110, 170));
  cairo_rectangle(cr, 34, 60, 8, 6);
  SetColour(cr, Rgb255(220, 220, 225));
  cairo_fill(cr);
  // Sheds with saw-tooth roofs, and the boiler house with its tall chimney.
  for (int i = 0; i < 5; ++i) {
    const double x = 6 + i * 9;
    cairo_rectangle(cr, x, 8, 9, 38);
    if (i == 0) FillShadow(cr, 2.5, 2.5, 0.3);
  }
  cairo_rectangle(cr, 6, 8, 45, 38);
  FillShadow(cr, 2.5, 2.5, 0.3);
  for (int i = 0; i < 5; ++i) {
    const double x = 6 + i * 9;
    cairo_rectangle(cr, x, 8, 6, 38);
    SetColour(cr, Shade(kRoofGrey, 0.1));
    cairo_fill(cr);
    cairo_rectangle(cr, x + 6, 8, 3, 38);
    SetColour(cr, Rgb255(150, 190, 210));
    cairo_fill(cr);
  }
  PaintGableHouse(cr, {58, 10, 30, 22}, kRoofRed, false);
  PaintRoundTower(cr, 80, 42, 4.5, Rgb255(170, 80, 60));
  cairo_arc(cr, 80, 42, 2.5, 0, 2 * kPi);
  SetColour(cr, Rgb255(40, 30, 30));
  cairo_fill(cr);
  PaintSmoke(cr, 83, 38);
  PaintTree(cr, 62, 44, 4.5, TreeKind::Round);
}

Scene BigScene(int columns, int rows, void (*paint)(cairo_t*), std::vector<Cut> cuts) {
  Scene scene;
  scene.columns = columns;
  scene.rows = rows;
  scene.paint = paint;
  scene.cuts = std::move(cuts);
  return scene;
}

// A fixed road tile with its own decoration, and details strewn where there is room.
Scene RoadTile(TileCode code, RoadStyle style, void (*decorate)(cairo_t*)) {
  return SingleTile(code, [code, style, decorate](cairo_t* cr) {
    const RoadKinds kinds = KindsOf(verlumo::EdgeWordOf(code));
    PaintRoads(cr, kinds, style);
    decorate(cr);
    Footprint footprint([&](cairo_t* mask) {
      PaintRoads(mask, kinds, style);
      decorate(mask);
    });
    StrewDetails(cr, footprint, code, 3, Details::Flowers);
  });
}

void Avenue(cairo_t* cr) {
  for (double x : {8.0, 24.0, 40.0}) {
    PaintTree(cr, x, 7, 4.5, TreeKind::Round);
    PaintTree(cr, x, 39.5, 4.5, TreeKind::Round);
  }
}

void StreetLamps(cairo_t* cr) {
  for (double y : {10.0, 38.0}) {
    for (double x : {8.0, 40.0}) {
      FillDiscs(cr, x, y, {{4, Rgb255(255, 240, 170), 0.35}, {1.5, Rgb255(60, 64, 72)}});
    }
  }
}

void PetrolStation(cairo_t* cr) {
  cairo_rectangle(cr, 22, 9, 18, 12);
  FillShadow(cr, 2.5, 2.5, 0.3);
  cairo_rectangle(cr, 22, 9, 18, 12);
  SetColour(cr, kWhite);
  cairo_fill(cr);
  cairo_rectangle(cr, 22, 9, 18, 2.5);
  cairo_rectangle(cr, 22, 18.5, 18, 2.5);
  SetColour(cr, Rgb255(210, 50, 40));
  cairo_fill(cr);
  PaintGableHouse(cr, {27, 30, 14, 11}, kRoofGrey, false);
}

void BusDepot(cairo_t* cr) {
  PaintGableHouse(cr, {7, 3, 30, 9}, kRoofGrey, false);
  PaintShadowedBlock(cr, 14, 22, 19, 8, 1.5, Rgb255(240, 190, 40));
  cairo_rectangle(cr, 16, 23.5, 15, 5);
  SetColour(cr, Rgb255(250, 220, 110));
  cairo_fill(cr);
}

void BusStop(cairo_t* cr) {
  cairo_rectangle(cr, 6, 36, 10, 4);
  FillShadow(cr, 1.5, 1.5, 0.3);
  cairo_rectangle(cr, 6, 36, 10, 4);
  SetColour(cr, Rgb255(80, 150, 200));
  cairo_fill(cr);
  cairo_arc(cr, 19, 38, 1.3, 0, 2 * kPi);
  SetColour(cr, Rgb255(240, 200, 40));
  cairo_fill(cr);
}

void BendPond(cairo_t* cr) {
  cairo_save(cr);
  cairo_translate(cr, 36, 36);
  cairo_scale(cr, 1.0, 0.8);
  cairo_arc(cr, 0, 0, 7.5, 0, 2 * kPi);
  cairo_restore(cr);
  SetColour(cr, kSand);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_translate(cr, 36, 36);
  cairo_scale(cr, 1.0, 0.8);
  cairo_arc(cr, 0, 0, 6, 0, 2 * kPi);
  cairo_restore(cr);
  SetColour(cr, kWaterShallow);
  cairo_fill(cr);
}

void BendTrees(cairo_t* cr) {
  PaintTree(cr, 36, 10, 5, TreeKind::Pine);
  PaintTree(cr, 38, 22, 4.5, TreeKind::Round);
}

void Bench(cairo_t* cr) {
  cairo_rectangle(cr, 7, 8, 9, 3);
  FillShadow(cr, 1, 1, 0.3);
  cairo_rectangle(cr, 7, 8, 9, 3);
  SetColour(cr, kWood);
  cairo_fill(cr);
  PaintTree(cr, 12, 17, 3.5, TreeKind::Round);
}

}  // namespace

std::vector<Scene> BuildingScenes() {
  RoadStyle car_park;
  car_park.dead_end = RoadEnd::CarPark;
  car_park.parked_cars = false;
  return {
      LaneHouse(103, Cottage),       LaneHouse(113, BrownCottage),   LaneHouse(126, Smithy),
      LaneHouse(140, Windmill),      LaneHouse(141, ThatchedCottage), LaneHouse(143, Barn),
      LaneHouse(146, Greenhouse),    LaneHouse(148, BlueHouse),      LaneHouse(149, Stable),
      LaneHouse(160, Sawmill),       LaneHouse(161, Campsite),       LaneHouse(163, GreenCottage),
      LaneHouse(165, Chapel),        LaneHouse(180, WaterTower),     LaneHouse(184, Inn),
      LaneHouse(185, Villa),
      BigScene(3, 2, PaintFarm, {{98, 0, 0}, {147, 1, 0}, {99, 2, 0}, {183, 0, 1}, {104, 1, 1}, {182, 2, 1}}),
      BigScene(1, 2, PaintChurch, {{117, 0, 0}, {142, 0, 1}}),
      BigScene(2, 2, PaintManor, {{120, 0, 0}, {121, 1, 0}, {122, 0, 1}, {123, 1, 1}}),
      BigScene(2, 2, PaintFactory, {{114, 0, 0}, {115, 1, 0}, {124, 0, 1}, {125, 1, 1}}),
      RoadTile(94, {}, Avenue),
      RoadTile(95, {}, StreetLamps),
      RoadTile(100, car_park, PetrolStation),
      RoadTile(112, car_park, BusDepot),
      RoadTile(186, {}, BusStop),
      RoadTile(187, {}, BendPond),
      RoadTile(188, {}, BendTrees),
      RoadTile(189, {}, Bench),
  };
}

}  // namespace artgen::tiles
