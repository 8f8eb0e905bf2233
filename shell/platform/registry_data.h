// A registry value as the registry hands it over, kept free of window-system types so that
// what the game makes of stored bytes can be tried natively on any bytes.
#pragma once

#include <cstdint>
#include <vector>

namespace verlumo {

// A registry value as stored: whether it is a text (REG_SZ or REG_EXPAND_SZ) and its raw data,
// UTF-16LE for a text, of whatever size the registry reports: it need not end in a NUL, nor
// even in a whole character.
struct RegistryData {
  bool is_text = false;
  std::vector<std::uint8_t> bytes;
};

}  // namespace verlumo
