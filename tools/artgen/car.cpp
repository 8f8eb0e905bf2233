// The car is built in layers from the ground up, each layer shifted up the screen by its
// height, so it reads as a solid little car from every one of its eight headings.
#include "tools/artgen/car.h"

#include <cmath>

#include "tools/artgen/paint.h"

namespace artgen {

namespace {

constexpr Rgb kOutline{40, 16, 16};
constexpr Rgb kBody{226, 44, 38};
constexpr Rgb kWindscreen{150, 214, 255};
constexpr Rgb kGlint{240, 250, 255};
constexpr Rgb kRearWindow{38, 52, 86};
constexpr Rgb kTyre{34, 34, 40};
constexpr Rgb kHeadlight{255, 255, 214};
constexpr Rgb kTailLight{120, 8, 12};

constexpr double kLength = 16.0;
constexpr double kWidth = 9.0;

// Moves the origin to the car's centre at the given height and turns it to the heading, so the
// parts below are drawn in car coordinates: x forward, y to the car's right.
void EnterLayer(cairo_t* cr, double cx, double cy, double heading, double scale, double height) {
  cairo_identity_matrix(cr);
  cairo_translate(cr, cx, cy - height * scale);
  cairo_scale(cr, scale, scale);
  cairo_rotate(cr, heading);
}

void StrokeOutline(cairo_t* cr, double width) {
  SetColour(cr, kOutline);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

}  // namespace

void PaintCar(cairo_t* cr, double cx, double cy, double heading, double scale) {
  cairo_save(cr);
  const double half_l = kLength / 2, half_w = kWidth / 2;

  // Tyres peek out under the body at the four corners.
  EnterLayer(cr, cx, cy, heading, scale, 0.0);
  for (double along : {-half_l + 3.2, half_l - 3.6}) {
    for (double side : {-half_w + 0.2, half_w - 0.2}) {
      RoundedRectPath(cr, along - 1.7, side - 1.3, 3.4, 2.6, 0.9);
    }
  }
  SetColour(cr, kTyre);
  cairo_fill(cr);

  // The body's flank: the same outline as the top, lower and darker.
  EnterLayer(cr, cx, cy, heading, scale, 0.2);
  RoundedRectPath(cr, -half_l, -half_w, kLength, kWidth, 3.4);
  SetColour(cr, Shade(kBody, -0.45));
  cairo_fill_preserve(cr);
  StrokeOutline(cr, 1.0);

  // The body's top: bright headlights at the nose, dark tail lights at the back.
  EnterLayer(cr, cx, cy, heading, scale, 1.1);
  RoundedRectPath(cr, -half_l, -half_w, kLength, kWidth, 3.4);
  SetColour(cr, kBody);
  cairo_fill_preserve(cr);
  StrokeOutline(cr, 1.0);
  RoundedRectPath(cr, half_l - 2.2, -half_w + 0.9, 1.7, 2.4, 0.6);
  RoundedRectPath(cr, half_l - 2.2, half_w - 3.3, 1.7, 2.4, 0.6);
  SetColour(cr, kHeadlight);
  cairo_fill(cr);
  RoundedRectPath(cr, -half_l + 0.5, -half_w + 1.2, 1.2, 2.0, 0.4);
  RoundedRectPath(cr, -half_l + 0.5, half_w - 3.2, 1.2, 2.0, 0.4);
  SetColour(cr, kTailLight);
  cairo_fill(cr);

  // The cabin, set behind the middle: a broad, bright windscreen facing forward, a body-coloured
  // roof and a small dark rear window, so that front and back never look alike.
  EnterLayer(cr, cx, cy, heading, scale, 2.1);
  RoundedRectPath(cr, -5.4, -half_w + 1.2, 9.0, kWidth - 2.4, 2.2);
  SetColour(cr, kRearWindow);
  cairo_fill_preserve(cr);
  StrokeOutline(cr, 0.8);
  cairo_move_to(cr, 0.2, -half_w + 1.6);
  cairo_line_to(cr, 3.2, -half_w + 2.0);
  cairo_line_to(cr, 3.2, half_w - 2.0);
  cairo_line_to(cr, 0.2, half_w - 1.6);
  cairo_close_path(cr);
  SetColour(cr, kWindscreen);
  cairo_fill(cr);
  cairo_move_to(cr, 1.2, -half_w + 2.4);
  cairo_line_to(cr, 2.6, -1.0);
  cairo_set_line_width(cr, 0.7);
  SetColour(cr, kGlint);
  cairo_stroke(cr);
  RoundedRectPath(cr, -4.1, -half_w + 1.8, 4.3, kWidth - 3.6, 1.2);
  SetColour(cr, Shade(kBody, 0.12));
  cairo_fill(cr);

  cairo_restore(cr);
}

}  // namespace artgen
