// The settings store: reads and writes of section + key over the registry, and the message for a
// refused write.
#include "shell/settings/settings_store.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "core/texts.h"
#include "shell/settings/registry_key.h"
#include "view/win32/utf16.h"

namespace verlumo {
namespace {

// A value that keeps changing size between asking for its size and reading it (another program
// writing it at that moment) counts as absent after this many tries, rather than looping on.
constexpr int kReadAttempts = 4;

// An expandable text is a text too; it is taken as stored, without expanding.
bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

// The text value `name` of `key`, or nothing when there is no such value or it is not a text.
// The size is asked first, since a value may be of any length. Registry data need not end in a
// NUL, nor even in a whole character, so only whole characters within the size the registry
// reports are taken, up to the first NUL.
std::optional<std::wstring> QueryText(HKEY key, const std::wstring& name) {
  DWORD type = REG_NONE;
  DWORD size = 0;
  LSTATUS status = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
  for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
    if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA) return std::nullopt;
    if (!IsText(type)) return std::nullopt;
    // One spare character keeps the buffer from being empty: a read into no buffer would only
    // report the size again.
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1);
    const size_t capacity = buffer.size() * sizeof(wchar_t);
    if (capacity > MAXDWORD) return std::nullopt;
    size = static_cast<DWORD>(capacity);
    status = RegQueryValueExW(key, name.c_str(), nullptr, &type,
                              reinterpret_cast<BYTE*>(buffer.data()), &size);
    if (status == ERROR_SUCCESS) {
      if (!IsText(type)) return std::nullopt;
      const std::wstring_view data(buffer.data(),
                                   std::min<size_t>(size, capacity) / sizeof(wchar_t));
      return std::wstring(data.substr(0, data.find(L'\0')));
    }
    // ERROR_MORE_DATA: the value grew since its size was asked; `size` holds the new size.
  }
  return std::nullopt;
}

// The stored text of section\key below root\base_key, or nothing when the base key, the section
// or the value is missing or the value is not a text. Opens read-only and creates nothing.
std::optional<std::string> ReadText(HKEY root, const std::string& base_key,
                                    const std::string& section, const std::string& key) {
  const auto base_name = Widen(base_key);
  const auto section_name = Widen(section);
  const auto value_name = Widen(key);
  if (!base_name || !section_name || !value_name) return std::nullopt;

  RegistryKey base;
  if (base.Open(root, *base_name, KEY_READ) != ERROR_SUCCESS) return std::nullopt;
  RegistryKey section_key;
  if (section_key.Open(base.get(), *section_name, KEY_READ) != ERROR_SUCCESS) return std::nullopt;
  const auto text = QueryText(section_key.get(), *value_name);
  if (!text) return std::nullopt;
  return Narrow(*text);
}

// Decimal with an optional minus sign, nothing before or after, within the signed 32-bit range.
std::optional<int> ParseInteger(const std::string& text) {
  int value = 0;
  const char* const end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace

SettingsStore::SettingsStore() : SettingsStore(HKEY_CURRENT_USER, kSettingsBaseKey) {}

SettingsStore::SettingsStore(HKEY root, std::string base_key)
    : root_(root), base_key_(std::move(base_key)) {}

std::string SettingsStore::ReadString(const std::string& section, const std::string& key,
                                      const std::string& default_value) const {
  // An empty stored text is a value like any other and does not give the default.
  return ReadText(root_, base_key_, section, key).value_or(default_value);
}

int SettingsStore::ReadInteger(const std::string& section, const std::string& key,
                               int default_value) const {
  const auto text = ReadText(root_, base_key_, section, key);
  if (!text) return default_value;
  return ParseInteger(*text).value_or(default_value);
}

bool SettingsStore::ReadBool(const std::string& section, const std::string& key,
                             bool default_value) const {
  return ReadInteger(section, key, default_value ? 1 : 0) != 0;
}

SettingsWriteResult SettingsStore::WriteString(const std::string& section, const std::string& key,
                                               const std::string& value) {
  SettingsWriteResult result{ERROR_SUCCESS, ValuePath(section, key)};
  const auto base_name = Widen(base_key_);
  const auto section_name = Widen(section);
  const auto value_name = Widen(key);
  const auto text = Widen(value);
  // The stored data holds the terminating NUL, as a REG_SZ should.
  if (!base_name || !section_name || !value_name || !text ||
      (text->size() + 1) * sizeof(wchar_t) > MAXDWORD) {
    result.status = ERROR_INVALID_DATA;
    return result;
  }
  const auto data_size = static_cast<DWORD>((text->size() + 1) * sizeof(wchar_t));

  RegistryKey base;
  result.status = base.Create(root_, *base_name, KEY_READ | KEY_WRITE);
  if (!result.ok()) return result;
  RegistryKey section_key;
  result.status = section_key.Create(base.get(), *section_name, KEY_READ | KEY_WRITE);
  if (!result.ok()) return result;
  // Setting a value replaces one of the same name whatever its type.
  result.status = RegSetValueExW(section_key.get(), value_name->c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(text->c_str()), data_size);
  return result;
}

SettingsWriteResult SettingsStore::WriteInteger(const std::string& section, const std::string& key,
                                                int value) {
  return WriteString(section, key, std::to_string(value));
}

SettingsWriteResult SettingsStore::WriteBool(const std::string& section, const std::string& key,
                                             bool value) {
  return WriteString(section, key, value ? "1" : "0");
}

SettingsWriteResult SettingsStore::DeleteValue(const std::string& section, const std::string& key) {
  SettingsWriteResult result{ERROR_SUCCESS, ValuePath(section, key)};
  const auto base_name = Widen(base_key_);
  const auto section_name = Widen(section);
  const auto value_name = Widen(key);
  if (!base_name || !section_name || !value_name) {
    result.status = ERROR_INVALID_DATA;
    return result;
  }

  RegistryKey base;
  result.status = base.Create(root_, *base_name, KEY_READ | KEY_WRITE);
  if (!result.ok()) return result;
  RegistryKey section_key;
  LSTATUS status = section_key.Open(base.get(), *section_name, KEY_READ | KEY_WRITE);
  if (status == ERROR_SUCCESS) status = RegDeleteValueW(section_key.get(), value_name->c_str());
  // Nothing to delete, whether the section or the value is missing, is what was asked for.
  result.status = status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
  return result;
}

std::string SettingsStore::ValuePath(const std::string& section, const std::string& key) const {
  return base_key_ + "\\" + section + "\\" + key;
}

std::string SettingsWriteErrorText(int language, const SettingsWriteResult& result) {
  // "change" covers both a write and a delete.
  return Bilingual(language, "Kann die Einstellung ", "Cannot change the setting ") +
         result.value_path +
         Bilingual(language, " in der Registry nicht ändern (Fehler ", " in the registry (error ") +
         std::to_string(result.status) + ").";
}

}  // namespace verlumo
