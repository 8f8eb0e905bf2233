// The scenery catalogue: what every fixed tile (codes 91 to 199) shows, which larger piece it
// belongs to and which tiles may stand beside it. The level generator places scenery only
// through this catalogue, so that lakes keep their shores, rivers and rails run on, buildings
// stay whole and every road that leaves a piece can be joined by movable tiles.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "core/tile_catalogue.h"

namespace verlumo::scenery {

constexpr TileCode kFirstFixedCode = kLastMovableCode + 1;  // 91
constexpr TileCode kLastFixedCode = kCataloguedCodes - 1;   // 199

// What a side of a fixed tile needs from the tile beside it.
enum class NeighbourRule {
  // Plain ground with no road: any movable tile whose facing edge is 0, any fixed tile whose
  // facing side is ground as well, or the outside of the board.
  Ground,
  // A road leaving the piece: any tile whose facing edge carries the same road kind and is open
  // to the world (every movable tile, or a fixed tile whose facing side is a road as well).
  Road,
  // One of the listed codes: the rest of the same piece, or a chain (river, rail, lake, forest)
  // that goes on. May also face the outside of the board when `board_edge` says so.
  Part,
};

struct SideNeighbours {
  NeighbourRule rule = NeighbourRule::Ground;
  std::vector<TileCode> codes;  // Part only, ascending
  bool board_edge = false;      // Part only: the chain may run off the board here
};

struct SceneryTile {
  TileCode code = 0;
  std::string_view name;    // what the picture shows, e.g. "river, bend from right to top"
  std::string_view family;  // the kind of piece it belongs to, e.g. "lake"
  std::array<SideNeighbours, 4> sides;  // indexed by Side: right, top, left, bottom
};

// A rectangle of codes that the generator places as a whole.
struct Piece {
  std::string_view name;
  int columns = 1;
  int rows = 1;
  std::vector<TileCode> cells;  // row by row, top row first
  // A river or rail segment: its open sides must meet more of the chain or the board's border.
  bool chain = false;

  TileCode At(int column, int row) const { return cells[row * columns + column]; }
};

// One side of one border cell of a piece, facing out of it.
struct BorderNeed {
  int column = 0;
  int row = 0;
  Side side = Side::Right;
  const SideNeighbours* need = nullptr;
};

// Pseudo code for the outside of the board in Accepts().
constexpr int kOutsideBoard = -1;

// Every fixed tile, in ascending code order (codes 91 to 199).
const std::vector<SceneryTile>& SceneryTiles();

// The catalogue entry of a fixed code; nullptr for a movable or uncatalogued code.
const SceneryTile* FindSceneryTile(TileCode code);

// Every piece: single tiles, buildings, the farm, lakes, forests and chain segments.
const std::vector<Piece>& Pieces();

// The needs of a piece's border cells towards the tiles around it, in reading order.
std::vector<BorderNeed> BorderNeeds(const Piece& piece);

// Whether `neighbour` (a tile code, or kOutsideBoard) may stand on the given side of `code`.
// Movable codes take any neighbour whose facing edge code is equal to theirs.
bool Accepts(TileCode code, Side side, int neighbour);

Side Opposite(Side side);

}  // namespace verlumo::scenery
