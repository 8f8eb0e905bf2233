// The solver on crafted levels whose solutions can be counted by hand: road kinds and the
// border decide solvability, interchangeable tiles make one solution, the cap and the
// placement limit stop the search, and the solution found is a true rearrangement.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/unit/levels/level_boards.h"
#include "tools/levels/level_solver.h"

namespace verlumo::levels {
namespace {

constexpr int T = 91;  // a copse of trees: fixed, no roads

// A bus depot (road to the right) at column 5 of the middle row, two movable cells and a
// petrol station (road from the left) at the border; trees everywhere else.
Board DepotToStation(int first, int second) {
  return BoardOf({{T, T, T, T, T, T, T, T, T},
                  {T, T, T, T, T, T, T, T, T},
                  {T, T, T, T, T, T, T, T, T},
                  {T, T, T, T, T, 112, first, second, 100},
                  {T, T, T, T, T, T, T, T, T},
                  {T, T, T, T, T, T, T, T, T},
                  {T, T, T, T, T, T, T, T, T}});
}

// The depot at column 6, so the two movable cells end at the board's border.
Board DepotToBorder(int first, int second) {
  return BoardOf({{T, T, T, T, T, T, T, T, T},
                  {T, T, T, T, T, T, T, T, T},
                  {T, T, T, T, T, T, T, T, T},
                  {T, T, T, T, T, T, 112, first, second},
                  {T, T, T, T, T, T, T, T, T},
                  {T, T, T, T, T, T, T, T, T},
                  {T, T, T, T, T, T, T, T, T}});
}

void ExpectRearrangementThatSolves(const Board& level, const SolveResult& result) {
  ASSERT_TRUE(result.solvable);
  EXPECT_TRUE(IsBoardSolved(result.solution));
  EXPECT_TRUE(std::is_permutation(level.begin(), level.end(), result.solution.begin()));
  for (int cell = 0; cell < kCells; ++cell) {
    if (!IsMovable(level[cell])) {
      EXPECT_EQ(result.solution[cell], level[cell]) << "cell " << cell;
    }
  }
}

TEST(Solver, RoadKindsMustMeetTheirOwnKind) {
  // Two plain road pieces join depot and station; a dead end cannot.
  const Board plain = DepotToStation(2, 2);
  const SolveResult joined = SolveLevel(plain);
  ExpectRearrangementThatSolves(plain, joined);
  EXPECT_EQ(joined.solutions, 1);
  EXPECT_FALSE(SolveLevel(DepotToStation(2, 38)).solvable);

  // Stone-lined bridge road cannot meet the ordinary road of the depot.
  EXPECT_FALSE(SolveLevel(DepotToStation(13, 13)).solvable);
  EXPECT_FALSE(SolveLevel(DepotToStation(13, 38)).solvable);

  // Adapters from road to bridge road and back fit only one way round, not the recorded one.
  const Board adapters = DepotToStation(11, 10);
  EXPECT_FALSE(IsBoardSolved(adapters));
  const SolveResult adapted = SolveLevel(adapters);
  ExpectRearrangementThatSolves(adapters, adapted);
  EXPECT_EQ(adapted.solutions, 1);
  EXPECT_EQ(adapted.solution[CellIndex(6, 3)], 10);
}

TEST(Solver, NoRoadMayLeaveTheBoard) {
  EXPECT_TRUE(SolveLevel(DepotToBorder(2, 38)).solvable);
  // Two straight pieces would carry the road off the board's right edge.
  EXPECT_FALSE(SolveLevel(DepotToBorder(2, 2)).solvable);
  // A fixed road facing the border cannot be helped by any movable tile.
  Board fixed_road_at_border = DepotToBorder(0, 0);
  fixed_road_at_border[CellIndex(0, 0)] = 94;
  EXPECT_FALSE(SolveLevel(fixed_road_at_border).solvable);
}

TEST(Solver, TilesWithEqualEdgeWordsMakeOneSolution) {
  // Two short roads, each a right-facing and a left-facing dead end. 39 and 59 share an edge
  // word, as do 38 and 61: four ways to place the codes, one solution.
  const Board stubs = BoardOf({{T, T, T, T, T, T, T, T, T},
                               {T, T, 39, 61, T, T, T, T, T},
                               {T, T, T, T, T, T, T, T, T},
                               {T, T, T, T, T, T, T, T, T},
                               {T, T, T, T, T, T, T, T, T},
                               {T, T, 38, 59, T, T, T, T, T},
                               {T, T, T, T, T, T, T, T, T}});
  const SolveResult result = SolveLevel(stubs);
  ExpectRearrangementThatSolves(stubs, result);
  EXPECT_EQ(result.solutions, 1);
  EXPECT_FALSE(result.reached_cap);

  // The fixed avenue 94 has the edge word of the movable straight 2, but it never moves.
  Board with_avenue = DepotToStation(2, 2);
  with_avenue[CellIndex(5, 3)] = 94;
  with_avenue[CellIndex(4, 3)] = 112;
  const SolveResult avenue = SolveLevel(with_avenue);
  ExpectRearrangementThatSolves(with_avenue, avenue);
  EXPECT_EQ(avenue.solutions, 1);
}

TEST(Solver, CountsUpToTheCapAndStopsAtThePlacementLimit) {
  const Board ring = RingAmongEmptyTiles();
  const SolveResult all = SolveLevel(ring);
  ExpectRearrangementThatSolves(ring, all);
  EXPECT_EQ(all.solutions, 48);  // every 2 x 2 block of the board
  EXPECT_FALSE(all.reached_cap);
  EXPECT_FALSE(all.gave_up);

  const SolveResult capped = SolveLevel(ring, 10);
  EXPECT_EQ(capped.solutions, 10);
  EXPECT_TRUE(capped.reached_cap);
  EXPECT_LT(capped.placements, all.placements);

  const SolveResult stopped = SolveLevel(ring, kDefaultSolutionCap, 3);
  EXPECT_TRUE(stopped.gave_up);
  EXPECT_EQ(stopped.placements, 3u);
}

TEST(Solver, BoardsWithoutMovableTilesAreJudgedByTheirFixedTiles) {
  Board trees;
  trees.fill(T);
  EXPECT_EQ(SolveLevel(trees).solutions, 1);
  trees[CellIndex(8, 6)] = 94;  // a road into the border
  EXPECT_FALSE(SolveLevel(trees).solvable);
  // Codes without a tile are taken as fixed ground and do not crash the search.
  Board unknown = RingAmongEmptyTiles();
  unknown[CellIndex(0, 0)] = 230;
  EXPECT_EQ(SolveLevel(unknown).solutions, 47);
}

}  // namespace
}  // namespace verlumo::levels
