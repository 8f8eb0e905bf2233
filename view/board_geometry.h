// Where things lie on the screen: the board area with its 9 x 7 cells, and the level counter.
// The board area is the client of the main window below the toolbar, and the frame sheet that
// is its background has exactly its size.
#pragma once

#include "core/tile_catalogue.h"

namespace verlumo {

constexpr int kBoardAreaWidth = 520;
constexpr int kBoardAreaHeight = 376;

// The level counter in the toolbar: three digits and the face.
constexpr int kLevelCounterWidth = 57;
constexpr int kLevelCounterHeight = 20;

// The selected cell is composed off screen in a buffer of one tile.
constexpr int kCellBufferSize = kTileSize;

}  // namespace verlumo
