// What the settings store makes of registry data it did not write: cut-off characters, missing
// NULs, surrogates, and numbers written the way only a hand edit would.
#include "shell/settings/settings_reader.h"

#include <gtest/gtest.h>

#include "tests/unit/shell/map_registry.h"

namespace verlumo {
namespace {

TEST(SettingsReader, TextsAreTheWholeCharactersBeforeTheFirstNul) {
  // "ab" with no NUL and half a third character.
  EXPECT_EQ(StoredText({true, {'a', 0, 'b', 0, 'c'}}), "ab");
  EXPECT_EQ(StoredText({true, {'a', 0, 0, 0, 'b', 0}}), "a");
  EXPECT_EQ(StoredText({true, {}}), "");
  EXPECT_FALSE(StoredText({false, {'1', 0, 0, 0}}).has_value()) << "a binary value is no text";
  // U+00E4, U+20AC and U+1F600 (a surrogate pair) in UTF-8; a lone surrogate is replaced.
  EXPECT_EQ(StoredText({true, {0xE4, 0, 0xAC, 0x20, 0x3D, 0xD8, 0x00, 0xDE}}), "\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80");
  EXPECT_EQ(StoredText({true, {0x3D, 0xD8, 'x', 0, 0x00, 0xDE}}), "\xEF\xBF\xBDx\xEF\xBF\xBD");
}

TEST(SettingsReader, NumbersAreStrictDecimalsInThe32BitRange) {
  MapRegistry registry;
  const SettingsReader reader(registry);
  const std::pair<const char16_t*, int> cases[] = {
      {u"-1", -1}, {u"2147483647", 2147483647}, {u"-2147483648", -2147483647 - 1}, {u"007", 7},
      {u"2147483648", 42}, {u" 100", 42}, {u"+50", 42}, {u"12abc", 42}, {u"", 42}, {u"1 ", 42}};
  for (const auto& [text, expected] : cases) {
    registry.PutText("common", "level", text);
    EXPECT_EQ(reader.ReadInteger("common", "level", 42), expected);
  }
  EXPECT_EQ(reader.ReadInteger("common", "missing", 42), 42);
  registry.PutText("common", "sound", u"0");
  EXPECT_FALSE(reader.ReadBool("common", "sound", true));
  registry.PutText("common", "sound", u"-1");
  EXPECT_TRUE(reader.ReadBool("common", "sound", false));
  registry.PutText("common", "save", u"");
  EXPECT_EQ(reader.ReadString("common", "save", "noname.vlm"), "") << "an empty text is a value";
}

}  // namespace
}  // namespace verlumo
