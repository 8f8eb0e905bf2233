// The toolbar's commands and the level selector's requests, named once for every front end: a
// front end only finds out which button or key the player used; what each one does is the game
// session's.
#pragma once

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

// German rules are help context 1, English ones context 2.
int RulesHelpContext(int language);

// The selector's new position for a request, from the position it shows, the position the thumb
// was dragged to and the last level; every position the thumb passes counts. The rules clamp it.
int SelectorTarget(SelectorRequest request, int shown, int tracked, int last);

}  // namespace verlumo
