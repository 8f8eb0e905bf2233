// The cursor's moves: one cell per arrow, to the edge of its row or column with Home, End and
// the page keys, to a corner of the board with Ctrl+Home and Ctrl+End.
#include "midend/board_cursor.h"

#include <algorithm>

namespace verlumo {

CursorCell MovedCursor(CursorCell cursor, BoardKey key) {
  switch (key) {
    case BoardKey::kLeft: cursor.column = std::max(0, cursor.column - 1); break;
    case BoardKey::kRight: cursor.column = std::min(kColumns - 1, cursor.column + 1); break;
    case BoardKey::kUp: cursor.row = std::max(0, cursor.row - 1); break;
    case BoardKey::kDown: cursor.row = std::min(kRows - 1, cursor.row + 1); break;
    case BoardKey::kRowStart: cursor.column = 0; break;
    case BoardKey::kRowEnd: cursor.column = kColumns - 1; break;
    case BoardKey::kColumnTop: cursor.row = 0; break;
    case BoardKey::kColumnBottom: cursor.row = kRows - 1; break;
    case BoardKey::kFirstCell: cursor = {0, 0}; break;
    case BoardKey::kLastCell: cursor = {kColumns - 1, kRows - 1}; break;
    case BoardKey::kPress:
    case BoardKey::kLooseEnds: break;
  }
  return cursor;
}

}  // namespace verlumo
