// Preview boards for the contact sheet: scenery pieces set in their places on a 9 x 7 board,
// with the free cells filled by movable road tiles whose edges all fit, so each preview shows
// how the pictures join in a solved level.
#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "core/tile_catalogue.h"
#include "tools/artgen/tiles/ground.h"
#include "tools/artgen/tiles/tile_canvas.h"
#include "tools/artgen/tiles/tile_sheet.h"
#include "tools/scenery/scenery_catalogue.h"

namespace artgen {
namespace {

using verlumo::Side;
using verlumo::TileCode;

constexpr int kColumns = 9;
constexpr int kRows = 7;

struct Placement {
  std::string_view piece;
  int column;
  int row;
};

struct Layout {
  std::string_view title;
  std::vector<Placement> pieces;
  int seed;
};

using Board = std::array<std::optional<TileCode>, kColumns * kRows>;

const verlumo::scenery::Piece& PieceNamed(std::string_view name) {
  for (const auto& piece : verlumo::scenery::Pieces()) {
    if (piece.name == name) return piece;
  }
  throw std::logic_error("no scenery piece named " + std::string(name));
}

int EdgeAt(const Board& board, int column, int row, Side side) {
  if (column < 0 || row < 0 || column >= kColumns || row >= kRows) return 0;
  const auto& code = board[column * kRows + row];
  return code ? verlumo::EdgeCode(*code, side) : -1;
}

bool Fits(const Board& board, int column, int row, TileCode code) {
  constexpr int kDx[] = {1, 0, -1, 0};
  constexpr int kDy[] = {0, -1, 0, 1};
  for (int side = 0; side < 4; ++side) {
    const int facing = EdgeAt(board, column + kDx[side], row + kDy[side], static_cast<Side>((side + 2) % 4));
    if (facing >= 0 && facing != verlumo::EdgeCode(code, static_cast<Side>(side))) return false;
  }
  return true;
}

// Fills the free cells with movable tiles whose edges fit every neighbour and the board's
// border: always the cell with the fewest fitting tiles next, backing up when one has none.
bool Fill(Board& board, tiles::Rng& rng, int& budget) {
  if (--budget < 0) return false;
  int best = -1;
  std::vector<TileCode> best_fits;
  for (int index = 0; index < kColumns * kRows; ++index) {
    if (board[index]) continue;
    std::vector<TileCode> fits;
    for (int code = 0; code <= verlumo::kLastMovableCode; ++code) {
      if (Fits(board, index / kRows, index % kRows, static_cast<TileCode>(code))) {
        fits.push_back(static_cast<TileCode>(code));
      }
    }
    if (fits.empty()) return false;
    if (best < 0 || fits.size() < best_fits.size()) {
      best = index;
      best_fits = std::move(fits);
    }
  }
  if (best < 0) return true;
  for (std::size_t i = best_fits.size(); i > 1; --i) {
    std::swap(best_fits[i - 1], best_fits[rng.Below(static_cast<int>(i))]);
  }
  // Roads first, so the previews show networks rather than lawns.
  std::stable_partition(best_fits.begin(), best_fits.end(), [](TileCode c) { return c != 0; });
  for (TileCode code : best_fits) {
    board[best] = code;
    if (Fill(board, rng, budget)) return true;
  }
  board[best].reset();
  return false;
}

Board Assemble(const Layout& layout) {
  Board board{};
  for (const Placement& placement : layout.pieces) {
    const auto& piece = PieceNamed(placement.piece);
    for (int row = 0; row < piece.rows; ++row) {
      for (int column = 0; column < piece.columns; ++column) {
        const int index = (placement.column + column) * kRows + placement.row + row;
        board[index] = piece.At(column, row);
      }
    }
  }
  tiles::Rng rng(static_cast<std::uint32_t>(layout.seed));
  int budget = 20000;
  if (!Fill(board, rng, budget)) {
    throw std::logic_error("preview " + std::string(layout.title) + " cannot be filled");
  }
  return board;
}

Image Draw(const Board& board, const Image& sheet) {
  Image image(kColumns * tiles::kCell, kRows * tiles::kCell);
  for (int column = 0; column < kColumns; ++column) {
    for (int row = 0; row < kRows; ++row) {
      const verlumo::PixelOffset from = verlumo::SheetPosition(*board[column * kRows + row]);
      for (int y = 0; y < tiles::kCell; ++y) {
        for (int x = 0; x < tiles::kCell; ++x) {
          image.at(column * tiles::kCell + x, row * tiles::kCell + y) = sheet.at(from.x + x, from.y + y);
        }
      }
    }
  }
  return image;
}

const std::vector<Layout>& Layouts() {
  static const std::vector<Layout> layouts = {
      {"Lake with bridge, river, ford",
       {{"lake with bridge, horizontal", 1, 1},
        {"river, straight, vertical", 6, 0},
        {"stone bridge over the river, road horizontal", 6, 1},
        {"river, bend from top to left", 6, 2},
        {"river, bend from bottom to right", 5, 2},
        {"river, straight, vertical", 5, 3},
        {"wooden footbridge over the river, lane horizontal", 5, 4},
        {"river, straight, vertical", 5, 5},
        {"river, straight, vertical", 5, 6},
        {"pond with reeds", 8, 6}},
       3},
      {"Village: manor, church, farm, factory",
       {{"manor house", 0, 0},
        {"church", 3, 0},
        {"farm", 5, 0},
        {"factory", 0, 4},
        {"football pitch", 6, 6},
        {"cottage, lane to the top", 3, 5},
        {"village green with fountain", 4, 3}},
       5},
      {"Railway: station, crossings, bridges",
       {{"railway, straight, horizontal", 0, 2},
        {"road bridge over the railway, road vertical", 1, 2},
        {"level crossing, lane vertical", 2, 2},
        {"level crossing, road vertical", 3, 2},
        {"railway station", 4, 2},
        {"railway, bend from left to bottom", 6, 2},
        {"road bridge over the railway, road horizontal", 6, 3},
        {"level crossing, road horizontal", 6, 4},
        {"railway, bend from top to left", 6, 5},
        {"railway, bend from bottom to right", 5, 5},
        {"level crossing, lane horizontal", 5, 6}},
       7},
      {"Forest, lakes and fields",
       {{"forest 3x3", 0, 0},
        {"lake 2x2", 4, 0},
        {"forest 2x2", 7, 5},
        {"lake 3x2", 3, 5},
        {"wheat field with hedge", 7, 0},
        {"orchard", 8, 0},
        {"sheep pasture", 0, 6},
        {"rocks and bushes", 1, 4}},
       11},
      {"Road network", {}, 13},
      {"Lanes and houses",
       {{"windmill, lane to the top", 1, 1},
        {"cottage, lane to the left", 3, 3},
        {"barn with haystacks, lane to the right", 5, 1},
        {"campsite with tents, lane to the left", 7, 5},
        {"villa with pool, lane to the bottom", 2, 5},
        {"inn with beer garden, lane to the top", 6, 3}},
       17},
  };
  return layouts;
}

}  // namespace

std::vector<ScenePreview> DrawScenePreviews(const Image& tile_sheet) {
  std::vector<ScenePreview> previews;
  for (const Layout& layout : Layouts()) {
    previews.push_back({std::string(layout.title), Draw(Assemble(layout), tile_sheet)});
  }
  return previews;
}

}  // namespace artgen
