// Toolbar glyphs. Every shape has a dark outline of its own colour, so it stands out on the
// grey button face whether the button is up, hot or pressed.
#include "tools/artgen/toolbar_pictures.h"

#include <cmath>
#include <string>

#include "tools/artgen/button_picture.h"
#include "tools/artgen/canvas.h"
#include "tools/artgen/emblem_picture.h"
#include "tools/artgen/font.h"
#include "tools/artgen/paint.h"

namespace artgen {

namespace {

constexpr Rgb kArrowGreen{52, 176, 60};
constexpr Rgb kArrowRed{228, 40, 32};

void Outline(cairo_t* cr, Rgb fill, double width = 1.0) {
  SetColour(cr, Shade(fill, -0.6));
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

// A straight arrow from (x0, y0) to its tip at (x1, y1), with a broad head.
void PaintArrow(cairo_t* cr, double x0, double y0, double x1, double y1, Rgb colour) {
  const double angle = std::atan2(y1 - y0, x1 - x0);
  const double length = std::hypot(x1 - x0, y1 - y0);
  cairo_save(cr);
  cairo_translate(cr, x0, y0);
  cairo_rotate(cr, angle);
  const double head = 5.0, half_head = 3.6, half_shaft = 1.25;
  cairo_move_to(cr, 0, -half_shaft);
  cairo_line_to(cr, length - head, -half_shaft);
  cairo_line_to(cr, length - head, -half_head);
  cairo_line_to(cr, length, 0);
  cairo_line_to(cr, length - head, half_head);
  cairo_line_to(cr, length - head, half_shaft);
  cairo_line_to(cr, 0, half_shaft);
  cairo_close_path(cr);
  cairo_restore(cr);
  SetColour(cr, colour);
  cairo_fill_preserve(cr);
  Outline(cr, colour, 0.9);
}

// A floppy disk in the square (x, y, size): dark body, metal shutter, white label.
void PaintFloppy(cairo_t* cr, double x, double y, double size) {
  const Rgb body{44, 64, 120};
  cairo_move_to(cr, x, y + 1);
  cairo_line_to(cr, x + size - 2.5, y);
  cairo_line_to(cr, x + size, y + 2.5);
  cairo_line_to(cr, x + size, y + size);
  cairo_line_to(cr, x, y + size);
  cairo_close_path(cr);
  FillVertical(cr, Shade(body, 0.25), body, y, y + size);
  Outline(cr, body);
  cairo_rectangle(cr, x + size * 0.28, y + 0.5, size * 0.46, size * 0.34);
  FillVertical(cr, Rgb{236, 238, 242}, Rgb{150, 156, 168}, y, y + size * 0.34);
  Outline(cr, Rgb{120, 124, 132}, 0.7);
  cairo_rectangle(cr, x + size * 0.56, y + 1.5, size * 0.1, size * 0.2);
  SetColour(cr, Rgb{50, 56, 70});
  cairo_fill(cr);
  cairo_rectangle(cr, x + size * 0.18, y + size * 0.55, size * 0.64, size * 0.42);
  SetColour(cr, Rgb{250, 250, 246});
  cairo_fill_preserve(cr);
  Outline(cr, Rgb{150, 150, 150}, 0.6);
  for (double line : {0.68, 0.80}) {
    cairo_move_to(cr, x + size * 0.25, y + size * line);
    cairo_line_to(cr, x + size * 0.75, y + size * line);
  }
  SetColour(cr, Rgb{110, 140, 210});
  cairo_set_line_width(cr, 0.7);
  cairo_stroke(cr);
}

void PaintTriangle(cairo_t* cr, bool pointing_left) {
  const double tip = pointing_left ? 2.0 : 13.0, back = pointing_left ? 12.0 : 3.0;
  cairo_move_to(cr, tip, 7.5);
  cairo_line_to(cr, back, 1.8);
  cairo_line_to(cr, back, 13.2);
  cairo_close_path(cr);
  FillVertical(cr, Shade(kArrowGreen, 0.35), Shade(kArrowGreen, -0.2), 1.8, 13.2);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  Outline(cr, kArrowGreen);
}

// A ball with one white character on it, as for the help and info buttons.
void PaintLetterBall(cairo_t* cr, Rgb colour, const char* letter, Typeface face, double size,
                     double nudge_y) {
  PaintBall(cr, 9, 9, 8.0, colour);
  UseTypeface(cr, face, size);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, letter, &extents);
  cairo_move_to(cr, 9 - extents.x_bearing - extents.width / 2,
                9 - extents.y_bearing - extents.height / 2 + nudge_y);
  cairo_text_path(cr, letter);
  // A dark rim under the white character keeps it crisp on the shiny ball.
  SetColour(cr, Shade(colour, -0.6), 0.8);
  cairo_set_line_width(cr, 1.4);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke_preserve(cr);
  SetColour(cr, Rgb{255, 255, 255});
  cairo_fill(cr);
}

// The buttons' pictures; each one's comment in the table below says what it shows.

Image DrawBombButton() {
  Canvas canvas(18, 18);
  cairo_t* cr = canvas.cr();
  // The fuse first, so the bomb's cap covers its root.
  cairo_move_to(cr, 11.0, 6.0);
  cairo_curve_to(cr, 12.0, 2.5, 14.0, 4.5, 14.5, 2.5);
  SetColour(cr, Rgb{120, 90, 50});
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
  PaintBall(cr, 7.5, 10.5, 6.3, Rgb{64, 64, 72});
  cairo_save(cr);
  cairo_translate(cr, 11.0, 6.2);
  cairo_rotate(cr, -M_PI / 4);
  cairo_rectangle(cr, -2.0, -1.6, 4.0, 3.0);
  cairo_restore(cr);
  FillVertical(cr, Rgb{150, 150, 160}, Rgb{70, 70, 80}, 4.5, 8.0);
  Outline(cr, Rgb{90, 90, 100}, 0.7);
  // The spark: an orange star with a yellow heart.
  const double sx = 14.8, sy = 2.4;
  for (int i = 0; i < 8; ++i) {
    const double a = i * M_PI / 4, r = i % 2 == 0 ? 3.1 : 1.2;
    if (i == 0)
      cairo_move_to(cr, sx + r * std::cos(a), sy + r * std::sin(a));
    else
      cairo_line_to(cr, sx + r * std::cos(a), sy + r * std::sin(a));
  }
  cairo_close_path(cr);
  SetColour(cr, Rgb{255, 130, 20});
  cairo_fill(cr);
  CirclePath(cr, sx, sy, 1.1);
  SetColour(cr, Rgb{255, 250, 150});
  cairo_fill(cr);
  return KeyedPicture(canvas);
}

Image DrawUTurnButton() {
  Canvas canvas(18, 18);
  cairo_t* cr = canvas.cr();
  // The shaft rises on the right, turns over the top and comes down on the left; outline and
  // fill are two strokes of the same path.
  auto shaft = [cr] {
    cairo_new_path(cr);
    cairo_move_to(cr, 13.5, 16.0);
    cairo_line_to(cr, 13.5, 8.5);
    cairo_arc_negative(cr, 9.0, 8.5, 4.5, 0, M_PI);
    cairo_line_to(cr, 4.5, 10.0);
  };
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  shaft();
  SetColour(cr, Shade(kArrowGreen, -0.6));
  cairo_set_line_width(cr, 4.6);
  cairo_stroke(cr);
  shaft();
  SetColour(cr, kArrowGreen);
  cairo_set_line_width(cr, 2.8);
  cairo_stroke(cr);
  cairo_move_to(cr, 4.5, 16.5);
  cairo_line_to(cr, 0.6, 10.0);
  cairo_line_to(cr, 8.4, 10.0);
  cairo_close_path(cr);
  SetColour(cr, kArrowGreen);
  cairo_fill_preserve(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  Outline(cr, kArrowGreen);
  return NormalAndGreyed(canvas);
}

Image DrawLoadButton() {
  Canvas canvas(18, 18);
  PaintFloppy(canvas.cr(), 1.5, 4.5, 12.5);
  PaintArrow(canvas.cr(), 17.2, 0.8, 9.5, 8.5, kArrowRed);
  return NormalAndGreyed(canvas);
}

Image DrawSaveButton() {
  Canvas canvas(18, 18);
  PaintFloppy(canvas.cr(), 1.5, 4.5, 12.5);
  PaintArrow(canvas.cr(), 9.5, 8.5, 17.2, 0.8, kArrowRed);
  return NormalAndGreyed(canvas);
}

Image DrawSoundButton() {
  Canvas canvas(16, 16);
  cairo_t* cr = canvas.cr();
  // The cone, then the magnet box behind it.
  cairo_move_to(cr, 4.5, 5.5);
  cairo_line_to(cr, 8.5, 2.0);
  cairo_line_to(cr, 8.5, 14.0);
  cairo_line_to(cr, 4.5, 10.5);
  cairo_close_path(cr);
  FillVertical(cr, Rgb{190, 190, 200}, Rgb{90, 90, 100}, 2, 14);
  Outline(cr, Rgb{80, 80, 90});
  cairo_rectangle(cr, 1.5, 5.5, 3.0, 5.0);
  FillVertical(cr, Rgb{110, 110, 120}, Rgb{40, 40, 50}, 5.5, 10.5);
  Outline(cr, Rgb{60, 60, 70});
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (double r : {2.8, 5.3}) {
    cairo_new_path(cr);
    cairo_arc(cr, 9.0, 8.0, r, -M_PI / 3.2, M_PI / 3.2);
    SetColour(cr, kArrowRed);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
  return NormalAndGreyed(canvas);
}

Image DrawDoorButton() {
  Canvas canvas(18, 18);
  cairo_t* cr = canvas.cr();
  const Rgb frame{120, 84, 48};
  const Rgb door{40, 96, 210};
  cairo_rectangle(cr, 3.0, 0.5, 12.0, 17.0);
  SetColour(cr, Rgb{30, 26, 24});
  cairo_fill_preserve(cr);
  SetColour(cr, frame);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  // The door stands a little open toward the viewer, hinged on the left.
  cairo_move_to(cr, 4.0, 1.4);
  cairo_line_to(cr, 12.5, 2.6);
  cairo_line_to(cr, 12.5, 16.8);
  cairo_line_to(cr, 4.0, 16.6);
  cairo_close_path(cr);
  FillVertical(cr, Shade(door, 0.3), Shade(door, -0.15), 1.4, 16.8);
  Outline(cr, door, 0.9);
  cairo_rectangle(cr, 5.6, 4.0, 5.2, 4.6);
  cairo_rectangle(cr, 5.6, 10.2, 5.2, 4.8);
  SetColour(cr, Shade(door, -0.35));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  CirclePath(cr, 11.0, 9.8, 0.95);
  SetColour(cr, Rgb{255, 214, 60});
  cairo_fill(cr);
  return KeyedPicture(canvas);
}

Image DrawPreviousButton() {
  Canvas canvas(15, 15);
  PaintTriangle(canvas.cr(), true);
  return NormalAndGreyed(canvas);
}

Image DrawNextButton() {
  Canvas canvas(15, 15);
  PaintTriangle(canvas.cr(), false);
  return NormalAndGreyed(canvas);
}

Image DrawLipsButton() {
  Canvas canvas(15, 15);
  cairo_t* cr = canvas.cr();
  const Rgb red{214, 24, 48};
  // Upper lip with its bow, lower lip fuller; they meet along a gently curved line.
  cairo_move_to(cr, 0.6, 7.4);
  cairo_curve_to(cr, 2.6, 3.0, 5.0, 2.2, 7.5, 4.4);
  cairo_curve_to(cr, 10.0, 2.2, 12.4, 3.0, 14.4, 7.4);
  cairo_curve_to(cr, 12.6, 13.8, 2.4, 13.8, 0.6, 7.4);
  cairo_close_path(cr);
  FillVertical(cr, Shade(red, 0.15), Shade(red, -0.25), 2.2, 13);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  Outline(cr, red, 0.9);
  cairo_move_to(cr, 1.3, 7.4);
  cairo_curve_to(cr, 5.0, 8.6, 10.0, 8.6, 13.7, 7.4);
  SetColour(cr, Rgb{90, 0, 16});
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  cairo_move_to(cr, 5.0, 10.8);
  cairo_curve_to(cr, 6.6, 11.6, 8.4, 11.6, 10.0, 10.8);
  SetColour(cr, Rgb{255, 190, 200});
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  return KeyedPicture(canvas);
}

Image DrawRulesButton() {
  Canvas canvas(18, 18);
  PaintLetterBall(canvas.cr(), Rgb{220, 36, 30}, "\u00a7", Typeface::SansBold, 13.5, 0.0);
  return KeyedPicture(canvas);
}

Image DrawInfoButton() {
  Canvas canvas(18, 18);
  PaintLetterBall(canvas.cr(), Rgb{36, 96, 220}, "i", Typeface::SerifBold, 14.5, 0.0);
  return KeyedPicture(canvas);
}

}  // namespace

// The file names are the stems the layout gives the buttons' pictures.
std::vector<NamedPicture> ToolbarButtonPictures() {
  return {
      {"btn_newgame.bmp", DrawBombButton()},    // 18 x 18: a black bomb with a burning fuse
      {"btn_restart.bmp", DrawUTurnButton()},   // 36 x 18: a green arrow bending back to the left, + greyed
      {"btn_load.bmp", DrawLoadButton()},       // 36 x 18: a floppy disk with a red arrow into it, + greyed
      {"btn_save.bmp", DrawSaveButton()},       // 36 x 18: a floppy disk with a red arrow out of it, + greyed
      {"btn_sound.bmp", DrawSoundButton()},     // 32 x 16: a loudspeaker with red sound rays, + greyed
      {"btn_exit.bmp", DrawDoorButton()},       // 18 x 18: a blue door
      {"btn_prev.bmp", DrawPreviousButton()},   // 30 x 15: a green triangle pointing left, + greyed
      {"btn_next.bmp", DrawNextButton()},       // 30 x 15: a green triangle pointing right, + greyed
      {"btn_tongue.bmp", DrawLipsButton()},     // 15 x 15: red lips
      {"btn_rules.bmp", DrawRulesButton()},     // 18 x 18: a red ball with a white section sign
      {"btn_info.bmp", DrawInfoButton()},       // 18 x 18: a blue ball with a white letter i
      {"btn_zorbel.bmp", DrawMakerEmblem()},    // 26 x 20: the maker's emblem
  };
}

}  // namespace artgen
