// Questions about the player's progress that several parts of the game ask.
#include "core/game_state.h"

#include <algorithm>

namespace verlumo {

int GameState::ClampLevel(int level) const {
  // Before the level file is read there is no level; 1 stands for the first one to come.
  return std::clamp(level, 1, std::max(1, level_count()));
}

bool GameState::AreAllLevelsSolved() const {
  const auto first = solved_flags.begin();
  return std::all_of(first, first + level_count(), [](std::uint8_t flag) { return flag != 0; });
}

}  // namespace verlumo
