// The checker on files a player might make: empty, cut short, too long, holding codes without a
// tile, levels with nothing to move or carry, unsolvable levels. Every problem is named, no
// level is lost, and the verdict is "problems found".
#include <gtest/gtest.h>

#include <sstream>

#include "tests/unit/levels/level_boards.h"
#include "tools/levels/level_check.h"

namespace verlumo::levels {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string Printed(const FileReport& report) {
  std::ostringstream out;
  PrintFileReport(out, report);
  return out.str();
}

bool Mentions(const std::vector<std::string>& texts, const std::string& part) {
  for (const std::string& text : texts) {
    if (text.find(part) != std::string::npos) return true;
  }
  return false;
}

TEST(Check, AGoodFileIsOk) {
  Board second = RingAmongEmptyTiles();
  second[CellIndex(0, 6)] = 91;
  const FileReport report = CheckLevelBytes(BytesOf({RingAmongEmptyTiles(), second}));
  ASSERT_EQ(report.levels.size(), 2u);
  EXPECT_TRUE(report.ok());
  const LevelReport& level = report.levels[1];
  EXPECT_EQ(level.number, 2);
  EXPECT_EQ(level.facts.movable, 62);
  EXPECT_EQ(level.facts.selectable, 4);
  EXPECT_EQ(level.facts.fixed, 1);
  EXPECT_EQ(level.facts.road_pieces, 4);
  EXPECT_EQ(level.solve->solutions, 47);  // the tree takes one of the ring's 48 places
  EXPECT_EQ(level.difficulty, 4 + 2 * 5);
  const std::string text = Printed(report);
  EXPECT_NE(text.find("level   2  movable 62  selectable  4  fixed  1  roads  4  solutions   47 "),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("result: OK"), std::string::npos);
}

TEST(Check, FilesWithoutACompleteLevelAreRefused) {
  for (const std::size_t size : {0, 1, 62}) {
    const FileReport report = CheckLevelBytes(Bytes(size, 1));
    EXPECT_TRUE(report.levels.empty());
    EXPECT_FALSE(report.ok()) << size;
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_NE(report.problems[0].find("blank level"), std::string::npos) << report.problems[0];
    EXPECT_NE(Printed(report).find("PROBLEMS FOUND"), std::string::npos);
  }
}

TEST(Check, LeftOverBytesAndLevelsPastFiveHundredAreProblemsButTheLevelsAreChecked) {
  Bytes cut_short = BytesOf({RingAmongEmptyTiles(), RingAmongEmptyTiles()});
  cut_short.resize(cut_short.size() + 10, 7);
  const FileReport part = CheckLevelBytes(cut_short);
  EXPECT_EQ(part.levels.size(), 2u);
  EXPECT_TRUE(part.levels[0].valid() && part.levels[1].valid());
  EXPECT_FALSE(part.ok());
  EXPECT_TRUE(Mentions(part.problems, "10 bytes after the last complete level"));

  const FileReport too_long =
      CheckLevelBytes(BytesOf(std::vector<Board>(501, RingAmongEmptyTiles())), 1);
  EXPECT_EQ(too_long.levels.size(), 500u);
  EXPECT_FALSE(too_long.ok());
  EXPECT_TRUE(Mentions(too_long.problems, "501 levels, but the game reads only the first 500"));
}

TEST(Check, CodesWithoutATileAreNamedWithTheirCells) {
  Board broken = RingAmongEmptyTiles();
  broken[CellIndex(0, 0)] = 200;
  broken[CellIndex(8, 6)] = 255;
  const FileReport report =
      CheckLevelBytes(BytesOf({RingAmongEmptyTiles(), broken, RingAmongEmptyTiles()}));
  ASSERT_EQ(report.levels.size(), 3u);
  EXPECT_TRUE(report.levels[0].valid());
  const LevelReport& level = report.levels[1];
  EXPECT_FALSE(level.valid());
  EXPECT_FALSE(level.solve.has_value());
  EXPECT_EQ(level.facts.uncatalogued_cells, (std::vector<int>{CellIndex(0, 0), CellIndex(8, 6)}));
  EXPECT_TRUE(Mentions(level.problems, "code 200 at column 1 row 1, code 255 at column 9 row 7"));
  EXPECT_TRUE(report.levels[2].valid());
  EXPECT_TRUE(Mentions(report.problems, "stops reading at level 2"));

  Board many = RingAmongEmptyTiles();
  for (int cell = 0; cell < 5; ++cell) many[cell] = 240;
  EXPECT_TRUE(Mentions(CheckLevelBytes(BytesOf({many})).levels[0].problems, "and 2 more"));
}

TEST(Check, LevelsTheGameCannotStartOrTheSolverCannotSolveAreInvalid) {
  Board trees;
  trees.fill(91);
  Board blank{};  // the game's own fallback level: nothing to carry, but solved
  Board loose_end = RingAmongEmptyTiles();
  loose_end[CellIndex(4, 3)] = 2;  // a straight where the ring needs a corner
  Board lone_piece = RingAmongEmptyTiles();
  for (int column : {3, 4}) {
    for (int row : {2, 3}) lone_piece[CellIndex(column, row)] = 0;
  }
  lone_piece[CellIndex(5, 5)] = 90;  // movable, never carried, and its roads lead nowhere

  const FileReport report = CheckLevelBytes(BytesOf({trees, blank, loose_end, lone_piece}));
  ASSERT_EQ(report.levels.size(), 4u);
  EXPECT_TRUE(Mentions(report.levels[0].problems, "no movable tile"));
  EXPECT_TRUE(Mentions(report.levels[0].problems, "no tile the player can carry"));
  EXPECT_TRUE(report.levels[0].solve->solvable);

  EXPECT_EQ(report.levels[1].problems,
            std::vector<std::string>{"no tile the player can carry (codes 1 to 89)"});
  EXPECT_TRUE(report.levels[1].solve->solvable);

  EXPECT_TRUE(Mentions(report.levels[2].problems, "unsolvable"));
  EXPECT_FALSE(report.levels[2].difficulty.has_value());

  EXPECT_TRUE(Mentions(report.levels[3].problems, "no tile the player can carry"));
  EXPECT_TRUE(Mentions(report.levels[3].problems, "unsolvable"));
  EXPECT_FALSE(report.ok());
  const std::string text = Printed(report);
  EXPECT_NE(text.find("4 levels, 0 valid, 4 invalid"), std::string::npos) << text;
}

TEST(Check, NotesWhatTheGameCopesWith) {
  Board single = BoardOf({{0, 0, 0, 0, 0, 0, 0, 0, 0},
                          {0, 112, 38, 0, 0, 0, 0, 0, 0},
                          {0, 0, 0, 0, 0, 0, 0, 0, 0},
                          {0, 0, 0, 0, 0, 0, 0, 0, 0},
                          {0, 0, 0, 0, 0, 0, 0, 0, 0},
                          {0, 0, 0, 0, 0, 0, 0, 0, 0},
                          {0, 0, 0, 0, 0, 0, 0, 0, 0}});
  const LevelReport report = CheckLevelBytes(BytesOf({single})).levels[0];
  EXPECT_TRUE(report.valid());
  EXPECT_TRUE(Mentions(report.notes, "only 1 movable road piece"));

  Board shuffled = RingAmongEmptyTiles();
  std::swap(shuffled[CellIndex(3, 2)], shuffled[CellIndex(0, 0)]);
  EXPECT_TRUE(Mentions(CheckLevelBytes(BytesOf({shuffled})).levels[0].notes, "not solved"));
}

TEST(Check, SplitsRecordsLikeTheGame) {
  Bytes bytes = BytesOf({RingAmongEmptyTiles(), Board{}});
  bytes.push_back(5);
  const std::vector<Board> levels = SplitRecords(bytes);
  ASSERT_EQ(levels.size(), 2u);
  EXPECT_EQ(levels[0], RingAmongEmptyTiles());
  EXPECT_EQ(levels[1], Board{});
  EXPECT_EQ(SplitRecords(BytesOf(std::vector<Board>(502, Board{}))).size(), 500u);
}

}  // namespace
}  // namespace verlumo::levels
