// Turning registry data into settings.
#include "shell/settings/settings_reader.h"

#include "shell/stored_number.h"

namespace verlumo {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(char32_t code_point, std::string& out) {
  if (code_point < 0x80) {
    out += static_cast<char>(code_point);
  } else if (code_point < 0x800) {
    out += static_cast<char>(0xC0 | (code_point >> 6));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  } else if (code_point < 0x10000) {
    out += static_cast<char>(0xE0 | (code_point >> 12));
    out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code_point >> 18));
    out += static_cast<char>(0x80 | ((code_point >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  }
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::optional<std::string> StoredText(const RegistryData& data) {
  if (!data.is_text) return std::nullopt;
  std::u16string units;
  for (std::size_t i = 0; i + 1 < data.bytes.size(); i += 2) {
    const auto unit = static_cast<char16_t>(data.bytes[i] | (data.bytes[i + 1] << 8));
    if (unit == 0) break;
    units += unit;
  }
  std::string text;
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char16_t unit = units[i];
    if (IsHighSurrogate(unit) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
      AppendUtf8(0x10000 + ((char32_t{unit} - 0xD800) << 10) + (char32_t{units[i + 1]} - 0xDC00), text);
      ++i;
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      AppendUtf8(kReplacement, text);
    } else {
      AppendUtf8(unit, text);
    }
  }
  return text;
}

std::optional<std::string> SettingsReader::ReadText(const std::string& section, const std::string& key) const {
  const std::optional<RegistryData> data = registry_.Read(section, key);
  if (!data) return std::nullopt;
  return StoredText(*data);
}

std::string SettingsReader::ReadString(const std::string& section, const std::string& key,
                                       const std::string& default_value) const {
  return ReadText(section, key).value_or(default_value);
}

int SettingsReader::ReadInteger(const std::string& section, const std::string& key, int default_value) const {
  const std::optional<std::string> text = ReadText(section, key);
  if (!text) return default_value;
  return ParseStoredNumber(*text).value_or(default_value);
}

bool SettingsReader::ReadBool(const std::string& section, const std::string& key, bool default_value) const {
  return ReadInteger(section, key, default_value ? 1 : 0) != 0;
}

}  // namespace verlumo
