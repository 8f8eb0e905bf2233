// Placing details on free grass.
#include "tools/artgen/tiles/details.h"

#include <cmath>
#include <cstdint>
#include <numbers>

#include "tools/artgen/tiles/ground.h"
#include "tools/artgen/tiles/nature.h"
#include "tools/artgen/tiles/tile_canvas.h"

namespace artgen::tiles {

Footprint::Footprint(const std::function<void(cairo_t*)>& occupied)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kCell, kCell)) {
  cairo_t* cr = cairo_create(surface_);
  occupied(cr);
  cairo_destroy(cr);
  cairo_surface_flush(surface_);
}

Footprint::~Footprint() { cairo_surface_destroy(surface_); }

bool Footprint::Clear(double x, double y, double radius, double margin) const {
  if (x - radius < margin || y - radius < margin || x + radius > kCell - margin ||
      y + radius > kCell - margin) {
    return false;
  }
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  for (int ring = 0; ring <= 2; ++ring) {
    const double r = radius * ring / 2;
    const int points = ring == 0 ? 1 : 8 * ring;
    for (int i = 0; i < points; ++i) {
      const double a = 2 * std::numbers::pi * i / points;
      const int px = static_cast<int>(std::floor(x + r * std::cos(a)));
      const int py = static_cast<int>(std::floor(y + r * std::sin(a)));
      if (px < 0 || py < 0 || px >= kCell || py >= kCell) return false;
      const auto* line = reinterpret_cast<const std::uint32_t*>(data + py * stride);
      if ((line[px] >> 24) != 0) return false;
    }
  }
  return true;
}

void Footprint::Take(double x, double y, double radius) {
  cairo_t* cr = cairo_create(surface_);
  cairo_arc(cr, x, y, radius, 0, 2 * std::numbers::pi);
  cairo_fill(cr);
  cairo_destroy(cr);
  cairo_surface_flush(surface_);
}

void StrewDetails(cairo_t* cr, Footprint& footprint, int seed, int count, Details kind) {
  Rng rng(static_cast<std::uint32_t>(seed) * 31 + 7);
  int placed = 0;
  for (int attempt = 0; attempt < 60 && placed < count; ++attempt) {
    const int pick = rng.Below(10);
    const double x = rng.Uniform(4, 44);
    const double y = rng.Uniform(4, 44);
    double radius = 3.5;
    if (kind == Details::Wild && pick < 2) radius = 6;
    if (pick >= 8) radius = 2.2;
    if (!footprint.Clear(x, y, radius + 1.5, 2)) continue;
    footprint.Take(x, y, radius + 2.5);
    if (radius > 5) {
      PaintTree(cr, x - 1, y - 1, radius - 1, rng.Below(3) == 0 ? TreeKind::Pine : TreeKind::Round);
    } else if (pick >= 8) {
      PaintStone(cr, x, y, 1.6, seed + attempt);
    } else if (kind == Details::Flowers || pick < 4) {
      PaintFlowers(cr, x, y, seed + attempt);
    } else {
      PaintBush(cr, x - 0.5, y - 0.5, 2.8, seed + attempt);
    }
    ++placed;
  }
}

}  // namespace artgen::tiles
