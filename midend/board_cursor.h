// The board's cell cursor, for a player without a mouse: where it stands, where each key moves
// it, and which keys ask something of the board instead. Every front end maps its own keys to
// these and shows the cursor where the session says; the rules of its movement are here alone.
#pragma once

#include "core/board.h"

namespace verlumo {

enum class BoardKey {
  kLeft,
  kRight,
  kUp,
  kDown,
  kRowStart,      // Home: the row's first cell
  kRowEnd,        // End: the row's last cell
  kColumnTop,     // Page Up: the column's top cell
  kColumnBottom,  // Page Down: the column's bottom cell
  kFirstCell,     // Ctrl+Home: the board's top left cell
  kLastCell,      // Ctrl+End: the board's bottom right cell
  kPress,         // Enter or Space: the cursor's cell is pressed, as a click on it would be
  kLooseEnds,     // L: how many road ends are still loose
};

struct CursorCell {
  int column = kColumns / 2;
  int row = kRows / 2;
  bool operator==(const CursorCell&) const = default;
};

// The cell a key moves the cursor to; it stops at the board's edges, and a key that does not
// move it leaves it where it is.
CursorCell MovedCursor(CursorCell cursor, BoardKey key);

}  // namespace verlumo
