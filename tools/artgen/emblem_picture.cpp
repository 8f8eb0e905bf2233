// The head looks to the right; its hair blows back to the left in five coloured locks.
#include "tools/artgen/emblem_picture.h"

#include <array>
#include <cmath>

#include "tools/artgen/button_picture.h"
#include "tools/artgen/canvas.h"
#include "tools/artgen/paint.h"

namespace artgen {

namespace {

constexpr Rgb kSkin{255, 206, 160};
constexpr Rgb kInk{60, 30, 20};

void PaintLocks(cairo_t* cr) {
  const std::array<Rgb, 5> colours{Rgb{230, 40, 40}, Rgb{255, 150, 20}, Rgb{250, 220, 30},
                                   Rgb{60, 190, 70}, Rgb{50, 110, 230}};
  // Each lock starts on the crown and sweeps back, the lower ones further down the head.
  for (int i = 0; i < 5; ++i) {
    const double root_x = 15.5 - i * 2.2, root_y = 4.0 + i * 1.7;
    const double tip_x = 2.0 + i * 0.2, tip_y = 2.0 + i * 2.9;
    cairo_move_to(cr, root_x, root_y - 1.8);
    cairo_curve_to(cr, root_x - 4.0, root_y - 4.0, tip_x + 3.5, tip_y - 2.0, tip_x, tip_y);
    cairo_curve_to(cr, tip_x + 3.5, tip_y + 1.0, root_x - 3.5, root_y + 1.5, root_x, root_y + 2.0);
    cairo_close_path(cr);
    SetColour(cr, colours[i]);
    cairo_fill_preserve(cr);
    SetColour(cr, Shade(colours[i], -0.55));
    cairo_set_line_width(cr, 0.7);
    cairo_stroke(cr);
  }
}

}  // namespace

Image DrawMakerEmblem() {
  Canvas canvas(26, 20);
  cairo_t* cr = canvas.cr();
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  // Head and chin.
  cairo_save(cr);
  cairo_translate(cr, 14.0, 11.0);
  cairo_scale(cr, 6.4, 7.2);
  CirclePath(cr, 0, 0, 1);
  cairo_restore(cr);
  FillVertical(cr, Shade(kSkin, 0.2), Shade(kSkin, -0.15), 4, 18);
  SetColour(cr, Shade(kSkin, -0.6));
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
  PaintLocks(cr);
  // Ear, nose, eye, mouth.
  cairo_save(cr);
  cairo_translate(cr, 12.3, 11.6);
  cairo_scale(cr, 1.3, 1.8);
  CirclePath(cr, 0, 0, 1);
  cairo_restore(cr);
  SetColour(cr, Shade(kSkin, -0.15));
  cairo_fill_preserve(cr);
  SetColour(cr, Shade(kSkin, -0.6));
  cairo_set_line_width(cr, 0.7);
  cairo_stroke(cr);
  CirclePath(cr, 21.4, 11.2, 2.9);
  FillVertical(cr, Rgb{255, 170, 150}, Rgb{230, 110, 100}, 8.3, 14.1);
  SetColour(cr, Shade(kSkin, -0.6));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, 17.6, 7.6);
  cairo_scale(cr, 1.5, 1.9);
  CirclePath(cr, 0, 0, 1);
  cairo_restore(cr);
  SetColour(cr, Rgb{255, 255, 255});
  cairo_fill_preserve(cr);
  SetColour(cr, kInk);
  cairo_set_line_width(cr, 0.6);
  cairo_stroke(cr);
  CirclePath(cr, 18.3, 7.9, 0.9);
  cairo_fill(cr);
  cairo_move_to(cr, 16.2, 15.0);
  cairo_curve_to(cr, 17.4, 16.4, 19.0, 16.2, 19.8, 15.0);
  cairo_set_line_width(cr, 0.9);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  return KeyedPicture(canvas);
}

}  // namespace artgen
