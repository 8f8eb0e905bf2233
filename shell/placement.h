// Window placement arithmetic, kept apart from the window system so it can be tested alone.
#pragma once

#include <optional>
#include <string>

namespace verlumo {

struct WindowBox {
  int left, top, width, height;
};

// A dialog centred horizontally on the main window and vertically on its client area:
// left = main left + (main width - dialog width) / 2,
// top = main top + main height - (main client height + dialog height) / 2,
// each division truncating toward zero after the sum is formed. There is no clamping to the
// screen, so a main window near an edge can place a dialog partly off screen.
struct Position {
  int left, top;
  friend bool operator==(const Position&, const Position&) = default;
};
Position PlaceOverMainWindow(const WindowBox& main, int main_client_height, int dialog_width,
                             int dialog_height);

struct Rect {
  int left, top, right, bottom;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// The main window's stored position: seven comma-separated numbers beginning with 200, of which
// the fourth and fifth are the left and top edge, stored numbers (no blank, no plus sign) within
// 2^30 of 0. Anything else gives nothing, and the window is centred instead.
std::optional<Position> ParseStoredPosition(const std::string& stored);

// The stored position's rectangle for a window of the given outer size, moved back onto the
// desktop: first its right and bottom edges, then its left and top edges.
Rect KeepOnDesktop(Position stored, int width, int height, const Rect& desktop);

// Centred on a screen of the given size, halves truncated toward zero.
Position CentreOnScreen(int screen_width, int screen_height, int width, int height);

// The window placement value: "200,flags,show,left,top,right,bottom".
std::string FormatStoredPosition(unsigned flags, unsigned show_command, const Rect& normal);

// The explode effect's rectangle i of 40, growing from the mouse pointer to the window's outer
// rectangle; each edge rounded to the nearest integer, halves to the even neighbour.
constexpr int kExplodeSteps = 40;
Rect ExplodeRectangle(int step, int pointer_x, int pointer_y, const Rect& window);

}  // namespace verlumo
