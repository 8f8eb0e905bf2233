// The open countryside: the forest (any rectangle from 2 x 2 tiles), copses, fields, the
// orchard, the pasture, the village green, the football pitch and the fixed lanes through it.
#include <algorithm>
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

using verlumo::TileCode;
constexpr double kPi = std::numbers::pi;

struct TreeSpot {
  double x;
  double y;
  double radius;
  TreeKind kind;
};

// The forest's trees stand on the same jittered grid in every cell, so a forest cell fits
// beside any other forest cell; only trees whose crowns stay 3 pixels inside the forest's
// outer border are planted.
void PaintForest(cairo_t* cr) {
  constexpr double kOuter = 3 * kCell;
  std::vector<TreeSpot> spots;
  for (int cy = 0; cy < 3; ++cy) {
    for (int cx = 0; cx < 3; ++cx) {
      for (int gy = 0; gy < 3; ++gy) {
        for (int gx = 0; gx < 3; ++gx) {
          const std::uint32_t h = Hash(gx, gy, 99);
          const double x = cx * kCell + 8 + gx * 16 + ((h & 7) - 3.5) * 0.8;
          const double y = cy * kCell + 8 + gy * 16 + (((h >> 3) & 7) - 3.5) * 0.8;
          const double radius = 7.5 + ((h >> 6) & 3) * 0.5;
          const double reach = radius * 1.45 + 3;
          if (x - radius < 3 || y - radius < 3 || x + reach > kOuter || y + reach > kOuter) continue;
          spots.push_back({x, y, radius, ((h >> 9) % 3 == 0) ? TreeKind::Pine : TreeKind::Round});
        }
      }
    }
  }
  std::sort(spots.begin(), spots.end(), [](const TreeSpot& a, const TreeSpot& b) {
    return a.y != b.y ? a.y < b.y : a.x < b.x;
  });
  // A darker forest floor under the crowns.
  RoundedRect(cr, 4, 4, kOuter - 8, kOuter - 8, 12);
  SetColour(cr, kLeafDark, 0.35);
  cairo_fill(cr);
  for (const TreeSpot& spot : spots) PaintTree(cr, spot.x, spot.y, spot.radius, spot.kind);
}

void Copse(cairo_t* cr, TreeKind kind, int seed) {
  Rng rng(static_cast<std::uint32_t>(seed));
  const double spots[][2] = {{14, 14}, {32, 12}, {22, 27}, {12, 34}, {34, 32}};
  for (const auto& spot : spots) {
    PaintTree(cr, spot[0] + rng.Uniform(-1.5, 1.5), spot[1] + rng.Uniform(-1.5, 1.5), rng.Uniform(6, 7.5), kind);
  }
}

void RoundCopse(cairo_t* cr) { Copse(cr, TreeKind::Round, 1); }
void PineCopse(cairo_t* cr) { Copse(cr, TreeKind::Pine, 2); }

void BirchGrove(cairo_t* cr) {
  Copse(cr, TreeKind::Birch, 3);
  PaintFlowers(cr, 40, 42, 4);
}

void WheatField(cairo_t* cr) {
  PaintField(cr, 6, 6, 36, 36, Crop::Wheat, true);
  PaintHedge(cr, 5, 5, 43, 5);
  PaintHedge(cr, 5, 43, 43, 43);
  PaintHedge(cr, 5, 5, 5, 43);
  PaintHedge(cr, 43, 5, 43, 43);
}

void VegetableGarden(cairo_t* cr) {
  PaintField(cr, 6, 6, 16, 16, Crop::Cabbage, true);
  PaintField(cr, 26, 6, 16, 16, Crop::Ploughed, false);
  PaintField(cr, 6, 26, 16, 16, Crop::Vines, false);
  PaintField(cr, 26, 26, 16, 16, Crop::Cabbage, false);
  cairo_set_line_width(cr, 1.2);
  SetColour(cr, kWoodDark);
  cairo_move_to(cr, 24, 21);
  cairo_line_to(cr, 24, 27);
  cairo_move_to(cr, 21, 23);
  cairo_line_to(cr, 27, 23);
  cairo_stroke(cr);
  cairo_arc(cr, 24, 21, 1.3, 0, 2 * kPi);
  SetColour(cr, kWheat);
  cairo_fill(cr);
}

