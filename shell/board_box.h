// The board area: the paint box the game draws the board into, which a player without a mouse
// plays by keyboard and by ear. It takes the focus in the Tab order after the level selector
// (never by a click: a mouse player's focus stays where it was), turns the board's keys into the
// mid-end's BoardKey, shows the cell cursor while it has the focus, and is the object a screen
// reader reads: named by the cursor's cell, described by the board's name and its keys, its value
// the last thing the game announced.
//
// Which reader speaks what (Windows only; Wine's oleacc carries the names, values and events but
// speaks nothing): the system raises EVENT_OBJECT_FOCUS when the board takes the focus, and NVDA,
// JAWS and Narrator (through its bridge from Active Accessibility to UI Automation) then read the
// name, the role and the description. A moved cursor renames the focused object
// (EVENT_OBJECT_NAMECHANGE): NVDA speaks the new name at once, Narrator reads it as a property
// change of the focused element. An announcement changes the value (EVENT_OBJECT_VALUECHANGE),
// which NVDA speaks for the focused object; JAWS may want the cell read again (Insert+Tab reads
// name and value). None of this can be heard under Wine; the tests check what each event carries.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "midend/board_cursor.h"
#include "shell/cursor_frame.h"
#include "shell/forms/accessible_control.h"
#include "shell/paint_box.h"

namespace verlumo {

// The board's key for a key the system reported, with or without Ctrl held; nothing for a key
// the board leaves alone.
std::optional<BoardKey> BoardKeyFor(WPARAM key, bool control_down);

class BoardBox final : public PaintBox, private AccessibleFacts {
 public:
  using KeyHandler = std::function<void(BoardKey key)>;
  // Tab or Shift+Tab: the owner moves the focus on.
  using TabHandler = std::function<void()>;
  // The board took the focus, or gave it to next.
  using FocusHandler = std::function<void(bool taken, HWND next)>;
  struct KeyboardHandlers {
    KeyHandler on_key;
    TabHandler on_tab;
    FocusHandler on_focus;
  };

  // The board area at bounds in the main window, with the cursor frame above it.
  bool Create(HWND parent, RECT bounds, PaintHandler on_paint, MouseHandler on_mouse_down,
              KeyboardHandlers keyboard);

  // The cursor on (column, row) with what lies there.
  void ShowCursor(int column, int row, const std::string& words);
  // Said once by a screen reader that follows the board.
  void Announce(const std::string& words);
  // The board's name with its keys, in the game's language.
  void SetDescription(const std::string& description);

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnKeyDown(WPARAM key, LPARAM flags);
  void OnFocus(bool taken, HWND other);

  std::wstring AccessibleName() const override { return cell_words_; }
  std::wstring AccessibleDescription() const override { return description_; }
  std::wstring AccessibleValue() const override { return announcement_; }
  LONG AccessibleRole() const override;
  LONG AccessibleState(LONG system_state) const override;

  KeyboardHandlers keyboard_;
  CursorFrame cursor_frame_;
  std::wstring cell_words_;
  std::wstring description_;
  std::wstring announcement_;
};

}  // namespace verlumo
