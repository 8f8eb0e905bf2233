// Decoding BMP file images, and refusing those whose parts lie outside the image.
#include "view/bmp_image.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace verlumo {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A BMP file image with the given header fields, palette and pixel bytes.
Bytes MakeBmp(int width, int height, int bits, const Bytes& palette, const Bytes& pixels) {
  Bytes b(54 + palette.size() + pixels.size());
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 10, static_cast<std::uint32_t>(54 + palette.size()));
  Put32(b, 14, 40);
  Put32(b, 18, static_cast<std::uint32_t>(width));
  Put32(b, 22, static_cast<std::uint32_t>(height));
  b[26] = 1;
  b[28] = static_cast<std::uint8_t>(bits);
  Put32(b, 46, static_cast<std::uint32_t>(palette.size() / 4));
  std::copy(palette.begin(), palette.end(), b.begin() + 54);
  std::copy(pixels.begin(), pixels.end(), b.begin() + 54 + static_cast<std::ptrdiff_t>(palette.size()));
  return b;
}

TEST(BmpImage, DecodesBottomUpRowsOf24BitsIntoTopDownPixels) {
  // 2 x 2: rows padded to 8 bytes; the first stored row is the bottom one. Blue, green, red.
  const Bytes pixels{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0, 0, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0, 0};
  const DecodedBmp decoded = DecodeBmp(MakeBmp(2, 2, 24, {}, pixels));
  ASSERT_EQ(decoded.error, "");
  EXPECT_EQ(decoded.pixels, (std::vector<std::uint32_t>{0x302010, 0x605040, 0x030201, 0x060504}));

  const DecodedBmp top_down = DecodeBmp(MakeBmp(2, -2, 24, {}, pixels));
  EXPECT_EQ(top_down.pixels, (std::vector<std::uint32_t>{0x030201, 0x060504, 0x302010, 0x605040}));
}

TEST(BmpImage, DecodesPalettedPixelsOfEightAndFourBits) {
  const Bytes palette{0, 0, 0, 0, 0x00, 0xFF, 0xFF, 0};  // black, yellow
  const DecodedBmp eight = DecodeBmp(MakeBmp(3, 1, 8, palette, {1, 0, 1, 0}));
  ASSERT_EQ(eight.error, "");
  EXPECT_EQ(eight.pixels, (std::vector<std::uint32_t>{0xFFFF00, 0, 0xFFFF00}));

  const DecodedBmp four = DecodeBmp(MakeBmp(3, 1, 4, palette, {0x10, 0x30, 0, 0}));
  ASSERT_EQ(four.error, "");
  EXPECT_EQ(four.pixels, (std::vector<std::uint32_t>{0xFFFF00, 0, 0}))
      << "index 3 lies beyond the two-colour palette and shows black";
}

TEST(BmpImage, RefusesImagesWhosePartsLieOutsideTheData) {
  const Bytes good = MakeBmp(2, 2, 24, {}, Bytes(16, 0));
  ASSERT_EQ(ParseBmpLayout(good).error, "");
  for (std::size_t length : {0u, 2u, 53u, 60u, 69u}) {
    EXPECT_FALSE(ParseBmpLayout(Bytes(good.begin(), good.begin() + length)).error.empty()) << length;
  }
  Bytes bad_offset = good;
  Put32(bad_offset, 10, 0xFFFFFFF0);
  EXPECT_FALSE(ParseBmpLayout(bad_offset).error.empty());
  Bytes huge = good;
  Put32(huge, 18, 0x7FFFFFFF);
  EXPECT_FALSE(ParseBmpLayout(huge).error.empty());
  Bytes most_negative = good;
  Put32(most_negative, 22, 0x80000000);
  EXPECT_FALSE(ParseBmpLayout(most_negative).error.empty());
  Bytes compressed = good;
  compressed[30] = 1;
  EXPECT_FALSE(ParseBmpLayout(compressed).error.empty());
  Bytes long_palette = MakeBmp(1, 1, 1, Bytes(12, 0), Bytes(4, 0));
  EXPECT_FALSE(ParseBmpLayout(long_palette).error.empty()) << "three colours for one bit";
}

}  // namespace
}  // namespace verlumo
