// Dialog button glyphs: bold, rounded strokes in the toolbar's green and red, outlined dark.
#include "tools/artgen/dialog_pictures.h"

#include <cmath>

#include "tools/artgen/button_picture.h"
#include "tools/artgen/canvas.h"
#include "tools/artgen/paint.h"

namespace artgen {

namespace {

constexpr Rgb kGreen{52, 176, 60};
constexpr Rgb kRed{222, 36, 30};

// Strokes the current path twice, wide and dark, then narrower in the colour, which gives a
// rounded outlined band; the path is consumed.
void OutlinedStroke(cairo_t* cr, Rgb colour, double width) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetColour(cr, Shade(colour, -0.6));
  cairo_set_line_width(cr, width + 1.8);
  cairo_stroke_preserve(cr);
  SetColour(cr, colour);
  cairo_set_line_width(cr, width);
  cairo_stroke_preserve(cr);
  // A lighter streak along the upper side of the band, as if lit from above.
  cairo_save(cr);
  cairo_translate(cr, -0.4, -0.6);
  SetColour(cr, Shade(colour, 0.45), 0.55);
  cairo_set_line_width(cr, width * 0.35);
  cairo_stroke(cr);
  cairo_restore(cr);
  cairo_new_path(cr);
}

}  // namespace

Image DrawSmileGlyph() {
  Canvas canvas(17, 17);
  cairo_t* cr = canvas.cr();
  PaintBall(cr, 8.5, 8.5, 7.6, Rgb{255, 210, 0});
  const Rgb ink{60, 30, 0};
  SetColour(cr, ink);
  cairo_save(cr);
  cairo_translate(cr, 6.0, 6.2);
  cairo_scale(cr, 0.9, 1.4);
  CirclePath(cr, 0, 0, 1.1);
  cairo_restore(cr);
  cairo_save(cr);
  cairo_translate(cr, 11.0, 6.2);
  cairo_scale(cr, 0.9, 1.4);
  CirclePath(cr, 0, 0, 1.1);
  cairo_restore(cr);
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_arc(cr, 8.5, 8.3, 4.4, M_PI * 0.16, M_PI * 0.84);
  cairo_set_line_width(cr, 1.3);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  return KeyedPicture(canvas);
}

Image DrawCurvedArrowGlyph() {
  Canvas canvas(18, 18);
  cairo_t* cr = canvas.cr();
  // Three quarters of a circle, turning clockwise, ending in a head at the upper right.
  cairo_new_path(cr);
  cairo_arc(cr, 9.0, 9.5, 5.2, M_PI * 0.05, M_PI * 1.45);
  OutlinedStroke(cr, kGreen, 2.6);
  const double a = M_PI * 1.45;
  const double tx = 9.0 + 5.2 * std::cos(a), ty = 9.5 + 5.2 * std::sin(a);
  cairo_save(cr);
  cairo_translate(cr, tx, ty);
  cairo_rotate(cr, a + M_PI / 2);
  cairo_move_to(cr, 4.6, 0);
  cairo_line_to(cr, -1.2, -4.2);
  cairo_line_to(cr, -1.2, 4.2);
  cairo_close_path(cr);
  cairo_restore(cr);
  SetColour(cr, kGreen);
  cairo_fill_preserve(cr);
  SetColour(cr, Shade(kGreen, -0.6));
  cairo_set_line_width(cr, 0.9);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  return NormalAndGreyed(canvas);
}

Image DrawCrossGlyph() {
  Canvas canvas(18, 18);
  cairo_t* cr = canvas.cr();
  cairo_move_to(cr, 4.0, 4.0);
  cairo_line_to(cr, 14.0, 14.0);
  cairo_move_to(cr, 14.0, 4.0);
  cairo_line_to(cr, 4.0, 14.0);
  OutlinedStroke(cr, kRed, 3.2);
  return NormalAndGreyed(canvas);
}

Image DrawTickGlyph() {
  Canvas canvas(18, 18);
  cairo_t* cr = canvas.cr();
  cairo_move_to(cr, 3.2, 9.6);
  cairo_line_to(cr, 7.2, 13.6);
  cairo_line_to(cr, 15.0, 4.0);
  OutlinedStroke(cr, kGreen, 3.2);
  return NormalAndGreyed(canvas);
}

}  // namespace artgen
