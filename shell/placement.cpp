// Window placement arithmetic.
#include "shell/placement.h"

#include <climits>
#include <stdexcept>
#include <vector>

namespace verlumo {

Position PlaceOverMainWindow(const WindowBox& main, int main_client_height, int dialog_width,
                             int dialog_height) {
  return {main.left + (main.width - dialog_width) / 2,
          main.top + main.height - (main_client_height + dialog_height) / 2};
}

namespace {

std::optional<int> ParseInteger(const std::string& text) {
  if (text.empty()) return std::nullopt;
  std::size_t used = 0;
  try {
    const long value = std::stol(text, &used);
    if (used != text.size() || value < INT_MIN || value > INT_MAX) return std::nullopt;
    return static_cast<int>(value);
  } catch (const std::exception&) {
    return std::nullopt;
  }
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
  const std::optional<int> left = ParseInteger(items[3]);
  const std::optional<int> top = ParseInteger(items[4]);
  if (!left || !top) return std::nullopt;
  return Position{*left, *top};
}

Rect KeepOnDesktop(Position stored, int width, int height, const Rect& desktop) {
  Rect rect{stored.left, stored.top, stored.left + width, stored.top + height};
  const int desktop_width = desktop.right - desktop.left;
  const int desktop_height = desktop.bottom - desktop.top;
  if (rect.right > desktop_width) rect = {desktop_width - width, rect.top, desktop_width, rect.bottom};
  if (rect.bottom > desktop_height) rect = {rect.left, desktop_height - height, rect.right, desktop_height};
  if (rect.left < desktop.left) rect = {desktop.left, rect.top, desktop.left + width, rect.bottom};
  if (rect.top < desktop.top) rect = {rect.left, desktop.top, rect.right, desktop.top + height};
  return rect;
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
  const int left = pointer_x + part(window.left - pointer_x);
  const int top = pointer_y + part(window.top - pointer_y);
  return {left, top, left + part(window.right - window.left), top + part(window.bottom - window.top)};
}

}  // namespace verlumo
