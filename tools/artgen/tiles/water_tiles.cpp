// Water: a river one tile wide that runs straight or bends from tile to tile, a lake of any
// rectangle from 2 x 2 tiles with a three-tile bridge across it, a pond, and the bridges and
// footbridges over the river. Every river tile shows the same cross-section where it meets
// its side, so river tiles join in any order.
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
constexpr double kPi = std::numbers::pi;
constexpr double kMid = 24;

// The river's path through a tile, from the midpoint of one side to that of another: a
// straight line or a quarter circle around the corner between them.
void TraceCourse(cairo_t* cr, Side a, Side b, double offset = 0) {
  const Point pa = SideMidpoint(a);
  const Point pb = SideMidpoint(b);
  if (static_cast<int>(a) % 2 == static_cast<int>(b) % 2) {
    cairo_move_to(cr, pa.x, pa.y);
    cairo_line_to(cr, pb.x, pb.y);
    return;
  }
  const Point corner{pa.x + pb.x - kMid, pa.y + pb.y - kMid};
  const double a0 = std::atan2(pa.y - corner.y, pa.x - corner.x);
  double a1 = std::atan2(pb.y - corner.y, pb.x - corner.x);
  if (a1 < a0) a1 += 2 * kPi;
  if (a1 - a0 > kPi) {
    cairo_arc_negative(cr, corner.x, corner.y, kMid + offset, a0, a1 - 2 * kPi);
  } else {
    cairo_arc(cr, corner.x, corner.y, kMid + offset, a0, a1);
  }
}

void StrokeCourse(cairo_t* cr, Side a, Side b, double width, Colour colour, double alpha = 1) {
  TraceCourse(cr, a, b);
  cairo_set_line_width(cr, width);
  SetColour(cr, colour, alpha);
  cairo_stroke(cr);
}

// Light ripples on water, kept inside the cell so that none is cut at its border.
void PaintRipples(cairo_t* cr, int seed, int count) {
  Rng rng(static_cast<std::uint32_t>(seed));
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < count; ++i) {
    const double x = rng.Uniform(8, 40);
    const double y = rng.Uniform(8, 40);
    const double w = rng.Uniform(2.5, 4.5);
    cairo_move_to(cr, x - w, y);
    cairo_curve_to(cr, x - w / 2, y - 1.3, x + w / 2, y - 1.3, x + w, y);
    SetColour(cr, kWaterFoam, 0.55);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

// A tuft of reeds: a few dark blades fanning out from one point.
void PaintReeds(cairo_t* cr, double x, double y) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = -2; i <= 2; ++i) {
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + i * 1.2, y - 4 + std::abs(i) * 0.6);
  }
  SetColour(cr, Rgb255(70, 120, 50));
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
  cairo_arc(cr, x - 1.2, y - 3.6, 0.8, 0, 2 * kPi);
  cairo_arc(cr, x + 1.3, y - 3.2, 0.8, 0, 2 * kPi);
  SetColour(cr, Rgb255(120, 80, 40));
  cairo_fill(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void PaintLilyPad(cairo_t* cr, double x, double y, double r) {
  cairo_move_to(cr, x, y);
  cairo_arc(cr, x, y, r, 0.5, 2 * kPi);
  cairo_close_path(cr);
  SetColour(cr, Rgb255(80, 160, 70));
  cairo_fill(cr);
  cairo_arc(cr, x + r * 0.3, y - r * 0.3, r * 0.3, 0, 2 * kPi);
  SetColour(cr, Rgb255(250, 220, 235));
  cairo_fill(cr);
}

void PaintRiver(cairo_t* cr, Side a, Side b, int seed) {
  StrokeCourse(cr, a, b, 32, kGrassDark, 0.5);
  StrokeCourse(cr, a, b, 28, kSand);
  TraceCourse(cr, a, b);
  cairo_set_line_width(cr, 28);
  SetGrainSource(cr, Grain::Gravel);
  cairo_stroke(cr);
  StrokeCourse(cr, a, b, 24, Mix(kSand, kWaterDeep, 0.45));
  StrokeCourse(cr, a, b, 22, kWaterShallow);
  StrokeCourse(cr, a, b, 16, Mix(kWaterShallow, kWaterDeep, 0.5));
  StrokeCourse(cr, a, b, 8, kWaterDeep);
  // Ripples only where the water runs: painted aside, then laid through the river as a mask.
  cairo_push_group(cr);
  PaintRipples(cr, seed, 5);
  cairo_pattern_t* ripples = cairo_pop_group(cr);
  cairo_push_group(cr);
  StrokeCourse(cr, a, b, 18, kShadow);
  cairo_pattern_t* water = cairo_pop_group(cr);
  cairo_set_source(cr, ripples);
  cairo_mask(cr, water);
  cairo_pattern_destroy(water);
  cairo_pattern_destroy(ripples);
}

// The inner part of a lake of 3 x 3 cells: a rounded rectangle `inset` pixels from the
// canvas's border whose corners turn around the middle of the corner cells' inner corners.
void LakeShape(cairo_t* cr, double inset) {
  RoundedRect(cr, inset, inset, 3 * kCell - 2 * inset, 3 * kCell - 2 * inset, kCell - inset);
}

void PaintLake(cairo_t* cr) {
  LakeShape(cr, 8);
  SetColour(cr, kGrassDark, 0.5);
  cairo_fill(cr);
  LakeShape(cr, 10);
  SetColour(cr, kSand);
  cairo_fill_preserve(cr);
  SetGrainSource(cr, Grain::Gravel);
  cairo_fill(cr);
  LakeShape(cr, 13);
  SetColour(cr, Mix(kSand, kWaterDeep, 0.45));
  cairo_fill(cr);
  LakeShape(cr, 14);
  SetColour(cr, kWaterShallow);
  cairo_fill(cr);
  LakeShape(cr, 21);
  SetColour(cr, Mix(kWaterShallow, kWaterDeep, 0.5));
  cairo_fill(cr);
  LakeShape(cr, 30);
  SetColour(cr, kWaterDeep);
  cairo_fill(cr);
  // Details stay inside their cells, so any two lake cells that fit by shape fit by picture.
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      cairo_save(cr);
      cairo_translate(cr, column * kCell, row * kCell);
      cairo_rectangle(cr, 0, 0, kCell, kCell);
      cairo_clip(cr);
      cairo_save(cr);
      cairo_translate(cr, -column * kCell, -row * kCell);
      LakeShape(cr, 15);
      cairo_restore(cr);
      cairo_clip(cr);
      PaintRipples(cr, 40 + row * 3 + column, 4);
      cairo_restore(cr);
    }
  }
  // Reeds on the shores of the corner cells, lilies near them.
  PaintReeds(cr, 26, 17);
  PaintReeds(cr, 16, 29);
  PaintReeds(cr, 124, 130);
  PaintReeds(cr, 130, 118);
  PaintReeds(cr, 125, 20);
  PaintReeds(cr, 18, 126);
  PaintLilyPad(cr, 30, 30, 2.5);
  PaintLilyPad(cr, 35, 27, 1.8);
  PaintLilyPad(cr, 113, 114, 2.5);
}

