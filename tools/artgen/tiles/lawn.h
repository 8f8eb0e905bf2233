// The small life of a lawn: clover, tufts of long grass and little flowers, low and quiet, so
// that plain grass is alive without calling attention to itself. The plain grass piece is one
// picture that a board shows many times over, so its own details are spread evenly across it:
// no single one stands out to repeat cell after cell.
#pragma once

#include <cairo.h>

#include "tools/artgen/tiles/tile_palette.h"

namespace artgen::tiles {

class Footprint;

// A few leaves of clover, a shade deeper than the grass.
void PaintClover(cairo_t* cr, double x, double y, int seed);
// A clump of long blades, standing a little above the lawn.
void PaintLongTuft(cairo_t* cr, double x, double y, int seed);
// One tiny flower seen from above, on whole pixels: four petals around a yellow heart.
void PaintFloret(cairo_t* cr, int x, int y, Colour petal);
// Two or three tiny flowers of one colour.
void PaintFlorets(cairo_t* cr, double x, double y, int seed);

// The plain grass piece: soft light and shade, as a lawn lies in gentle hollows and rises, and
// its small plants set by hand all over the cell, no white among them and none in the middle,
// where a flower would mark every plain piece of the board alike.
void PaintPlainLawn(cairo_t* cr);

// Strews lawn details over the free grass of the cell at the origin, one per square of a 3 x 3
// grid, each a little off the square's middle, as many as `count`.
void StrewLawn(cairo_t* cr, Footprint& footprint, int seed, int count);

}  // namespace artgen::tiles
