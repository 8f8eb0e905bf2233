// The typefaces of the game's lettering. They are loaded from fixed font files, not looked up by
// name, so the same machine setup always yields the same pixels.
#pragma once

#include <cairo.h>

namespace artgen {

enum class Typeface { SansBold, Sans, SerifBold };

// Makes the typeface current in cr at the given size (in user units), without hinting, so that
// glyph outlines do not snap differently from one picture size to the next.
void UseTypeface(cairo_t* cr, Typeface face, double size);

}  // namespace artgen
