// Roads as the edge table describes them: for each side of a tile no road (0), a two-lane road
// (1), the same road on a raised, stone-lined bed (2) or a narrow lane (3). Every road leaves
// its side centred on the line between pixels 23 and 24 with the same cross-section, so that
// two facing edges of one kind meet without a seam.
#pragma once

#include <cairo.h>

#include <array>

#include "core/tile_catalogue.h"

namespace artgen::tiles {

// Road kind by side, indexed like verlumo::Side: right, top, left, bottom.
using RoadKinds = std::array<int, 4>;

RoadKinds KindsOf(verlumo::EdgeWord word);

// What the middle of a tile looks like where its roads meet or end.
enum class Junction { Plain, Zebra, Roundabout, TreeIsland };
enum class RoadEnd { TurningLoop, CarPark };

struct RoadStyle {
  Junction junction = Junction::Plain;
  RoadEnd dead_end = RoadEnd::TurningLoop;
  // With two straight roads crossing, carry the stone-lined one over the other on a bridge.
  bool overpass = false;
  bool parked_cars = true;  // cars in the bays of a car park
};

// Paints the roads of one tile into the cell whose top-left corner is the origin.
void PaintRoads(cairo_t* cr, const RoadKinds& kinds, const RoadStyle& style = {});

// Cross-section of a road kind: half the width of its opaque part, and of its soft verge.
double RoadHalfWidth(int kind);
double VergeHalfWidth(int kind);

// The cell's side midpoint and the direction from the cell's middle towards that side.
struct Point {
  double x;
  double y;
};
Point SideMidpoint(verlumo::Side side);
Point SideDirection(verlumo::Side side);

// Turns the drawing so that the side's midpoint is the origin, +x runs into the tile and +y
// runs across the road.
void FaceSide(cairo_t* cr, verlumo::Side side);

}  // namespace artgen::tiles
