// The board area's keys, focus, cursor frame and accessible object.
#include "shell/board_box.h"

#include <oleacc.h>

#include "platform/win32/utf16.h"
#include "view/board_geometry.h"

namespace verlumo {

std::optional<BoardKey> BoardKeyFor(WPARAM key, bool control_down) {
  switch (key) {
    case VK_LEFT: return BoardKey::kLeft;
    case VK_RIGHT: return BoardKey::kRight;
    case VK_UP: return BoardKey::kUp;
    case VK_DOWN: return BoardKey::kDown;
    case VK_HOME: return control_down ? BoardKey::kFirstCell : BoardKey::kRowStart;
    case VK_END: return control_down ? BoardKey::kLastCell : BoardKey::kRowEnd;
    case VK_PRIOR: return BoardKey::kColumnTop;
    case VK_NEXT: return BoardKey::kColumnBottom;
    case VK_RETURN:
    case VK_SPACE: return BoardKey::kPress;
    case 'L': return BoardKey::kLooseEnds;
  }
  return std::nullopt;
}

bool BoardBox::Create(HWND parent, RECT bounds, PaintHandler on_paint, MouseHandler on_mouse_down,
                      KeyboardHandlers keyboard) {
  keyboard_ = std::move(keyboard);
  // The board clips its siblings: its drawing between paints never covers the cursor frame.
  if (!PaintBox::Create(parent, bounds, std::move(on_paint), std::move(on_mouse_down), WS_CLIPSIBLINGS)) {
    return false;
  }
  if (!cursor_frame_.Create(parent)) return false;
  MakeAccessible(*this);
  return true;
}

void BoardBox::ShowCursor(int column, int row, const std::string& words) {
  const PixelOffset origin = CellOrigin(column, row);
  RECT cell{origin.x, origin.y, origin.x + kTileSize, origin.y + kTileSize};
  MapWindowPoints(handle(), GetParent(handle()), reinterpret_cast<POINT*>(&cell), 2);
  cursor_frame_.Place(cell);
  cell_words_ = Utf8ToWide(words);
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, handle(), OBJID_CLIENT, CHILDID_SELF);
}

void BoardBox::Announce(const std::string& words) {
  announcement_ = Utf8ToWide(words);
  NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, handle(), OBJID_CLIENT, CHILDID_SELF);
}

void BoardBox::SetDescription(const std::string& description) {
  const std::wstring wide = Utf8ToWide(description);
  if (wide == description_) return;
  description_ = wide;
  NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, handle(), OBJID_CLIENT, CHILDID_SELF);
}

LRESULT BoardBox::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_KEYDOWN:
      OnKeyDown(wparam, lparam);
      return 0;
    case WM_SETFOCUS:
      OnFocus(true, reinterpret_cast<HWND>(wparam));
      return 0;
    case WM_KILLFOCUS:
      OnFocus(false, reinterpret_cast<HWND>(wparam));
      return 0;
  }
  return PaintBox::HandleMessage(message, wparam, lparam);
}

void BoardBox::OnKeyDown(WPARAM key, LPARAM flags) {
  if (key == VK_TAB) {
    if (keyboard_.on_tab) keyboard_.on_tab();
    return;
  }
  const std::optional<BoardKey> board_key = BoardKeyFor(key, GetKeyState(VK_CONTROL) < 0);
  if (!board_key || !keyboard_.on_key) return;
  // A held key moves the cursor on, but presses its cell and counts the loose ends only once.
  const bool repeated = (flags & (1 << 30)) != 0;
  if (repeated && (*board_key == BoardKey::kPress || *board_key == BoardKey::kLooseEnds)) return;
  keyboard_.on_key(*board_key);
}

void BoardBox::OnFocus(bool taken, HWND other) {
  cursor_frame_.Show(taken);
  if (keyboard_.on_focus) keyboard_.on_focus(taken, other);
}

// The name is always one cell's, the one the cursor is on.
LONG BoardBox::AccessibleRole() const { return ROLE_SYSTEM_CELL; }

LONG BoardBox::AccessibleState(LONG system_state) const {
  LONG state = system_state | STATE_SYSTEM_FOCUSABLE;
  if (GetFocus() == handle()) state |= STATE_SYSTEM_FOCUSED;
  return state;
}

}  // namespace verlumo
