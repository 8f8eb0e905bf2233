// The game's title lettering "Verlumo": sunny yellow to orange letters with a dark rim, a white
// inner gleam and a drop shadow, as the splash picture and the logo show it.
#pragma once

#include <cairo.h>

namespace artgen {

// Centres the title horizontally on cx with its letters' middle at cy, at the given font size,
// shrunk if needed to fit max_width.
void PaintTitle(cairo_t* cr, double cx, double cy, double size, double max_width);

}  // namespace artgen
