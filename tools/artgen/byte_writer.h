// Little-endian byte packing shared by the BMP, WAV and ICO encoders.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace artgen {

using Bytes = std::vector<std::uint8_t>;

inline void Put16(Bytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void Put32(Bytes& out, std::uint32_t value) {
  Put16(out, value & 0xffff);
  Put16(out, value >> 16);
}

// Appends by resizing and copying: GCC 12 wrongly warns about vector::insert of a range after
// single push_backs (stringop-overflow), and the build treats warnings as errors.
template <typename Range>
void PutRange(Bytes& out, const Range& range) {
  const size_t start = out.size();
  out.resize(start + std::size(range));
  std::copy(std::begin(range), std::end(range), out.begin() + static_cast<std::ptrdiff_t>(start));
}

inline void PutTag(Bytes& out, std::string_view tag) { PutRange(out, tag); }

}  // namespace artgen
