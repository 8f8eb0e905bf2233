// The settings store's reading of every value the game reads, from registry data of any type and
// any bytes: texts are well-formed UTF-8 without a NUL, numbers are read exactly when their text
// is a stored number, and a missing or foreign value gives the default.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "shell/placement.h"
#include "shell/settings/settings_reader.h"
#include "shell/stored_number.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/unit/shell/map_registry.h"

using namespace verlumo;

namespace {

bool IsWellFormedUtf8(const std::string& text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  MapRegistry registry;
  const char* const keys[] = {"tongue", "level", "save", "sound", "MainForm"};
  for (const char* key : keys) {
    if (!provider.ConsumeBool()) continue;  // the value is missing
    const bool is_text = provider.ConsumeIntegralInRange(0, 7) != 0;
    const auto length = provider.ConsumeIntegralInRange<std::size_t>(0, 64);
    registry.Put("common", key, {is_text, provider.ConsumeBytes<std::uint8_t>(length)});
  }
  const SettingsReader reader(registry);
  // A default no stored text can give: it holds a NUL.
  const std::string kDefaultText("default\0", 8);

  for (const char* key : keys) {
    const std::optional<RegistryData> stored = registry.Read("common", key);
    const std::string text = reader.ReadString("common", key, kDefaultText);
    const int number = reader.ReadInteger("common", key, -12345);
    const bool flag = reader.ReadBool("common", key, true);
    if (!stored || !stored->is_text) {
      fuzz::Require(text == kDefaultText && number == -12345 && flag, "a missing or foreign value gives the default");
      continue;
    }
    fuzz::Require(IsWellFormedUtf8(text), "a text reads as well-formed UTF-8");
    fuzz::Require(text.find('\0') == std::string::npos, "a text ends at its first NUL, and is no default");
    fuzz::Require(text.size() <= stored->bytes.size() / 2 * 3, "a text is no longer than its characters allow");
    const std::optional<int> parsed = ParseStoredNumber(text);
    fuzz::Require(number == parsed.value_or(-12345), "an integer is read exactly when its text is a stored number");
    fuzz::Require(flag == (parsed.value_or(1) != 0), "a boolean is a number not 0");
    if (parsed) fuzz::Require(ParseStoredNumber(std::to_string(*parsed)) == parsed, "a number written reads back");
  }
  // The main window's position, as the form helper reads it from the same store.
  const std::optional<Position> position = ParseStoredPosition(reader.ReadString("common", "MainForm", ""));
  if (position) {
    fuzz::Require(position->left >= -(1 << 30) && position->left <= (1 << 30) && position->top >= -(1 << 30) &&
                      position->top <= (1 << 30),
                  "a stored position lies within 2^30 of the origin");
  }
  return 0;
}
