// The file encoders and the palette reduction, on small pictures whose bytes can be checked by
// hand: row order and padding, nibble order, palette padding, masks and chunk padding.
#include <gtest/gtest.h>

#include "tests/unit/art/bmp_reader.h"
#include "tools/artgen/bmp_writer.h"
#include "tools/artgen/ico_writer.h"
#include "tools/artgen/palette.h"
#include "tools/artgen/wav_writer.h"

namespace art_test {
namespace {

using artgen::Image;
using artgen::IndexedImage;
using artgen::Rgb;

TEST(BmpEncoder, TrueColourRoundTripsWithPaddedBottomUpRows) {
  Image image(3, 2);
  image.at(0, 0) = Rgb{255, 0, 0};
  image.at(2, 0) = Rgb{1, 2, 3};
  image.at(1, 1) = Rgb{0, 0, 255};
  const Bytes file = artgen::EncodeBmp24(image);
  EXPECT_EQ(file.size(), 54u + 2 * 12);  // 9 bytes of pixels padded to 12 per row
  // The bottom row comes first: its middle pixel is blue, stored blue-green-red.
  EXPECT_EQ(file[54 + 3], 255);
  const DecodedBmp bmp = DecodeBmp(file);
  EXPECT_EQ(bmp.bits_per_pixel, 24);
  EXPECT_TRUE(bmp.image.pixels == image.pixels);
}

TEST(BmpEncoder, FourBitPicturesPackTheLeftPixelIntoTheHighNibble) {
  IndexedImage image{3, 1, {Rgb{0, 0, 0}, Rgb{9, 9, 9}, Rgb{200, 0, 0}}, {1, 2, 1}};
  const Bytes file = artgen::EncodeBmpIndexed(image, 4);
  const DecodedBmp bmp = DecodeBmp(file);
  EXPECT_EQ(bmp.bits_per_pixel, 4);
  EXPECT_EQ(bmp.palette.size(), 16u);  // padded to the full table
  EXPECT_EQ(file.size(), 54u + 16 * 4 + 4);
  EXPECT_EQ(file[54 + 64], 0x12);
  EXPECT_EQ(file[54 + 65], 0x10);
  EXPECT_EQ(bmp.indices, (std::vector<std::uint8_t>{1, 2, 1}));
  EXPECT_EQ(bmp.image.at(1, 0), (Rgb{200, 0, 0}));
}

TEST(BmpEncoder, EightBitPicturesCarryA256EntryPalette) {
  IndexedImage image{2, 2, {Rgb{10, 20, 30}, Rgb{40, 50, 60}}, {0, 1, 1, 0}};
  const DecodedBmp bmp = DecodeBmp(artgen::EncodeBmpIndexed(image, 8));
  EXPECT_EQ(bmp.palette.size(), 256u);
  EXPECT_EQ(bmp.image.at(1, 0), (Rgb{40, 50, 60}));
  EXPECT_EQ(bmp.image.at(1, 1), (Rgb{10, 20, 30}));
}

TEST(BmpEncoder, RefusesPalettesAndIndicesThatDoNotFit) {
  IndexedImage too_many{1, 1, std::vector<Rgb>(17), {0}};
  EXPECT_THROW(artgen::EncodeBmpIndexed(too_many, 4), std::invalid_argument);
  IndexedImage outside{1, 1, {Rgb{}}, {3}};
  EXPECT_THROW(artgen::EncodeBmpIndexed(outside, 8), std::invalid_argument);
  EXPECT_THROW(artgen::EncodeBmpIndexed(outside, 24), std::invalid_argument);
}

TEST(IcoEncoder, SixteenColourImageHasItsMaskBitsSetWhereTransparent) {
  artgen::IconImage image;
  image.size = 32;
  image.indexed =
      IndexedImage{32, 32, {Rgb{0, 0, 0}, Rgb{0, 200, 0}}, std::vector<std::uint8_t>(1024, 1)};
  image.opaque.assign(1024, true);
  image.opaque[0] = false;  // top-left pixel
  const Bytes file = artgen::EncodeIco({image});
  const std::vector<IconEntry> entries = DecodeIco(file);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].header_bits_per_pixel, 4);
  EXPECT_EQ(entries[0].colour_count, 16);
  // The mask is the last 128 bytes, bottom row first: the top row is the last 4 bytes.
  EXPECT_EQ(file[file.size() - 4], 0x80);
  EXPECT_EQ(file[file.size() - 5], 0x00);
  EXPECT_EQ(file[file.size() - 128], 0x00);
}

TEST(IcoEncoder, RefusesAMaskOfTheWrongSize) {
  artgen::IconImage image;
  image.size = 16;
  image.rgb = Image(16, 16);
  image.alpha.assign(256, 255);
  image.opaque.assign(10, true);
  EXPECT_THROW(artgen::EncodeIco({image}), std::invalid_argument);
}

TEST(WavEncoder, OddSampleCountsArePaddedButCountedExactly) {
  const DecodedWav wav = DecodeWav(artgen::EncodeWav8Mono(Bytes{128, 200, 56}, 11025));
  EXPECT_EQ(wav.samples, (Bytes{128, 200, 56}));
  EXPECT_EQ(wav.samples_per_second, 11025);
  EXPECT_EQ(wav.riff_size, 4u + 24 + 8 + 3 + 1);
  const DecodedWav even = DecodeWav(artgen::EncodeWav8Mono(Bytes{1, 2}, 22050));
  EXPECT_EQ(even.riff_size, 4u + 24 + 8 + 2);
}

TEST(Palette, KeptColoursComeFirstAndStayExact) {
  Image image(40, 1);
  for (int x = 0; x < 40; ++x) image.at(x, 0) = Rgb{static_cast<std::uint8_t>(x * 6), 100, 50};
  image.at(7, 0) = Rgb{255, 255, 0};
  const IndexedImage reduced = artgen::Quantise(image, 8, {Rgb{0, 0, 0}, Rgb{255, 255, 0}});
  ASSERT_LE(reduced.palette.size(), 8u);
  EXPECT_EQ(reduced.palette[0], (Rgb{0, 0, 0}));
  EXPECT_EQ(reduced.palette[1], (Rgb{255, 255, 0}));
  EXPECT_EQ(reduced.index_at(7, 0), 1);
  // Every other pixel lands near its own colour.
  for (int x = 0; x < 40; ++x) {
    if (x == 7) continue;
    EXPECT_LE(std::abs(reduced.at(x, 0).r - image.at(x, 0).r), 24) << x;
  }
}

TEST(Palette, PicturesWithFewColoursKeepThemAll) {
  Image image(3, 3, Rgb{1, 2, 3});
  image.at(1, 1) = Rgb{200, 100, 0};
  image.at(2, 2) = Rgb{0, 100, 200};
  const IndexedImage reduced = artgen::Quantise(image, 16);
  EXPECT_EQ(reduced.palette.size(), 3u);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(reduced.at(x, y), image.at(x, y));
  }
  EXPECT_THROW(artgen::Quantise(image, 0), std::invalid_argument);
  EXPECT_THROW(artgen::Quantise(image, 1, {Rgb{}, Rgb{1, 1, 1}}), std::invalid_argument);
}

}  // namespace
}  // namespace art_test