Scene LakeScene(std::vector<Cut> cuts, int bridge) {
  Scene scene;
  scene.columns = 3;
  scene.rows = 3;
  scene.cuts = std::move(cuts);
  scene.paint = [bridge](cairo_t* cr) {
    PaintLake(cr);
    if (bridge == 0) return;
    const bool across = bridge == 1;
    const RoadKinds kinds = across ? KindsOf(0x00020002) : KindsOf(0x02000200);
    // Stone piers standing in the water under the bridge.
    for (double along : {56.0, 88.0}) {
      const double x = across ? along : kMid + kCell;
      const double y = across ? kMid + kCell : along;
      for (double sign : {-1.0, 1.0}) {
        const double px = across ? x : x + sign * 17;
        const double py = across ? y + sign * 17 : y;
        cairo_rectangle(cr, px - 3, py - 3, 6, 6);
        SetColour(cr, kStoneEdge);
        cairo_fill(cr);
        cairo_rectangle(cr, px - 2, py - 2, 4, 4);
        SetColour(cr, kStone);
        cairo_fill(cr);
      }
    }
    for (int i = 0; i < 3; ++i) {
      cairo_save(cr);
      cairo_translate(cr, across ? i * kCell : kCell, across ? kCell : i * kCell);
      PaintRoads(cr, kinds);
      cairo_restore(cr);
    }
  };
  return scene;
}

