// The description the page lays itself out from: it must be JSON the browser accepts, in both
// languages, and complete enough that the page needs no layout or text of its own.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>
#include <string>

#include "core/texts.h"
#include "midend/board_cursor.h"
#include "midend/commands.h"
#include "midend/description_json.h"
#include "midend/json_writer.h"
#include "tests/unit/midend/json_checker.h"

namespace verlumo {
namespace {

using json_test::Parse;
using json_test::Value;

TEST(DescriptionJson, StringsSurviveTheRoundTripWithEveryByteThatNeedsEscaping) {
  std::string awkward = "\"quoted\" back\\slash / Straße © ä ";
  for (char c = 1; c < 0x20; ++c) awkward += c;
  EXPECT_EQ(Parse(JsonString(awkward)).string, awkward);
  // The page's texts stay readable: only what must be escaped is.
  EXPECT_EQ(JsonString("Straße ©"), "\"Straße ©\"");
}

// A box the client area cannot hold would be cut off on one front end and not on the other.
void ExpectInside(const Value& box, int width, int height, const std::string& where) {
  ASSERT_EQ(box.array.size(), 4u) << where;
  const int left = static_cast<int>(box.array[0].number), top = static_cast<int>(box.array[1].number);
  EXPECT_TRUE(left >= 0 && top >= 0 && left + box.array[2].number <= width && top + box.array[3].number <= height)
      << where << " lies outside " << width << " x " << height;
}

// A screen reader speaks a text in the language it is written in: the language button's hint is
// in the other language, and each button of the language dialog in the language it chooses.
TEST(DescriptionJson, TextsInAnotherLanguageSayWhichOne) {
  for (const auto& [language, other] : {std::pair{kLanguageEnglish, "de"}, std::pair{kLanguageGerman, "en"}}) {
    SCOPED_TRACE(language);
    const Value description = Parse(FrontEndDescriptionJson(language));
    for (const Value& button : description["toolbar"]["buttons"].array) {
      const bool tongue = button["command"].number == static_cast<int>(Command::Tongue);
      EXPECT_EQ(button.Has("hintLang") ? button["hintLang"].string : "", tongue ? other : "") << button["command"].number;
    }
    std::map<std::string, std::string> spoken;
    for (const Value& control : description["dialogs"]["language"]["controls"].array) {
      if (control.Has("lang")) spoken[control["name"].string] = control["lang"].string;
    }
    EXPECT_EQ(spoken, (std::map<std::string, std::string>{{"english", "en"}, {"german", "de"}}));
    for (const Value& control : description["dialogs"]["info"]["controls"].array) {
      EXPECT_FALSE(control.Has("lang")) << "only the language dialog's buttons say their language";
    }
  }
}

const std::set<std::string> kStyles = {"wrapped", "right", "oneLine", "autoSized", "productName"};

TEST(DescriptionJson, EachLanguageDescribesTheToolbarAndEveryDialogCompletely) {
  std::set<std::string> captions;
  for (const int language : {kLanguageEnglish, kLanguageGerman}) {
    SCOPED_TRACE(language);
    const Value description = Parse(FrontEndDescriptionJson(language));
    captions.insert(description["dialogs"]["saveAs"]["caption"].string);

    const Value& toolbar = description["toolbar"];
    const int toolbar_width = static_cast<int>(toolbar["width"].number);
    ASSERT_EQ(toolbar["buttons"].array.size(), static_cast<size_t>(kCommandCount));
    std::set<std::string> hints, button_names;
    for (size_t i = 0; i < static_cast<size_t>(kCommandCount); ++i) {
      const Value& button = toolbar["buttons"].array[i];
      EXPECT_EQ(button["command"].number, static_cast<double>(i)) << "buttons in Command order";
      EXPECT_TRUE(hints.insert(button["hint"].string).second) << "each button's own hint: " << button["command"].number;
      EXPECT_TRUE(button_names.insert(button["name"].string).second) << "each button's own name: " << button["command"].number;
      // A screen reader hears the hint after the name, but never the name twice.
      const std::string& description = button["description"].string;
      EXPECT_TRUE(description == button["hint"].string || description.empty()) << button["command"].number;
      EXPECT_EQ(description.empty(), button["hint"].string == button["name"].string) << button["command"].number;
      EXPECT_FALSE(button["picture"].string.empty()) << button["command"].number;
      ExpectInside(button["box"], toolbar_width, static_cast<int>(toolbar["height"].number),
                   std::to_string(button["command"].number));
    }
    EXPECT_FALSE(toolbar["levelLabel"]["text"].string.empty());
    EXPECT_FALSE(button_names.count("") || button_names.count(toolbar["buttons"].array[3]["hint"].string)) << "names, not hints";
    EXPECT_EQ(toolbar["buttons"].array[3]["name"].string, language == kLanguageGerman ? "Spiel speichern" : "Save game");
    std::set<double> keys;
    for (const auto& [key, number] : description["boardKeys"].object) keys.insert(number.number);
    EXPECT_EQ(keys, (std::set<double>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11})) << "every key of the board, each its own number";
    EXPECT_EQ(description["boardKeys"]["looseEnds"].number, static_cast<int>(BoardKey::kLooseEnds));
    std::set<double> requests;
    for (const auto& [request, number] : description["selectorRequests"].object) requests.insert(number.number);
    EXPECT_EQ(requests.size(), 7u) << "every request of the selector, each its own number";

    const std::set<std::string> names = {"solved", "allSolved", "restart", "giveUp", "endGame", "language",
                                         "info",   "splash",    "saveAs",  "error",  "warning"};
    ASSERT_EQ(description["dialogs"].object.size(), names.size());
    for (const auto& [name, dialog] : description["dialogs"].object) {
      SCOPED_TRACE(name);
      EXPECT_EQ(names.count(name), 1u);
      const int width = static_cast<int>(dialog["width"].number), height = static_cast<int>(dialog["height"].number);
      int defaults = 0, cancels = 0;
      std::set<double> results;
      const bool asks_with_its_text = name == "error" || name == "warning";
      for (const Value& control : dialog["controls"].array) {
        const std::string kind = control["kind"].string;
        ExpectInside(control["box"], width, height, kind);
        if (kind == "label" || kind == "link" || kind == "button" || (kind == "message" && !asks_with_its_text)) {
          EXPECT_TRUE(control.Has("text") && !control["text"].string.empty()) << kind << " without words";
        }
        if (control.Has("picture")) {
          EXPECT_FALSE(control["picture"].string.empty());
          EXPECT_TRUE(control["images"].number == 1 || control["images"].number == 2);
        }
        if (kind == "label" || kind == "link") {
          EXPECT_EQ(kStyles.count(control["style"].string), 1u) << control["text"].string;
        }
        if (kind == "link") {
          // An e-mail address opens a mail, anything else a page.
          const std::string text = control["text"].string, address = control["address"].string;
          EXPECT_EQ(address, text.find('@') != std::string::npos ? "mailto:" + text : address);
          EXPECT_TRUE(address.rfind("mailto:", 0) == 0 || address.rfind("https://", 0) == 0) << address;
        }
        if (kind == "button" || kind == "field") {
          EXPECT_TRUE(control.Has("name")) << kind << " the page cannot find";
        }
        if (kind != "button") continue;
        defaults += control["default"].boolean;
        cancels += control["cancel"].boolean;
        EXPECT_TRUE(results.insert(control["result"].number).second) << "two buttons that answer alike";
      }
      // A dialog the keyboard can answer: Enter presses one button, Escape at most one.
      EXPECT_LE(cancels, 1);
      if (name != "splash") {
        EXPECT_EQ(defaults, 1);
        EXPECT_FALSE(dialog["caption"].string.empty());
      }
    }
    for (const auto& [key, text] : description["texts"].object) EXPECT_FALSE(text.string.empty()) << key;
  }
  EXPECT_EQ(captions.size(), 2u) << "the page's own dialogs speak both languages";
}

}  // namespace
}  // namespace verlumo
