// The files as the Windows build embeds them: each one parses, has the size and pixel format
// its place in the game needs, the sounds have their exact lengths and formats, the icon holds
// a 16-colour 32 x 32 image, and two runs give the same bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>

#include "midend/layout.h"
#include "tests/unit/art/generated_assets.h"
#include "tools/artgen/asset_set.h"

namespace art_test {
namespace {

struct BmpFormat {
  const char* name;
  int width;
  int height;
  int bits_per_pixel;
};

// Every BMP the generator writes. Two-state glyphs hold two images side by side.
// clang-format off
constexpr BmpFormat kBmpFormats[] = {
    {"tiles.bmp", 960, 480, 24},        {"frame.bmp", 520, 376, 24},
    {"glyphs.bmp", 148, 20, 8},         {"btn_newgame.bmp", 18, 18, 24},
    {"btn_restart.bmp", 36, 18, 24},    {"btn_load.bmp", 36, 18, 24},
    {"btn_save.bmp", 36, 18, 24},       {"btn_sound.bmp", 32, 16, 24},
    {"btn_exit.bmp", 18, 18, 24},       {"btn_prev.bmp", 30, 15, 24},
    {"btn_next.bmp", 30, 15, 24},       {"btn_tongue.bmp", 15, 15, 24},
    {"btn_rules.bmp", 18, 18, 24},      {"btn_info.bmp", 18, 18, 24},
    {"btn_zorbel.bmp", 26, 20, 24},     {"dlg_smile.bmp", 17, 17, 24},
    {"dlg_again.bmp", 36, 18, 24},      {"dlg_cross.bmp", 36, 18, 24},
    {"dlg_tick.bmp", 36, 18, 24},       {"flags_english.bmp", 53, 20, 24},
    {"flags_german.bmp", 80, 20, 24},   {"logo.bmp", 100, 75, 8},
    {"association.bmp", 119, 68, 4},    {"splash.bmp", 200, 150, 8},
    {"setup_welcome.bmp", 164, 314, 24}, {"setup_header.bmp", 150, 57, 24},
};
// clang-format on

TEST(ArtFiles, EveryBitmapHasItsSizeAndPixelFormat) {
  for (const BmpFormat& expected : kBmpFormats) {
    SCOPED_TRACE(expected.name);
    const DecodedBmp bmp = BmpNamed(expected.name);
    EXPECT_EQ(bmp.width, expected.width);
    EXPECT_EQ(bmp.height, expected.height);
    EXPECT_EQ(bmp.bits_per_pixel, expected.bits_per_pixel);
    if (expected.bits_per_pixel <= 8) {
      EXPECT_EQ(bmp.palette.size(), size_t{1} << expected.bits_per_pixel);
    }
  }
}

TEST(ArtFiles, NoFileNameIsUsedTwiceAndEveryFileIsListed) {
  std::set<std::string> names;
  for (const artgen::Asset& asset : GeneratedAssets()) {
    EXPECT_TRUE(names.insert(asset.file_name).second) << asset.file_name;
    EXPECT_FALSE(asset.bytes.empty()) << asset.file_name;
  }
  for (const BmpFormat& expected : kBmpFormats)
    EXPECT_TRUE(names.count(expected.name)) << expected.name;
  for (const char* other : {"solved.wav", "click.wav", "verlumo.ico"})
    EXPECT_TRUE(names.count(other)) << other;
}

// The glyph pictures are drawn with their background in the colour of the bottom-left pixel,
// which the buttons make transparent; the picture itself must show something else.
TEST(ArtFiles, GlyphPicturesAreTransparentAtTheBottomLeft) {
  const artgen::Rgb key{255, 0, 255};
  for (const BmpFormat& expected : kBmpFormats) {
    const std::string name = expected.name;
    if (name.rfind("btn_", 0) != 0 && name.rfind("dlg_", 0) != 0 && name.rfind("flags_", 0) != 0)
      continue;
    SCOPED_TRACE(name);
    const DecodedBmp bmp = BmpNamed(name);
    EXPECT_EQ(bmp.image.at(0, bmp.height - 1), key);
    int drawn = 0;
    for (const artgen::Rgb& p : bmp.image.pixels) drawn += p == key ? 0 : 1;
    EXPECT_GT(drawn, bmp.width * bmp.height / 5);
    EXPECT_LT(drawn, bmp.width * bmp.height);
  }
}

// The pictures around the board as the layout names them.
std::vector<verlumo::Picture> LaidOutPictures() {
  std::vector<verlumo::Picture> pictures;
  for (int i = static_cast<int>(verlumo::Picture::kNewGame); i <= static_cast<int>(verlumo::Picture::kSplash); ++i) {
    pictures.push_back(static_cast<verlumo::Picture>(i));
  }
  return pictures;
}

// Every picture the toolbar and the dialogs place is a file made here, and a picture drawn whole
// fills the box the layout gives it (the page sizes its picture by the box).
TEST(ArtFiles, EveryPictureTheLayoutPlacesIsMadeAndFitsItsBox) {
  for (const verlumo::Picture picture : LaidOutPictures()) {
    EXPECT_NO_THROW(FileNamed(std::string(verlumo::PictureFileOf(picture).stem) + ".bmp"));
  }
  for (const verlumo::DialogName dialog : {verlumo::DialogName::kInfo, verlumo::DialogName::kSplash}) {
    for (const verlumo::Control& control : verlumo::DialogLayoutOf(dialog).controls) {
      if (control.kind != verlumo::ControlKind::kPicture) continue;
      const DecodedBmp bmp = BmpNamed(std::string(verlumo::PictureFileOf(control.picture).stem) + ".bmp");
      EXPECT_EQ(bmp.width, control.box.width) << control.name;
      EXPECT_EQ(bmp.height, control.box.height) << control.name;
    }
  }
}

// The greyed image of a two-state glyph, as the layout counts them, is grey: the shadow, the
// highlight and the button face between them, and nothing coloured.
TEST(ArtFiles, GreyedImagesHoldNoColour) {
  for (const verlumo::Picture picture : LaidOutPictures()) {
    const verlumo::PictureFile file = verlumo::PictureFileOf(picture);
    if (file.images != 2) continue;
    const std::string name = std::string(file.stem) + ".bmp";
    SCOPED_TRACE(name);
    const DecodedBmp bmp = BmpNamed(name);
    const artgen::Rgb key{255, 0, 255};
    int shaded = 0;
    for (int y = 0; y < bmp.height; ++y) {
      for (int x = bmp.width / 2; x < bmp.width; ++x) {
        const artgen::Rgb p = bmp.image.at(x, y);
        if (p == key) continue;
        ++shaded;
        EXPECT_LE(std::max({p.r, p.g, p.b}) - std::min({p.r, p.g, p.b}), 12) << x << "," << y;
      }
    }
    EXPECT_GT(shaded, 20);
  }
}

TEST(ArtFiles, SoundsHaveTheirExactFormatsAndLengths) {
  struct Expected {
    const char* name;
    int rate;
    size_t samples;
  };
  for (const Expected& expected :
       {Expected{"solved.wav", 22050, 77992}, Expected{"click.wav", 11025, 661}}) {
    SCOPED_TRACE(expected.name);
    const DecodedWav wav = DecodeWav(FileNamed(expected.name));
    EXPECT_EQ(wav.format, 1);  // PCM
    EXPECT_EQ(wav.channels, 1);
    EXPECT_EQ(wav.bits_per_sample, 8);
    EXPECT_EQ(wav.samples_per_second, expected.rate);
    ASSERT_EQ(wav.samples.size(), expected.samples);
    // Starting and ending at the silence level keeps the speaker from clicking.
    EXPECT_EQ(wav.samples.front(), 128);
    EXPECT_EQ(wav.samples.back(), 128);
    int loudest = 0;
    for (std::uint8_t s : wav.samples) loudest = std::max(loudest, std::abs(s - 128));
    EXPECT_GT(loudest, 40) << "audible";
    EXPECT_LT(loudest, 128) << "not clipped";
  }
}

TEST(ArtFiles, IconHoldsA16ColourImageOf32Pixels) {
  const std::vector<IconEntry> entries = DecodeIco(FileNamed("verlumo.ico"));
  bool found = false;
  for (const IconEntry& entry : entries) {
    if (entry.width != 32 || entry.height != 32 || entry.header_bits_per_pixel != 4) continue;
    found = true;
    EXPECT_EQ(entry.colour_count, 16);
    EXPECT_EQ(entry.bits_per_pixel, 4);
    EXPECT_EQ(entry.header_height, 64);  // colour image and mask
    EXPECT_EQ(entry.palette_entries, 16u);
  }
  EXPECT_TRUE(found);
}

TEST(ArtFiles, TwoRunsGiveTheSameBytes) {
  const std::vector<artgen::Asset> again = artgen::MakeAssets();
  ASSERT_EQ(again.size(), GeneratedAssets().size());
  for (size_t i = 0; i < again.size(); ++i) {
    EXPECT_EQ(again[i].file_name, GeneratedAssets()[i].file_name);
    EXPECT_TRUE(again[i].bytes == GeneratedAssets()[i].bytes) << again[i].file_name;
  }
}

}  // namespace
}  // namespace art_test
