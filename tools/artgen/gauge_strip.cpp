// Each letter of "VERLUMO" is placed by itself, evenly spaced from the bottom up, so the word
// spans the whole channel and each solved share lights a fair part of it.
#include "tools/artgen/gauge_strip.h"

#include <cmath>
#include <string>

#include "tools/artgen/canvas.h"
#include "tools/artgen/font.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/stone.h"

namespace artgen {

namespace {

// Where the full strip lies in the frame; the stone of both strips is cut from there.
constexpr int kStoneX = 469;
constexpr int kStoneY = 32;

constexpr const char* kLettering = "VERLUMO";
constexpr double kLetterSize = 31.0;

Image ChannelStone() {
  Image strip(kGaugeWidth, kGaugeHeight);
  for (int y = 0; y < kGaugeHeight; ++y) {
    for (int x = 0; x < kGaugeWidth; ++x) {
      // The channel floor lies in shadow, deepest under its upper and left rims.
      const double rim = std::fmin(x, y);
      const double shadow = 0.22 + (rim < 4 ? (4 - rim) * 0.06 : 0.0);
      strip.at(x, y) = Shade(StoneAt(kStoneX + x, kStoneY + y), -shadow);
    }
  }
  return strip;
}

// Adds the outline of letter i of the lettering to the path, turned to read from bottom to top.
void LetterPath(cairo_t* cr, int i, double shift_x, double shift_y) {
  const std::string letter(1, kLettering[i]);
  const int count = static_cast<int>(std::string(kLettering).size());
  const double pitch = static_cast<double>(kGaugeHeight) / count;
  cairo_identity_matrix(cr);
  cairo_translate(cr, kGaugeWidth / 2.0 + shift_x, kGaugeHeight - (i + 0.5) * pitch + shift_y);
  cairo_rotate(cr, -M_PI / 2);
  UseTypeface(cr, Typeface::SansBold, kLetterSize);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, letter.c_str(), &extents);
  cairo_move_to(cr, -extents.x_bearing - extents.width / 2,
                -extents.y_bearing - extents.height / 2);
  cairo_text_path(cr, letter.c_str());
  cairo_identity_matrix(cr);
}

void AllLettersPath(cairo_t* cr, double shift_x, double shift_y) {
  cairo_new_path(cr);
  for (int i = 0; kLettering[i] != '\0'; ++i) LetterPath(cr, i, shift_x, shift_y);
}

void PaintEngraved(cairo_t* cr) {
  // Cut into the stone: the lower-right lip catches the light, the upper-left rim throws its
  // shadow across the floor, and the floor grows lighter away from it, so each letter reads as
  // chiselled deep rather than painted on.
  AllLettersPath(cr, 1, 1);
  SetColour(cr, Rgb{226, 212, 186}, 0.6);
  cairo_fill(cr);
  AllLettersPath(cr, 0, 0);
  cairo_pattern_t* floor = cairo_pattern_create_linear(0, 0, kGaugeWidth, 0);
  cairo_pattern_add_color_stop_rgb(floor, 0.0, 0.20, 0.17, 0.13);
  cairo_pattern_add_color_stop_rgb(floor, 1.0, 0.36, 0.31, 0.25);
  cairo_set_source(cr, floor);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(floor);
  cairo_save(cr);
  cairo_clip(cr);
  // Inside the letters, everything the letters moved down and right do not cover: their upper
  // and left inner edges.
  AllLettersPath(cr, 1.5, 1.5);
  cairo_rectangle(cr, -2, -2, kGaugeWidth + 4, kGaugeHeight + 4);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  SetColour(cr, Rgb{0, 0, 0}, 0.5);
  cairo_fill(cr);
  cairo_restore(cr);
}

void PaintGlowing(cairo_t* cr) {
  const Rgb glow{60, 150, 255};
  AllLettersPath(cr, 0, 0);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  for (double width : {9.0, 6.0, 3.5}) {
    SetColour(cr, glow, 0.16);
    cairo_set_line_width(cr, width);
    cairo_stroke_preserve(cr);
  }
  cairo_pattern_t* gradient = cairo_pattern_create_linear(0, 0, kGaugeWidth, 0);
  cairo_pattern_add_color_stop_rgb(gradient, 0.0, 0.35, 0.75, 1.0);
  cairo_pattern_add_color_stop_rgb(gradient, 0.5, 0.55, 0.88, 1.0);
  cairo_pattern_add_color_stop_rgb(gradient, 1.0, 0.10, 0.45, 0.95);
  cairo_set_source(cr, gradient);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(gradient);
  SetColour(cr, Rgb{12, 44, 130});
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
}

}  // namespace

Image DrawGaugeStrip(bool lit) {
  Canvas canvas(kGaugeWidth, kGaugeHeight);
  if (lit) {
    PaintGlowing(canvas.cr());
  } else {
    PaintEngraved(canvas.cr());
  }
  return canvas.over(ChannelStone());
}

}  // namespace artgen
