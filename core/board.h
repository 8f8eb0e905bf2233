// The 9 x 7 board, column-major, and the solved test. A level record has exactly this layout,
// so records are copied to the board byte for byte.
#pragma once

#include <array>

#include "core/tile_catalogue.h"

namespace verlumo {

constexpr int kColumns = 9;
constexpr int kRows = 7;
constexpr int kCells = kColumns * kRows;

using Board = std::array<TileCode, kCells>;

constexpr int CellIndex(int column, int row) { return column * kRows + row; }

// True when every pair of facing edges carries equal edge codes and no edge on the border
// carries a road. Cells are checked column by column, each against its right, left, bottom and
// top neighbour in that order; the outside of the board reads as the empty tile.
bool IsBoardSolved(const Board& board);

}  // namespace verlumo
