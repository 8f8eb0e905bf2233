// Small flags with a dark rim, a soft sheen from above and a faint shadow to the lower right.
// Stripes are laid on whole pixels so they stay crisp at this size; only the diagonals of the
// Union Jack are smoothed.
#include "tools/artgen/flag_pictures.h"

#include <functional>

#include "tools/artgen/button_picture.h"
#include "tools/artgen/canvas.h"
#include "tools/artgen/paint.h"

namespace artgen {

namespace {

constexpr Rgb kWhite{250, 250, 250};
constexpr Rgb kRim{56, 56, 60};

// Draws one flag whose field (inside the rim) starts at (x, y) and is w x h pixels; `field`
// paints the field in its own coordinates, already clipped to it.
void PaintFlag(cairo_t* cr, int x, int y, int w, int h,
               const std::function<void(cairo_t*)>& field) {
  cairo_rectangle(cr, x, y, w + 2, h + 2);
  SetColour(cr, Rgb{0, 0, 0}, 0.35);
  cairo_fill(cr);  // the shadow, shown below and right of the flag, which covers the rest
  cairo_rectangle(cr, x - 1, y - 1, w + 2, h + 2);
  SetColour(cr, kRim);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  cairo_translate(cr, x, y);
  field(cr);
  cairo_pattern_t* sheen = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgba(sheen, 0.0, 1, 1, 1, 0.28);
  cairo_pattern_add_color_stop_rgba(sheen, 0.5, 1, 1, 1, 0.0);
  cairo_pattern_add_color_stop_rgba(sheen, 1.0, 0, 0, 0, 0.12);
  cairo_set_source(cr, sheen);
  cairo_paint(cr);
  cairo_pattern_destroy(sheen);
  cairo_restore(cr);
}

void Bands(cairo_t* cr, int w, int h, Rgb top, Rgb middle, Rgb bottom) {
  const int band = h / 3;
  const Rgb colours[3] = {top, middle, bottom};
  for (int i = 0; i < 3; ++i) {
    cairo_rectangle(cr, 0, i * band, w, i == 2 ? h - 2 * band : band);
    SetColour(cr, colours[i]);
    cairo_fill(cr);
  }
}

// Thirteen one-pixel stripes and a blue canton with white stars in a staggered grid.
void UnitedStates(cairo_t* cr) {
  const Rgb red{200, 24, 44}, blue{40, 52, 130};
  for (int stripe = 0; stripe < 13; ++stripe) {
    cairo_rectangle(cr, 0, stripe, 23, 1);
    SetColour(cr, stripe % 2 == 0 ? red : kWhite);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, 0, 0, 10, 7);
  SetColour(cr, blue);
  cairo_fill(cr);
  for (int row = 1; row < 6; ++row) {
    for (int column = row % 2 == 1 ? 1 : 2; column < 9; column += 2) {
      cairo_rectangle(cr, column, row, 1, 1);
    }
  }
  SetColour(cr, kWhite);
  cairo_fill(cr);
}

void UnitedKingdom(cairo_t* cr) {
  const Rgb red{206, 17, 36}, blue{1, 33, 105};
  const double w = 23, h = 13;
  SetColour(cr, blue);
  cairo_paint(cr);
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, w, h);
  cairo_move_to(cr, w, 0);
  cairo_line_to(cr, 0, h);
  SetColour(cr, kWhite);
  cairo_set_line_width(cr, 3.2);
  cairo_stroke_preserve(cr);
  SetColour(cr, red);
  cairo_set_line_width(cr, 1.1);
  cairo_stroke(cr);
  cairo_rectangle(cr, 0, 4, w, 5);
  cairo_rectangle(cr, 9, 0, 5, h);
  SetColour(cr, kWhite);
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 5, w, 3);
  cairo_rectangle(cr, 10, 0, 3, h);
  SetColour(cr, red);
  cairo_fill(cr);
}

void Switzerland(cairo_t* cr) {
  SetColour(cr, Rgb{218, 30, 30});
  cairo_paint(cr);
  cairo_rectangle(cr, 6, 2, 3, 11);
  cairo_rectangle(cr, 2, 6, 11, 3);
  SetColour(cr, kWhite);
  cairo_fill(cr);
}

}  // namespace

Image DrawEnglishFlags() {
  Canvas canvas(53, 20);
  PaintFlag(canvas.cr(), 1, 3, 23, 13, UnitedStates);
  PaintFlag(canvas.cr(), 28, 3, 23, 13, UnitedKingdom);
  return KeyedPicture(canvas);
}

Image DrawGermanFlags() {
  Canvas canvas(80, 20);
  PaintFlag(canvas.cr(), 3, 2, 23, 15, [](cairo_t* cr) {
    Bands(cr, 23, 15, Rgb{210, 16, 46}, kWhite, Rgb{210, 16, 46});
  });
  PaintFlag(canvas.cr(), 32, 2, 23, 15, [](cairo_t* cr) {
    Bands(cr, 23, 15, Rgb{20, 20, 20}, Rgb{221, 0, 0}, Rgb{255, 206, 0});
  });
  PaintFlag(canvas.cr(), 61, 2, 15, 15, Switzerland);
  return KeyedPicture(canvas);
}

}  // namespace artgen
