// The pictures of the rules show what the game shows: each road kind and tile as the tile sheet
// has it, the car on the selected tile only, a swap as the same two tiles exchanged, and
// pictures small enough for a help window.
#include "tools/artgen/rules_pictures.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "core/tile_catalogue.h"
#include "tests/unit/art/generated_assets.h"
#include "tools/artgen/image_ops.h"

namespace art_test {
namespace {

using verlumo::Side;
using verlumo::TileCode;

constexpr int kScale = 2;
constexpr int kCell = verlumo::kTileSize * kScale;

const std::map<std::string, artgen::Image>& Pictures() {
  static const std::map<std::string, artgen::Image> pictures = [] {
    verlumo::Board level{};
    level[verlumo::CellIndex(4, 3)] = 1;
    std::map<std::string, artgen::Image> by_name;
    for (artgen::RulesPicture& picture : artgen::MakeRulesPictures(GeneratedAssets(), {level, level}, 2)) {
      by_name[picture.file_name] = std::move(picture.image);
    }
    return by_name;
  }();
  return pictures;
}

const artgen::Image& Picture(const std::string& name) {
  const auto found = Pictures().find(name);
  if (found == Pictures().end()) throw std::runtime_error("no rules picture " + name);
  return found->second;
}

artgen::Image TileEnlarged(TileCode code) {
  const artgen::Image& sheet = BmpNamed("tiles.bmp").image;
  const verlumo::PixelOffset at = verlumo::SheetPosition(code);
  return artgen::Enlarged(artgen::Cropped(sheet, at.x, at.y, verlumo::kTileSize, verlumo::kTileSize), kScale);
}

bool Same(const artgen::Image& a, const artgen::Image& b) {
  return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

// The catalogued code whose tile the picture shows, or -1.
int CodeShownBy(const artgen::Image& picture) {
  for (int code = 0; code < verlumo::kCataloguedCodes; ++code) {
    if (Same(picture, TileEnlarged(static_cast<TileCode>(code)))) return code;
  }
  return -1;
}

artgen::Image Cell(const artgen::Image& strip, int index) { return artgen::Cropped(strip, index * kCell, 0, kCell, kCell); }

// How many pixels differ between two pictures of the same size.
int Differences(const artgen::Image& a, const artgen::Image& b) {
  int count = 0;
  for (std::size_t i = 0; i < a.pixels.size(); ++i) count += a.pixels[i] == b.pixels[i] ? 0 : 1;
  return count;
}

TEST(RulesPictures, ShowEachRoadKindAndAFixedAndAMovableTileAsTheSheetHasThem) {
  for (int kind = 1; kind <= 3; ++kind) {
    const int code = CodeShownBy(Picture("road_kind" + std::to_string(kind) + ".png"));
    ASSERT_GE(code, 0) << "road kind " << kind << " is no tile of the sheet";
    const auto tile = static_cast<TileCode>(code);
    EXPECT_TRUE(verlumo::IsMovable(tile));
    // A straight piece of its own kind, across the tile.
    EXPECT_EQ(verlumo::EdgeCode(tile, Side::Left), kind);
    EXPECT_EQ(verlumo::EdgeCode(tile, Side::Right), kind);
    EXPECT_EQ(verlumo::EdgeCode(tile, Side::Top), 0);
    EXPECT_EQ(verlumo::EdgeCode(tile, Side::Bottom), 0);
  }
  const int movable = CodeShownBy(Picture("tile_movable.png"));
  const int fixed = CodeShownBy(Picture("tile_fixed.png"));
  ASSERT_GE(movable, 0);
  ASSERT_GE(fixed, 0);
  EXPECT_TRUE(verlumo::IsMovable(static_cast<TileCode>(movable)));
  EXPECT_FALSE(verlumo::IsMovable(static_cast<TileCode>(fixed)));
  // The two carry the same roads, so only the way they are drawn tells them apart.
  EXPECT_EQ(verlumo::EdgeWordOf(static_cast<TileCode>(movable)), verlumo::EdgeWordOf(static_cast<TileCode>(fixed)));
  // And in a row, movable and fixed tiles take turns.
  const artgen::Image& row = Picture("tiles_in_a_row.png");
  ASSERT_EQ(row.width, 4 * kCell);
  for (int index = 0; index < 4; ++index) {
    const int code = CodeShownBy(Cell(row, index));
    ASSERT_GE(code, 0) << "cell " << index;
    EXPECT_EQ(verlumo::IsMovable(static_cast<TileCode>(code)), index % 2 == 0) << "cell " << index;
  }
}

TEST(RulesPictures, TheCarSitsOnTheSelectedTileAndGoesWithItInTheSwap) {
  const artgen::Image& selected = Picture("selected_tile.png");
  EXPECT_EQ(CodeShownBy(selected), -1) << "no car on the selected tile";

  const artgen::Image& before = Picture("swap_before.png");
  const artgen::Image& after = Picture("swap_after.png");
  ASSERT_EQ(before.width, 4 * kCell);
  ASSERT_EQ(after.width, 4 * kCell);
  // The carried tile, car and all, lands where the player clicked; the clicked tile (framed in
  // the picture before) takes the carried tile's old place.
  EXPECT_TRUE(Same(Cell(after, 3), Cell(before, 0)));
  const int clicked = CodeShownBy(Cell(after, 0));
  ASSERT_GE(clicked, 0) << "the clicked tile carries a car after the swap";
  const int frame_pixels = Differences(Cell(before, 3), TileEnlarged(static_cast<TileCode>(clicked)));
  EXPECT_GT(frame_pixels, 0) << "the clicked tile is not framed";
  EXPECT_LE(frame_pixels, 4 * 3 * kCell) << "more than a frame three pixels wide";
  EXPECT_TRUE(Same(Cell(before, 1), Cell(after, 1)));
  EXPECT_TRUE(Same(Cell(before, 2), Cell(after, 2)));
}

TEST(RulesPictures, FitAHelpWindowBesideTheGame) {
  for (const auto& [name, image] : Pictures()) {
    EXPECT_LE(image.width, 560) << name;
    EXPECT_GT(image.height, 0) << name;
  }
  // The toolbar, twice its size, in two halves over each other.
  EXPECT_EQ(Picture("toolbar_left.png").width + Picture("toolbar_right.png").width, 2 * 520);
  EXPECT_EQ(Picture("solved_level.png").width, 520);
  EXPECT_EQ(Picture("solved_level.png").height, 376);
}

TEST(RulesPictures, RefuseALevelThatIsNotThere) {
  EXPECT_THROW(artgen::MakeRulesPictures(GeneratedAssets(), {verlumo::Board{}}, 2), std::runtime_error);
  EXPECT_THROW(artgen::MakeRulesPictures(GeneratedAssets(), {verlumo::Board{}}, 0), std::runtime_error);
}

}  // namespace
}  // namespace art_test
