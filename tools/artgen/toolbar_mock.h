// The main window's toolbar and its level counter, composed from the game's own glyph pictures
// as the window lays them out: for the contact sheet and for the pictures of the rules.
#pragma once

#include <cstddef>  // size_t, which image.h uses
#include <vector>

#include "midend/layout.h"
#include "tools/artgen/asset_set.h"
#include "tools/artgen/image.h"

namespace artgen {

inline constexpr int kToolbarWidth = verlumo::kToolbarLayout.width;
inline constexpr int kToolbarHeight = verlumo::kToolbarLayout.height;

// Where a control of the toolbar lies, in the toolbar's pixels.
struct ToolbarPlace {
  int x, y, w, h;
};

// The controls a player can tell apart, from left to right: the twelve buttons, the level
// display and the level selector, in the order the rules describe them.
std::vector<ToolbarPlace> ToolbarControlPlaces();

// The level counter (57 x 20) showing a level and the solved or unsolved face.
Image LevelCounter(const Image& glyphs, int level, bool solved);

// The toolbar at its actual size, the level counter showing level 12.
Image ToolbarMock(const std::vector<Asset>& assets);

}  // namespace artgen
