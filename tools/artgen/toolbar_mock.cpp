// The toolbar as the main window lays it out, from the mid-end's table of it.
#include "tools/artgen/toolbar_mock.h"

#include "tools/artgen/image_ops.h"

namespace artgen {

namespace {

using verlumo::kToolbarLayout;

ToolbarPlace PlaceOf(const verlumo::Box& box) { return {box.left, box.top, box.width, box.height}; }

// A picture from a glyph file on the button face: the first image of a two-state glyph,
// centred on a button of the given size.
void PutButton(Image& panel, const std::vector<Asset>& assets, const verlumo::ToolbarButton& button) {
  const verlumo::PictureFile file = verlumo::PictureFileOf(button.picture);
  const Asset* asset = FindAsset(assets, std::string(file.stem) + ".bmp");
  if (asset == nullptr) return;
  const ToolbarPlace at = PlaceOf(button.box);
  const Image& glyph = asset->preview;
  const int glyph_width = glyph.width / file.images;
  Paste(panel, Cropped(glyph, 0, 0, glyph_width, glyph.height), at.x + (at.w - glyph_width) / 2,
        at.y + (at.h - glyph.height) / 2);
}

}  // namespace

std::vector<ToolbarPlace> ToolbarControlPlaces() {
  std::vector<ToolbarPlace> places;
  const auto& buttons = kToolbarLayout.buttons;
  for (int i = 0; i < 6; ++i) places.push_back(PlaceOf(buttons[i].box));
  places.push_back(PlaceOf(kToolbarLayout.level_counter));
  places.push_back(PlaceOf(buttons[6].box));
  places.push_back(PlaceOf(kToolbarLayout.level_selector));
  for (int i = 7; i < 12; ++i) places.push_back(PlaceOf(buttons[i].box));
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
  for (const verlumo::ToolbarButton& button : kToolbarLayout.buttons) PutButton(panel, assets, button);
  // The selector's track, in the scroll bar's checkered grey.
  const ToolbarPlace selector = PlaceOf(kToolbarLayout.level_selector);
  for (int y = selector.y; y < selector.y + selector.h; ++y) {
    for (int x = selector.x; x < selector.x + selector.w; ++x) {
      panel.at(x, y) = (x + y) % 2 == 0 ? Rgb{236, 234, 230} : face;
    }
  }
  if (const Asset* glyphs = FindAsset(assets, "glyphs.bmp")) {
    Paste(panel, LevelCounter(glyphs->preview, 12, false), kToolbarLayout.level_counter.left,
          kToolbarLayout.level_counter.top);
  }
  return panel;
}

}  // namespace artgen
