// Moving the player between levels by their solved flags: setting up the level selector at
// start-up, a new game, the next and previous unsolved level, and the selector itself.
#include <algorithm>

#include "core/game.h"

namespace verlumo {

void Game::SetUpLevelSelector(int stored_level) {
  state.current_level = state.ClampLevel(stored_level);
  display_.controls.SetLevelSelectorRange(state.level_count());
  MoveLevelSelector(state.current_level);
}

void Game::ComputeAllSolved() { state.all_solved = state.AreAllLevelsSolved(); }

void Game::NewGameBtnClick() {
  if (!state.solved_state && questions_.ShowModal(Dialog::GiveUp) != kModalYes) return;
  state.current_level = 1;
  MoveLevelSelector(1);
  // Flags above the level count belong to levels this level file lacks; they are kept.
  std::fill_n(state.solved_flags.begin(), state.level_count(), std::uint8_t{0});
  StartLevel(1);
  display_.board.UpdateCaption();
  display_.board.DrawProgressGauge();
}

void Game::sUpBtnClick() { GoToUnsolvedLevel(+1); }

void Game::sDownBtnClick() { GoToUnsolvedLevel(-1); }

// Visits every other level once, cyclically away from the current one; the current level
// itself is never the answer.
void Game::GoToUnsolvedLevel(int step) {
  const int count = state.level_count();
  int level = state.current_level;
  for (int visited = 1; visited < count; ++visited) {
    level += step;
    if (level > count) level = 1;
    if (level < 1) level = count;
    if (!state.IsLevelSolved(level)) {
      // The level starts, and starts once more as the selector follows it.
      StartLevel(level);
      MoveLevelSelector(level);
      display_.board.UpdateCaption();
      return;
    }
  }
}

void Game::MoveLevelSelector(int position) {
  const int level = state.ClampLevel(position);
  if (level == state.level_selector) return;
  state.level_selector = level;
  display_.controls.SetLevelSelector(level);
  levelScrollChange(level);
}

void Game::levelScrollChange(int position) {
  StartLevel(position);
  display_.board.UpdateCaption();
}

}  // namespace verlumo
