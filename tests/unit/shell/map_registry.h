// A registry for the settings reader's tests: values kept in a map by section and key, put in
// as raw bytes, the way another program or a hand edit could leave them.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "shell/settings/settings_reader.h"

namespace verlumo {

class MapRegistry : public RegistryReader {
 public:
  void Put(const std::string& section, const std::string& key, RegistryData data) {
    values_[{section, key}] = std::move(data);
  }
  // A REG_SZ holding the text as UTF-16LE, with its terminating NUL.
  void PutText(const std::string& section, const std::string& key, const std::u16string& text) {
    RegistryData data{true, {}};
    for (char16_t unit : text) {
      data.bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
      data.bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    data.bytes.insert(data.bytes.end(), {0, 0});
    Put(section, key, std::move(data));
  }

  std::optional<RegistryData> Read(const std::string& section, const std::string& key) const override {
    const auto found = values_.find({section, key});
    if (found == values_.end()) return std::nullopt;
    return found->second;
  }

 private:
  std::map<std::pair<std::string, std::string>, RegistryData> values_;
};

}  // namespace verlumo
