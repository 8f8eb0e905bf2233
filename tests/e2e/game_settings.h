// The game's settings in the registry, as a test sees them from outside the game.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace verlumo::e2e {

// Removes the game's whole registry key: the next start is a first start.
void ResetGameSettings();

struct StoredValue {
  DWORD type = REG_NONE;
  std::wstring text;  // for text values
};

// The value of section common, or nothing when it is absent.
std::optional<StoredValue> ReadGameSetting(const wchar_t* name);
void WriteGameSetting(const wchar_t* name, const std::wstring& text);

}  // namespace verlumo::e2e
