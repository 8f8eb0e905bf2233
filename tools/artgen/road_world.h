// Pieces of the little road world that the icon, the logo and the splash picture show: grass,
// roads with dashed centre lines, trees, houses and the triangular road sign.
#pragma once

#include <cairo.h>

#include <cstddef>  // size_t, which image.h uses

#include "tools/artgen/image.h"

namespace artgen {

// The colours of the tile sheet's roads and meadows, so the title pictures look like the board.
inline constexpr Rgb kGrass{118, 176, 74};
inline constexpr Rgb kAsphalt{88, 92, 100};
inline constexpr Rgb kKerb{200, 194, 178};
inline constexpr Rgb kEdgeLine{240, 240, 228};
inline constexpr Rgb kCentreLine{250, 206, 64};
inline constexpr Rgb kSignRed{214, 28, 28};

// A meadow of the given size: the grass colour with a soft mottling.
Image GrassTexture(int width, int height);

struct RoadStyle {
  double width;     // kerb to kerb
  double dash;      // length of the centre line's dashes and gaps; 0 for none
  double line;      // width of the centre line; whole pixels on a road centred on a pixel
                    // edge stay crisp
  bool edge_lines;  // white lines along both edges, as on the board's main roads
};

// Dots small flowers over a w x h meadow; draw them before anything that stands on the grass.
void ScatterFlowers(cairo_t* cr, int w, int h, int count);

// Strokes the current path as a road: kerbs, asphalt, edge lines and the dashed yellow centre
// line. Consumes the path.
void PaintRoad(cairo_t* cr, const RoadStyle& style);

// Clears the centre lines out of a junction of roads `width` wide centred on (x, y), to be
// painted after the roads that meet there.
void PaintJunction(cairo_t* cr, double x, double y, double width);

// A round tree seen from above, with its shadow falling to the lower right.
void PaintTree(cairo_t* cr, double cx, double cy, double radius);

// A house seen from above: a gabled roof with its ridge running left to right.
void PaintHouse(cairo_t* cr, double x, double y, double w, double h, Rgb roof);

// A triangular warning sign for a crossing: red rim, white face, black cross; `size` is the
// length of a side.
void PaintCrossingSign(cairo_t* cr, double cx, double cy, double size);

}  // namespace artgen
