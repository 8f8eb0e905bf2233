// Numbers as the game keeps them in the registry: decimal text with an optional minus sign,
// nothing before or after it (no blank, no plus sign), within the signed 32-bit range. The
// settings store and the window placement value read them alike, so a stored text is a number
// or not the same way wherever it is read.
#pragma once

#include <charconv>
#include <optional>
#include <string_view>

namespace verlumo {

inline std::optional<int> ParseStoredNumber(std::string_view text) {
  int value = 0;
  const char* const end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace verlumo
