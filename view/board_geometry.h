// Where things lie on the screen: the board area with its 9 x 7 cells, and the level counter.
// The board area is the client of the main window below the toolbar, and the frame sheet that
// is its background has exactly its size. This is the one place that turns cells into pixels
// and pixels into cells.
#pragma once

#include <optional>

#include "core/board.h"
#include "core/tile_catalogue.h"

namespace verlumo {

constexpr int kBoardAreaWidth = 520;
constexpr int kBoardAreaHeight = 376;

// The tiles' top-left corner in the board area.
constexpr int kBoardLeft = 22;
constexpr int kBoardTop = 20;

// The level counter in the toolbar: three digits and the face.
constexpr int kLevelCounterWidth = 57;
constexpr int kLevelCounterHeight = 20;

// The selected cell is composed off screen in a buffer of one tile.
constexpr int kCellBufferSize = kTileSize;

struct Cell {
  int column;
  int row;
};

// The top-left corner of a cell in the board area.
constexpr PixelOffset CellOrigin(int column, int row) {
  return {kBoardLeft + column * kTileSize, kBoardTop + row * kTileSize};
}

// The cell under a point of the board area; nothing for a point beside the tiles.
constexpr std::optional<Cell> CellAt(int x, int y) {
  if (x < kBoardLeft || y < kBoardTop) return std::nullopt;
  const int column = (x - kBoardLeft) / kTileSize;
  const int row = (y - kBoardTop) / kTileSize;
  if (column >= kColumns || row >= kRows) return std::nullopt;
  return Cell{column, row};
}

}  // namespace verlumo
