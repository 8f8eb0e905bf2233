// Facts about one level record that the checker reports and the generator steers by: what its
// cells hold, how its scenery joins, how many road networks it shows, and its difficulty.
#pragma once

#include <vector>

#include "core/board.h"

namespace verlumo::levels {

struct LevelFacts {
  int movable = 0;                      // codes 0 to 90
  int selectable = 0;                   // codes 1 to 89
  int fixed = 0;                        // catalogued codes above 90
  int road_pieces = 0;                  // movable tiles with a road: codes 1 to 90
  int road_classes = 0;                 // distinct edge words among them
  std::vector<int> uncatalogued_cells;  // cells holding a code from 200 to 255
};

LevelFacts CountLevel(const Board& level);

// The difficulty figure: one point per movable road piece (each must be carried to its place)
// plus two points for every halving of the solution count below 1024 (the fewer the solutions,
// the more the player must work out). A level with 1024 or more solutions scores its road pieces
// alone; a level with one solution scores 20 more.
constexpr int kDifficultySolutionCap = 1024;
int DifficultyOf(int road_pieces, int solutions);

// Sides of fixed tiles whose neighbour (or the border) the scenery catalogue does not accept
// there: a broken building, a river that stops, a road that ends in a field.
int SceneryMisfits(const Board& level);

// Road networks: groups of tiles joined through roads whose facing edges match. Floating ones
// hold movable tiles only, so they could be built anywhere there is room.
struct NetworkCount {
  int all = 0;
  int floating = 0;
};
NetworkCount CountNetworks(const Board& level);

}  // namespace verlumo::levels
