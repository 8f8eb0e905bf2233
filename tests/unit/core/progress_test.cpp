// Moving between levels: the level selector at start-up, new game, the next and previous
// unsolved level. The fake selector reports its moves back like the real scroll bar does.
#include "tests/unit/core/test_support.h"

namespace verlumo {
namespace {

TEST_F(GameTest, TheStoredLevelIsBroughtIntoRangeAndTheSelectorStartsIt) {
  UseLevels(120);
  game.SetUpLevelSelector(300);
  EXPECT_EQ(game.state.current_level, 120);
  EXPECT_EQ(host.LogWithoutCellDraws(),
            (Log{"SetLevelSelectorRange 120", "SetLevelSelector 120", "levelScrollChange 120",
                 "ApplyLanguage", "UpdateCaption", "UpdateCaption"}));
  game.SetUpLevelSelector(0);
  EXPECT_EQ(game.state.current_level, 1);

  UseLevels(1);  // a level file with a single level
  for (int stored : {2, 500}) {
    game.SetUpLevelSelector(stored);
    EXPECT_EQ(game.state.current_level, 1) << stored;
  }
}

TEST_F(GameTest, UnsolvedLevelSearchWrapsAroundAndSkipsTheCurrentLevel) {
  UseLevels(120);
  game.state.solved_flags.fill(1);
  game.state.solved_flags[2] = 0;  // only level 3 is unsolved
  game.state.current_level = game.state.level_selector = 120;
  game.sUpBtnClick();
  EXPECT_EQ(game.state.current_level, 3);
  EXPECT_EQ(host.LogWithoutCellDraws(),
            (Log{"ApplyLanguage", "UpdateCaption", "SetLevelSelector 3", "levelScrollChange 3",
                 "ApplyLanguage", "UpdateCaption", "UpdateCaption", "UpdateCaption"}));
  game.state.current_level = game.state.level_selector = 120;
  game.sDownBtnClick();
  EXPECT_EQ(game.state.current_level, 3);

  std::swap(game.state.solved_flags[2], game.state.solved_flags[119]);  // only the current level
  game.state.current_level = game.state.level_selector = 120;
  host.log.clear();
  game.sUpBtnClick();
  game.sDownBtnClick();
  EXPECT_TRUE(host.log.empty());
}

TEST_F(GameTest, UnsolvedLevelSearchGoesToTheNearestInEachDirection) {
  UseLevels(10);
  struct Case {
    int current;
    std::vector<int> unsolved;
    int step;  // +1 next unsolved level, -1 previous
    int found;
  };
  for (const Case& c : {
           Case{5, {6}, +1, 6},       // right after the current level
           Case{5, {4}, +1, 4},       // the last one the search visits
           Case{5, {10}, +1, 10},     // the last level, not wrapped past
           Case{5, {7, 9}, +1, 7},    // the nearer of two
           Case{10, {1}, +1, 1},      // wrapping upward from the last level
           Case{5, {4}, -1, 4},       // right before the current level
           Case{5, {6}, -1, 6},       // the last one the search visits downward
           Case{1, {10}, -1, 10},     // wrapping downward from level 1
           Case{1, {7, 9}, -1, 9},    // the nearer of two, after wrapping
           Case{2, {1, 5}, -1, 1},    // level 1 itself
       }) {
    game.state.solved_flags.fill(1);
    for (int level : c.unsolved) game.state.solved_flags[level - 1] = 0;
    game.state.current_level = game.state.level_selector = host.selector_position = c.current;
    c.step > 0 ? game.sUpBtnClick() : game.sDownBtnClick();
    EXPECT_EQ(game.state.current_level, c.found) << "from " << c.current << " by " << c.step;
    EXPECT_EQ(host.selector_position, c.found);
  }
}

TEST_F(GameTest, NewGameAsksWhilePlayingAndClearsOnlyTheFileLevels) {
  UseLevels(120);
  game.state.solved_flags.fill(5);
  game.state.current_level = game.state.level_selector = 40;
  game.NewGameBtnClick();  // the Give-up dialog is cancelled
  EXPECT_EQ(host.log, Log{"ShowModal GiveUp"});
  EXPECT_EQ(game.state.current_level, 40);

  host.log.clear();
  game.state.solved_state = game.state.all_solved = true;  // nothing to give up
  game.NewGameBtnClick();
  // The selector's move starts level 1 once, the new game starts it again.
  EXPECT_EQ(host.LogWithoutCellDraws(),
            (Log{"SetLevelSelector 1", "levelScrollChange 1", "ApplyLanguage", "UpdateCaption",
                 "UpdateCaption", "ApplyLanguage", "UpdateCaption", "UpdateCaption",
                 "DrawProgressGauge"}));
  EXPECT_EQ(game.state.current_level, 1);
  Bytes expected(120, 0);
  expected.resize(500, 5);
  EXPECT_EQ(Flags(), expected);
  EXPECT_TRUE(game.state.all_solved);
}

TEST_F(GameTest, ThePlayersSelectorMovesAreBroughtIntoRangeAndOnlyANewPositionStartsALevel) {
  UseLevels(120);
  game.state.current_level = game.state.level_selector = 7;
  game.MoveLevelSelector(7);
  game.MoveLevelSelector(-3);
  EXPECT_EQ(game.state.current_level, 1);
  game.MoveLevelSelector(0);
  game.MoveLevelSelector(1000);
  game.MoveLevelSelector(120);
  EXPECT_EQ(game.state.current_level, 120);
  EXPECT_EQ(host.LogWithoutCellDraws(),
            (Log{"SetLevelSelector 1", "levelScrollChange 1", "ApplyLanguage", "UpdateCaption",
                 "UpdateCaption", "SetLevelSelector 120", "levelScrollChange 120", "ApplyLanguage",
                 "UpdateCaption", "UpdateCaption"}));
}

}  // namespace
}  // namespace verlumo
