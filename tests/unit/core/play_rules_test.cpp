// The play rules: starting and shuffling a level, the click rule, the solve sequence and
// restarting, checked through the calls the game makes on its window.
#include <algorithm>

#include "tests/unit/core/test_support.h"

namespace verlumo {
namespace {

TEST_F(GameTest, StartLevelShufflesOnlyMovableTilesAndRedrawsColumnByColumn) {
  Board level = RingLevel();
  level[CellIndex(4, 3)] = 150;
  UseLevels(2, level);
  game.state.solved_state = game.state.moved = true;
  game.StartLevel(2);
  const Board& board = game.state.board;
  EXPECT_EQ(board[CellIndex(4, 3)], 150);
  EXPECT_TRUE(std::is_permutation(board.begin(), board.end(), level.begin()));
  EXPECT_TRUE(IsSelectable(board[CellIndex(game.state.selected_column, game.state.selected_row)]));
  EXPECT_FALSE(game.state.solved_state || game.state.moved);
  Log expected;
  for (int column = 0; column < kColumns; ++column)
    for (int row = 0; row < kRows; ++row)
      expected.push_back("DrawCell " + std::to_string(column) + " " + std::to_string(row));
  expected.insert(expected.end(), {"ApplyLanguage", "UpdateCaption"});
  EXPECT_EQ(host.log, expected);
}

TEST_F(GameTest, ShuffleDrawsColumnThenRowForExactlyTwoThousandExchanges) {
  Board level;  // every cell movable and selectable, so no draw is ever repeated
  for (int cell = 0; cell < kCells; ++cell) level[cell] = static_cast<TileCode>(cell + 1);
  UseLevels(1, level);
  game.StartLevel(1);
  Random replay(kSeed);
  auto draw_cell = [&replay] {
    const int column = replay.Next(9);
    return CellIndex(column, replay.Next(7));
  };
  for (int exchange = 0; exchange < 2000; ++exchange) {
    const int first = draw_cell();
    std::swap(level[first], level[draw_cell()]);
  }
  EXPECT_EQ(CellIndex(game.state.selected_column, game.state.selected_row), draw_cell());
  EXPECT_EQ(game.state.board, level);
  EXPECT_EQ(random.seed(), replay.seed());  // 2000 * 4 + 2 draws

  UseLevels(1, FilledBoard(120));  // one movable tile among fixed ones
  game.state.levels[0][CellIndex(6, 2)] = 9;
  game.StartLevel(1);
  // Every exchange draws that one cell twice, and the choice of the selected cell once more.
  for (int hits = 0; hits < 2000 * 2 + 1;) hits += draw_cell() == CellIndex(6, 2);
  EXPECT_EQ(random.seed(), replay.seed());

  UseLevels(1, FilledBoard(91));  // nothing movable: no draw at all
  game.StartLevel(1);
  EXPECT_EQ(random.seed(), replay.seed());
  EXPECT_FALSE(game.state.has_selected_cell);
}

TEST_F(GameTest, PressesHitTheDrawnTilesOnlyAndNeverTheSelectedOrAFixedTile) {
  UseLevels(1);
  for (auto [x, y, column, row] :
       {std::tuple{22, 20, 0, 0}, {22, 68, 0, 1}, {453, 355, 8, 6}, {69, 67, 0, 0}}) {
    PutRingOneSwapFromSolved();
    game.state.board[CellIndex(0, 0)] = 8;  // keeps the swap from solving the ring
    PressAt(x, y);
    EXPECT_EQ(game.state.selected_column * 10 + game.state.selected_row, column * 10 + row)
        << x << "," << y;
  }
  PutRingOneSwapFromSolved();
  game.state.board[CellIndex(3, 3)] = 91;
  const Board before = game.state.board;
  for (auto [x, y] : {std::pair{21, 20},
                      {22, 19},
                      {454, 20},
                      {22, 356},
                      {CellX(5), CellY(5)},
                      {CellX(3) + 47, CellY(3)}})
    PressAt(x, y);
  for (auto [column, row] : {std::pair{-1, 0}, {0, -1}, {kColumns, 0}, {0, kRows}, {1000, 1000}})
    game.PressCell(column, row);
  EXPECT_TRUE(host.log.empty());
  EXPECT_EQ(game.state.board, before);
  EXPECT_FALSE(game.state.moved);
}

TEST_F(GameTest, SwapCarriesTheSelectedTileAlongItsRowItsColumnOrAnywhere) {
  UseLevels(1);
  game.state.has_selected_cell = true;
  // The carried tile stands off the diagonal at (5, 2), so a column taken for a row shows.
  // Clicks in its column, in its row, and elsewhere; each onto the far corner of its cell.
  for (auto [column, row] : {std::pair{5, 6}, {5, 0}, {1, 2}, {8, 2}, {2, 4}}) {
    game.state.board = FilledBoard(91);
    game.state.board[CellIndex(5, 2)] = 7;
    game.state.board[CellIndex(column, row)] = 90;
    game.state.selected_column = 5;
    game.state.selected_row = 2;
    game.state.moved = false;
    host.log.clear();
    PressAt(CellX(column) + 47, CellY(row) + 47);
    Board expected = FilledBoard(91);
    expected[CellIndex(column, row)] = 7;
    expected[CellIndex(5, 2)] = 90;
    EXPECT_EQ(game.state.board, expected) << column << "," << row;
    EXPECT_EQ(game.state.selected_column * 10 + game.state.selected_row, column * 10 + row);
    EXPECT_TRUE(game.state.moved);
    EXPECT_EQ(host.log, (Log{"PlaySound 2", "DrawCell " + std::to_string(column) + " " +
                                                 std::to_string(row),
                             "DrawCell 5 2"}));
  }
}

TEST_F(GameTest, SolvingAnnouncesTheLevelBeforeStoringItAndAllLevelsOncePerRun) {
  UseLevels(3);
  game.state.solved_flags[2] = 7;  // level 3 was solved in a loaded game
  game.ComputeAllSolved();
  int flag_during_solved_dialog = -1;
  host.while_modal = [&](Dialog dialog) {
    if (dialog == Dialog::Solved)
      flag_during_solved_dialog = game.state.solved_flags[game.state.current_level - 1];
  };
  const Log solve_sequence = {"PlaySound 2",     "DrawCell 0 0",   "DrawCell 5 5",
                              "PlaySound 1",     "ApplyLanguage",  "ShowModal Solved",
                              "levelboxPaint",   "UpdateCaption",  "DrawProgressGauge"};

  // Level 2 is still unsolved: solving level 1 is no reason to congratulate on all of them.
  game.state.current_level = 1;
  PutRingOneSwapFromSolved();
  PressAt(CellX(0), CellY(0));
  EXPECT_EQ(host.log, solve_sequence);
  EXPECT_EQ(flag_during_solved_dialog, 0);
  EXPECT_FALSE(game.state.all_solved);

  game.state.current_level = 2;
  PutRingOneSwapFromSolved();
  PressAt(CellX(0), CellY(0));
  Log last_one = solve_sequence;
  last_one.push_back("ShowModal AllSolved");
  EXPECT_EQ(host.log, last_one);
  EXPECT_EQ(flag_during_solved_dialog, 0);
  EXPECT_EQ(Flags()[0] * 100 + Flags()[1] * 10 + Flags()[2], 117);
  EXPECT_TRUE(game.state.solved_state);

  PressAt(CellX(5), CellY(5));  // clicks still swap on a solved level
  PressAt(CellX(0), CellY(0));
  EXPECT_EQ(host.Count("ShowModal Solved"), 2);
  EXPECT_EQ(host.Count("ShowModal AllSolved"), 1);
}

TEST_F(GameTest, NothingIsAnnouncedForAllLevelsWhenTheyWereSolvedAtStart) {
  UseLevels(3);
  game.state.solved_flags.fill(1);
  game.ComputeAllSolved();
  PutRingOneSwapFromSolved();
  PressAt(CellX(0), CellY(0));
  EXPECT_EQ(host.Count("ShowModal Solved"), 1);
  EXPECT_EQ(host.Count("ShowModal AllSolved"), 0);
}

TEST_F(GameTest, RestartAsksOnlyWhenTheUnsolvedLevelWasPlayed) {
  UseLevels(1);
  game.RestartBtnClick();  // no swap yet
  game.state.moved = true;
  const Board played = game.state.board;
  host.modal_results = {kModalNo, kModalYes};
  game.RestartBtnClick();
  EXPECT_EQ(game.state.board, played);
  game.RestartBtnClick();
  game.state.moved = game.state.solved_state = true;
  game.RestartBtnClick();  // a solved level restarts at once
  EXPECT_EQ(host.LogWithoutCellDraws(),
            (Log{"ApplyLanguage", "UpdateCaption", "ShowModal Restart", "ShowModal Restart",
                 "ApplyLanguage", "UpdateCaption", "ApplyLanguage", "UpdateCaption"}));
}

}  // namespace
}  // namespace verlumo
