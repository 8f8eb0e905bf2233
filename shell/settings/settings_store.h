// The settings store, the main window's `ini`: a section and a key name a text value in the
// registry, in the section's subkey of the game's base key under the current user. Integers are
// kept as decimal text and booleans as "1" / "0", always as REG_SZ. Every operation opens the
// keys, does its one job and closes them again: nothing is held in memory, so a value written is
// seen at once by the next read and by a second copy of the game.
//
// Texts are UTF-8 in the program and UTF-16 in the registry.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "shell/settings/settings_reader.h"

namespace verlumo {

inline constexpr const char* kSettingsBaseKey = "Software\\ZorbelGames\\Verlumo\\V2";

// What a write or a delete did: the registry's status and the value it concerned, named by its
// path below the root ("Software\...\V2\common\level"), so that a refusal can be shown to the
// player naming that value.
struct SettingsWriteResult {
  LSTATUS status = ERROR_SUCCESS;
  std::string value_path;

  bool ok() const { return status == ERROR_SUCCESS; }
};

class SettingsStore : private RegistryReader {
 public:
  // The game's store: HKEY_CURRENT_USER with the game's base key.
  SettingsStore();
  // Any root and base key, for the tests' scratch keys. The root is borrowed and never closed.
  SettingsStore(HKEY root, std::string base_key);

  // The reads of SettingsReader: a missing base key, section or value gives the default, and so
  // does a value that is not a registry text. Reads never create a key.
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& default_value) const {
    return SettingsReader(*this).ReadString(section, key, default_value);
  }
  int ReadInteger(const std::string& section, const std::string& key, int default_value) const {
    return SettingsReader(*this).ReadInteger(section, key, default_value);
  }
  bool ReadBool(const std::string& section, const std::string& key, bool default_value) const {
    return SettingsReader(*this).ReadBool(section, key, default_value);
  }

  // Writes create the base key and the section when missing and replace any earlier value of
  // that name, whatever its type, by a REG_SZ.
  [[nodiscard]] SettingsWriteResult WriteString(const std::string& section, const std::string& key,
                                                const std::string& value);
  [[nodiscard]] SettingsWriteResult WriteInteger(const std::string& section, const std::string& key,
                                                 int value);
  [[nodiscard]] SettingsWriteResult WriteBool(const std::string& section, const std::string& key,
                                              bool value);
  // A missing section or value is no error.
  [[nodiscard]] SettingsWriteResult DeleteValue(const std::string& section, const std::string& key);

 private:
  std::optional<RegistryData> Read(const std::string& section, const std::string& key) const override;
  std::string ValuePath(const std::string& section, const std::string& key) const;

  HKEY root_;
  std::string base_key_;
};

// The player's message for a write the registry refused, naming the value; German when the
// language is 1, English otherwise.
std::string SettingsWriteErrorText(int language, const SettingsWriteResult& result);

}  // namespace verlumo
