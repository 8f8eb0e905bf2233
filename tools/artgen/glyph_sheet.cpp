// Each digit is a 4 x 7 matrix of 2 x 2 pixel dots with one black pixel between dots, so it
// fills its 11 x 20 cell exactly. The faces are drawn smooth, and the palette keeps black and
// the two LED colours exact.
#include "tools/artgen/glyph_sheet.h"

#include <array>
#include <cmath>

#include "tools/artgen/canvas.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/palette.h"

namespace artgen {

namespace {

constexpr int kSheetWidth = 148;
constexpr int kSheetHeight = 20;
constexpr int kDigitWidth = 11;
constexpr int kBlankX = 110;
constexpr int kSolvedFaceX = 122;
constexpr int kUnsolvedFaceX = 135;
constexpr int kFaceWidth = 13;

using DotMatrix = std::array<const char*, 7>;

// The digits as they light up, top row first; '#' is a lit dot.
constexpr std::array<DotMatrix, 10> kDigits{{
    {".##.", "#..#", "#..#", "#..#", "#..#", "#..#", ".##."},
    {"..#.", ".##.", "..#.", "..#.", "..#.", "..#.", ".###"},
    {".##.", "#..#", "...#", "..#.", ".#..", "#...", "####"},
    {".##.", "#..#", "...#", ".##.", "...#", "#..#", ".##."},
    {"#..#", "#..#", "#..#", "####", "...#", "...#", "...#"},
    {"####", "#...", "###.", "...#", "...#", "#..#", ".##."},
    {".##.", "#...", "#...", "###.", "#..#", "#..#", ".##."},
    {"####", "...#", "...#", "..#.", ".#..", ".#..", ".#.."},
    {".##.", "#..#", "#..#", ".##.", "#..#", "#..#", ".##."},
    {".##.", "#..#", "#..#", ".###", "...#", "...#", ".##."},
}};

constexpr DotMatrix kBlank{"....", "....", "....", "....", "....", "....", "...."};

void PutDots(Image& sheet, int left, const DotMatrix& dots) {
  for (int row = 0; row < 7; ++row) {
    for (int column = 0; column < 4; ++column) {
      const Rgb colour = dots[row][column] == '#' ? kLedLit : kLedUnlit;
      for (int dy = 0; dy < 2; ++dy) {
        for (int dx = 0; dx < 2; ++dx) sheet.at(left + column * 3 + dx, row * 3 + dy) = colour;
      }
    }
  }
}

// A round face in the middle of its 13 x 20 cell and kept inside it, smiling when `happy`, else
// frowning.
void PaintFace(cairo_t* cr, double left, Rgb colour, bool happy) {
  const double cx = left + kFaceWidth / 2.0, cy = kSheetHeight / 2.0, r = 6.1;
  cairo_save(cr);
  cairo_rectangle(cr, left, 0, kFaceWidth, kSheetHeight);
  cairo_clip(cr);
  PaintBall(cr, cx, cy, r, colour);
  SetColour(cr, happy ? Rgb{60, 30, 0} : Rgb{40, 0, 0});
  for (double side : {-1.0, 1.0}) {
    cairo_save(cr);
    cairo_translate(cr, cx + side * 2.1, cy - 1.5);
    cairo_scale(cr, 0.8, 1.2);
    CirclePath(cr, 0, 0, 1.0);
    cairo_restore(cr);
  }
  cairo_fill(cr);
  cairo_set_line_width(cr, 1.2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_new_path(cr);
  if (happy) {
    cairo_arc(cr, cx, cy + 0.2, 3.4, M_PI * 0.18, M_PI * 0.82);
  } else {
    cairo_arc_negative(cr, cx, cy + 6.0, 3.4, -M_PI * 0.24, -M_PI * 0.76);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
}

}  // namespace

IndexedImage DrawGlyphSheet() {
  Image sheet(kSheetWidth, kSheetHeight, Rgb{0, 0, 0});
  for (int d = 0; d < 10; ++d) PutDots(sheet, d * kDigitWidth, kDigits[d]);
  PutDots(sheet, kBlankX, kBlank);

  Canvas faces(kSheetWidth, kSheetHeight);
  PaintFace(faces.cr(), kSolvedFaceX, Rgb{255, 214, 0}, true);
  PaintFace(faces.cr(), kUnsolvedFaceX, Rgb{230, 40, 30}, false);
  // Only the face cells take the smooth drawing; the digits keep their exact colours.
  const Image smooth = faces.over(Rgb{0, 0, 0});
  for (int y = 0; y < kSheetHeight; ++y) {
    for (int x = kSolvedFaceX; x < kSheetWidth; ++x) sheet.at(x, y) = smooth.at(x, y);
  }
  return Quantise(sheet, 256, {Rgb{0, 0, 0}, kLedLit, kLedUnlit});
}

}  // namespace artgen
