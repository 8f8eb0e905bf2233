// Pictures of levels: the shuffle is the game's own, cell for cell, and every cell shows its
// code's picture from the tile sheet.
#include <gtest/gtest.h>

#include "core/game.h"
#include "tests/unit/core/recording_host.h"
#include "tests/unit/levels/level_boards.h"
#include "tools/levels/board_picture.h"

namespace verlumo::levels {
namespace {

TEST(Picture, ShufflesExactlyAsTheGameStartsALevel) {
  Board level = RingAmongEmptyTiles();
  level[CellIndex(6, 5)] = 150;
  level[CellIndex(7, 1)] = 90;
  for (const std::uint32_t seed : {1u, 77u, 4000000000u}) {
    RecordingHost host;
    Random random(seed);
    GameState state;
    Game game(state, host.display(), host, random);
    game.state.levels = {level};
    game.StartLevel(1);
    const ShuffledBoard shuffled = ShuffleLikeTheGame(level, seed);
    EXPECT_EQ(shuffled.board, game.state.board) << seed;
    ASSERT_TRUE(shuffled.selected_cell.has_value());
    EXPECT_EQ(*shuffled.selected_cell,
              CellIndex(game.state.selected_column, game.state.selected_row));
  }
}

TEST(Picture, LevelsWithNothingToMoveOrCarryStillShuffle) {
  Board trees;
  trees.fill(91);
  const ShuffledBoard fixed = ShuffleLikeTheGame(trees, 5);
  EXPECT_EQ(fixed.board, trees);
  EXPECT_FALSE(fixed.selected_cell.has_value());
  EXPECT_FALSE(ShuffleLikeTheGame(Board{}, 5).selected_cell.has_value());
}

// A sheet whose every pixel tells the code it belongs to and its place in the picture.
artgen::Image CodedSheet() {
  artgen::Image sheet(960, 480);
  for (int y = 0; y < sheet.height; ++y) {
    for (int x = 0; x < sheet.width; ++x) {
      const int code = (y / kTileSize) * kSheetColumns + x / kTileSize;
      sheet.at(x, y) = {static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(x % kTileSize),
                        static_cast<std::uint8_t>(y % kTileSize)};
    }
  }
  return sheet;
}

TEST(Picture, DrawsEachCellFromItsCodesPlaceInTheSheet) {
  Board level = RingAmongEmptyTiles();
  level[CellIndex(8, 6)] = 199;
  level[CellIndex(0, 6)] = 250;
  const artgen::Image picture = DrawBoardPicture(level, CodedSheet(), CellIndex(3, 2));
  ASSERT_EQ(picture.width, 432);
  ASSERT_EQ(picture.height, 336);
  const auto pixel = [&](int column, int row, int x, int y) {
    return picture.at(column * kTileSize + x, row * kTileSize + y);
  };
  EXPECT_EQ(pixel(8, 6, 20, 30), (artgen::Rgb{199, 20, 30}));
  EXPECT_EQ(pixel(4, 3, 47, 0), (artgen::Rgb{5, 47, 0}));
  EXPECT_EQ(pixel(1, 1, 10, 10), (artgen::Rgb{0, 10, 10}));
  // The carried tile is framed, a code without a tile is crossed out over the empty tile.
  EXPECT_EQ(pixel(3, 2, 0, 20), (artgen::Rgb{255, 220, 0}));
  EXPECT_EQ(pixel(3, 2, 20, 20), (artgen::Rgb{7, 20, 20}));
  EXPECT_EQ(pixel(0, 6, 10, 10), (artgen::Rgb{220, 0, 0}));
  EXPECT_EQ(pixel(0, 6, 10, 20), (artgen::Rgb{0, 10, 20}));

  EXPECT_THROW(DrawBoardPicture(level, artgen::Image(100, 100)), std::invalid_argument);
}

}  // namespace
}  // namespace verlumo::levels
