// The tile catalogue, the solved test and the random generator: the fixed knowledge every level
// depends on.
#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

#include "core/board.h"
#include "core/random.h"

namespace verlumo {
namespace {

TEST(TileCatalogue, TableFactsThatCatchASlipInTheRows) {
  EXPECT_EQ(EdgeWordOf(4), 0x101u);  // right 1, top 1
  EXPECT_EQ(EdgeCode(8, Side::Top) * 10 + EdgeCode(8, Side::Bottom), 12);
  EXPECT_TRUE(EdgeWordOf(33) == EdgeWordOf(48) && EdgeWordOf(3) == EdgeWordOf(58) &&
              EdgeWordOf(2) == EdgeWordOf(94));
  int connected_fixed = 0;
  for (int code = 1; code <= 90; ++code) EXPECT_NE(EdgeWordOf(code), 0u) << code;
  for (int code = 91; code < kCataloguedCodes; ++code) connected_fixed += EdgeWordOf(code) != 0;
  EXPECT_EQ(connected_fixed, 54);
  // Corner pieces carry the marker in the quarter between their two roads.
  for (int code : {4, 5, 6, 7, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 34, 35, 36, 37}) {
    EXPECT_EQ(MarkerAnchor(code).x, EdgeCode(code, Side::Right) != 0 ? 19 : 7) << code;
    EXPECT_EQ(MarkerAnchor(code).y, EdgeCode(code, Side::Top) != 0 ? 7 : 19) << code;
  }
}

TEST(TileCatalogue, MarkerAnchorsAreThePrintedTable) {
  struct Row {
    int x, y;
    std::vector<int> codes;
  };
  // Every code not listed carries the marker in the middle of its tile, at (13, 13).
  const Row printed[] = {
      {19, 7, {4, 17, 18, 19, 34, 52, 56, 79, 80}},  {7, 7, {5, 20, 21, 22, 35, 50, 57, 81, 82}},
      {7, 19, {6, 23, 24, 25, 36, 51, 55, 83, 84}},  {19, 19, {7, 26, 27, 28, 37, 53, 54, 85, 86}},
      {7, 13, {42}}, {13, 19, {43}}, {19, 13, {44}}, {13, 7, {45}},
  };
  std::array<std::pair<int, int>, kCataloguedCodes> expected;
  expected.fill({13, 13});
  for (const Row& row : printed)
    for (int code : row.codes) expected[code] = {row.x, row.y};
  for (int code = 0; code < kCataloguedCodes; ++code) {
    const PixelOffset anchor = MarkerAnchor(static_cast<TileCode>(code));
    EXPECT_EQ(std::make_pair(anchor.x, anchor.y), expected[code]) << "code " << code;
  }
}

TEST(TileCatalogue, BoundariesAndUncataloguedCodes) {
  EXPECT_TRUE(IsMovable(0) && IsMovable(90) && !IsMovable(91));
  EXPECT_TRUE(IsSelectable(1) && IsSelectable(89) && !IsSelectable(0) && !IsSelectable(90));
  EXPECT_EQ(SheetPosition(199).x, 19 * 48);
  EXPECT_EQ(SheetPosition(199).y, 9 * 48);
  for (int code = 200; code <= 255; ++code) {  // read as fixed, roadless, centred, code 0's picture
    EXPECT_FALSE(IsMovable(code) || IsSelectable(code) || EdgeWordOf(code) != 0);
    EXPECT_TRUE(MarkerAnchor(code).x == 13 && MarkerAnchor(code).y == 13);
    EXPECT_TRUE(SheetPosition(code).x == 0 && SheetPosition(code).y == 0);
  }
}

TEST(SolvedTest, FacingEdgesMustMatchAndNoRoadMayLeaveTheBoard) {
  Board board{};
  board[CellIndex(4, 3)] = 33;  // a crossing of narrow roads, closed by fixed ends
  board[CellIndex(5, 3)] = 141;
  board[CellIndex(3, 3)] = 113;
  board[CellIndex(4, 2)] = 142;
  board[CellIndex(4, 4)] = 140;
  EXPECT_TRUE(IsBoardSolved(board));
  board[CellIndex(4, 3)] = 48;  // the same edge word under another picture
  EXPECT_TRUE(IsBoardSolved(board));
  board[CellIndex(4, 3)] = 3;  // wide roads do not meet narrow ones
  EXPECT_FALSE(IsBoardSolved(board));
  for (auto [column, row, code] : {std::tuple{8, 2, 39}, {0, 2, 61}, {2, 0, 40}, {2, 6, 41},
                                   {0, 0, 61}, {0, 0, 40}, {8, 6, 39}, {8, 6, 41}}) {  // corners too
    Board border{};
    border[CellIndex(column, row)] = static_cast<TileCode>(code);  // one road into the border
    EXPECT_FALSE(IsBoardSolved(border)) << column << "," << row;
  }
  // A road off the bottom of one column and one off the top of the next lie side by side in
  // the board's memory, but they do not meet.
  Board wrapped{};
  wrapped[CellIndex(2, 6)] = 41;
  wrapped[CellIndex(3, 0)] = 40;
  EXPECT_FALSE(IsBoardSolved(wrapped));
}

TEST(RandomGenerator, FollowsTheLinearCongruentialSequence) {
  // 0 -> 0 * 134775813 + 1 = 1, and 1 * 9 / 2^32 rounds down to 0.
  // 1 -> 134775813 + 1 = 134775814, and 134775814 * 7 < 2^32 gives 0 again.
  // 2^32 - 1 acts as -1: -134775813 + 1 = 4160191484, and 4160191484 * 9 / 2^32 = 8.72.
  Random random(0);
  EXPECT_EQ(random.Next(9), 0);
  EXPECT_EQ(random.seed(), 1u);
  EXPECT_EQ(random.Next(7), 0);
  EXPECT_EQ(random.seed(), 134775814u);
  random.Seed(0xFFFFFFFFu);
  EXPECT_EQ(random.Next(9), 8);
  EXPECT_EQ(random.seed(), 4160191484u);
}

}  // namespace
}  // namespace verlumo
