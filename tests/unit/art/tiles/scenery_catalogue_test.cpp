// The scenery catalogue must agree with the edge table, or the level generator would build
// levels that cannot be solved or show broken scenery.
#include "tools/scenery/scenery_catalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace verlumo::scenery {
namespace {

TEST(SceneryCatalogue, DescribesEveryFixedCodeOnceAndPlacesItInAPiece) {
  const auto& tiles = SceneryTiles();
  ASSERT_EQ(tiles.size(), 109u);
  std::set<int> in_pieces;
  for (const Piece& piece : Pieces()) {
    ASSERT_EQ(piece.cells.size(), static_cast<std::size_t>(piece.columns * piece.rows)) << piece.name;
    for (TileCode code : piece.cells) {
      EXPECT_FALSE(IsMovable(code)) << piece.name;
      in_pieces.insert(code);
    }
  }
  for (int code = kFirstFixedCode; code <= kLastFixedCode; ++code) {
    const SceneryTile* tile = FindSceneryTile(static_cast<TileCode>(code));
    ASSERT_NE(tile, nullptr);
    EXPECT_EQ(tile->code, code);
    EXPECT_FALSE(tile->name.empty()) << code;
    EXPECT_TRUE(in_pieces.count(code)) << code << " belongs to no piece";
  }
  EXPECT_EQ(FindSceneryTile(90), nullptr);
  EXPECT_EQ(FindSceneryTile(200), nullptr);
}

TEST(SceneryCatalogue, SideRulesAgreeWithTheEdgeTableAndWithEachOther) {
  for (const SceneryTile& tile : SceneryTiles()) {
    for (Side side : kSides) {
      const SideNeighbours& need = tile.sides[static_cast<int>(side)];
      const int edge = EdgeCode(tile.code, side);
      switch (need.rule) {
        case NeighbourRule::Ground:
          EXPECT_EQ(edge, 0) << int(tile.code);
          break;
        case NeighbourRule::Road: {
          EXPECT_GT(edge, 0) << int(tile.code);
          bool joinable = false;
          for (int code = 1; code <= kLastMovableCode; ++code) {
            joinable |= EdgeCode(static_cast<TileCode>(code), Opposite(side)) == edge;
          }
          EXPECT_TRUE(joinable) << int(tile.code);
          break;
        }
        case NeighbourRule::Part:
          EXPECT_FALSE(need.codes.empty()) << int(tile.code);
          for (TileCode other : need.codes) {
            // The neighbour fits by edge and wants this tile back on its facing side.
            EXPECT_EQ(EdgeCode(other, Opposite(side)), edge) << int(tile.code) << " beside " << int(other);
            EXPECT_TRUE(Accepts(other, Opposite(side), tile.code)) << int(tile.code) << " / " << int(other);
          }
          break;
      }
    }
  }
}

TEST(SceneryCatalogue, PiecesFitTogetherInsideAndOpenOnlyToGroundRoadsOrTheirChain) {
  for (const Piece& piece : Pieces()) {
    for (int row = 0; row < piece.rows; ++row) {
      for (int column = 0; column < piece.columns; ++column) {
        const TileCode code = piece.At(column, row);
        if (column + 1 < piece.columns) {
          const TileCode right = piece.At(column + 1, row);
          EXPECT_EQ(EdgeCode(code, Side::Right), EdgeCode(right, Side::Left)) << piece.name;
          EXPECT_TRUE(Accepts(code, Side::Right, right)) << piece.name;
          EXPECT_TRUE(Accepts(right, Side::Left, code)) << piece.name;
        }
        if (row + 1 < piece.rows) {
          const TileCode below = piece.At(column, row + 1);
          EXPECT_EQ(EdgeCode(code, Side::Bottom), EdgeCode(below, Side::Top)) << piece.name;
          EXPECT_TRUE(Accepts(code, Side::Bottom, below)) << piece.name;
          EXPECT_TRUE(Accepts(below, Side::Top, code)) << piece.name;
        }
      }
    }
    const auto needs = BorderNeeds(piece);
    EXPECT_EQ(needs.size(), static_cast<std::size_t>(2 * (piece.columns + piece.rows))) << piece.name;
    for (const BorderNeed& need : needs) {
      if (need.need->rule != NeighbourRule::Part) continue;
      EXPECT_TRUE(piece.chain) << piece.name << " leaves a side that needs a partner";
      EXPECT_TRUE(need.need->board_edge) << piece.name;
    }
  }
}

TEST(SceneryCatalogue, AcceptsNeighboursAsTheSceneryNeedsThem) {
  // A river runs on in river or off the board, never into a lawn.
  EXPECT_TRUE(Accepts(130, Side::Top, kOutsideBoard));
  EXPECT_TRUE(Accepts(130, Side::Top, 168));
  EXPECT_FALSE(Accepts(130, Side::Top, 0));
  EXPECT_FALSE(Accepts(130, Side::Top, 131));
  // Ground beside ground, but not beside a river's open side or a lake's inner side.
  EXPECT_TRUE(Accepts(130, Side::Right, 0));
  EXPECT_TRUE(Accepts(0, Side::Left, 130));
  EXPECT_FALSE(Accepts(0, Side::Bottom, 130));
  EXPECT_FALSE(Accepts(150, Side::Right, 0));
  EXPECT_TRUE(Accepts(150, Side::Right, 154));
  EXPECT_TRUE(Accepts(150, Side::Left, kOutsideBoard));
  // A lane leaving the farm joins any lane tile, never the border or a mismatched edge.
  EXPECT_TRUE(Accepts(182, Side::Right, 29));
  EXPECT_FALSE(Accepts(182, Side::Right, kOutsideBoard));
  EXPECT_FALSE(Accepts(182, Side::Right, 2));
  // The station's halves stay together.
  EXPECT_TRUE(Accepts(196, Side::Right, 197));
  EXPECT_FALSE(Accepts(196, Side::Right, 176));
  EXPECT_FALSE(Accepts(7, Side::Right, 300));
}

}  // namespace
}  // namespace verlumo::scenery
