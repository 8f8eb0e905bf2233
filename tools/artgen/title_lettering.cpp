// The title is drawn as one path in several passes: shadow, rim, gradient fill, gleam.
#include "tools/artgen/title_lettering.h"

#include <algorithm>

#include "tools/artgen/font.h"
#include "tools/artgen/paint.h"

namespace artgen {

namespace {

constexpr const char* kTitle = "Verlumo";

}  // namespace

void PaintTitle(cairo_t* cr, double cx, double cy, double size, double max_width) {
  cairo_save(cr);
  UseTypeface(cr, Typeface::SansBold, size);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, kTitle, &extents);
  const double fit = std::min(1.0, max_width / extents.width);
  UseTypeface(cr, Typeface::SansBold, size * fit);
  cairo_text_extents(cr, kTitle, &extents);
  const double x = cx - extents.x_bearing - extents.width / 2;
  const double y = cy - extents.y_bearing - extents.height / 2;
  const double rim = std::max(1.5, size * fit / 10);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);

  cairo_move_to(cr, x + rim * 0.9, y + rim * 0.9);
  cairo_text_path(cr, kTitle);
  SetColour(cr, Rgb{0, 0, 0}, 0.45);
  cairo_set_line_width(cr, rim * 2);
  cairo_stroke_preserve(cr);
  cairo_fill(cr);

  cairo_move_to(cr, x, y);
  cairo_text_path(cr, kTitle);
  SetColour(cr, Rgb{70, 30, 10});
  cairo_set_line_width(cr, rim * 2);
  cairo_stroke_preserve(cr);
  const double top = cy - extents.height / 2, bottom = cy + extents.height / 2;
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, top, 0, bottom);
  cairo_pattern_add_color_stop_rgb(fill, 0.0, 1.0, 0.97, 0.55);
  cairo_pattern_add_color_stop_rgb(fill, 0.45, 1.0, 0.82, 0.10);
  cairo_pattern_add_color_stop_rgb(fill, 1.0, 0.95, 0.45, 0.05);
  cairo_set_source(cr, fill);
  cairo_fill(cr);
  cairo_pattern_destroy(fill);

  // The gleam: a thin light line inside the upper edges of the letters.
  cairo_move_to(cr, x, y);
  cairo_text_path(cr, kTitle);
  cairo_clip(cr);
  cairo_move_to(cr, x + rim * 0.35, y + rim * 0.5);
  cairo_text_path(cr, kTitle);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_move_to(cr, x, y);
  cairo_text_path(cr, kTitle);
  SetColour(cr, Rgb{255, 255, 230}, 0.75);
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace artgen
