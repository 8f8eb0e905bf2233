// What the toolkit counts in a level: cells by kind, the difficulty figure, scenery joins that
// break the scenery catalogue's rules, and road networks.
#include <gtest/gtest.h>

#include "tests/unit/levels/level_boards.h"
#include "tools/levels/level_facts.h"

namespace verlumo::levels {
namespace {

TEST(Facts, CountsCellsTheWayTheGameTreatsThem) {
  Board level = RingAmongEmptyTiles();
  level[CellIndex(0, 0)] = 90;  // movable, never carried
  level[CellIndex(1, 0)] = 58;  // the same edge word as code 3
  level[CellIndex(2, 0)] = 3;
  level[CellIndex(8, 0)] = 91;   // fixed
  level[CellIndex(8, 6)] = 201;  // no tile
  const LevelFacts facts = CountLevel(level);
  EXPECT_EQ(facts.movable, 61);
  EXPECT_EQ(facts.selectable, 6);
  EXPECT_EQ(facts.fixed, 1);
  EXPECT_EQ(facts.road_pieces, 7);
  EXPECT_EQ(facts.road_classes, 6);  // 4 corners, the crossing, code 90
  EXPECT_EQ(facts.uncatalogued_cells, std::vector<int>{CellIndex(8, 6)});
}

TEST(Facts, DifficultyAddsTwoPointsPerHalvingOfTheSolutionsBelowTheCap) {
  EXPECT_EQ(DifficultyOf(10, 1), 30);
  EXPECT_EQ(DifficultyOf(10, 2), 28);
  EXPECT_EQ(DifficultyOf(10, 3), 28);
  EXPECT_EQ(DifficultyOf(10, 48), 20);
  EXPECT_EQ(DifficultyOf(10, 1023), 12);
  EXPECT_EQ(DifficultyOf(10, 1024), 10);
  EXPECT_EQ(DifficultyOf(10, 100000), 10);
  EXPECT_EQ(DifficultyOf(3, 0), 23);  // unsolvable levels have no figure; this only must not crash
}

TEST(Facts, SceneryMisfitsFindBrokenPiecesAndRoadsIntoNothing) {
  Board manor{};
  manor[CellIndex(2, 2)] = 120;
  manor[CellIndex(3, 2)] = 121;
  manor[CellIndex(2, 3)] = 122;
  manor[CellIndex(3, 3)] = 123;
  EXPECT_EQ(SceneryMisfits(manor), 0);
  manor[CellIndex(3, 3)] = 0;  // a corner missing: two sides look for it
  EXPECT_EQ(SceneryMisfits(manor), 2);

  Board river{};
  for (int row = 0; row < kRows; ++row) river[CellIndex(4, row)] = 130;
  EXPECT_EQ(SceneryMisfits(river), 0);  // it runs off the board at both ends
  river[CellIndex(4, 6)] = 0;           // and now stops in a meadow
  EXPECT_EQ(SceneryMisfits(river), 1);

  Board house{};
  house[CellIndex(0, 0)] = 113;  // cottage, lane to the right
  EXPECT_EQ(SceneryMisfits(house), 1);
  house[CellIndex(1, 0)] = 29;  // a lane
  EXPECT_EQ(SceneryMisfits(house), 0);
}

TEST(Facts, NetworksFloatUnlessTheyTouchScenery) {
  EXPECT_EQ(CountNetworks(Board{}).all, 0);
  Board level = RingAmongEmptyTiles();
  EXPECT_EQ(CountNetworks(level).all, 1);
  EXPECT_EQ(CountNetworks(level).floating, 1);
  level[CellIndex(0, 0)] = 112;  // bus depot, road to the right
  level[CellIndex(1, 0)] = 38;
  const NetworkCount both = CountNetworks(level);
  EXPECT_EQ(both.all, 2);
  EXPECT_EQ(both.floating, 1);
  level[CellIndex(1, 0)] = 2;  // the road now ends at nothing: still one network with the depot
  EXPECT_EQ(CountNetworks(level).all, 2);
}

}  // namespace
}  // namespace verlumo::levels
