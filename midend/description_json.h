// The page's whole description of the game around the board, as one JSON text: the board's and
// the level counter's sizes, the timers, the result numbers, the toolbar, every dialog and every
// other text the page shows, all in one language. The page lays itself out from this and from
// nothing else.
#pragma once

#include <string>

namespace verlumo {

// German when the language is 1, English for any other value.
std::string FrontEndDescriptionJson(int language);

}  // namespace verlumo
