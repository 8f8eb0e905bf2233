// Counting what a level holds, and the difficulty figure.
#include "tools/levels/level_facts.h"

#include <algorithm>
#include <bit>
#include <set>

#include "core/board.h"
#include "tools/scenery/scenery_catalogue.h"

namespace verlumo::levels {

LevelFacts CountLevel(const Board& level) {
  LevelFacts facts;
  std::set<EdgeWord> road_words;
  for (int cell = 0; cell < kCells; ++cell) {
    const TileCode code = level[cell];
    if (!IsCatalogued(code)) {
      facts.uncatalogued_cells.push_back(cell);
      continue;
    }
    if (!IsMovable(code)) {
      ++facts.fixed;
      continue;
    }
    ++facts.movable;
    if (IsSelectable(code)) ++facts.selectable;
    if (code != kEmptyTile) {
      ++facts.road_pieces;
      road_words.insert(EdgeWordOf(code));
    }
  }
  facts.road_classes = static_cast<int>(road_words.size());
  return facts;
}

int DifficultyOf(int road_pieces, int solutions) {
  const unsigned counted = static_cast<unsigned>(std::clamp(solutions, 1, kDifficultySolutionCap));
  const int halvings_below_cap =
      std::bit_width(static_cast<unsigned>(kDifficultySolutionCap)) - std::bit_width(counted);
  return road_pieces + 2 * halvings_below_cap;
}

int SceneryMisfits(const Board& level) {
  int misfits = 0;
  for (int cell = 0; cell < kCells; ++cell) {
    if (IsMovable(level[cell])) continue;
    for (Side side : kSides) {
      const int beside = NeighbourCell(cell, side);
      const int neighbour = beside == kOutside ? scenery::kOutsideBoard : level[beside];
      if (!scenery::Accepts(level[cell], side, neighbour)) ++misfits;
    }
  }
  return misfits;
}

NetworkCount CountNetworks(const Board& level) {
  std::array<bool, kCells> seen{};
  NetworkCount networks;
  for (int start = 0; start < kCells; ++start) {
    if (seen[start] || EdgeWordOf(level[start]) == 0) continue;
    bool touches_scenery = false;
    std::vector<int> stack = {start};
    seen[start] = true;
    while (!stack.empty()) {
      const int cell = stack.back();
      stack.pop_back();
      touches_scenery |= !IsMovable(level[cell]);
      for (Side side : kSides) {
        const int beside = NeighbourCell(cell, side);
        if (beside == kOutside || seen[beside] || EdgeCode(level[cell], side) == 0) continue;
        if (EdgeCode(level[beside], FacingSide(side)) != EdgeCode(level[cell], side)) continue;
        seen[beside] = true;
        stack.push_back(beside);
      }
    }
    ++networks.all;
    if (!touches_scenery) ++networks.floating;
  }
  return networks;
}

}  // namespace verlumo::levels
