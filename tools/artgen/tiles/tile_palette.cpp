// Colour arithmetic for the tile sheet's palette.
#include "tools/artgen/tiles/tile_palette.h"

namespace artgen::tiles {

Colour Mix(Colour a, Colour b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Shade(Colour c, double amount) {
  return amount < 0 ? Mix(c, {0, 0, 0}, -amount) : Mix(c, {1, 1, 1}, amount);
}

void SetColour(cairo_t* cr, Colour c, double alpha) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

}  // namespace artgen::tiles
