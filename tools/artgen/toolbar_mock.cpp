// The toolbar's layout is the main window's: buttons of 25 x 25 (the maker's emblem 30 wide),
// the level display at 212, the two level buttons either side of the selector.
#include "tools/artgen/toolbar_mock.h"

#include "tools/artgen/image_ops.h"

namespace artgen {

namespace {

struct Button {
  const char* file;
  ToolbarPlace place;
  bool two_states;
};

// clang-format off
const Button kButtons[] = {
    {"btn_newgame.bmp", {4, 4, 25, 25}, false},  {"btn_restart.bmp", {32, 4, 25, 25}, true},
    {"btn_load.bmp", {60, 4, 25, 25}, true},     {"btn_save.bmp", {88, 4, 25, 25}, true},
    {"btn_sound.bmp", {116, 4, 25, 25}, true},   {"btn_exit.bmp", {144, 4, 25, 25}, false},
    {"btn_prev.bmp", {280, 7, 16, 20}, true},    {"btn_next.bmp", {381, 7, 16, 20}, true},
    {"btn_tongue.bmp", {400, 4, 25, 25}, false}, {"btn_rules.bmp", {429, 4, 25, 25}, false},
    {"btn_info.bmp", {457, 4, 25, 25}, false},   {"btn_zorbel.bmp", {485, 4, 30, 25}, false},
};
// clang-format on
constexpr ToolbarPlace kLevelDisplay{212, 7, 57, 20};
constexpr ToolbarPlace kLevelSelector{297, 8, 84, 19};

// A picture from a glyph file on the button face: the first image of a two-state glyph,
// centred on a button of the given size.
void PutButton(Image& panel, const Asset* asset, const ToolbarPlace& at, bool two_states) {
  if (asset == nullptr) return;
  const Image& glyph = asset->preview;
  const int glyph_width = two_states ? glyph.width / 2 : glyph.width;
  Paste(panel, Cropped(glyph, 0, 0, glyph_width, glyph.height), at.x + (at.w - glyph_width) / 2,
        at.y + (at.h - glyph.height) / 2);
}

}  // namespace

std::vector<ToolbarPlace> ToolbarControlPlaces() {
  std::vector<ToolbarPlace> places;
  for (int i = 0; i < 6; ++i) places.push_back(kButtons[i].place);
  places.push_back(kLevelDisplay);
  places.push_back(kButtons[6].place);
  places.push_back(kLevelSelector);
  for (int i = 7; i < 12; ++i) places.push_back(kButtons[i].place);
  return places;
}

// The level counter as the toolbar shows it: three digit cells at x 0, 13 and 26 (leading
// zeros blank) and the face at 42, on the black of the level display.
Image LevelCounter(const Image& glyphs, int level, bool solved) {
  Image counter(57, 20, Rgb{0, 0, 0});
  const int digits[3] = {level / 100 % 10, level / 10 % 10, level % 10};
  bool leading = true;
  for (int i = 0; i < 3; ++i) {
    if (digits[i] != 0) leading = false;
    const int x = (digits[i] == 0 && leading && i < 2) ? 110 : 11 * digits[i];
    Paste(counter, Cropped(glyphs, x, 0, 11, 20), 13 * i, 0);
  }
  Paste(counter, Cropped(glyphs, solved ? 122 : 135, 0, 13, 20), 42, 0);
  return counter;
}

Image ToolbarMock(const std::vector<Asset>& assets) {
  const Rgb face{212, 208, 200};
  Image panel(kToolbarWidth, kToolbarHeight, face);
  for (int x = 0; x < kToolbarWidth; ++x) {
    panel.at(x, 0) = Rgb{255, 255, 255};
    panel.at(x, kToolbarHeight - 1) = Rgb{128, 128, 128};
  }
  for (int y = 0; y < kToolbarHeight; ++y) {
    panel.at(0, y) = Rgb{255, 255, 255};
    panel.at(kToolbarWidth - 1, y) = Rgb{128, 128, 128};
  }
  for (const Button& button : kButtons) PutButton(panel, FindAsset(assets, button.file), button.place, button.two_states);
  // The selector's track, in the scroll bar's checkered grey.
  for (int y = kLevelSelector.y; y < kLevelSelector.y + kLevelSelector.h; ++y) {
    for (int x = kLevelSelector.x; x < kLevelSelector.x + kLevelSelector.w; ++x) {
      panel.at(x, y) = (x + y) % 2 == 0 ? Rgb{236, 234, 230} : face;
    }
  }
  if (const Asset* glyphs = FindAsset(assets, "glyphs.bmp")) {
    Paste(panel, LevelCounter(glyphs->preview, 12, false), kLevelDisplay.x, kLevelDisplay.y);
  }
  return panel;
}

}  // namespace artgen
