// Questions about the player's progress that several parts of the game ask.
#include "core/game_state.h"

#include <algorithm>

namespace verlumo {

bool GameState::AreAllLevelsSolved() const {
  const auto first = solved_flags.begin();
  return std::all_of(first, first + level_count(), [](std::uint8_t flag) { return flag != 0; });
}

}  // namespace verlumo
