// The files behind a game: the level file and the current game file read at start-up, and
// saving and loading the solved flags on the player's command. It works on the game window's
// state beside the rules; it asks the player through the questions role and refreshes the
// caption and gauge through the board display.
#pragma once

#include <string>

#include "core/game_display.h"
#include "core/game_questions.h"
#include "core/game_state.h"

namespace verlumo {

class GameFiles {
 public:
  GameFiles(GameState& state, BoardDisplay& board, GameQuestions& questions)
      : state_(state), board_(board), questions_(questions) {}

  // All flags 0, then up to 500 bytes of the named game file; it becomes the current game file
  // whether or not it exists.
  void LoadCurrentGameFile(const std::string& path);
  // Fills the level table from program directory + "vlmo.dat"; reports a failure and falls back
  // to one blank level.
  void ReadLevelFile();
  void SaveGame();
  void LoadGame();

 private:
  void ReadGameFileIntoFlags(const std::string& path);

  GameState& state_;
  BoardDisplay& board_;
  GameQuestions& questions_;
};

}  // namespace verlumo
