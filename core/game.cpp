// The play rules: starting a level with a fresh shuffle, carrying the selected tile across the
// board, the solve sequence and restarting; and moving between levels by the level selector,
// a new game and the next and previous unsolved level. The order of random draws and of the calls on the
// host is part of the game's behaviour and is kept exactly.
#include "core/game.h"

#include <algorithm>

namespace verlumo {
namespace {

constexpr int kExchangesPerShuffle = 2000;

// Draws a column, then a row, again and again until the cell's code is wanted. The caller
// makes sure such a cell exists.
int DrawCellWith(Random& random, const Board& board, bool (*wanted)(TileCode)) {
  for (;;) {
    const int column = random.Next(kColumns);
    const int row = random.Next(kRows);
    if (wanted(board[CellIndex(column, row)])) return CellIndex(column, row);
  }
}

bool BoardHas(const Board& board, bool (*wanted)(TileCode)) {
  return std::any_of(board.begin(), board.end(), wanted);
}

}  // namespace

void Game::StartLevel(int level) {
  if (state.levels.empty()) return;  // the level table is filled before any level starts
  state.current_level = state.ClampLevel(level);
  state.board = state.levels[state.current_level - 1];
  Shuffle();
  ChooseSelectedCell();
  for (int column = 0; column < kColumns; ++column) {
    for (int row = 0; row < kRows; ++row) display_.board.DrawCell(column, row);
  }
  state.moved = false;
  ++state.level_starts;
  SetSolvedState(false);
  display_.board.UpdateCaption();
}

void Game::Shuffle() {
  // Without a movable tile no exchange could ever pick its cells; there is nothing to shuffle.
  if (!BoardHas(state.board, IsMovable)) return;
  for (int exchange = 0; exchange < kExchangesPerShuffle; ++exchange) {
    const int first = DrawCellWith(random_, state.board, IsMovable);
    const int second = DrawCellWith(random_, state.board, IsMovable);
    std::swap(state.board[first], state.board[second]);
  }
}

void Game::ChooseSelectedCell() {
  // A board without a selectable code (the blank fallback level) is shown without a carried
  // tile, and the player cannot swap anything on it.
  state.has_selected_cell = BoardHas(state.board, IsSelectable);
  if (!state.has_selected_cell) return;
  const int cell = DrawCellWith(random_, state.board, IsSelectable);
  state.selected_column = cell / kRows;
  state.selected_row = cell % kRows;
}

void Game::PressCell(int column, int row) {
  if (!state.has_selected_cell) return;
  if (column < 0 || column >= kColumns || row < 0 || row >= kRows) return;
  if (column == state.selected_column && row == state.selected_row) return;
  TileCode& clicked = state.board[CellIndex(column, row)];
  if (!IsMovable(clicked)) return;

  // The selected tile jumps to the clicked place; the clicked tile takes its old place.
  const int old_column = state.selected_column;
  const int old_row = state.selected_row;
  std::swap(clicked, state.board[CellIndex(old_column, old_row)]);
  state.selected_column = column;
  state.selected_row = row;
  display_.sounds.PlaySound(kClickSound);
  display_.board.DrawCell(column, row);
  display_.board.DrawCell(old_column, old_row);
  state.moved = true;
  if (IsBoardSolved()) LevelSolved();
}

bool Game::IsBoardSolved() const { return verlumo::IsBoardSolved(state.board); }

void Game::LevelSolved() {
  display_.sounds.PlaySound(kSolvedSound);
  SetSolvedState(true);
  questions_.ShowModal(Dialog::Solved);
  std::uint8_t& flag = state.solved_flags[state.current_level - 1];
  if (flag == 0) flag = 1;  // a flag loaded as any other non-zero value stays as it was
  display_.board.levelboxPaint();
  display_.board.UpdateCaption();
  display_.board.DrawProgressGauge();
  // Once every level has been solved the announcement has been made for this run.
  if (state.all_solved) return;
  state.all_solved = state.AreAllLevelsSolved();
  if (state.all_solved) questions_.ShowModal(Dialog::AllSolved);
}

void Game::RestartBtnClick() {
  if (!state.solved_state && state.moved && questions_.ShowModal(Dialog::Restart) != kModalYes) return;
  StartLevel(state.current_level);
}

void Game::SetSolvedState(bool solved) {
  state.solved_state = solved;
  display_.controls.ApplyLanguage();
}

// Moving between levels.

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
