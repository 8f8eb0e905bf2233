// The tile sheet: 200 pictures of 48 x 48 pixels, code c at ((c mod 20) * 48, (c div 20) * 48),
// and preview scenes assembled from it for the contact sheet.
#pragma once

#include <string>
#include <vector>

#include <cstddef>  // image.h uses size_t

#include "tools/artgen/image.h"
#include "tools/artgen/tiles/ground.h"

namespace artgen {

// Paints all 200 tile pictures (960 x 480). Deterministic: every call gives the same pixels.
// Every movable tile (codes 0 to 90) is raised as a piece lying on the landscape (piece_relief.h);
// the fixed tiles lie flat in it, on a deeper grass of their own (fixed_ground.h).
Image DrawTileSheet();

// The same pictures as painted, before the movable tiles are raised: the landscape in which
// roads, grass and scenery join pixel for pixel across every border. With a flat `grass`, all
// grass is painted in that colour instead.
Image DrawFlatTileSheet(tiles::GrassFill grass = tiles::GrassFill::Textured);

struct ScenePreview {
  std::string title;
  Image image;
};

// Small boards assembled from cells of the sheet: scenery pieces in their places and road
// networks of movable tiles, for judging by eye how the pictures join.
std::vector<ScenePreview> DrawScenePreviews(const Image& tile_sheet);

}  // namespace artgen
