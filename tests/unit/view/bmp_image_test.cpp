// Decoding BMP file images, and refusing those whose parts lie outside the image.
#include "view/bmp_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

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

// A BMP file image of the given size whose pixel (x, y) shows colour(x, y): stored directly at 24
// bits, or at 8 bits as index(x, y) into a full 256-colour palette of colour(i, 0).
template <typename Colour, typename Index>
Bytes PaintedBmp(int width, int height, int bits, Colour colour, Index index) {
  const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
  Bytes palette, pixels(stride * static_cast<std::size_t>(height));
  if (bits == 8) {
    for (int i = 0; i < 256; ++i) {
      const std::uint32_t rgb = colour(i, 0);
      for (int shift : {0, 8, 16}) palette.push_back(static_cast<std::uint8_t>(rgb >> shift));
      palette.push_back(0);
    }
  }
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = &pixels[stride * static_cast<std::size_t>(height - 1 - y)];  // bottom-up
    for (int x = 0; x < width; ++x) {
      if (bits == 8) {
        row[x] = static_cast<std::uint8_t>(index(x, y));
      } else {
        const std::uint32_t rgb = colour(x, y);
        for (int i = 0; i < 3; ++i) row[3 * x + i] = static_cast<std::uint8_t>(rgb >> (8 * i));
      }
    }
  }
  return MakeBmp(width, height, bits, palette, pixels);
}

TEST(BmpImage, DecodesSheetsOfTheGamesOwnSizesAndDepths) {
  // Sizes above 255 need every header byte; 960 * 3 and 148 bytes make rows that need no padding.
  const auto colour = [](int x, int y) {
    return static_cast<std::uint32_t>(y << 12 | x) ^ 0x5A5A5A;
  };
  const auto index = [](int x, int y) { return (x + 13 * y) % 256; };  // every palette entry
  struct Case {
    int width, height, bits;
    bool colours_used_zero;  // 0 colours used means the full palette
    std::size_t stride;
  };
  for (const Case& c : {Case{960, 480, 24, false, 2880}, Case{520, 376, 24, false, 1560},
                        Case{148, 20, 8, false, 148}, Case{148, 20, 8, true, 148}}) {
    Bytes image = PaintedBmp(c.width, c.height, c.bits, colour, index);
    if (c.colours_used_zero) Put32(image, 46, 0);
    const BmpLayout layout = ParseBmpLayout(image);
    ASSERT_EQ(layout.error, "") << c.width << " x " << c.height;
    EXPECT_EQ(layout.row_stride, c.stride);
    EXPECT_EQ(layout.palette_entries, c.bits == 8 ? 256u : 0u);
    EXPECT_EQ(layout.bits_offset, c.bits == 8 ? 54u + 1024u : 54u);
    EXPECT_EQ(layout.info_offset, 14u) << "the header right behind the file header";

    const DecodedBmp decoded = DecodeBmp(image);
    ASSERT_EQ(decoded.width * 1000 + decoded.height, c.width * 1000 + c.height);
    std::vector<std::uint32_t> expected;
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x)
        expected.push_back(c.bits == 8 ? colour(index(x, y), 0) : colour(x, y));
    EXPECT_TRUE(decoded.pixels == expected) << c.width << " x " << c.height << " at " << c.bits;
  }
}

TEST(BmpImage, DecodesBottomUpRowsOf24BitsIntoTopDownPixels) {
  // 2 x 2: rows padded to 8 bytes; the first stored row is the bottom one. Blue, green, red.
  const Bytes pixels{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0, 0, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0, 0};
  const DecodedBmp decoded = DecodeBmp(MakeBmp(2, 2, 24, {}, pixels));
  ASSERT_EQ(decoded.error, "");
  EXPECT_EQ(decoded.pixels, (std::vector<std::uint32_t>{0x302010, 0x605040, 0x030201, 0x060504}));

  const DecodedBmp top_down = DecodeBmp(MakeBmp(2, -2, 24, {}, pixels));
  EXPECT_EQ(top_down.pixels, (std::vector<std::uint32_t>{0x030201, 0x060504, 0x302010, 0x605040}));

  const DecodedBmp with_alpha = DecodeBmp(MakeBmp(2, 1, 32, {}, {1, 2, 3, 0xFF, 4, 5, 6, 0xFF}));
  EXPECT_EQ(with_alpha.pixels, (std::vector<std::uint32_t>{0x030201, 0x060504})) << "32 bits";
}

// What the page's canvas and the WebP sheets get: red, green and blue of each pixel, top row
// first, and opaque, whatever a 32-bit picture holds in its fourth bytes.
TEST(BmpImage, GivesTheCanvasOpaqueRedGreenBlueBytes) {
  const Bytes bottom_up{1, 2, 3, 0, 0x80, 0x40, 0xFE, 0, 4, 5, 6, 0, 7, 8, 9, 0};  // blue, green, red, 0
  const DecodedBmp decoded = DecodeBmp(MakeBmp(2, 2, 32, {}, bottom_up));
  EXPECT_EQ(OpaqueRgbaBytes(decoded.pixels),
            (Bytes{6, 5, 4, 0xFF, 9, 8, 7, 0xFF, 3, 2, 1, 0xFF, 0xFE, 0x40, 0x80, 0xFF}));
}

