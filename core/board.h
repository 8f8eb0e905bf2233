// The 9 x 7 board, column-major, walking from a cell to its neighbours, and the solved test. A level record has exactly this layout,
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
constexpr int ColumnOf(int cell) { return cell / kRows; }
constexpr int RowOf(int cell) { return cell % kRows; }

// Pseudo cell index for the outside of the board.
constexpr int kOutside = -1;

// The cell beyond the given side of a cell, or kOutside at the border.
constexpr int NeighbourCell(int cell, Side side) {
  int column = ColumnOf(cell);
  int row = RowOf(cell);
  switch (side) {
    case Side::Right:
      ++column;
      break;
    case Side::Top:
      --row;
      break;
    case Side::Left:
      --column;
      break;
    case Side::Bottom:
      ++row;
      break;
  }
  if (column < 0 || column >= kColumns || row < 0 || row >= kRows) return kOutside;
  return CellIndex(column, row);
}

constexpr bool IsBorderCell(int cell) {
  return ColumnOf(cell) == 0 || ColumnOf(cell) == kColumns - 1 || RowOf(cell) == 0 ||
         RowOf(cell) == kRows - 1;
}

// True when every pair of facing edges carries equal edge codes and no edge on the border
// carries a road. Cells are checked column by column, each against its right, left, bottom and
// top neighbour in that order; the outside of the board reads as the empty tile.
bool IsBoardSolved(const Board& board);

}  // namespace verlumo
