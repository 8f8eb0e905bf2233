// The game's little car, seen from above at a slant: the marker of the selected tile, and the
// car in the title pictures.
#pragma once

#include <cairo.h>

namespace artgen {

// Draws the car centred on (cx, cy), its nose pointing at `heading` radians (0 to the right,
// growing clockwise on screen). At scale 1 the car is 16 pixels long and 9 wide; its roof
// stands about 2 pixels above its body, shown as a shift up the screen whatever the heading.
void PaintCar(cairo_t* cr, double cx, double cy, double heading, double scale);

}  // namespace artgen
