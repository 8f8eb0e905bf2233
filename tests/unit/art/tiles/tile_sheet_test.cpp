// The tile sheet's pictures must join: equal road kinds meet pixel for pixel, sides without a
// road show no road, and the parts of larger scenery run on across their cells. The joins are
// checked on the landscape as painted; the finished sheet raises every movable tile as a piece
// on it and lays a deeper ground under the fixed tiles' grass, so that a movable and a fixed tile
// with the same roads do not look alike.
#include "tools/artgen/tiles/tile_sheet.h"

#include <gtest/gtest.h>

#include <cmath>
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
  static const Image sheet = DrawFlatTileSheet();
  return sheet;
}

const Image& FinishedSheet() {
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
  EXPECT_EQ(FinishedSheet().width, 960);
  EXPECT_EQ(FinishedSheet().height, 480);
  EXPECT_EQ(FinishedSheet().pixels.size(), 960u * 480u);
  EXPECT_TRUE(DrawTileSheet().pixels == FinishedSheet().pixels);
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

double Brightness(const Rgb& p) { return 0.299 * p.r + 0.587 * p.g + 0.114 * p.b; }

// Mean brightness of the band `depth` pixels deep along a side of a finished tile, over the
// span [from, to) along that side.
double Band(TileCode code, Side side, int depth, int from, int to) {
  const verlumo::PixelOffset at = verlumo::SheetPosition(code);
  double sum = 0;
  for (int in = 0; in < depth; ++in) {
    for (int along = from; along < to; ++along) {
      int x = along, y = in;
      switch (side) {
        case Side::Right: x = kCell - 1 - in, y = along; break;
        case Side::Top: break;
        case Side::Left: x = in, y = along; break;
        case Side::Bottom: y = kCell - 1 - in; break;
      }
      sum += Brightness(FinishedSheet().at(at.x + x, at.y + y));
    }
  }
  return sum / (depth * (to - from));
}

// A player tells movable from fixed without clicking: wherever a movable and a fixed tile carry
// the same road out of the same side (or plain grass), the edge band of that road looks
// different, brighter or darker, though the road's pixels there are the same as painted.
TEST(TileSheet, AMovableAndAFixedTileWithTheSameRoadDifferAlongThatEdge) {
  constexpr int kDepth = 2;
  int pairs = 0, alike = 0;
  for (int kind = 0; kind <= 3; ++kind) {
    const int half = kind == 0 ? kCell / 2 : Span(tiles::RoadHalfWidth(kind));
    for (Side side : kSides) {
      for (int movable = 0; movable <= verlumo::kLastMovableCode; ++movable) {
        if (EdgeCode(movable, side) != kind) continue;
        for (int fixed = verlumo::kLastMovableCode + 1; fixed < verlumo::kCataloguedCodes; ++fixed) {
          if (EdgeCode(fixed, side) != kind || !OpenSide(fixed, side)) continue;
          // Only where the two were painted alike: the same road or grass on the border line.
          if (Differences(movable, side, fixed, side, 24 - half, 24 + half) != 0) continue;
          ++pairs;
          const double apart = std::abs(Band(movable, side, kDepth, 24 - half, 24 + half) -
                                        Band(fixed, side, kDepth, 24 - half, 24 + half));
          if (apart < 20.0 && alike++ == 0) {
            ADD_FAILURE() << "movable " << movable << " and fixed " << fixed << " look alike on side " << int(side)
                          << ": edge bands " << apart << " apart in brightness";
          }
        }
      }
    }
  }
  EXPECT_EQ(alike, 0) << "pairs of a movable and a fixed tile that look alike along the same road, of " << pairs;
  EXPECT_GE(pairs, 100) << "too few tiles with the same road on the same side to compare";
}

// The fixed tiles' deeper ground is laid under their grass only: whatever covers the grass (a
// road, a rail, water, a roof) keeps the pixels it was painted with, so roads still join tiles of
// either kind, while open grass turns clearly darker.
TEST(TileSheet, FixedTilesDeepenTheirGrassAndNothingElse) {
  const Image on_black = DrawFlatTileSheet(tiles::GrassFill::Black);
  const Image on_white = DrawFlatTileSheet(tiles::GrassFill::White);
  int covered_changed = 0, grass = 0, grass_not_darker = 0;
  for (int code = verlumo::kLastMovableCode + 1; code < verlumo::kCataloguedCodes; ++code) {
    const verlumo::PixelOffset at = verlumo::SheetPosition(static_cast<TileCode>(code));
    for (int y = at.y; y < at.y + kCell; ++y) {
      for (int x = at.x; x < at.x + kCell; ++x) {
        const Rgb painted = Sheet().at(x, y), finished = FinishedSheet().at(x, y);
        if (on_black.at(x, y) == on_white.at(x, y)) {
          covered_changed += !(painted == finished);
        } else if (on_black.at(x, y) == Rgb{0, 0, 0} && on_white.at(x, y) == Rgb{255, 255, 255}) {
          ++grass;
          grass_not_darker += Brightness(finished) > Brightness(painted) - 12;
        }
      }
    }
  }
  EXPECT_EQ(covered_changed, 0) << "pixels without grass changed on fixed tiles";
  EXPECT_GT(grass, 48 * 48 * 20) << "too little open grass on the fixed tiles to judge";
  EXPECT_LT(grass_not_darker, grass / 50) << "open grass pixels not clearly darker, of " << grass;
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
