// Walking the 9 x 7 board: the four sides in edge-word order, the cell beyond a side, and the
// side that faces back. Shared by the solver, the generator and the checker.
#pragma once

#include <array>

#include "core/board.h"

namespace verlumo::levels {

constexpr std::array<Side, 4> kSides = {Side::Right, Side::Top, Side::Left, Side::Bottom};

// Pseudo cell index for the outside of the board.
constexpr int kOutside = -1;

constexpr int ColumnOf(int cell) { return cell / kRows; }
constexpr int RowOf(int cell) { return cell % kRows; }

constexpr Side FacingSide(Side side) { return static_cast<Side>((static_cast<int>(side) + 2) % 4); }

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

constexpr int EdgeOfWord(EdgeWord word, Side side) {
  return static_cast<int>((word >> (8 * static_cast<int>(side))) & 0xFF);
}

}  // namespace verlumo::levels
