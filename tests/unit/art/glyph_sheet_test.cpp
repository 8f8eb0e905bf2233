// The glyph sheet as written to glyphs.bmp: the level counter copies 11 x 20 digit cells and
// 13 x 20 face cells from fixed places, so the dot grid, the exact LED colours and the black
// separator column must be where the counter expects them.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "tests/unit/art/generated_assets.h"

namespace art_test {
namespace {

using artgen::Rgb;

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kLit{255, 255, 0};
constexpr Rgb kUnlit{64, 64, 0};

class GlyphSheet : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { bmp_ = new DecodedBmp(BmpNamed("glyphs.bmp")); }
  static void TearDownTestSuite() {
    delete bmp_;
    bmp_ = nullptr;
  }
  static Rgb at(int x, int y) { return bmp_->image.at(x, y); }

  // The 28 dots of the digit cell at `left`, lit or not, row by row.
  static std::vector<bool> Dots(int left) {
    std::vector<bool> dots;
    for (int row = 0; row < 7; ++row) {
      for (int column = 0; column < 4; ++column) {
        const Rgb colour = at(left + column * 3, row * 3);
        for (int dy = 0; dy < 2; ++dy) {
          for (int dx = 0; dx < 2; ++dx) {
            EXPECT_EQ(at(left + column * 3 + dx, row * 3 + dy), colour) << "dot is 2 x 2";
          }
        }
        EXPECT_TRUE(colour == kLit || colour == kUnlit) << left << ": dot " << column << "," << row;
        dots.push_back(colour == kLit);
      }
    }
    return dots;
  }

  static DecodedBmp* bmp_;
};

DecodedBmp* GlyphSheet::bmp_ = nullptr;

TEST_F(GlyphSheet, IsPalettisedWithTheExactLedColours) {
  EXPECT_EQ(bmp_->bits_per_pixel, 8);
  ASSERT_EQ(bmp_->palette.size(), 256u);
  std::set<int> used(bmp_->indices.begin(), bmp_->indices.end());
  bool black = false, lit = false, unlit = false;
  for (int index : used) {
    black |= bmp_->palette[index] == kBlack;
    lit |= bmp_->palette[index] == kLit;
    unlit |= bmp_->palette[index] == kUnlit;
  }
  EXPECT_TRUE(black && lit && unlit);
}

TEST_F(GlyphSheet, DigitsAreDistinctDotMatricesWithBlackGaps) {
  std::set<std::vector<bool>> patterns;
  for (int d = 0; d <= 10; ++d) {
    const int left = 11 * d;  // digit 10 is the blank digit at 110
    const std::vector<bool> dots = Dots(left);
    int lit = 0;
    for (bool dot : dots) lit += dot ? 1 : 0;
    if (d == 10) {
      EXPECT_EQ(lit, 0) << "the blank digit shows no lit dot";
    } else {
      EXPECT_GE(lit, 9) << "digit " << d;
    }
    patterns.insert(dots);
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 11; ++x) {
        const bool gap = x % 3 == 2 || y % 3 == 2;
        if (gap) {
          EXPECT_EQ(at(left + x, y), kBlack) << "digit " << d << " at " << x << "," << y;
        }
      }
    }
  }
  EXPECT_EQ(patterns.size(), 11u);
}

TEST_F(GlyphSheet, SeparatorColumnIsBlack) {
  for (int y = 0; y < 20; ++y) EXPECT_EQ(at(121, y), kBlack) << y;
}

// The solved face is yellow, the unsolved face red, each on black within its own cell.
TEST_F(GlyphSheet, FacesAreYellowAndRed) {
  auto count = [](int left, auto predicate) {
    int n = 0;
    for (int y = 0; y < 20; ++y) {
      for (int x = left; x < left + 13; ++x) n += predicate(at(x, y)) ? 1 : 0;
    }
    return n;
  };
  auto yellow = [](Rgb p) { return p.r > 200 && p.g > 160 && p.b < 90; };
  auto red = [](Rgb p) { return p.r > 170 && p.g < 90 && p.b < 90; };
  EXPECT_GT(count(122, yellow), 30);
  EXPECT_EQ(count(122, red), 0);
  EXPECT_GT(count(135, red), 30);
  EXPECT_EQ(count(135, yellow), 0);
  for (int left : {122, 135}) {
    for (int y : {0, 19}) {
      for (int x = left; x < left + 13; ++x)
        EXPECT_EQ(at(x, y), kBlack) << "face touches its cell's edge at " << x;
    }
  }
}

}  // namespace
}  // namespace art_test