void Orchard(cairo_t* cr) {
  for (double y : {11.0, 24.0, 37.0}) {
    for (double x : {11.0, 24.0, 37.0}) PaintTree(cr, x + (y == 24 ? 1.5 : 0), y, 4.8, TreeKind::Fruit);
  }
}

void Meadow(cairo_t* cr) {
  for (int i = 0; i < 14; ++i) {
    PaintFlowers(cr, 8 + (i * 37 % 32), 8 + (i * 23 % 32), i + 50);
  }
  for (double x : {14.0, 22.0, 30.0}) {
    cairo_rectangle(cr, x, 30, 5, 6);
    FillShadow(cr, 1.3, 1.3, 0.3);
    cairo_rectangle(cr, x, 30, 5, 6);
    SetColour(cr, Rgb255(236, 200, 100));
    cairo_fill(cr);
    cairo_rectangle(cr, x, 30, 5, 1.6);
    SetColour(cr, Rgb255(170, 120, 60));
    cairo_fill(cr);
  }
}

void VillageGreen(cairo_t* cr) {
  cairo_arc(cr, 24, 24, 14, 0, 2 * kPi);
  SetColour(cr, kPaving);
  cairo_fill_preserve(cr);
  SetGrainSource(cr, Grain::Stone);
  cairo_fill(cr);
  FillDiscs(cr, 24, 24, {{7, kStoneEdge}, {5.8, kWaterShallow}, {1.8, kStone}});
  cairo_arc(cr, 23.4, 23.4, 0.8, 0, 2 * kPi);
  SetColour(cr, kWaterFoam);
  cairo_fill(cr);
  for (double a = 0.4; a < 2 * kPi; a += kPi / 2) {
    PaintTree(cr, 24 + std::cos(a) * 17.5, 24 + std::sin(a) * 17.5 - 1, 4, TreeKind::Round);
  }
}

void Pasture(cairo_t* cr) {
  PaintFence(cr, 5, 5, 43, 5);
  PaintFence(cr, 5, 43, 43, 43);
  PaintFence(cr, 5, 5, 5, 43);
  PaintFence(cr, 43, 5, 43, 43);
  const double sheep[][2] = {{14, 14}, {30, 12}, {22, 24}, {12, 33}, {34, 30}, {27, 37}};
  for (const auto& s : sheep) {
    cairo_arc(cr, s[0] + 1, s[1] + 1, 2.4, 0, 2 * kPi);
    SetColour(cr, kShadow, 0.25);
    cairo_fill(cr);
    for (double dx : {-1.0, 1.0}) cairo_arc(cr, s[0] + dx, s[1], 1.8, 0, 2 * kPi);
    SetColour(cr, kWhite);
    cairo_fill(cr);
    cairo_arc(cr, s[0] + 2.6, s[1] - 0.3, 1, 0, 2 * kPi);
    SetColour(cr, Rgb255(50, 45, 45));
    cairo_fill(cr);
  }
}

void RocksAndBushes(cairo_t* cr) {
  PaintStone(cr, 16, 16, 6, 1);
  PaintStone(cr, 24, 21, 4, 2);
  PaintStone(cr, 33, 33, 5, 3);
  PaintBush(cr, 32, 14, 4, 4);
  PaintBush(cr, 13, 32, 4.5, 5);
  PaintBush(cr, 38, 22, 3, 6);
  PaintFlowers(cr, 24, 38, 7);
}

void PaintPitch(cairo_t* cr) {
  cairo_rectangle(cr, 6, 6, 84, 36);
  FillShadow(cr, 1, 1, 0.2);
  for (int i = 0; i < 7; ++i) {
    cairo_rectangle(cr, 6 + i * 12, 6, 12, 36);
    SetColour(cr, i % 2 ? Rgb255(96, 170, 70) : Rgb255(110, 184, 80));
    cairo_fill(cr);
  }
  SetColour(cr, kWhite, 0.9);
  cairo_set_line_width(cr, 1);
  cairo_rectangle(cr, 8.5, 8.5, 79, 31);
  cairo_move_to(cr, 48, 8.5);
  cairo_line_to(cr, 48, 39.5);
  cairo_stroke(cr);
  cairo_arc(cr, 48, 24, 6, 0, 2 * kPi);
  cairo_stroke(cr);
  cairo_rectangle(cr, 8.5, 16.5, 8, 15);
  cairo_rectangle(cr, 79.5, 16.5, 8, 15);
  cairo_stroke(cr);
  cairo_rectangle(cr, 6, 20, 2.5, 8);
  cairo_rectangle(cr, 87.5, 20, 2.5, 8);
  SetColour(cr, kWhite);
  cairo_fill(cr);
}

