// Plants and small things of the countryside, seen from above with the sun at the top left:
// trees, bushes, flowers, stones, crop fields and hedges.
#pragma once

#include <cairo.h>

#include "tools/artgen/tiles/tile_palette.h"

namespace artgen::tiles {

enum class TreeKind { Round, Pine, Birch, Fruit };

void PaintTree(cairo_t* cr, double x, double y, double radius, TreeKind kind);
void PaintBush(cairo_t* cr, double x, double y, double radius, int seed);
void PaintFlowers(cairo_t* cr, double x, double y, int seed);
void PaintStone(cairo_t* cr, double x, double y, double radius, int seed);

enum class Crop { Wheat, Cabbage, Ploughed, Vines, Meadow };

// A field in the rectangle, its rows running across (horizontal) or down.
void PaintField(cairo_t* cr, double x, double y, double w, double h, Crop crop, bool horizontal_rows);
// A hedge along the outline of the rectangle, as a row of clipped bushes.
void PaintHedge(cairo_t* cr, double x0, double y0, double x1, double y1);
// A wooden fence from one point to another.
void PaintFence(cairo_t* cr, double x0, double y0, double x1, double y1);

// A rounded rectangle path.
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
// A soft shadow of the current path's fill, cast towards the bottom right.
void FillShadow(cairo_t* cr, double dx, double dy, double alpha);

}  // namespace artgen::tiles
