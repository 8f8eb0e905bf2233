// The language setting tells the windows that word themselves by it when, and only when, it
// changes.
#include "core/language.h"

#include <gtest/gtest.h>

#include <string>

namespace verlumo {
namespace {

TEST(Language, ListenersHearEachChangeInTheirOrderAndNothingElse) {
  Language language;
  EXPECT_EQ(language.value(), kLanguageUnset);
  std::string heard;
  language.AddListener([&] { heard += "window " + std::to_string(language.value()) + ";"; });
  language.AddListener([&] { heard += "dialog;"; });
  language.Set(kLanguageUnset);  // closed without a choice
  EXPECT_EQ(heard, "");
  language.Set(kLanguageGerman);
  language.Set(kLanguageGerman);
  language.Set(kLanguageEnglish);
  EXPECT_EQ(heard, "window 1;dialog;window 0;dialog;");
  EXPECT_EQ(language.value(), kLanguageEnglish);
}

}  // namespace
}  // namespace verlumo
