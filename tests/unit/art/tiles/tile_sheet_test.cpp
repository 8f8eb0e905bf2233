// The tile sheet's pictures must join: equal road kinds meet pixel for pixel, sides without a
// road show no road, and the parts of larger scenery run on across their cells.
#include "tools/artgen/tiles/tile_sheet.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/tile_catalogue.h"
#include "tools/artgen/tiles/road_painter.h"
#include "tools/scenery/scenery_catalogue.h"

namespace artgen {
namespace {

using verlumo::EdgeCode;
using verlumo::Side;
using verlumo::TileCode;

using verlumo::kSides;
constexpr int kCell = 48;

const Image& Sheet() {
  static const Image sheet = DrawTileSheet();
  return sheet;
}

// The pixel at `offset` along the border line of a tile's side (left to right, top to bottom).
Rgb BorderPixel(TileCode code, Side side, int offset) {
  const verlumo::PixelOffset at = verlumo::SheetPosition(code);
  switch (side) {
    case Side::Right: return Sheet().at(at.x + kCell - 1, at.y + offset);
    case Side::Top: return Sheet().at(at.x + offset, at.y);
    case Side::Left: return Sheet().at(at.x, at.y + offset);
    case Side::Bottom: return Sheet().at(at.x + offset, at.y + kCell - 1);
  }
  return {};
}

// How many pixels of the span [from, to) differ between two border lines.
int Differences(TileCode a, Side side_a, TileCode b, Side side_b, int from, int to) {
  int count = 0;
  for (int offset = from; offset < to; ++offset) {
    count += !(BorderPixel(a, side_a, offset) == BorderPixel(b, side_b, offset));
  }
  return count;
}

int Span(double half) { return static_cast<int>(half); }

// Whether the side meets the world at large (movable, or a fixed side open to ground or roads).
bool OpenSide(TileCode code, Side side) {
  const auto* tile = verlumo::scenery::FindSceneryTile(code);
  return tile == nullptr || tile->sides[static_cast<int>(side)].rule != verlumo::scenery::NeighbourRule::Part;
}

TEST(TileSheet, HasTheSheetSizeAndDrawsTheSameBytesEveryTime) {
  EXPECT_EQ(Sheet().width, 960);
  EXPECT_EQ(Sheet().height, 480);
  EXPECT_EQ(Sheet().pixels.size(), 960u * 480u);
  EXPECT_TRUE(DrawTileSheet().pixels == Sheet().pixels);
}

TEST(TileSheet, RoadsOfOneKindMeetEveryOtherRoadOfThatKindWithoutASeam) {
  for (int kind = 1; kind <= 3; ++kind) {
    // The road proper must be identical wherever it meets a side; its soft verge too where
    // the side is open to any tile.
    const int road = Span(tiles::RoadHalfWidth(kind));
    const int verge = Span(tiles::VergeHalfWidth(kind)) + 1;
    for (Side side : kSides) {
      const Side facing = verlumo::scenery::Opposite(side);
      TileCode reference = 0;
      TileCode facing_reference = 0;
      for (int code = 1; code < verlumo::kCataloguedCodes; ++code) {
        if (reference == 0 && EdgeCode(code, side) == kind && verlumo::IsMovable(code)) reference = code;
        if (facing_reference == 0 && EdgeCode(code, facing) == kind && verlumo::IsMovable(code)) {
          facing_reference = code;
        }
      }
      ASSERT_NE(reference, 0);
      ASSERT_NE(facing_reference, 0);
      EXPECT_EQ(Differences(reference, side, facing_reference, facing, 24 - road, 24 + road), 0)
          << "kind " << kind << " side " << int(side) << " does not meet the facing side";
      for (int code = 1; code < verlumo::kCataloguedCodes; ++code) {
        const TileCode tile = static_cast<TileCode>(code);
        if (EdgeCode(tile, side) != kind) continue;
        EXPECT_EQ(Differences(tile, side, reference, side, 24 - road, 24 + road), 0)
            << "tile " << code << " side " << int(side);
        if (OpenSide(tile, side)) {
          EXPECT_EQ(Differences(tile, side, reference, side, 24 - verge, 24 + verge), 0)
              << "tile " << code << " verge, side " << int(side);
        }
      }
    }
  }
}

TEST(TileSheet, SidesWithoutRoadShowGrassOrTheirSceneryButNoRoad) {
  for (int code = 1; code < verlumo::kCataloguedCodes; ++code) {
    const TileCode tile = static_cast<TileCode>(code);
    for (Side side : kSides) {
      if (EdgeCode(tile, side) != 0) continue;
      if (OpenSide(tile, side)) {
        // Plain grass, exactly as the empty tile shows it, so any tile may stand beside it.
        EXPECT_EQ(Differences(tile, side, 0, side, 0, kCell), 0) << "tile " << code << " side " << int(side);
        continue;
      }
      for (int kind = 1; kind <= 3; ++kind) {
        TileCode road = 0;
        for (int other = 1; other <= verlumo::kLastMovableCode && road == 0; ++other) {
          if (EdgeCode(other, side) == kind) road = other;
        }
        const int half = Span(tiles::RoadHalfWidth(kind));
        EXPECT_GT(Differences(tile, side, road, side, 24 - half, 24 + half), half)
            << "tile " << code << " shows a road of kind " << kind << " on side " << int(side);
      }
    }
  }
}

// Across a seam inside scenery, facing pixels may differ by texture but not by what they show:
// a shore, a roof or a river bank that stops at the seam shows up as many strong differences.
int StrongSeamBreaks(TileCode a, Side side, TileCode b) {
  int breaks = 0;
  for (int offset = 0; offset < kCell; ++offset) {
    const Rgb p = BorderPixel(a, side, offset);
    const Rgb q = BorderPixel(b, verlumo::scenery::Opposite(side), offset);
    breaks += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b) > 150;
  }
  return breaks;
}

TEST(TileSheet, SceneryRunsOnAcrossEveryCellBorderTheCatalogueAllows) {
  for (const auto& tile : verlumo::scenery::SceneryTiles()) {
    for (Side side : kSides) {
      const auto& need = tile.sides[static_cast<int>(side)];
      if (need.rule != verlumo::scenery::NeighbourRule::Part) continue;
      for (TileCode other : need.codes) {
        EXPECT_LE(StrongSeamBreaks(tile.code, side, other), 4)
            << int(tile.code) << " beside " << int(other) << " on side " << int(side);
      }
    }
  }
}

TEST(TileSheet, PreviewsAreWholeBoardsCutFromTheSheet) {
  const auto previews = DrawScenePreviews(Sheet());
  ASSERT_GE(previews.size(), 4u);
  for (const ScenePreview& preview : previews) {
    EXPECT_FALSE(preview.title.empty());
    EXPECT_EQ(preview.image.width, 9 * kCell);
    EXPECT_EQ(preview.image.height, 7 * kCell);
  }
}

}  // namespace
}  // namespace artgen
