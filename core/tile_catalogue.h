// The game's built-in knowledge of the 200 tile codes: the road on each side of a tile, whether
// the tile moves, whether it may become the tile the player carries, and where the turning
// marker sits on its picture. Level records and the board hold nothing but tile codes.
#pragma once

#include <array>
#include <cstdint>

namespace verlumo {

using TileCode = std::uint8_t;

// Four edge codes packed least significant byte first: right, top, left, bottom.
using EdgeWord = std::uint32_t;

enum class Side { Right = 0, Top = 1, Left = 2, Bottom = 3 };

// The four sides in edge-word order.
constexpr std::array<Side, 4> kSides = {Side::Right, Side::Top, Side::Left, Side::Bottom};

// The side of a neighbour that faces this side.
constexpr Side FacingSide(Side side) { return static_cast<Side>((static_cast<int>(side) + 2) % 4); }

// The edge code an edge word holds for one side.
constexpr int EdgeOfWord(EdgeWord word, Side side) {
  return static_cast<int>((word >> (8 * static_cast<int>(side))) & 0xFF);
}

constexpr int kCataloguedCodes = 200;  // codes 0 to 199; 200 to 255 have no entry
constexpr int kTileSize = 48;          // a tile picture is 48 x 48 pixels
constexpr int kSheetColumns = 20;      // tile pictures per row of the tile sheet
constexpr TileCode kEmptyTile = 0;
constexpr TileCode kLastMovableCode = 90;

struct PixelOffset {
  int x;
  int y;
};

// Codes 200 to 255 have no catalogue entry. Every lookup below is still safe for them: they
// read as fixed tiles without roads, with the centred anchor and the empty tile's picture.
// The level reader refuses records that hold them, so they never reach the board.
bool IsCatalogued(TileCode code);

EdgeWord EdgeWordOf(TileCode code);
int EdgeCode(TileCode code, Side side);

bool IsMovable(TileCode code);     // 0 to 90
bool IsSelectable(TileCode code);  // 1 to 89

// Top-left corner of the 20 x 20 marker inside the tile picture.
PixelOffset MarkerAnchor(TileCode code);

// Top-left corner of the code's picture in the 960 x 480 tile sheet.
PixelOffset SheetPosition(TileCode code);

}  // namespace verlumo
