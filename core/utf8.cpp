#include "core/utf8.h"

#include <cstddef>
#include <cstdint>

namespace verlumo {

std::optional<std::u16string> Utf8ToUtf16(const std::string& text) {
  std::u16string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<std::uint8_t>(text[i]);
    std::size_t length = 0;
    char32_t code = 0;
    char32_t smallest = 0;  // below this the sequence is an over-long form
    if (lead < 0x80) {
      length = 1, code = lead;
    } else if (lead >= 0xC0 && lead < 0xE0) {
      length = 2, code = lead & 0x1Fu, smallest = 0x80;
    } else if (lead >= 0xE0 && lead < 0xF0) {
      length = 3, code = lead & 0x0Fu, smallest = 0x800;
    } else if (lead >= 0xF0 && lead < 0xF5) {
      length = 4, code = lead & 0x07u, smallest = 0x10000;
    } else {
      return std::nullopt;  // a continuation byte without a lead, or no lead at all
    }
    if (text.size() - i < length) return std::nullopt;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<std::uint8_t>(text[i + k]);
      if ((next & 0xC0u) != 0x80u) return std::nullopt;
      code = (code << 6) | (next & 0x3Fu);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return std::nullopt;
    if (code >= 0x10000) {
      code -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FFu)));
    } else {
      out.push_back(static_cast<char16_t>(code));
    }
    i += length;
  }
  return out;
}

}  // namespace verlumo
