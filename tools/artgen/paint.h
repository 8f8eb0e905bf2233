// Drawing shorthands on top of cairo that the pictures share: colours, rounded shapes and
// shaded fills.
#pragma once

#include <cairo.h>

#include <cstddef>  // size_t, which image.h uses

#include "tools/artgen/image.h"

namespace artgen {

// A colour with each channel moved toward white (amount > 0) or black (amount < 0).
Rgb Shade(Rgb colour, double amount);
Rgb Mix(Rgb a, Rgb b, double amount_of_b);

void SetColour(cairo_t* cr, Rgb colour, double alpha = 1.0);

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius);
void CirclePath(cairo_t* cr, double cx, double cy, double radius);

// Fills the current path with a vertical gradient from `top` (at y0) to `bottom` (at y1) and
// keeps the path.
void FillVertical(cairo_t* cr, Rgb top, Rgb bottom, double y0, double y1);

// A shiny ball: radial gradient from a light spot at the upper left to a darker rim, with a
// thin dark outline.
void PaintBall(cairo_t* cr, double cx, double cy, double radius, Rgb colour);

}  // namespace artgen
