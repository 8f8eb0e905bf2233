// Drawing a level cell by cell from the tile sheet, and the game's own shuffle.
#include "tools/levels/board_picture.h"

#include <algorithm>
#include <stdexcept>

#include "core/random.h"

namespace verlumo::levels {
namespace {

constexpr int kExchanges = 2000;
constexpr int kSheetRows = kCataloguedCodes / kSheetColumns;
constexpr artgen::Rgb kCarriedFrame{255, 220, 0};
constexpr artgen::Rgb kNoTileMark{220, 0, 0};

int DrawCellWith(Random& random, const Board& board, bool (*wanted)(TileCode)) {
  for (;;) {
    const int column = random.Next(kColumns);
    const int row = random.Next(kRows);
    if (wanted(board[CellIndex(column, row)])) return CellIndex(column, row);
  }
}

void FrameCell(artgen::Image& image, int left, int top, artgen::Rgb colour) {
  for (int i = 0; i < kTileSize; ++i) {
    for (int thickness = 0; thickness < 2; ++thickness) {
      image.at(left + i, top + thickness) = colour;
      image.at(left + i, top + kTileSize - 1 - thickness) = colour;
      image.at(left + thickness, top + i) = colour;
      image.at(left + kTileSize - 1 - thickness, top + i) = colour;
    }
  }
}

void CrossCell(artgen::Image& image, int left, int top) {
  for (int i = 0; i < kTileSize; ++i) {
    image.at(left + i, top + i) = kNoTileMark;
    image.at(left + kTileSize - 1 - i, top + i) = kNoTileMark;
  }
}

}  // namespace

ShuffledBoard ShuffleLikeTheGame(const Board& level, std::uint32_t seed) {
  Random random(seed);
  ShuffledBoard shuffled{level, std::nullopt};
  // The draws below need a candidate cell, or they would never end.
  if (std::any_of(level.begin(), level.end(), IsMovable)) {
    for (int exchange = 0; exchange < kExchanges; ++exchange) {
      const int first = DrawCellWith(random, shuffled.board, IsMovable);
      const int second = DrawCellWith(random, shuffled.board, IsMovable);
      std::swap(shuffled.board[first], shuffled.board[second]);
    }
  }
  if (std::any_of(level.begin(), level.end(), IsSelectable)) {
    shuffled.selected_cell = DrawCellWith(random, shuffled.board, IsSelectable);
  }
  return shuffled;
}

artgen::Image DrawBoardPicture(const Board& board, const artgen::Image& tile_sheet,
                               std::optional<int> selected_cell) {
  if (tile_sheet.width < kSheetColumns * kTileSize || tile_sheet.height < kSheetRows * kTileSize) {
    throw std::invalid_argument("the tile sheet must be 960 x 480 pixels");
  }
  artgen::Image image(kColumns * kTileSize, kRows * kTileSize);
  for (int cell = 0; cell < kCells; ++cell) {
    const int left = (cell / kRows) * kTileSize;
    const int top = (cell % kRows) * kTileSize;
    const PixelOffset from = SheetPosition(board[cell]);
    for (int y = 0; y < kTileSize; ++y) {
      for (int x = 0; x < kTileSize; ++x)
        image.at(left + x, top + y) = tile_sheet.at(from.x + x, from.y + y);
    }
    if (!IsCatalogued(board[cell])) CrossCell(image, left, top);
    if (selected_cell == cell) FrameCell(image, left, top, kCarriedFrame);
  }
  return image;
}

}  // namespace verlumo::levels
