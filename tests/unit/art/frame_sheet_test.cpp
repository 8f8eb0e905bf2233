// The frame sheet as written to frame.bmp: the rules the board drawing relies on. The marker is
// drawn by AND with its mask and OR with its sprite, the gauge by copying rows of the two
// strips, and the background by copying the whole sheet under the tiles.
#include <gtest/gtest.h>

#include <set>

#include "tests/unit/art/generated_assets.h"

namespace art_test {
namespace {

using artgen::Image;
using artgen::Rgb;

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

class FrameSheet : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { sheet_ = new Image(BmpNamed("frame.bmp").image); }
  static void TearDownTestSuite() {
    delete sheet_;
    sheet_ = nullptr;
  }
  static Rgb at(int x, int y) { return sheet_->at(x, y); }
  static bool InMarkerRows(int x, int y) { return x >= 30 && x < 190 && y >= 30 && y < 70; }
  static bool InEmptyStrip(int x, int y) { return x >= 415 && x < 446 && y >= 32 && y < 347; }

  static Image* sheet_;
};

Image* FrameSheet::sheet_ = nullptr;

TEST_F(FrameSheet, MasksArePureBlackAndWhite) {
  for (int k = 0; k < 8; ++k) {
    int opaque = 0;
    for (int y = 50; y < 70; ++y) {
      for (int x = 30 + 20 * k; x < 50 + 20 * k; ++x) {
        ASSERT_TRUE(at(x, y) == kBlack || at(x, y) == kWhite)
            << "frame " << k << " at " << x << "," << y;
        opaque += at(x, y) == kBlack ? 1 : 0;
      }
    }
    // A car, not a speck and not a block.
    EXPECT_GT(opaque, 80) << "frame " << k;
    EXPECT_LT(opaque, 300) << "frame " << k;
  }
}

TEST_F(FrameSheet, SpritesAreBlackWhereTheMaskIsWhite) {
  for (int k = 0; k < 8; ++k) {
    for (int y = 0; y < 20; ++y) {
      for (int x = 20 * k; x < 20 * k + 20; ++x) {
        if (at(30 + x, 50 + y) == kWhite) {
          ASSERT_EQ(at(30 + x, 30 + y), kBlack) << "frame " << k << " at " << x << "," << y;
        }
      }
    }
  }
}

// Frame k shows the car turned by k * 45 degrees: no two frames look alike (the outlines of
// opposite headings may match, the headlights and the cabin do not).
TEST_F(FrameSheet, MarkerFramesShowTheCarTurning) {
  std::set<std::vector<int>> frames;
  for (int k = 0; k < 8; ++k) {
    std::vector<int> frame;
    for (int y = 30; y < 50; ++y) {
      for (int x = 30 + 20 * k; x < 50 + 20 * k; ++x) {
        frame.push_back((at(x, y).r << 16) | (at(x, y).g << 8) | at(x, y).b);
      }
    }
    frames.insert(frame);
  }
  EXPECT_EQ(frames.size(), 8u);
}

TEST_F(FrameSheet, BoardWindowIsBlackOutsideTheMarkerRowsAndTheEmptyStrip) {
  for (int y = 20; y <= 355; ++y) {
    for (int x = 22; x <= 453; ++x) {
      if (InMarkerRows(x, y) || InEmptyStrip(x, y)) continue;
      ASSERT_EQ(at(x, y), kBlack) << x << "," << y;
    }
  }
}

TEST_F(FrameSheet, BoardWindowHasALightGreenRimTopLeftAndADarkOneBottomRight) {
  const Rgb light = at(21, 19), dark = at(454, 356);
  EXPECT_GT(light.g, light.r);
  EXPECT_GT(light.g, light.b);
  EXPECT_GT(light.g, 150);
  EXPECT_LT(dark.r + dark.g + dark.b, 150);
  for (int x = 21; x <= 453; ++x) EXPECT_EQ(at(x, 19), light) << "top at " << x;
  for (int y = 19; y <= 355; ++y) EXPECT_EQ(at(21, y), light) << "left at " << y;
  for (int y = 19; y <= 356; ++y) EXPECT_EQ(at(454, y), dark) << "right at " << y;
  for (int x = 21; x <= 454; ++x) EXPECT_EQ(at(x, 356), dark) << "bottom at " << x;
}

// Stone, not a flat colour, and nothing of it black like the board window.
TEST_F(FrameSheet, FrameIsTexturedStone) {
  std::set<int> colours;
  for (int y = 0; y < 376; ++y) {
    for (int x = 0; x < 520; ++x) {
      if (x >= 21 && x <= 454 && y >= 19 && y <= 356) continue;
      const Rgb p = at(x, y);
      EXPECT_GT(p.r + p.g + p.b, 60) << x << "," << y;
      colours.insert((p.r << 16) | (p.g << 8) | p.b);
    }
  }
  EXPECT_GT(colours.size(), 200u);
}

// The gauge copies row y from one strip or the other, so the strips must agree wherever the
// lettering is not; the empty strip's lettering is dark, the full strip's bright blue.
TEST_F(FrameSheet, GaugeStripsShareTheirStoneAndDifferInTheLettering) {
  int blue_in_full = 0, blue_in_empty = 0;
  for (int y = 32; y < 347; ++y) {
    for (int x = 0; x < 31; ++x) {
      const Rgb empty = at(415 + x, y), full = at(469 + x, y);
      auto bright_blue = [](Rgb p) { return p.b > 200 && p.b > p.r + 60; };
      blue_in_full += bright_blue(full) ? 1 : 0;
      blue_in_empty += bright_blue(empty) ? 1 : 0;
    }
  }
  // Above the top letter and below the bottom one there is only stone.
  for (int y : {32, 33, 34, 35, 343, 344, 345, 346}) {
    for (int x = 0; x < 31; ++x) EXPECT_EQ(at(415 + x, y), at(469 + x, y)) << x << "," << y;
  }
  EXPECT_EQ(blue_in_empty, 0);
  EXPECT_GT(blue_in_full, 500);
}

}  // namespace
}  // namespace art_test
