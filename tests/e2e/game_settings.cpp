// Reading and writing the game's registry values directly.
#include "tests/e2e/game_settings.h"

#include <vector>

namespace verlumo::e2e {
namespace {

constexpr wchar_t kBaseKey[] = L"Software\\ZorbelGames\\Verlumo\\V2";
constexpr wchar_t kCommon[] = L"Software\\ZorbelGames\\Verlumo\\V2\\common";

}  // namespace

void ResetGameSettings() { RegDeleteTreeW(HKEY_CURRENT_USER, kBaseKey); RegDeleteKeyW(HKEY_CURRENT_USER, kBaseKey); }

std::optional<StoredValue> ReadGameSetting(const wchar_t* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kCommon, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
  StoredValue value;
  DWORD size = 0;
  std::optional<StoredValue> result;
  if (RegQueryValueExW(key, name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
    std::vector<wchar_t> data(size / sizeof(wchar_t) + 1, L'\0');
    RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()), &size);
    value.text = data.data();
    result = value;
  }
  RegCloseKey(key);
  return result;
}

void WriteGameSetting(const wchar_t* name, const std::wstring& text) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kCommon, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return;
  }
  RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

}  // namespace verlumo::e2e
