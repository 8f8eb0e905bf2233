// A tile's subject stands in one sentence with the words that name its roads: every piece of
// scenery must be named in both languages, no subject may read as road words, and no two tiles
// may sound alike.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <utility>

#include "midend/tile_subjects.h"

namespace verlumo {
namespace {

TEST(TileSubjects, EverySceneryTileIsNamedInBothLanguagesAndNoCodeBeyondTheCatalogue) {
  for (int code = kLastMovableCode + 1; code < 256; ++code) {
    const TileSubject subject = TileSubjectOf(static_cast<TileCode>(code));
    const bool named = code < kCataloguedCodes;
    EXPECT_EQ(std::string(subject.english).empty(), !named) << code;
    EXPECT_EQ(std::string(subject.german).empty(), !named) << code;
  }
}

// A road kind followed by a side, and the words "fixed" and "car", are what the cell's words
// themselves say; a subject carrying them would be heard as another road or another state.
TEST(TileSubjects, NoSubjectReadsAsRoadOrCellWords) {
  const std::regex english(R"(\b(two-lane road|bridge road|lane)\W+(top|right|bottom|left)\b|\b(fixed|car)\b|[A-Z])");
  const std::regex german(R"((Straße|straße|Feldweg)\W+(oben|rechts|unten|links)\b|\b(fest|Auto)\b)");
  for (int code = 0; code < kCataloguedCodes; ++code) {
    const TileSubject subject = TileSubjectOf(static_cast<TileCode>(code));
    EXPECT_FALSE(std::regex_search(subject.english, english)) << code << ": " << subject.english;
    EXPECT_FALSE(std::regex_search(subject.german, german)) << code << ": " << subject.german;
  }
}

// A movable piece's subject follows its shape ("crossing with a roundabout"), in both languages
// or in neither.
TEST(TileSubjects, MovablePiecesSayWhatTheirMiddleAdds) {
  for (int code = 0; code <= kLastMovableCode; ++code) {
    const std::string english = TileSubjectOf(static_cast<TileCode>(code)).english;
    const std::string german = TileSubjectOf(static_cast<TileCode>(code)).german;
    EXPECT_EQ(english.empty(), german.empty()) << code;
    EXPECT_TRUE(english.empty() || english.starts_with("with ")) << code << ": " << english;
    EXPECT_TRUE(german.empty() || german.starts_with("mit ")) << code << ": " << german;
  }
}

// Tiles with the same roads differ only in their pictures, so their subjects must tell them apart.
TEST(TileSubjects, NoTwoTilesWithTheSameRoadsSoundAlike) {
  std::set<std::pair<EdgeWord, std::string>> english, german;
  for (int code = 0; code < kCataloguedCodes; ++code) {
    const TileCode tile = static_cast<TileCode>(code);
    EXPECT_TRUE(english.insert({EdgeWordOf(tile), TileSubjectOf(tile).english}).second) << code;
    EXPECT_TRUE(german.insert({EdgeWordOf(tile), TileSubjectOf(tile).german}).second) << code;
  }
}

}  // namespace
}  // namespace verlumo
