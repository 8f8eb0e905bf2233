// Window placement arithmetic.
#include "shell/placement.h"

#include <vector>

#include "shell/stored_number.h"

namespace verlumo {

Position PlaceOverMainWindow(const WindowBox& main, int main_client_height, int dialog_width,
                             int dialog_height) {
  return {main.left + (main.width - dialog_width) / 2,
          main.top + main.height - (main_client_height + dialog_height) / 2};
}

namespace {

// A window edge further out than this lies on no desktop: such a value is malformed, and
// sums of it with window sizes stay far inside int.
constexpr int kFarthestEdge = 1 << 30;

std::optional<int> ParseEdge(const std::string& text) {
  const std::optional<int> edge = ParseStoredNumber(text);
  if (!edge || *edge < -kFarthestEdge || *edge > kFarthestEdge) return std::nullopt;
  return edge;
}

// numerator / denominator (denominator > 0) rounded to the nearest integer, halves to the even
// neighbour; exact, with no floating point in between.
int DivideRoundingHalfEven(long long numerator, long long denominator) {
  long long quotient = numerator / denominator;
  long long remainder = numerator % denominator;
  if (remainder < 0) {
    quotient -= 1;
    remainder += denominator;
  }
  if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0)) quotient += 1;
  return static_cast<int>(quotient);
}

}  // namespace

std::optional<Position> ParseStoredPosition(const std::string& stored) {
  std::vector<std::string> items;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = stored.find(',', start);
    items.push_back(stored.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (items.size() != 7 || items[0] != "200") return std::nullopt;
  const std::optional<int> left = ParseEdge(items[3]);
  const std::optional<int> top = ParseEdge(items[4]);
  if (!left || !top) return std::nullopt;
  return Position{*left, *top};
}

Rect KeepOnDesktop(Position stored, int width, int height, const Rect& desktop) {
  // In 64 bits: a position handed in from elsewhere plus the window's size may not fit an int.
  using Wide = long long;
  Wide left = stored.left, top = stored.top;
  const Wide desktop_width = Wide{desktop.right} - desktop.left;
  const Wide desktop_height = Wide{desktop.bottom} - desktop.top;
  if (left + width > desktop_width) left = desktop_width - width;
  if (top + height > desktop_height) top = desktop_height - height;
  if (left < desktop.left) left = desktop.left;
  if (top < desktop.top) top = desktop.top;
  return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(left + width),
          static_cast<int>(top + height)};
}

Position CentreOnScreen(int screen_width, int screen_height, int width, int height) {
  return {(screen_width - width) / 2, (screen_height - height) / 2};
}

std::string FormatStoredPosition(unsigned flags, unsigned show_command, const Rect& normal) {
  return "200," + std::to_string(flags) + "," + std::to_string(show_command) + "," +
         std::to_string(normal.left) + "," + std::to_string(normal.top) + "," +
         std::to_string(normal.right) + "," + std::to_string(normal.bottom);
}

Rect ExplodeRectangle(int step, int pointer_x, int pointer_y, const Rect& window) {
  auto part = [step](long long distance) {
    return DivideRoundingHalfEven(static_cast<long long>(step) * distance, kExplodeSteps);
  };
  using Wide = long long;
  const int left = pointer_x + part(Wide{window.left} - pointer_x);
  const int top = pointer_y + part(Wide{window.top} - pointer_y);
  return {left, top, left + part(Wide{window.right} - window.left), top + part(Wide{window.bottom} - window.top)};
}

}  // namespace verlumo
