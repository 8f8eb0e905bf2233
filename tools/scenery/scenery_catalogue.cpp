// The scenery design as data: the name of every fixed tile, the pieces (rectangles of codes)
// and which tiles carry rivers or rails on which sides. The neighbour rules of every side
// follow from these three tables: a side inside some piece needs that piece's neighbour, a side
// where a river or rail runs out needs more of it, every other side needs ground or a road.
#include "tools/scenery/scenery_catalogue.h"

#include <algorithm>
#include <initializer_list>
#include <stdexcept>

namespace verlumo::scenery {
namespace {

struct TileName {
  TileCode code;
  std::string_view family;
  std::string_view name;
};

// clang-format off
constexpr TileName kTileNames[] = {
    {91, "trees", "copse of round trees"},
    {92, "trees", "copse of pines"},
    {93, "trees", "birch grove"},
    {94, "road", "road, straight, horizontal, avenue of trees"},
    {95, "road", "road, straight, vertical, with street lamps"},
    {96, "rail", "road bridge over the railway, road horizontal"},
    {97, "rail", "road bridge over the railway, road vertical"},
    {98, "farm", "farm: wheat field, top left"},
    {99, "farm", "farm: vegetable field, top right"},
    {100, "road", "petrol station, road from the left"},
    {101, "fields", "wheat field with hedge"},
    {102, "fields", "vegetable garden"},
    {103, "houses", "cottage, lane to the top"},
    {104, "farm", "farm: farmyard, lanes to the right, top and left"},
    {105, "fields", "orchard"},
    {106, "fields", "flower meadow with beehives"},
    {107, "lake", "lake bridge, west end"},
    {108, "lake", "lake bridge, middle, horizontal"},
    {109, "lake", "lake bridge, east end"},
    {110, "forest", "forest, north edge"},
    {111, "forest", "forest, south edge"},
    {112, "road", "bus depot, road to the right"},
    {113, "houses", "cottage, lane to the right"},
    {114, "factory", "factory: sheds, top left"},
    {115, "factory", "factory: boiler house and chimney, top right"},
    {116, "forest", "forest, inner part"},
    {117, "church", "church: nave and apse, top"},
    {118, "forest", "forest, west edge"},
    {119, "forest", "forest, east edge"},
    {120, "manor", "manor house, top left"},
    {121, "manor", "manor house, top right"},
    {122, "manor", "manor house, bottom left"},
    {123, "manor", "manor house, bottom right"},
    {124, "factory", "factory: yard with crates, bottom left"},
    {125, "factory", "factory: gate, road to the bottom, bottom right"},
    {126, "houses", "smithy, lane to the right"},
    {127, "lake", "lake bridge, north end"},
    {128, "lake", "lake bridge, middle, vertical"},
    {129, "lake", "lake bridge, south end"},
    {130, "river", "river, straight, vertical"},
    {131, "river", "river, straight, horizontal"},
    {132, "river", "river, bend from right to top"},
    {133, "river", "river, bend from top to left"},
    {134, "river", "river, bend from left to bottom"},
    {135, "river", "river, bend from bottom to right"},
    {136, "forest", "forest, north-west corner"},
    {137, "forest", "forest, north-east corner"},
    {138, "forest", "forest, south-west corner"},
    {139, "forest", "forest, south-east corner"},
    {140, "houses", "windmill, lane to the top"},
    {141, "houses", "cottage, lane to the left"},
    {142, "church", "church: front with tower, lane to the bottom"},
    {143, "houses", "barn with haystacks, lane to the right"},
    {144, "lanes", "lane between hedges, horizontal"},
    {145, "lanes", "lane through an orchard, vertical"},
    {146, "houses", "greenhouse garden, lane to the top"},
    {147, "farm", "farm: farmhouse, lane to the bottom"},
    {148, "houses", "house with blue roof, lane to the left"},
    {149, "houses", "stable with paddock, lane to the right"},
    {150, "lake", "lake, north-west shore"},
    {151, "lake", "lake, north-east shore"},
    {152, "lake", "lake, south-west shore"},
    {153, "lake", "lake, south-east shore"},
    {154, "lake", "lake, north shore"},
    {155, "lake", "lake, south shore"},
    {156, "lake", "lake, west shore"},
    {157, "lake", "lake, east shore"},
    {158, "lake", "lake, open water"},
    {159, "water", "pond with reeds"},
    {160, "houses", "sawmill with logs, lane to the right"},
    {161, "houses", "campsite with tents, lane to the left"},
    {162, "park", "village green with fountain"},
    {163, "houses", "cottage with garden, lane to the bottom"},
    {164, "river", "wooden footbridge over the river, lane horizontal"},
    {165, "houses", "chapel, lane to the top"},
    {166, "park", "football pitch, left half"},
    {167, "park", "football pitch, right half"},
    {168, "river", "stone bridge over the river, road horizontal"},
    {169, "river", "stone bridge over the river, road vertical"},
    {170, "lanes", "lane through fields, horizontal"},
    {171, "lanes", "lane through fields, vertical"},
    {172, "lanes", "lane bend from right to top, with fence"},
    {173, "lanes", "lane bend from top to left, with fence"},
    {174, "lanes", "lane bend from left to bottom, with fence"},
    {175, "lanes", "lane bend from bottom to right, with fence"},
    {176, "rail", "railway, straight, horizontal"},
    {177, "rail", "railway, straight, vertical"},
    {178, "rail", "railway, bend from right to top"},
    {179, "rail", "railway, bend from top to left"},
    {180, "houses", "water tower, lane to the left"},
    {181, "river", "wooden footbridge over the river, lane vertical"},
    {182, "farm", "farm: lane past the pasture, to the right"},
    {183, "farm", "farm: barn, lane to the right"},
    {184, "houses", "inn with beer garden, lane to the top"},
    {185, "houses", "villa with pool, lane to the bottom"},
    {186, "road", "road bend from right to top, with bus stop"},
    {187, "road", "road bend from top to left, with pond"},
    {188, "road", "road bend from left to bottom, with trees"},
    {189, "road", "road bend from bottom to right, with bench"},
    {190, "rail", "level crossing, road vertical"},
    {191, "rail", "level crossing, road horizontal"},
    {192, "rail", "railway, bend from left to bottom"},
    {193, "rail", "railway, bend from bottom to right"},
    {194, "rail", "level crossing, lane vertical"},
    {195, "rail", "level crossing, lane horizontal"},
    {196, "rail", "railway station, west half"},
    {197, "rail", "railway station, east half"},
    {198, "fields", "sheep pasture"},
    {199, "trees", "rocks and bushes"},
};
// clang-format on

struct PieceLayout {
  std::string_view name;
  int columns;
  std::initializer_list<TileCode> cells;  // row by row
};

// Every piece larger than one tile. Fixed codes not listed here stand alone.
const std::initializer_list<PieceLayout> kLargePieces = {
    {"manor house", 2, {120, 121,
                        122, 123}},
    {"factory", 2, {114, 115,
                    124, 125}},
    {"church", 1, {117,
                   142}},
    {"farm", 3, {98, 147, 99,
                 183, 104, 182}},
    {"football pitch", 2, {166, 167}},
    {"railway station", 2, {196, 197}},
    {"lake 2x2", 2, {150, 151,
                     152, 153}},
    {"lake 3x2", 3, {150, 154, 151,
                     152, 155, 153}},
    {"lake 2x3", 2, {150, 151,
                     156, 157,
                     152, 153}},
    {"lake 3x3", 3, {150, 154, 151,
                     156, 158, 157,
                     152, 155, 153}},
    {"lake with bridge, horizontal", 3, {150, 154, 151,
                                         107, 108, 109,
                                         152, 155, 153}},
    {"lake with bridge, vertical", 3, {150, 127, 151,
                                       156, 128, 157,
                                       152, 129, 153}},
    {"forest 2x2", 2, {136, 137,
                       138, 139}},
    {"forest 3x2", 3, {136, 110, 137,
                       138, 111, 139}},
    {"forest 2x3", 2, {136, 137,
                       118, 119,
                       138, 139}},
    {"forest 3x3", 3, {136, 110, 137,
                       118, 116, 119,
                       138, 111, 139}},
};

struct ChainTile {
  TileCode code;
  std::string_view chain;                // "river" or "rail"
  std::initializer_list<Side> open;      // the sides where the water or track runs out
};

// Rivers and railways run from tile to tile until they meet the board's border.
const std::initializer_list<ChainTile> kChainTiles = {
    {130, "river", {Side::Top, Side::Bottom}},
    {131, "river", {Side::Right, Side::Left}},
    {132, "river", {Side::Right, Side::Top}},
    {133, "river", {Side::Top, Side::Left}},
    {134, "river", {Side::Left, Side::Bottom}},
    {135, "river", {Side::Bottom, Side::Right}},
    {164, "river", {Side::Top, Side::Bottom}},
    {168, "river", {Side::Top, Side::Bottom}},
    {169, "river", {Side::Right, Side::Left}},
    {181, "river", {Side::Right, Side::Left}},
    {176, "rail", {Side::Right, Side::Left}},
    {177, "rail", {Side::Top, Side::Bottom}},
    {178, "rail", {Side::Right, Side::Top}},
    {179, "rail", {Side::Top, Side::Left}},
    {192, "rail", {Side::Left, Side::Bottom}},
    {193, "rail", {Side::Bottom, Side::Right}},
    {96, "rail", {Side::Top, Side::Bottom}},
    {97, "rail", {Side::Right, Side::Left}},
    {190, "rail", {Side::Right, Side::Left}},
    {191, "rail", {Side::Top, Side::Bottom}},
    {194, "rail", {Side::Right, Side::Left}},
    {195, "rail", {Side::Top, Side::Bottom}},
    {196, "rail", {Side::Right, Side::Left}},
    {197, "rail", {Side::Right, Side::Left}},
};

constexpr int kFixedCount = kLastFixedCode - kFirstFixedCode + 1;

struct Offset {
  int dx;
  int dy;
};

Offset Step(Side side) {
  switch (side) {
    case Side::Right: return {1, 0};
    case Side::Top: return {0, -1};
    case Side::Left: return {-1, 0};
    case Side::Bottom: return {0, 1};
  }
  return {0, 0};
}

const ChainTile* FindChainTile(TileCode code) {
  for (const ChainTile& tile : kChainTiles) {
    if (tile.code == code) return &tile;
  }
  return nullptr;
}

bool IsOpen(const ChainTile& tile, Side side) {
  return std::find(tile.open.begin(), tile.open.end(), side) != tile.open.end();
}

void AddCode(std::vector<TileCode>& codes, TileCode code) {
  if (std::find(codes.begin(), codes.end(), code) == codes.end()) codes.push_back(code);
}

std::vector<Piece> BuildPieces() {
  std::vector<Piece> pieces;
  std::vector<bool> in_large_piece(kCataloguedCodes, false);
  for (const PieceLayout& layout : kLargePieces) {
    Piece piece;
    piece.name = layout.name;
    piece.columns = layout.columns;
    piece.rows = static_cast<int>(layout.cells.size()) / layout.columns;
    piece.cells.assign(layout.cells.begin(), layout.cells.end());
    piece.chain = FindChainTile(piece.cells.front()) != nullptr;
    for (TileCode code : piece.cells) in_large_piece[code] = true;
    pieces.push_back(std::move(piece));
  }
  for (const TileName& tile : kTileNames) {
    if (in_large_piece[tile.code]) continue;
    Piece piece;
    piece.name = tile.name;
    piece.cells = {tile.code};
    piece.chain = FindChainTile(tile.code) != nullptr;
    pieces.push_back(std::move(piece));
  }
  return pieces;
}

// Fills in the sides that lie inside large pieces: each needs one of the codes that stand
// beside it in some piece.
void AddPieceNeighbours(std::vector<SceneryTile>& tiles, const std::vector<Piece>& pieces) {
  for (const Piece& piece : pieces) {
    for (int row = 0; row < piece.rows; ++row) {
      for (int column = 0; column < piece.columns; ++column) {
        SceneryTile& tile = tiles[piece.At(column, row) - kFirstFixedCode];
        for (Side side : kSides) {
          const Offset step = Step(side);
          const int x = column + step.dx;
          const int y = row + step.dy;
          if (x < 0 || y < 0 || x >= piece.columns || y >= piece.rows) continue;
          SideNeighbours& need = tile.sides[static_cast<int>(side)];
          need.rule = NeighbourRule::Part;
          AddCode(need.codes, piece.At(x, y));
        }
      }
    }
  }
}

// Fills in the open ends of rivers and rails that no piece already ties to a partner.
void AddChainNeighbours(std::vector<SceneryTile>& tiles) {
  // Which sides pieces have claimed, taken before any chain end is filled in.
  std::vector<std::array<bool, 4>> claimed(tiles.size());
  for (std::size_t index = 0; index < tiles.size(); ++index) {
    for (Side side : kSides) {
      claimed[index][static_cast<int>(side)] =
          tiles[index].sides[static_cast<int>(side)].rule == NeighbourRule::Part;
    }
  }
  const auto taken_by_piece = [&](TileCode code, Side side) {
    return claimed[code - kFirstFixedCode][static_cast<int>(side)];
  };
  for (const ChainTile& chain_tile : kChainTiles) {
    for (Side side : chain_tile.open) {
      if (taken_by_piece(chain_tile.code, side)) continue;
      SideNeighbours& need = tiles[chain_tile.code - kFirstFixedCode].sides[static_cast<int>(side)];
      need.rule = NeighbourRule::Part;
      need.board_edge = true;
      for (const ChainTile& other : kChainTiles) {
        if (other.chain != chain_tile.chain || !IsOpen(other, Opposite(side))) continue;
        if (taken_by_piece(other.code, Opposite(side))) continue;
        AddCode(need.codes, other.code);
      }
    }
  }
}

std::vector<SceneryTile> BuildTiles(const std::vector<Piece>& pieces) {
  std::vector<SceneryTile> tiles(kFixedCount);
  for (int index = 0; index < kFixedCount; ++index) {
    tiles[index].code = static_cast<TileCode>(kFirstFixedCode + index);
  }
  for (const TileName& name : kTileNames) {
    tiles[name.code - kFirstFixedCode].name = name.name;
    tiles[name.code - kFirstFixedCode].family = name.family;
  }
  for (SceneryTile& tile : tiles) {
    if (tile.name.empty()) throw std::logic_error("a fixed tile has no scenery entry");
    for (Side side : kSides) {
      tile.sides[static_cast<int>(side)].rule =
          EdgeCode(tile.code, side) == 0 ? NeighbourRule::Ground : NeighbourRule::Road;
    }
  }
  AddPieceNeighbours(tiles, pieces);
  AddChainNeighbours(tiles);
  for (SceneryTile& tile : tiles) {
    for (SideNeighbours& need : tile.sides) std::sort(need.codes.begin(), need.codes.end());
  }
  return tiles;
}

struct Catalogue {
  std::vector<Piece> pieces = BuildPieces();
  std::vector<SceneryTile> tiles = BuildTiles(pieces);
};

const Catalogue& TheCatalogue() {
  static const Catalogue catalogue;
  return catalogue;
}

// Whether a tile shows open ground (or an open road) on the given side, as every movable tile
// does and as fixed tiles do on the sides that no piece or chain claims.
bool OpenToTheWorld(TileCode code, Side side) {
  const SceneryTile* tile = FindSceneryTile(code);
  if (tile == nullptr) return IsMovable(code);
  return tile->sides[static_cast<int>(side)].rule != NeighbourRule::Part;
}

}  // namespace

Side Opposite(Side side) { return static_cast<Side>((static_cast<int>(side) + 2) % 4); }

const std::vector<SceneryTile>& SceneryTiles() { return TheCatalogue().tiles; }

const SceneryTile* FindSceneryTile(TileCode code) {
  if (code < kFirstFixedCode || code > kLastFixedCode) return nullptr;
  return &TheCatalogue().tiles[code - kFirstFixedCode];
}

const std::vector<Piece>& Pieces() { return TheCatalogue().pieces; }

std::vector<BorderNeed> BorderNeeds(const Piece& piece) {
  std::vector<BorderNeed> needs;
  for (int row = 0; row < piece.rows; ++row) {
    for (int column = 0; column < piece.columns; ++column) {
      const SceneryTile* tile = FindSceneryTile(piece.At(column, row));
      for (Side side : kSides) {
        const Offset step = Step(side);
        const int x = column + step.dx;
        const int y = row + step.dy;
        if (x >= 0 && y >= 0 && x < piece.columns && y < piece.rows) continue;
        needs.push_back({column, row, side, &tile->sides[static_cast<int>(side)]});
      }
    }
  }
  return needs;
}

bool Accepts(TileCode code, Side side, int neighbour) {
  const bool outside = neighbour == kOutsideBoard;
  if (!outside && (neighbour < 0 || neighbour >= kCataloguedCodes)) return false;
  const TileCode other = outside ? kEmptyTile : static_cast<TileCode>(neighbour);
  const int edge = EdgeCode(code, side);
  if (edge != EdgeCode(other, Opposite(side))) return false;

  const SceneryTile* tile = FindSceneryTile(code);
  if (tile == nullptr) {
    // A movable tile fits any neighbour with the same edge that is open towards it.
    return outside || OpenToTheWorld(other, Opposite(side));
  }
  const SideNeighbours& need = tile->sides[static_cast<int>(side)];
  switch (need.rule) {
    case NeighbourRule::Ground:
      return outside || OpenToTheWorld(other, Opposite(side));
    case NeighbourRule::Road:
      return !outside && OpenToTheWorld(other, Opposite(side));
    case NeighbourRule::Part:
      if (outside) return need.board_edge;
      return std::binary_search(need.codes.begin(), need.codes.end(), other);
  }
  return false;
}

}  // namespace verlumo::scenery
