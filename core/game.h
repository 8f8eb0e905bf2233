// The rules of the game: starting and shuffling levels, carrying the selected tile across the
// board, the solve sequence, and moving between levels with the level selector. The rules speak
// in cells and levels; they tell the display what to show and ask the player through the
// questions role. The files behind a game are GameFiles'.
#pragma once

#include "core/game_display.h"
#include "core/game_questions.h"
#include "core/game_state.h"
#include "core/random.h"

namespace verlumo {

class Game {
 public:
  // The state belongs to the game window, which keeps it for the whole run.
  Game(GameState& state, const GameDisplay& display, GameQuestions& questions, Random& random)
      : state(state), display_(display), questions_(questions), random_(random) {}

  GameState& state;

  // Start-up, after the files are read: gives the level selector its range and moves it to the
  // stored level, brought into 1..level count.
  void SetUpLevelSelector(int stored_level);
  void ComputeAllSolved();

  // Play rules.
  void StartLevel(int level);
  // A press on the cell at (column, row); anything but another movable tile is ignored.
  void PressCell(int column, int row);
  bool IsBoardSolved() const;
  void LevelSolved();
  void RestartBtnClick();
  void SetSolvedState(bool solved);

  // Moving between levels.
  void NewGameBtnClick();
  void sUpBtnClick();
  void sDownBtnClick();
  // Every move of the level selector, by the player or by the rules, comes here. The position
  // is brought into 1..level count; a position the selector does not show yet is shown and
  // starts that level.
  void MoveLevelSelector(int position);

 private:
  void levelScrollChange(int position);
  void Shuffle();
  void ChooseSelectedCell();
  void GoToUnsolvedLevel(int step);

  GameDisplay display_;
  GameQuestions& questions_;
  Random& random_;
};

}  // namespace verlumo
