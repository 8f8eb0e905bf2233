// The board pictures go through the game's BoardView onto memory surfaces, with the sheets
// decoded from the very files the game embeds, so a picture in the rules shows exactly what
// the player sees. Only the toolbar is a composition of the button glyphs, as on the contact
// sheet, because the real one is made of Windows controls.
#include "tools/artgen/rules_pictures.h"

#include <cairo.h>

#include <cmath>
#include <stdexcept>

#include "core/game_state.h"
#include "core/tile_catalogue.h"
#include "tools/artgen/canvas.h"
#include "tools/artgen/font.h"
#include "tools/artgen/image_ops.h"
#include "tools/artgen/toolbar_mock.h"
#include "view/bmp_image.h"
#include "view/board_geometry.h"
#include "view/board_view.h"
#include "view/memory_surface.h"
#include "view/sheet_layout.h"

namespace artgen {

namespace {

using verlumo::Board;
using verlumo::CellIndex;
using verlumo::TileCode;

constexpr int kEnlargement = 2;
constexpr Rgb kPageGreen{47, 107, 47};
constexpr Rgb kClickFrame{242, 208, 36};

// Straight roads, left to right, one for each road kind.
constexpr TileCode kStraightRoads[3] = {2, 13, 29};
// A movable and a fixed tile with the same road, the two-lane road from left to right: the
// movable one raised as a piece, the fixed one (an avenue of trees) flat on the landscape's
// darker grass.
constexpr TileCode kMovableRoad = 2;
constexpr TileCode kFixedRoad = 94;
// One road across a row of tiles of both kinds, ending at a petrol station: movable, fixed,
// movable, fixed.
constexpr TileCode kMixedRow[4] = {2, 94, 2, 100};

verlumo::MemorySurface Sheet(const std::vector<Asset>& assets, const char* file_name) {
  const Asset* asset = FindAsset(assets, file_name);
  if (asset == nullptr) throw std::runtime_error(std::string("no ") + file_name + " among the assets");
  verlumo::DecodedBmp bmp = verlumo::DecodeBmp(asset->bytes);
  if (!bmp.error.empty()) throw std::runtime_error(std::string(file_name) + ": " + bmp.error);
  return verlumo::MemorySurface(bmp.width, bmp.height, std::move(bmp.pixels));
}

Image ToImage(const verlumo::MemorySurface& surface, int x, int y, int width, int height) {
  Image image(width, height);
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      const std::uint32_t rgb = surface.pixel(x + column, y + row);
      image.at(column, row) = Rgb{static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                                  static_cast<std::uint8_t>(rgb)};
    }
  }
  return image;
}

class NoWindow final : public verlumo::ViewHost {
 public:
  void SetCaption(const std::string&) override {}
  void SetLevelCounterHint(const std::string&) override {}
  void RepaintLevelButtons() override {}
};

// The board area with the game's painter, and cut-outs of it.
class BoardPainter {
 public:
  explicit BoardPainter(const std::vector<Asset>& assets)
      : tiles_(Sheet(assets, "tiles.bmp")),
        frame_(Sheet(assets, "frame.bmp")),
        glyphs_(Sheet(assets, "glyphs.bmp")),
        view_(state_, {tiles_, frame_, glyphs_}, box_, levelbox_, cell_buffer_, host_) {
    // The marker's second frame shows the car turned a little, which reads well as a car.
    view_.set_animation_frame(1);
  }

  // Cells of a board, with the selected tile at (column, row) unless column is negative.
  Image Cells(const Board& board, int column, int row, int first_column, int columns) {
    state_.board = board;
    state_.has_selected_cell = column >= 0;
    state_.selected_column = column;
    state_.selected_row = row;
    state_.solved_state = false;
    for (int c = 0; c < verlumo::kColumns; ++c) {
      for (int r = 0; r < verlumo::kRows; ++r) view_.DrawCell(c, r);
    }
    view_.DrawSelectedCell();
    return ToImage(box_, verlumo::kBoardLeft + first_column * verlumo::kTileSize, verlumo::kBoardTop + row * verlumo::kTileSize,
                   columns * verlumo::kTileSize, verlumo::kTileSize);
  }

  // The whole board area of a solved level: the marker has stopped, and the gauge counts every
  // level up to this one as solved.
  Image SolvedArea(const std::vector<Board>& levels, int solved) {
    state_.levels = levels;
    state_.solved_flags = {};
    for (int level = 1; level <= solved; ++level) state_.solved_flags[level - 1] = 1;
    state_.current_level = solved;
    state_.board = levels[solved - 1];
    state_.solved_state = true;
    state_.has_selected_cell = false;
    view_.PaintBoardArea();
    return ToImage(box_, 0, 0, box_.width(), box_.height());
  }

 private:
  verlumo::MemorySurface tiles_, frame_, glyphs_;
  verlumo::MemorySurface box_{verlumo::kBoardAreaWidth, verlumo::kBoardAreaHeight};
  verlumo::MemorySurface levelbox_{57, 20};
  verlumo::MemorySurface cell_buffer_{verlumo::kTileSize, verlumo::kTileSize};
  verlumo::GameState state_;
  NoWindow host_;
  verlumo::BoardView view_;
};

