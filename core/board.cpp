// The solved test: every edge must meet an edge of the same kind, and the outside of the board
// reads as the empty tile, so no road may leave the board.
#include "core/board.h"

namespace verlumo {
namespace {

// The tile beyond the border is the empty tile, with no road on any side.
int NeighbourEdge(const Board& board, int column, int row, Side side) {
  if (column < 0 || column >= kColumns || row < 0 || row >= kRows)
    return EdgeCode(kEmptyTile, side);
  return EdgeCode(board[CellIndex(column, row)], side);
}

}  // namespace

bool IsBoardSolved(const Board& board) {
  for (int column = 0; column < kColumns; ++column) {
    for (int row = 0; row < kRows; ++row) {
      const TileCode code = board[CellIndex(column, row)];
      if (EdgeCode(code, Side::Right) != NeighbourEdge(board, column + 1, row, Side::Left) ||
          EdgeCode(code, Side::Left) != NeighbourEdge(board, column - 1, row, Side::Right) ||
          EdgeCode(code, Side::Bottom) != NeighbourEdge(board, column, row + 1, Side::Top) ||
          EdgeCode(code, Side::Top) != NeighbourEdge(board, column, row - 1, Side::Bottom)) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace verlumo
