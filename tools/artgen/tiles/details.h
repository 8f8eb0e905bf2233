// Small details strewn over the free grass of a tile (flowers, bushes, stones, a tree), so that
// tiles with the same roads still look different. A footprint of everything already painted
// keeps the details off roads and buildings and away from the tile's border, where they would
// break the join with the neighbouring tile.
#pragma once

#include <cairo.h>

#include <functional>

namespace artgen::tiles {

class Footprint {
 public:
  // Paints `occupied` on a clear cell-sized surface to learn where things already are.
  explicit Footprint(const std::function<void(cairo_t*)>& occupied);
  ~Footprint();
  Footprint(const Footprint&) = delete;
  Footprint& operator=(const Footprint&) = delete;

  // Whether a disc of the radius lies on free grass, at least `margin` from the border.
  bool Clear(double x, double y, double radius, double margin = 2) const;
  // Marks a disc as taken.
  void Take(double x, double y, double radius);

 private:
  cairo_surface_t* surface_;
};

enum class Details { Flowers, Garden, Wild };

// Strews up to `count` details over the free grass of the cell at the origin.
void StrewDetails(cairo_t* cr, Footprint& footprint, int seed, int count, Details kind);

}  // namespace artgen::tiles
