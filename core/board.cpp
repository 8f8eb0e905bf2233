// The solved test: every edge must meet an edge of the same kind, and the outside of the board
// reads as the empty tile, so no road may leave the board.
#include "core/board.h"

namespace verlumo {
namespace {

// The edge of the neighbour beyond `side` that faces back; beyond the border lies the empty
// tile, with no road on any side.
int FacingEdge(const Board& board, int cell, Side side) {
  const int neighbour = NeighbourCell(cell, side);
  return EdgeCode(neighbour == kOutside ? kEmptyTile : board[neighbour], FacingSide(side));
}

}  // namespace

bool IsBoardSolved(const Board& board) {
  for (int cell = 0; cell < kCells; ++cell) {
    for (const Side side : {Side::Right, Side::Left, Side::Bottom, Side::Top}) {
      if (EdgeCode(board[cell], side) != FacingEdge(board, cell, side)) return false;
    }
  }
  return true;
}

}  // namespace verlumo
