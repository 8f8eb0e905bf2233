// The generator: the same seed gives the same levels, and every level keeps the rules of a
// shipped level (tiles from the catalogue, whole scenery, a recorded solution, something to
// carry, solvable) while the difficulty never falls.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "tools/levels/level_facts.h"
#include "tools/levels/level_generator.h"
#include "tools/levels/level_solver.h"
#include "tools/levels/road_filler.h"
#include "tools/levels/scenery_planner.h"

namespace verlumo::levels {
namespace {

const scenery::Piece& PieceMadeOf(std::initializer_list<TileCode> codes) {
  for (const scenery::Piece& piece : scenery::Pieces()) {
    if (std::equal(piece.cells.begin(), piece.cells.end(), codes.begin(), codes.end()))
      return piece;
  }
  throw std::logic_error("no such piece");
}

TEST(Generator, TheSameSeedGivesTheSameLevels) {
  const std::vector<std::uint8_t> first = LevelFileBytes(GenerateLevels(3, 12));
  EXPECT_EQ(first.size(), 12u * kRecordSize);
  EXPECT_EQ(LevelFileBytes(GenerateLevels(3, 12)), first);
  EXPECT_NE(LevelFileBytes(GenerateLevels(4, 12)), first);
  EXPECT_THROW(GenerateLevels(3, 0), std::invalid_argument);
  EXPECT_THROW(GenerateLevels(3, 501), std::invalid_argument);
}

TEST(Generator, EveryLevelIsAFairSolvableSceneAndTheyGetHarder) {
  // Thirty levels span the whole range from the first level to the last.
  const std::vector<GeneratedLevel> levels = GenerateLevels(11, 30);
  ASSERT_EQ(levels.size(), 30u);
  const LevelFacts first = CountLevel(levels.front().board);
  EXPECT_GE(first.road_pieces, 3);
  EXPECT_LE(first.road_pieces, 4);
  EXPECT_EQ(first.fixed, 0);
  int with_scenery = 0;
  for (std::size_t index = 0; index < levels.size(); ++index) {
    const GeneratedLevel& level = levels[index];
    const LevelFacts facts = CountLevel(level.board);
    EXPECT_TRUE(facts.uncatalogued_cells.empty()) << index;
    EXPECT_EQ(SceneryMisfits(level.board), 0) << index;
    EXPECT_TRUE(IsBoardSolved(level.board)) << index;
    EXPECT_GE(facts.road_pieces, 2) << index;
    EXPECT_GE(facts.selectable, 1) << index;
    EXPECT_EQ(facts.road_pieces, level.road_pieces) << index;
    const SolveResult solve = SolveLevel(level.board);
    EXPECT_TRUE(solve.solvable) << index;
    EXPECT_EQ(solve.solutions, level.solutions) << index;
    EXPECT_EQ(level.difficulty, DifficultyOf(facts.road_pieces, solve.solutions)) << index;
    if (index > 0) {
      EXPECT_GE(level.difficulty, levels[index - 1].difficulty) << index;
    }
    with_scenery += facts.fixed > 0 ? 1 : 0;
  }
  EXPECT_GE(with_scenery, 20);
  EXPECT_GE(CountLevel(levels.back().board).road_pieces, 30);
}

TEST(Generator, TheFileIsTheRecordsInOrder) {
  GeneratedLevel one;
  one.board.fill(1);
  GeneratedLevel two;
  two.board.fill(2);
  const std::vector<std::uint8_t> bytes = LevelFileBytes({one, two});
  ASSERT_EQ(bytes.size(), 126u);
  EXPECT_EQ(bytes[62], 1);
  EXPECT_EQ(bytes[63], 2);
}

TEST(Planner, ScenerySitsOnlyWhereItsNeighboursFit) {
  Draft draft;
  const scenery::Piece& cottage_lane_right = PieceMadeOf({113});
  const scenery::Piece& manor = PieceMadeOf({120, 121, 122, 123});
  // Its lane would run off the board.
  EXPECT_FALSE(TryPlacePiece(draft, cottage_lane_right, kColumns - 1, 3, false));
  EXPECT_TRUE(TryPlacePiece(draft, cottage_lane_right, 2, 3, false));
  // Not on top of it, and a manor keeps a cell of ground from it when asked to.
  EXPECT_FALSE(TryPlacePiece(draft, PieceMadeOf({91}), 2, 3, false));
  EXPECT_FALSE(TryPlacePiece(draft, manor, 0, 2, true));
  EXPECT_TRUE(TryPlacePiece(draft, manor, 5, 0, true));
  EXPECT_TRUE(FixedTilesFit(draft));
  EXPECT_EQ(draft.FixedCount(), 5);
}

TEST(Planner, RiversAndRailwaysRunFromBorderToBorderAndRoadsJoinTheirCrossings) {
  int filled_levels = 0;
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    LevelRandom random(seed);
    Draft draft;
    const bool rail = seed % 2 == 0;
    const std::string_view family = rail ? "rail" : "river";
    ASSERT_TRUE(LayChain(draft, random, {family, 2, rail})) << seed;
    EXPECT_TRUE(FixedTilesFit(draft)) << seed;
    int crossings = 0;
    int on_border = 0;  // a course touches the border where it enters and where it leaves
    for (int cell = 0; cell < kCells; ++cell) {
      if (draft.IsOpen(cell)) continue;
      const TileCode code = static_cast<TileCode>(draft.codes[cell]);
      EXPECT_EQ(scenery::FindSceneryTile(code)->family, family) << seed;
      crossings += EdgeWordOf(code) != 0 ? 1 : 0;
      const int column = cell / kRows;
      const int row = cell % kRows;
      on_border += (column == 0 || column == kColumns - 1 || row == 0 || row == kRows - 1) ? 1 : 0;
    }
    EXPECT_EQ(crossings, 2) << seed;
    EXPECT_EQ(on_border, 2) << seed;
    const std::optional<Board> filled = FillRoads(draft, 20, RoadStyle{}, random);
    if (!filled) continue;  // a filling may fail; the generator then tries again
    ++filled_levels;
    EXPECT_TRUE(IsBoardSolved(*filled)) << seed;
    EXPECT_EQ(SceneryMisfits(*filled), 0) << seed;
    EXPECT_GE(CountLevel(*filled).road_pieces, 20) << seed;
  }
  EXPECT_GE(filled_levels, 10);
}

}  // namespace
}  // namespace verlumo::levels
