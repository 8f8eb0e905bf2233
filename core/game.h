// The game itself: starting and shuffling levels, carrying the selected tile across the board,
// the solve sequence, and the player's progress with its game files. Everything the rules need
// from the window goes through GameHost.
#pragma once

#include <string>

#include "core/game_host.h"
#include "core/game_state.h"
#include "core/random.h"

namespace verlumo {

// Where the board area's tiles lie: cell (c, r) has its top-left corner at
// (kBoardLeft + c * 48, kBoardTop + r * 48) in the 520 x 376 board area.
constexpr int kBoardLeft = 22;
constexpr int kBoardTop = 20;

class Game {
 public:
  Game(GameHost& host, Random& random) : host_(host), random_(random) {}

  GameState state;

  // Start-up, in the order the game window calls them.
  // All flags 0, then up to 500 bytes of the named game file; it becomes the current game file
  // whether or not it exists.
  void LoadCurrentGameFile(const std::string& path);
  // Fills the level table from program directory + "vlmo.dat"; reports a failure and falls back
  // to one blank level.
  void ReadLevelFile();
  // Brings the stored level into 1..level count, gives the level selector its range and moves
  // it to the current level.
  void SetUpLevelSelector(int stored_level);
  void ComputeAllSolved();

  // Play rules.
  void StartLevel(int level);
  void boxMouseDown(int x, int y);  // position relative to the board area
  bool IsBoardSolved() const;
  void LevelSolved();
  void RestartBtnClick();
  void SetSolvedState(bool solved);

  // Progress and game files.
  void NewGameBtnClick();
  void sUpBtnClick();
  void sDownBtnClick();
  void levelScrollChange(int position);
  void SaveGame();
  void LoadGame();

 private:
  void Shuffle();
  void ChooseSelectedCell();
  void GoToUnsolvedLevel(int step);
  void ReadGameFileIntoFlags(const std::string& path);

  GameHost& host_;
  Random& random_;
};

}  // namespace verlumo
