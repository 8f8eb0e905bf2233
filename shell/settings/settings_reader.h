// Reading settings: what the store makes of a registry value's raw data. It reaches the registry
// through one narrow interface and holds no window-system type, so every read can be tried on
// any bytes natively; the store implements the interface over the real registry.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "shell/platform/registry_data.h"

namespace verlumo {

// The registry as the store reads it: the value named by section and key below the store's base
// key, or nothing when the base key, the section or the value is missing.
class RegistryReader {
 public:
  virtual ~RegistryReader() = default;
  virtual std::optional<RegistryData> Read(const std::string& section, const std::string& key) const = 0;
};

// A text value's text as UTF-8: the whole characters within its data, up to the first NUL; a
// lone surrogate becomes U+FFFD. Nothing for a value that is not a text: a number or binary
// value put there by hand is no setting of ours.
std::optional<std::string> StoredText(const RegistryData& data);

// The store's three reads. A missing value, or one that is not a text, gives the default.
class SettingsReader {
 public:
  explicit SettingsReader(const RegistryReader& registry) : registry_(registry) {}

  // An empty stored text is a value like any other and does not give the default.
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& default_value) const;
  // A stored number (see shell/stored_number.h); any other text, the empty one included, gives
  // the default.
  int ReadInteger(const std::string& section, const std::string& key, int default_value) const;
  // An integer read with the default 1 or 0: true when it is not 0.
  bool ReadBool(const std::string& section, const std::string& key, bool default_value) const;

 private:
  std::optional<std::string> ReadText(const std::string& section, const std::string& key) const;

  const RegistryReader& registry_;
};

}  // namespace verlumo
