// Shared drawing shorthands.
#include "tools/artgen/paint.h"

#include <cmath>

namespace artgen {

namespace {

std::uint8_t Clamp(double value) {
  return static_cast<std::uint8_t>(std::lround(std::fmax(0.0, std::fmin(255.0, value))));
}

void AddStop(cairo_pattern_t* pattern, double offset, Rgb colour) {
  cairo_pattern_add_color_stop_rgb(pattern, offset, colour.r / 255.0, colour.g / 255.0,
                                   colour.b / 255.0);
}

}  // namespace

Rgb Shade(Rgb colour, double amount) {
  return amount >= 0 ? Mix(colour, Rgb{255, 255, 255}, amount) : Mix(colour, Rgb{}, -amount);
}

Rgb Mix(Rgb a, Rgb b, double t) {
  return Rgb{Clamp(a.r + (b.r - a.r) * t), Clamp(a.g + (b.g - a.g) * t),
             Clamp(a.b + (b.b - a.b) * t)};
}

void SetColour(cairo_t* cr, Rgb colour, double alpha) {
  cairo_set_source_rgba(cr, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0, alpha);
}

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void CirclePath(cairo_t* cr, double cx, double cy, double radius) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
  cairo_close_path(cr);
}

void FillVertical(cairo_t* cr, Rgb top, Rgb bottom, double y0, double y1) {
  cairo_pattern_t* gradient = cairo_pattern_create_linear(0, y0, 0, y1);
  AddStop(gradient, 0, top);
  AddStop(gradient, 1, bottom);
  cairo_set_source(cr, gradient);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(gradient);
}

void PaintBall(cairo_t* cr, double cx, double cy, double radius, Rgb colour) {
  cairo_pattern_t* gradient = cairo_pattern_create_radial(cx - radius * 0.35, cy - radius * 0.4,
                                                          radius * 0.1, cx, cy, radius);
  AddStop(gradient, 0, Shade(colour, 0.45));
  AddStop(gradient, 0.45, colour);
  AddStop(gradient, 1, Shade(colour, -0.45));
  CirclePath(cr, cx, cy, radius);
  cairo_set_source(cr, gradient);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(gradient);
  SetColour(cr, Shade(colour, -0.65));
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
}

}  // namespace artgen