void PaintPond(cairo_t* cr) {
  const auto pond = [&](double grow) {
    cairo_save(cr);
    cairo_translate(cr, 25, 23);
    cairo_scale(cr, 1.0, 0.82);
    cairo_arc(cr, 0, 0, 14 + grow, 0, 2 * kPi);
    cairo_restore(cr);
  };
  pond(4);
  SetColour(cr, kGrassDark, 0.5);
  cairo_fill(cr);
  pond(3);
  SetColour(cr, kSand);
  cairo_fill(cr);
  pond(0.5);
  SetColour(cr, kWaterShallow);
  cairo_fill(cr);
  pond(-5);
  SetColour(cr, kWaterDeep);
  cairo_fill(cr);
  PaintRipples(cr, 9, 0);
  PaintLilyPad(cr, 19, 22, 2.4);
  PaintLilyPad(cr, 30, 27, 2);
  PaintReeds(cr, 12, 17);
  PaintReeds(cr, 37, 33);
  PaintReeds(cr, 34, 14);
  // A duck.
  cairo_arc(cr, 27, 18, 2, 0, 2 * kPi);
  SetColour(cr, kWhite);
  cairo_fill(cr);
  cairo_arc(cr, 28.6, 16.8, 1.1, 0, 2 * kPi);
  SetColour(cr, Rgb255(40, 110, 60));
  cairo_fill(cr);
  PaintBush(cr, 8, 40, 3, 4);
  PaintFlowers(cr, 41, 8, 8);
}

// A wooden footbridge carrying a lane over the river, between bank and bank.
void PaintFootbridge(cairo_t* cr, bool across) {
  cairo_save(cr);
  if (!across) {
    cairo_translate(cr, kCell, 0);
    cairo_rotate(cr, kPi / 2);
  }
  SetColour(cr, kShadow, 0.3);
  cairo_rectangle(cr, 9, 19.5, 30, 12);
  cairo_fill(cr);
  SetColour(cr, kWood);
  cairo_rectangle(cr, 8, 18, 32, 12);
  cairo_fill(cr);
  SetColour(cr, kWoodDark, 0.6);
  cairo_set_line_width(cr, 0.7);
  for (double x = 10; x < 40; x += 2.5) {
    cairo_move_to(cr, x, 18.5);
    cairo_line_to(cr, x, 29.5);
  }
  cairo_stroke(cr);
  SetColour(cr, kWoodDark);
  cairo_rectangle(cr, 8, 17, 32, 1.6);
  cairo_rectangle(cr, 8, 29.4, 32, 1.6);
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace

std::vector<Scene> WaterScenes() {
  std::vector<Scene> scenes;
  struct Bend {
    verlumo::TileCode code;
    Side a;
    Side b;
  };
  for (const Bend& bend : {Bend{130, Side::Top, Side::Bottom}, Bend{131, Side::Left, Side::Right},
                           Bend{132, Side::Right, Side::Top}, Bend{133, Side::Top, Side::Left},
                           Bend{134, Side::Left, Side::Bottom}, Bend{135, Side::Bottom, Side::Right}}) {
    scenes.push_back(SingleTile(bend.code, [bend](cairo_t* cr) {
      PaintRiver(cr, bend.a, bend.b, bend.code);
      Footprint footprint([&](cairo_t* mask) {
        TraceCourse(mask, bend.a, bend.b);
        cairo_set_line_width(mask, 34);
        cairo_stroke(mask);
      });
      StrewDetails(cr, footprint, bend.code, 3, Details::Wild);
    }));
  }
  scenes.push_back(SingleTile(168, [](cairo_t* cr) {
    PaintRiver(cr, Side::Top, Side::Bottom, 168);
    PaintRoads(cr, KindsOf(verlumo::EdgeWordOf(168)));
  }));
  scenes.push_back(SingleTile(169, [](cairo_t* cr) {
    PaintRiver(cr, Side::Left, Side::Right, 169);
    PaintRoads(cr, KindsOf(verlumo::EdgeWordOf(169)));
  }));
  scenes.push_back(SingleTile(164, [](cairo_t* cr) {
    PaintRiver(cr, Side::Top, Side::Bottom, 164);
    PaintRoads(cr, KindsOf(verlumo::EdgeWordOf(164)));
    PaintFootbridge(cr, true);
  }));
  scenes.push_back(SingleTile(181, [](cairo_t* cr) {
    PaintRiver(cr, Side::Left, Side::Right, 181);
    PaintRoads(cr, KindsOf(verlumo::EdgeWordOf(181)));
    PaintFootbridge(cr, false);
  }));
  scenes.push_back(LakeScene({{150, 0, 0}, {154, 1, 0}, {151, 2, 0}, {156, 0, 1}, {158, 1, 1},
                              {157, 2, 1}, {152, 0, 2}, {155, 1, 2}, {153, 2, 2}},
                             0));
  scenes.push_back(LakeScene({{107, 0, 1}, {108, 1, 1}, {109, 2, 1}}, 1));
  scenes.push_back(LakeScene({{127, 1, 0}, {128, 1, 1}, {129, 1, 2}}, 2));
  scenes.push_back(SingleTile(159, PaintPond));
  return scenes;
}

}  // namespace artgen::tiles
