// Reading the level counter off the screen as a player reads it: three LED digits of 4 x 7 dots
// and a face, recognised dot by dot against the glyph sheet the game carries.
#pragma once

#include <ostream>
#include <string>

#include "tests/e2e/screen_reader.h"

namespace verlumo::e2e {

struct CounterReading {
  // One character per digit cell: '0' to '9', ' ' for the blank digit, '?' where a dot is
  // neither lit nor unlit or the pattern is no digit.
  std::string digits;
  // "solved", "unsolved", or "?" when the face matches neither.
  std::string face;
  // The pixels between and after the glyphs show the black box beneath the counter.
  bool gaps_black = false;

  friend bool operator==(const CounterReading&, const CounterReading&) = default;
  friend std::ostream& operator<<(std::ostream& out, const CounterReading& reading) {
    return out << "[" << reading.digits << "|" << reading.face << "|"
               << (reading.gaps_black ? "black gaps" : "painted gaps") << "]";
  }
};

// counter: the 57 x 20 pixels of the level counter; glyph_sheet: bitmap 2 of the game.
CounterReading ReadLevelCounter(const Pixels& counter, const Pixels& glyph_sheet);

}  // namespace verlumo::e2e
