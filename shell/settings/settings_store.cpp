// The settings store: reads and writes of section + key over the registry, and the message for a
// refused write.
#include "shell/settings/settings_store.h"

#include <optional>
#include <string>
#include <utility>

#include "core/texts.h"
#include "shell/platform/registry_key.h"
#include "shell/platform/registry_text.h"
#include "platform/win32/utf16.h"

namespace verlumo {

SettingsStore::SettingsStore() : SettingsStore(HKEY_CURRENT_USER, kSettingsBaseKey) {}

SettingsStore::SettingsStore(HKEY root, std::string base_key)
    : root_(root), base_key_(std::move(base_key)) {}

// Opens read-only and creates nothing.
std::optional<RegistryData> SettingsStore::Read(const std::string& section, const std::string& key) const {
  const auto base_name = Widen(base_key_);
  const auto section_name = Widen(section);
  const auto value_name = Widen(key);
  if (!base_name || !section_name || !value_name) return std::nullopt;

  RegistryKey base;
  if (base.Open(root_, *base_name, KEY_READ) != ERROR_SUCCESS) return std::nullopt;
  RegistryKey section_key;
  if (section_key.Open(base.get(), *section_name, KEY_READ) != ERROR_SUCCESS) return std::nullopt;
  return QueryValue(section_key.get(), *value_name);
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