// A fixed lane with what lines it; the lane's sides join any lane tile.
Scene LaneTile(TileCode code, void (*decorate)(cairo_t*)) {
  return SingleTile(code, [code, decorate](cairo_t* cr) {
    const RoadKinds kinds = KindsOf(verlumo::EdgeWordOf(code));
    decorate(cr);
    PaintRoads(cr, kinds);
  });
}

void Hedges(cairo_t* cr) {
  PaintHedge(cr, 4, 11, 44, 11);
  PaintHedge(cr, 4, 36, 44, 36);
  PaintTree(cr, 36, 6, 3.5, TreeKind::Round);
}

void OrchardRows(cairo_t* cr) {
  for (double y : {9.0, 24.0, 39.0}) {
    PaintTree(cr, 8.5, y, 4.3, TreeKind::Fruit);
    PaintTree(cr, 38.5, y, 4.3, TreeKind::Fruit);
  }
}

void FieldsAcross(cairo_t* cr) {
  PaintField(cr, 4, 4, 40, 11, Crop::Wheat, false);
  PaintField(cr, 4, 33, 40, 11, Crop::Cabbage, false);
}

void FieldsDown(cairo_t* cr) {
  PaintField(cr, 4, 4, 11, 40, Crop::Vines, true);
  PaintField(cr, 33, 4, 11, 40, Crop::Ploughed, true);
}

// A fence along the outside of a lane bend, with a tree in the far corner.
template <int kCornerX, int kCornerY>
void FencedBend(cairo_t* cr) {
  const double cx = kCornerX, cy = kCornerY;
  const double far_x = 48 - cx, far_y = 48 - cy;
  const double start = std::atan2(far_y - cy, far_x - cx) - kPi / 4;
  double px = 0, py = 0;
  for (int i = 0; i <= 6; ++i) {
    const double a = start + i * kPi / 12;
    const double x = cx + std::cos(a) * 34;
    const double y = cy + std::sin(a) * 34;
    if (i > 0) PaintFence(cr, px, py, x, y);
    px = x;
    py = y;
  }
  PaintTree(cr, cx + (far_x - cx) * 0.83, cy + (far_y - cy) * 0.83 - 1, 4.5, TreeKind::Round);
}

}  // namespace

std::vector<Scene> CountrysideScenes() {
  Scene forest;
  forest.columns = 3;
  forest.rows = 3;
  forest.paint = PaintForest;
  forest.cuts = {{136, 0, 0}, {110, 1, 0}, {137, 2, 0}, {118, 0, 1}, {116, 1, 1},
                 {119, 2, 1}, {138, 0, 2}, {111, 1, 2}, {139, 2, 2}};
  Scene pitch;
  pitch.columns = 2;
  pitch.paint = PaintPitch;
  pitch.cuts = {{166, 0, 0}, {167, 1, 0}};
  return {
      std::move(forest),
      std::move(pitch),
      SingleTile(91, RoundCopse),
      SingleTile(92, PineCopse),
      SingleTile(93, BirchGrove),
      SingleTile(101, WheatField),
      SingleTile(102, VegetableGarden),
      SingleTile(105, Orchard),
      SingleTile(106, Meadow),
      SingleTile(162, VillageGreen),
      SingleTile(198, Pasture),
      SingleTile(199, RocksAndBushes),
      LaneTile(144, Hedges),
      LaneTile(145, OrchardRows),
      LaneTile(170, FieldsAcross),
      LaneTile(171, FieldsDown),
      LaneTile(172, FencedBend<48, 0>),
      LaneTile(173, FencedBend<0, 0>),
      LaneTile(174, FencedBend<0, 48>),
      LaneTile(175, FencedBend<48, 48>),
  };
}

}  // namespace artgen::tiles
