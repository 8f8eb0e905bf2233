// The level solver: an exact search for arrangements of a level's movable tiles that pass the
// solved test. It never trusts the record's own arrangement.
#pragma once

#include <cstdint>

#include "core/board.h"

namespace verlumo::levels {

// Solutions are counted up to this many; a count that reaches it means "this many or more".
constexpr int kDefaultSolutionCap = 1024;

struct SolveResult {
  bool solvable = false;
  // Distinct solutions, counted as arrangements of edge words: tiles with equal edge words are
  // interchangeable in play, so swapping two of them does not make a new solution.
  int solutions = 0;
  bool reached_cap = false;      // the search stopped at the cap; there may be more
  bool gave_up = false;          // the search stopped at the placement limit: nothing is proven
  Board solution{};              // the first solution found, when there is one
  std::uint64_t placements = 0;  // tiles tried on cells: the search effort
};

// Searches every way to lay the level's movable tiles (the empty tile and code 90 included) on
// its movable cells, stopping once `solution_cap` solutions are found, or after
// `placement_limit` placements when that is not 0. Codes without a catalogue entry count as
// fixed tiles without roads.
SolveResult SolveLevel(const Board& level, int solution_cap = kDefaultSolutionCap,
                       std::uint64_t placement_limit = 0);

}  // namespace verlumo::levels
