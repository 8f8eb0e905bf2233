// Pictures of levels for looking at them: the board drawn with the real tile sheet, either as
// recorded or shuffled the way the game shuffles it when the level starts.
#pragma once

#include <cstddef>  // image.h uses size_t
#include <cstdint>
#include <optional>

#include "core/board.h"
#include "tools/artgen/image.h"

namespace verlumo::levels {

struct ShuffledBoard {
  Board board{};
  std::optional<int> selected_cell;  // absent when the level has no tile the player can carry
};

// What the game does at the start of a level with its random generator seeded so: 2000
// exchanges of two movable cells, then the choice of the carried tile.
ShuffledBoard ShuffleLikeTheGame(const Board& level, std::uint32_t seed);

// The board, 432 x 336 pixels: each cell's picture from the 960 x 480 tile sheet. The carried
// tile, when given, gets a yellow frame; a code without a tile is crossed out in red.
artgen::Image DrawBoardPicture(const Board& board, const artgen::Image& tile_sheet,
                               std::optional<int> selected_cell = std::nullopt);

}  // namespace verlumo::levels
