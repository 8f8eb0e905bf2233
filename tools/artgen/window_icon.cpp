// The icon is one drawing at two sizes. The 16-colour image takes the drawing's own best 16
// colours (with black kept for the transparent corners) and a hard-edged mask; the true-colour
// images keep the smooth coverage as alpha.
#include "tools/artgen/window_icon.h"

#include <cmath>
#include <stdexcept>

#include "tools/artgen/canvas.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/palette.h"
#include "tools/artgen/road_world.h"

namespace artgen {

namespace {

void PaintIcon(cairo_t* cr, int size) {
  const double s = size / 32.0;
  RoundedRectPath(cr, 0.5, 0.5, size - 1.0, size - 1.0, 5.0 * s);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  FillVertical(cr, Shade(kGrass, 0.12), Shade(kGrass, -0.08), 0, size);
  cairo_new_path(cr);
  cairo_move_to(cr, 0, size / 2.0);
  cairo_line_to(cr, size, size / 2.0);
  cairo_move_to(cr, size / 2.0, 0);
  cairo_line_to(cr, size / 2.0, size);
  PaintRoad(cr, RoadStyle{12.0 * s, size >= 32 ? 3.0 : 0.0, 2.0, false});
  cairo_restore(cr);
  RoundedRectPath(cr, 0.5, 0.5, size - 1.0, size - 1.0, 5.0 * s);
  SetColour(cr, Rgb{36, 70, 28});
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  PaintCrossingSign(cr, size / 2.0, size / 2.0 + 0.5 * s, 19.0 * s);
}

IconImage TrueColourImage(int size) {
  Canvas canvas(size, size);
  PaintIcon(canvas.cr(), size);
  IconImage image;
  image.size = size;
  image.rgb = Image(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const CoveredPixel p = canvas.pixel(x, y);
      image.rgb.at(x, y) = p.colour;
      image.alpha.push_back(static_cast<std::uint8_t>(std::lround(p.alpha * 255)));
      image.opaque.push_back(p.alpha >= 0.5);
    }
  }
  return image;
}

IconImage SixteenColourImage() {
  IconImage image = TrueColourImage(32);
  // Transparent pixels must be black in the colour image, so the AND mask leaves the screen
  // untouched there.
  Image opaque_colours = image.rgb;
  for (size_t i = 0; i < image.opaque.size(); ++i) {
    if (!image.opaque[i]) opaque_colours.pixels[i] = Rgb{0, 0, 0};
  }
  // The sign's and the centre lines' colours cover few pixels; they are kept exact so the
  // grass and asphalt shades cannot crowd them out of the palette.
  image.indexed =
      Quantise(opaque_colours, 16,
               {Rgb{0, 0, 0}, Rgb{255, 255, 255}, kCentreLine, kSignRed, kAsphalt, kKerb});
  image.rgb = Image();
  image.alpha.clear();
  return image;
}

}  // namespace

std::vector<IconImage> DrawWindowIcon() {
  return {SixteenColourImage(), TrueColourImage(32), TrueColourImage(16)};
}

void WriteAppIcon(const std::string& path, int size) {
  Canvas canvas(size, size);
  PaintIcon(canvas.cr(), size);
  cairo_surface_flush(canvas.surface());
  if (cairo_surface_write_to_png(canvas.surface(), path.c_str()) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error(path + " cannot be written");
  }
}

}  // namespace artgen
