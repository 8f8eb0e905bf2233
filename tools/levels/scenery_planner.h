// Setting fixed scenery on a level under construction. Every fixed tile comes from a piece of
// the scenery catalogue, placed whole, and every placement is kept only when each fixed tile
// accepts what stands around it: buildings stay whole, rivers and railways run on to the
// board's border, and every road that leaves the scenery faces a cell a movable tile can fill.
#pragma once

#include <array>
#include <string_view>

#include "core/board.h"
#include "tools/levels/level_random.h"
#include "tools/scenery/scenery_catalogue.h"

namespace verlumo::levels {

constexpr int kOpenCell = -1;

// A level under construction: the fixed tiles placed so far, and open cells that will hold
// movable tiles.
struct Draft {
  Draft() { codes.fill(kOpenCell); }

  bool IsOpen(int cell) const { return codes[cell] == kOpenCell; }
  int FixedCount() const;

  std::array<int, kCells> codes;
};

// Whether every fixed tile accepts its neighbours: the border, the fixed tiles beside it, and
// open cells wherever its side does not need a particular piece (a river needs more river).
bool FixedTilesFit(const Draft& draft);

// Puts the piece with its top-left cell at (column, row) when it fits; otherwise leaves the
// draft unchanged. With keep_apart the piece may not touch other fixed tiles side to side.
bool TryPlacePiece(Draft& draft, const scenery::Piece& piece, int column, int row, bool keep_apart);

// Tries random positions for the piece; true when one fitted.
bool PlacePieceSomewhere(Draft& draft, LevelRandom& random, const scenery::Piece& piece,
                         bool keep_apart);

// What a river or railway should carry.
struct ChainRequest {
  std::string_view family;  // "river" or "rail"
  int crossings = 0;        // bridges or level crossings that carry roads across it
  bool station = false;     // a railway station on a straight stretch
};

// Lays a river or railway from one border to another through open cells, with the requested
// crossings where roads can reach both sides. False, with the draft unchanged, when no course
// could be found.
bool LayChain(Draft& draft, LevelRandom& random, const ChainRequest& request);

}  // namespace verlumo::levels
