// The game itself: starting and shuffling levels, carrying the selected tile across the board,
// the solve sequence, the level selector, and the player's progress with its game files. The
// rules speak in cells and levels; they tell the display what to show and ask the player
// through the questions role.
#pragma once

#include <string>

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

  // Start-up, in the order the game window calls them.
  // All flags 0, then up to 500 bytes of the named game file; it becomes the current game file
  // whether or not it exists.
  void LoadCurrentGameFile(const std::string& path);
  // Fills the level table from program directory + "vlmo.dat"; reports a failure and falls back
  // to one blank level.
  void ReadLevelFile();
  // Gives the level selector its range and moves it to the stored level, brought into
  // 1..level count.
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

  // Progress and game files.
  void NewGameBtnClick();
  void sUpBtnClick();
  void sDownBtnClick();
  // Every move of the level selector, by the player or by the rules, comes here. The position
  // is brought into 1..level count; a position the selector does not show yet is shown and
  // starts that level.
  void MoveLevelSelector(int position);
  void SaveGame();
  void LoadGame();

 private:
  void levelScrollChange(int position);
  void Shuffle();
  void ChooseSelectedCell();
  void GoToUnsolvedLevel(int step);
  void ReadGameFileIntoFlags(const std::string& path);

  GameDisplay display_;
  GameQuestions& questions_;
  Random& random_;
};

}  // namespace verlumo
