// The status texts: the level counter's hint and the window caption.
#pragma once

#include <string>

#include "verlumo_version.h"

namespace verlumo {

constexpr const char* kProductCaption = VERLUMO_PRODUCT_CAPTION;

// "Level 12: unsolved" / "Stufe 3: gelöst".
std::string LevelCounterHint(int language, int level, bool solved);

// "Verlumo V2.3", followed by " - Game " / " - Spiel " and the game file's name when there is one.
std::string CaptionText(int language, const std::string& current_game_file);

}  // namespace verlumo
