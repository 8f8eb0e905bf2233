// Filling the open cells of a draft with movable tiles: a chosen number of them become a road
// network whose edges all fit (each other, the scenery and the border), the rest stay empty.
#pragma once

#include <array>
#include <optional>

#include "core/board.h"
#include "tools/levels/level_random.h"
#include "tools/levels/scenery_planner.h"

namespace verlumo::levels {

// How a level's roads look: which kinds of road are common and how often they branch.
struct RoadStyle {
  std::array<double, 4> kind_weight = {0, 1, 0.002, 0.3};  // by edge code; 2 is the bridge road
  double dead_end = 0.15;
  double straight = 1;
  double bend = 1.2;
  double junction = 0.5;  // three roads meet
  double crossing = 0.2;  // four roads meet
  // How strongly the road area grows into cells that already have road cells beside them: high
  // gives compact blocks of roads, low gives long winding ones.
  double compactness = 1;
};

// Chooses `road_cells` open cells (more when the roads leaving the scenery need them to join
// up), fills them with road pieces and every other open cell with the empty tile. Empty when
// no fitting arrangement was found in this attempt.
std::optional<Board> FillRoads(const Draft& draft, int road_cells, const RoadStyle& style,
                               LevelRandom& random);

}  // namespace verlumo::levels
