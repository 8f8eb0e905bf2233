// The ground of the fixed tiles. Movable tiles are pieces raised above the landscape
// (piece_relief.h); the fixed tiles are the landscape itself, and its grass lies a shade deeper,
// cooler and more tufted than the pieces' trimmed lawn, as ground in the shade of the pieces
// standing on it. A lone fixed tile between pieces, framed by their lit and shaded edges, then
// still reads as a patch of that ground rather than as one more piece; large scenery, all of it
// fixed, runs on across its cells as painted. Only the grass is laid anew: roads, rails, water
// and buildings keep their pixels, so roads still join seamlessly with tiles of either kind.
//
// Tried side by side on boards in play, before this was chosen: a dark crack around every piece,
// which framed a lone fixed tile as a piece all the more; and mown stripes on the fixed grass,
// which looked like a pattern on a tile rather than like ground.
#pragma once

#include <cstddef>  // image.h uses size_t

#include "tools/artgen/image.h"

namespace artgen::tiles {

// The sheet as painted on black and on white grass (DrawFlatTileSheet): where the two differ,
// and by how much, grass shows through.
struct GrassMasks {
  const Image& on_black;
  const Image& on_white;
};

// Lays the fixed ground under the 48 x 48 cell whose top-left corner is (x, y) of the sheet.
void LayFixedGround(Image& sheet, const GrassMasks& masks, int x, int y);

}  // namespace artgen::tiles
