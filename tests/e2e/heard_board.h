// The board as a player who only hears it knows it: each cell's roads, read from the words a
// screen reader says of it, and where every movable tile must go for the roads to join, worked
// out from those words alone.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/board.h"

namespace verlumo::e2e {

// The kind of road that leaves by each side, top, right, bottom, left: 0 none, 1 two-lane road,
// 2 bridge road, 3 lane.
using Edges = std::array<int, 4>;

struct HeardCell {
  int column = 0;  // from 0, as CellIndex counts
  int row = 0;
  Edges edges{};
  bool fixed = false;
  bool carries_car = false;
};

// A cell's English words, "Column 3, row 2: bend, two-lane road top and right, carries the car;
// joined top, loose right"; nothing when they do not open with a cell's place on the board.
std::optional<HeardCell> ParseCellWords(const std::wstring& words);

using HeardBoard = std::array<HeardCell, kCells>;  // by CellIndex
using Arrangement = std::array<Edges, kCells>;

// The edges each cell holds once every road meets a road of its own kind and none runs off the
// board, the fixed tiles staying where they are and the movable ones shared out among the other
// cells; nothing when there is no such arrangement.
std::optional<Arrangement> SolvedArrangement(const HeardBoard& board);

// The cell whose press brings the board one swap nearer the arrangement: the car's tile and the
// pressed one change places. current holds what each cell shows now, car is the car's cell;
// nothing once every cell shows what the arrangement wants.
std::optional<int> NextPress(const Arrangement& current, int car, const Arrangement& wanted);

}  // namespace verlumo::e2e
