// Properties of the drawings that the files alone do not show: the car never runs off its
// 20 x 20 frame, glyph pictures keep their bottom-left pixel free, and the icon's colour image
// is black wherever its mask lets the screen through.
#include <gtest/gtest.h>

#include "tools/artgen/button_picture.h"
#include "tools/artgen/canvas.h"
#include "tools/artgen/marker.h"
#include "tools/artgen/window_icon.h"

namespace art_test {
namespace {

using artgen::Rgb;

// A car pixel on the frame's border would be cut off by the next frame or by the tile edge.
TEST(Marker, CarStaysInsideItsFrameWithAMargin) {
  for (int k = 0; k < artgen::kMarkerFrames; ++k) {
    const artgen::MarkerFrame frame = artgen::DrawMarkerFrame(k);
    ASSERT_EQ(frame.mask.width, 20);
    ASSERT_EQ(frame.mask.height, 20);
    for (int i = 0; i < 20; ++i) {
      for (const auto& [x, y] :
           {std::pair{i, 0}, std::pair{i, 19}, std::pair{0, i}, std::pair{19, i}}) {
        EXPECT_EQ(frame.mask.at(x, y), (Rgb{255, 255, 255}))
            << "frame " << k << " at " << x << "," << y;
      }
    }
  }
}

TEST(ButtonPicture, RefusesADrawingThatCoversTheTransparentCorner) {
  artgen::Canvas canvas(8, 8);
  cairo_rectangle(canvas.cr(), 0, 4, 4, 4);
  cairo_set_source_rgb(canvas.cr(), 0, 0, 1);
  cairo_fill(canvas.cr());
  EXPECT_THROW(artgen::KeyedPicture(canvas), std::logic_error);
}

TEST(ButtonPicture, BarelyCoveredPixelsBecomeTransparent) {
  artgen::Canvas canvas(8, 8);
  cairo_rectangle(canvas.cr(), 2, 0, 4, 4);
  cairo_set_source_rgb(canvas.cr(), 0, 0, 1);
  cairo_fill(canvas.cr());
  cairo_rectangle(canvas.cr(), 2, 6, 4, 1);
  cairo_set_source_rgba(canvas.cr(), 0, 0, 1, 0.1);
  cairo_fill(canvas.cr());
  const artgen::Image keyed = artgen::KeyedPicture(canvas);
  EXPECT_EQ(keyed.at(3, 1), (Rgb{0, 0, 255}));
  EXPECT_EQ(keyed.at(3, 6), artgen::kTransparentKey);
  EXPECT_EQ(keyed.at(0, 7), artgen::kTransparentKey);
}

TEST(WindowIcon, SixteenColourImageIsBlackWhereTransparentAndOpaqueInTheMiddle) {
  const std::vector<artgen::IconImage> images = artgen::DrawWindowIcon();
  ASSERT_FALSE(images.empty());
  const artgen::IconImage& icon = images.front();
  ASSERT_EQ(icon.size, 32);
  ASSERT_LE(icon.indexed.palette.size(), 16u);
  EXPECT_FALSE(icon.opaque[0]) << "the rounded corner is transparent";
  EXPECT_TRUE(icon.opaque[16 * 32 + 16]);
  for (int i = 0; i < 32 * 32; ++i) {
    if (!icon.opaque[i]) {
      EXPECT_EQ(icon.indexed.at(i % 32, i / 32), (Rgb{0, 0, 0})) << i;
    }
  }
}

}  // namespace
}  // namespace art_test
