// The plain data of a running game, owned by the game window for the whole run.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/board.h"
#include "core/language.h"
#include "core/level_file.h"
#include "core/texts.h"

namespace verlumo {

// One byte per possible level, byte n - 1 for level n: 0 unsolved, any other value solved.
// A game file is exactly these 500 bytes.
using SolvedFlags = std::array<std::uint8_t, kMaxLevels>;

constexpr const char* kGameFileExtension = ".vlm";
constexpr const char* kDefaultGameFileName = "noname.vlm";

struct GameState {
  std::vector<Board> levels;  // level n is levels[n - 1]; level count = levels.size()
  Board board{};
  int selected_column = 0;
  int selected_row = 0;
  // False only for a level without any selectable code (the blank fallback level): it is shown
  // without a carried tile, and clicks on it do nothing.
  bool has_selected_cell = false;
  int current_level = 1;
  // The position the level selector shows. It follows the current level, one step behind
  // while a command is under way: moving it to a new position starts that level.
  int level_selector = 1;
  bool solved_state = false;
  // How many times a level has started in this run: a front end's cell cursor and words follow
  // each start, the same level's again included.
  int level_starts = 0;
  bool moved = false;
  bool all_solved = false;
  SolvedFlags solved_flags{};
  Language language;               // the process-wide tongue: -1 unset, 0 English, 1 German
  std::string program_directory;   // with its trailing separator
  std::string current_game_file;   // full path; may name a file that does not exist yet

  int level_count() const { return static_cast<int>(levels.size()); }
  // Any level number brought into 1..level count.
  int ClampLevel(int level) const;
  bool IsLevelSolved(int level) const { return solved_flags[level - 1] != 0; }
  // True when every level from 1 to the level count has a non-zero flag.
  bool AreAllLevelsSolved() const;
};

}  // namespace verlumo