// One tile at a time: a board holding just this code, in the first cell of the middle row.
Image SingleTile(BoardPainter& painter, TileCode code, bool selected) {
  Board board{};
  board[CellIndex(0, 3)] = code;
  return painter.Cells(board, selected ? 0 : -1, 3, 0, 1);
}

// A road through four cells in a row, movable and fixed tiles taking turns.
Image MixedRow(BoardPainter& painter) {
  Board board{};
  for (int column = 0; column < 4; ++column) board[CellIndex(column, 3)] = kMixedRow[column];
  return painter.Cells(board, -1, 3, 0, 4);
}

// A row of four cells: the carried tile on the left and the tile the player clicks on the
// right; after the click the two have changed places and the car has gone with its tile.
std::vector<RulesPicture> Swap(BoardPainter& painter) {
  constexpr TileCode kCarried = 4, kClicked = 1;
  Board before{};
  before[CellIndex(0, 3)] = kCarried;
  before[CellIndex(3, 3)] = kClicked;
  Board after = before;
  std::swap(after[CellIndex(0, 3)], after[CellIndex(3, 3)]);
  Image clicked = Enlarged(painter.Cells(before, 0, 3, 0, 4), kEnlargement);
  // The tile to be clicked, framed.
  const int size = verlumo::kTileSize * kEnlargement;
  for (int i = 0; i < size; ++i) {
    for (int edge = 0; edge < 3; ++edge) {
      clicked.at(3 * size + i, edge) = clicked.at(3 * size + i, size - 1 - edge) = kClickFrame;
      clicked.at(3 * size + edge, i) = clicked.at(4 * size - 1 - edge, i) = kClickFrame;
    }
  }
  return {{"swap_before.png", clicked}, {"swap_after.png", Enlarged(painter.Cells(after, 3, 3, 0, 4), kEnlargement)}};
}

// The toolbar twice its size, with a numbered badge under each control, in the order the rules
// pages list them.
Image NumberedToolbar(const std::vector<Asset>& assets) {
  const Image toolbar = Enlarged(ToolbarMock(assets), kEnlargement);
  constexpr int kBadges = 30, kRadius = 11;
  Canvas canvas(toolbar.width, toolbar.height + kBadges);
  cairo_t* cr = canvas.cr();
  UseTypeface(cr, Typeface::SansBold, 13);
  int number = 1;
  for (const ToolbarPlace& place : ToolbarControlPlaces()) {
    const double x = (place.x + place.w / 2.0) * kEnlargement;
    const double y = toolbar.height + kBadges / 2.0;
    cairo_set_source_rgb(cr, kPageGreen.r / 255.0, kPageGreen.g / 255.0, kPageGreen.b / 255.0);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, x, (place.y + place.h) * kEnlargement);
    cairo_line_to(cr, x, y - kRadius);
    cairo_stroke(cr);
    cairo_arc(cr, x, y, kRadius, 0, 2 * M_PI);
    cairo_fill(cr);
    const std::string text = std::to_string(number++);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_move_to(cr, x - extents.x_bearing - extents.width / 2, y - extents.y_bearing - extents.height / 2);
    cairo_show_text(cr, text.c_str());
  }
  Image background(canvas.width(), canvas.height(), Rgb{251, 250, 244});
  Paste(background, toolbar, 0, 0);
  return canvas.over(background);
}

}  // namespace

std::vector<RulesPicture> MakeRulesPictures(const std::vector<Asset>& assets, const std::vector<Board>& levels,
                                            int solved) {
  if (solved < 1 || solved > static_cast<int>(levels.size())) {
    throw std::runtime_error("there is no level " + std::to_string(solved) + " to show solved");
  }
  BoardPainter painter(assets);
  std::vector<RulesPicture> pictures;
  for (int kind = 0; kind < 3; ++kind) {
    pictures.push_back({"road_kind" + std::to_string(kind + 1) + ".png",
                        Enlarged(SingleTile(painter, kStraightRoads[kind], false), kEnlargement)});
  }
  pictures.push_back({"tile_movable.png", Enlarged(SingleTile(painter, kMovableRoad, false), kEnlargement)});
  pictures.push_back({"tile_fixed.png", Enlarged(SingleTile(painter, kFixedRoad, false), kEnlargement)});
  pictures.push_back({"tiles_in_a_row.png", Enlarged(MixedRow(painter), kEnlargement)});
  pictures.push_back({"selected_tile.png", Enlarged(SingleTile(painter, 4, true), kEnlargement)});
  for (RulesPicture& picture : Swap(painter)) pictures.push_back(std::move(picture));
  pictures.push_back({"solved_level.png", painter.SolvedArea(levels, solved)});
  // In two halves, each narrow enough for a help window beside the game: the buttons up to the
  // level display, and the rest.
  const Image toolbar = NumberedToolbar(assets);
  constexpr int kHalf = 274 * kEnlargement;
  pictures.push_back({"toolbar_left.png", Cropped(toolbar, 0, 0, kHalf, toolbar.height)});
  pictures.push_back({"toolbar_right.png", Cropped(toolbar, kHalf, 0, toolbar.width - kHalf, toolbar.height)});
  return pictures;
}

}  // namespace artgen
