// The start of a game, the toolbar's commands and the level selector's requests, turned into
// calls on the rules, the files or the front end. A front end only finds out which button or key
// the player used; what each one does is decided here, for the Windows game and the web page
// alike.
#pragma once

#include <string>

#include "core/game.h"
#include "core/game_files.h"

namespace verlumo {

// The toolbar's buttons, left to right.
enum class Command {
  NewGame, Restart, Load, Save, Sound, Exit, Down, Up, Tongue, Rules, Info, Zorbel,
};
constexpr int kCommandCount = 12;

// The level selector's requests: an arrow step, a page step, Home, End, or a position the
// player dragged the thumb to.
enum class SelectorRequest { kLineLeft, kLineRight, kPageLeft, kPageRight, kFirst, kLast, kTrack };
constexpr int kSelectorPageStep = 10;

// What only the front end can do.
class FrontEnd {
 public:
  virtual ~FrontEnd() = default;
  // The close request; the front end asks its end-game question.
  virtual void RequestClose() = 0;
  // The language question; the texts follow the answer through the language's listener.
  virtual void AskLanguage() = 0;
  // The rules page of the help context: 1 the German rules, 2 the English ones.
  virtual void OpenRules(int help_context) = 0;
  virtual void ShowInfo() = 0;
  virtual void OpenMakerPage() = 0;
};

// German rules are help context 1, English ones context 2.
int RulesHelpContext(int language);

class GameCommands {
 public:
  GameCommands(Game& game, GameFiles& files, FrontEnd& front_end)
      : game_(game), files_(files), front_end_(front_end) {}

  void Run(Command command);

  // The start of a game, in the order both front ends keep, in two halves: a front end binds its
  // help between them. First the progress in game_file (none when it is missing) and the level
  // file, and the level selector brought to the stored level; then the all-solved flag and the
  // level on the board.
  void ReadProgressAndLevels(const std::string& game_file, int stored_level);
  void StartFirstLevel();

  // The selector's new position for a request, from the position it shows, the position the
  // thumb was dragged to and the last level; every position the thumb passes counts.
  static int SelectorTarget(SelectorRequest request, int shown, int tracked, int last);
  void MoveLevelSelector(SelectorRequest request, int shown, int tracked);

 private:
  Game& game_;
  GameFiles& files_;
  FrontEnd& front_end_;
};

}  // namespace verlumo
