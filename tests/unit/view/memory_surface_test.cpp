// Copies between memory surfaces are clipped to both surfaces, as GDI clips them; a copy that
// clips away to nothing must not touch, nor even point at, a pixel past either surface.
#include "view/memory_surface.h"

#include <gtest/gtest.h>

namespace verlumo {
namespace {

TEST(MemorySurface, CopiesClippedToNothingAtAnyEdgeChangeNothing) {
  const MemorySurface source(4, 3, 0xABCDEF);
  MemorySurface target(5, 5, 0x111111);
  // Starting at the source's last column or row, beyond the target, or of no size at all;
  // built with library assertions each of these once stopped on an index past the pixels.
  target.Copy(0, 0, 3, 3, source, 4, 2, RasterOp::kCopy);
  target.Copy(0, 0, 3, 3, source, 0, 3, RasterOp::kPaint);
  target.Copy(5, 4, 3, 3, source, 0, 0, RasterOp::kAnd);
  target.Copy(2, 2, 0, 9, source, 0, 0, RasterOp::kCopy);
  target.Copy(2, 2, -3, 2, source, 0, 0, RasterOp::kCopy);
  EXPECT_EQ(target.pixels(), MemorySurface(5, 5, 0x111111).pixels());
  EXPECT_EQ(target.copy_count(), 5);

  // A copy hanging over the target's corner keeps only what lies inside.
  target.Copy(3, 4, 4, 3, source, 0, 0, RasterOp::kCopy);
  EXPECT_EQ(target.pixel(3, 4), 0xABCDEFu);
  EXPECT_EQ(target.pixel(4, 4), 0xABCDEFu);
  EXPECT_EQ(target.pixel(2, 4), 0x111111u);
  EXPECT_EQ(target.pixel(4, 3), 0x111111u);
}

TEST(MemorySurface, APictureOfTooFewPixelsIsFilledUpWithBlack) {
  const MemorySurface picture(3, 2, std::vector<std::uint32_t>{7});
  EXPECT_EQ(picture.pixels(), (std::vector<std::uint32_t>{7, 0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace verlumo
