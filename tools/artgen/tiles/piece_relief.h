// Movable and fixed tiles told apart at a glance. A movable tile is a piece lying on the
// landscape: its edges catch the light on the top and left and fall into shade on the bottom and
// right, so that it stands up a little from the board. A fixed tile is part of the landscape and
// stays flat, on a deeper ground (fixed_ground.h): scenery runs on across its borders as painted. The relief is a change of light
// only, the same for every movable tile at the same pixel: roads keep their places and widths at
// every side and still run on from tile to tile, of either kind.
//
// Tried side by side on boards in play, before this was chosen: fixed tiles set into the
// landscape (shaded at the top and left) with flat movable ones, which left the difference faint
// and cut large scenery (a railway, a lake) into squares; both at once, which cut the scenery
// too; and a shade without a highlight, which read as dirt rather than as a piece.
#pragma once

#include <cstddef>  // image.h uses size_t

#include "tools/artgen/image.h"

namespace artgen::tiles {

// How the edges of a piece are lit, by depth from the tile's border: each pixel is blended
// towards white (a positive share) or black (a negative one) by the given share on the border
// line, fading to nothing over `depth` pixels.
struct Relief {
  double top_left = 0;      // the top and left edges
  double bottom_right = 0;  // the bottom and right edges
  int depth = 0;
};

// A piece raised above the landscape: highlight top and left, shade bottom and right.
Relief RaisedPiece();

// Lights the 48 x 48 cell whose top-left corner is (x, y) of the image with the relief.
void LightCell(Image& image, int x, int y, const Relief& relief);

}  // namespace artgen::tiles