TEST(BmpImage, DecodesPalettedPixelsOfEightFourAndOneBits) {
  const Bytes palette{0, 0, 0, 0, 0x00, 0xFF, 0xFF, 0};  // black, yellow
  const DecodedBmp eight = DecodeBmp(MakeBmp(3, 1, 8, palette, {1, 0, 1, 0}));
  ASSERT_EQ(eight.error, "");
  EXPECT_EQ(eight.pixels, (std::vector<std::uint32_t>{0xFFFF00, 0, 0xFFFF00}));

  const DecodedBmp four = DecodeBmp(MakeBmp(4, 1, 4, palette, {0x10, 0x32, 0, 0}));
  ASSERT_EQ(four.error, "");
  EXPECT_EQ(four.pixels, (std::vector<std::uint32_t>{0xFFFF00, 0, 0, 0}))
      << "indices 3 and 2 lie beyond the two-colour palette and show black";

  const Bytes grey_and_blue{0x80, 0x80, 0x80, 0, 0xFF, 0x20, 0x10, 0};
  const DecodedBmp one = DecodeBmp(MakeBmp(12, 1, 1, grey_and_blue, {0xA5, 0x30, 0, 0}));
  ASSERT_EQ(one.error, "");
  std::vector<std::uint32_t> expected;
  for (int bit : {1, 0, 1, 0, 0, 1, 0, 1, 0, 0, 1, 1}) expected.push_back(bit ? 0x1020FF : 0x808080);
  EXPECT_EQ(one.pixels, expected) << "eight pixels a byte, the first in the highest bit";
}

TEST(BmpImage, TakesSizesUpTo32768EitherWayAndNoMore) {
  const Bytes two_colours{0, 0, 0, 0, 0x44, 0x55, 0x66, 0};  // black and 0x665544
  for (auto [width, height, usable] : {std::tuple{1, 1, true}, {32768, 1, true}, {32769, 1, false},
                                       {1, 32768, true}, {1, 32769, false}, {1, -32768, true},
                                       {1, -32769, false}}) {
    const std::size_t stride = (static_cast<std::size_t>(width) + 31) / 32 * 4;
    const Bytes image = MakeBmp(width, height, 1, two_colours, Bytes(stride * std::abs(height), 0xFF));
    const DecodedBmp decoded = DecodeBmp(image);
    EXPECT_EQ(decoded.error.empty(), usable) << width << " x " << height;
    if (usable) {
      EXPECT_EQ(decoded.pixels, std::vector<std::uint32_t>(decoded.pixels.size(), 0x665544));
      EXPECT_EQ(decoded.pixels.size(), static_cast<std::size_t>(width) * std::abs(height));
    }
  }
}

TEST(BmpImage, RefusesImagesWhosePartsLieOutsideTheData) {
  const Bytes good = MakeBmp(2, 2, 24, {}, Bytes(16, 0));
  ASSERT_EQ(ParseBmpLayout(good).error, "");
  for (std::size_t length : {0u, 2u, 53u, 60u, 69u}) {
    EXPECT_FALSE(ParseBmpLayout(Bytes(good.begin(), good.begin() + length)).error.empty()) << length;
  }
  EXPECT_EQ(ParseBmpLayout(Bytes(good.begin(), good.begin() + 54)).error, "BMP pixels cut off")
      << "cut right behind its headers, which are whole";
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

TEST(BmpImage, RefusesWhatIsNoUsableBitmapSayingWhy) {
  // Each case spoils one field of a good image of 2 x 2 pixels with a four-colour palette.
  struct Case {
    const char* field;
    std::size_t at;
    std::uint32_t value;
    int depth;  // of the good image
    const char* error;
  };
  for (const Case& c : {
           Case{"signature", 0, 'X' | 'M' << 8, 24, "not a BMP image"},
           Case{"signature", 0, 'B' | 'A' << 8, 24, "not a BMP image"},
           Case{"header size", 14, 12, 24, "unsupported BMP header"},
           Case{"header size", 14, 39, 24, "unsupported BMP header"},
           Case{"header size", 14, 73, 24, "unsupported BMP header"},  // beyond the file
           Case{"depth", 28, 0, 24, "unsupported BMP pixel format"},
           Case{"depth", 28, 2, 24, "unsupported BMP pixel format"},
           Case{"depth", 28, 16, 24, "unsupported BMP pixel format"},
           Case{"depth", 28, 0x118, 24, "unsupported BMP pixel format"},  // 24 in the low byte
           Case{"width", 18, 0, 24, "BMP size out of range"},
           Case{"width", 18, 0xFFFFFFFF, 24, "BMP size out of range"},
           Case{"width", 18, 0x10002, 24, "BMP size out of range"},  // 2 in the low bytes
           Case{"height", 22, 0, 24, "BMP size out of range"},
           Case{"colours used", 46, 0, 8, "BMP palette cut off"},  // 256 colours wanted
       }) {
    Bytes image = MakeBmp(2, 2, c.depth, Bytes(16, 0x33), Bytes(16, 0));
    ASSERT_EQ(ParseBmpLayout(image).error, "");
    const int field_size = c.at == 0 || c.at == 28 ? 2 : 4;
    for (int i = 0; i < field_size; ++i)
      image[c.at + i] = static_cast<std::uint8_t>(c.value >> (8 * i));
    EXPECT_EQ(ParseBmpLayout(image).error, c.error) << c.field << " " << c.value;
    const DecodedBmp refused = DecodeBmp(image);
    EXPECT_FALSE(refused.error.empty());
    EXPECT_TRUE(refused.width == 0 && refused.height == 0 && refused.pixels.empty())
        << "a refused picture has no size a surface could be made of";
  }
}

}  // namespace
}  // namespace verlumo
