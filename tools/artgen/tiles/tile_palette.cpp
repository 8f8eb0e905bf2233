// Colour arithmetic for the tile sheet's palette.
#include "tools/artgen/tiles/tile_palette.h"

#include <numbers>

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

void FillRects(cairo_t* cr, std::initializer_list<RectLayer> layers) {
  for (const RectLayer& layer : layers) {
    SetColour(cr, layer.colour, layer.alpha);
    cairo_rectangle(cr, layer.x, layer.y, layer.w, layer.h);
    cairo_fill(cr);
  }
}

void FillDiscs(cairo_t* cr, double x, double y, std::initializer_list<DiscLayer> layers) {
  for (const DiscLayer& layer : layers) {
    cairo_arc(cr, x, y, layer.radius, 0, 2 * std::numbers::pi);
    SetColour(cr, layer.colour, layer.alpha);
    cairo_fill(cr);
  }
}

}  // namespace artgen::tiles
