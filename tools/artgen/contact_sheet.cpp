// Entries flow left to right and wrap to the next line; a section title always starts a line.
// The page is laid out once to learn its height and then drawn.
#include "tools/artgen/contact_sheet.h"

#include <algorithm>
#include <stdexcept>

#include "tools/artgen/canvas.h"
#include "tools/artgen/font.h"
#include "tools/artgen/image_ops.h"
#include "tools/artgen/paint.h"

namespace artgen {

namespace {

constexpr int kMargin = 12;
constexpr int kGap = 10;
constexpr int kLabelHeight = 16;
constexpr int kTitleHeight = 34;
constexpr double kLabelSize = 11.0;
constexpr double kTitleSize = 18.0;
constexpr Rgb kPaper{226, 226, 222};
constexpr Rgb kInk{20, 20, 24};

}  // namespace

void ContactSheet::Section(const std::string& title) {
  entries_.push_back({true, title, Image(), 1});
}

void ContactSheet::Add(const std::string& label, const Image& image, int scale) {
  entries_.push_back({false, label, image, scale});
}

Image ContactSheet::Render() const {
  struct Placed {
    const Entry* entry;
    int x, y;
  };
  std::vector<Placed> placed;
  int x = kMargin, y = kMargin, line_height = 0;
  auto new_line = [&] {
    if (x > kMargin) y += line_height + kGap;
    x = kMargin;
    line_height = 0;
  };
  for (const Entry& entry : entries_) {
    if (entry.is_section) {
      new_line();
      placed.push_back({&entry, x, y});
      y += kTitleHeight;
      continue;
    }
    const int w = entry.image.width * entry.scale;
    const int h = entry.image.height * entry.scale + kLabelHeight;
    if (x + w > width_ - kMargin) new_line();
    placed.push_back({&entry, x, y});
    x += w + kGap;
    line_height = std::max(line_height, h);
  }
  new_line();
  const int height = y + kMargin;

  Canvas canvas(width_, height);
  cairo_t* cr = canvas.cr();
  SetColour(cr, kPaper);
  cairo_paint(cr);
  for (const Placed& p : placed) {
    if (p.entry->is_section) {
      UseTypeface(cr, Typeface::SansBold, kTitleSize);
      SetColour(cr, kInk);
      cairo_move_to(cr, p.x, p.y + kTitleSize + 4);
      cairo_show_text(cr, p.entry->text.c_str());
      cairo_rectangle(cr, p.x, p.y + kTitleHeight - 8, width_ - 2 * kMargin, 1);
      cairo_fill(cr);
      continue;
    }
    const Image big = Enlarged(p.entry->image, p.entry->scale);
    cairo_surface_t* surface = SurfaceFromImage(big);
    cairo_set_source_surface(cr, surface, p.x, p.y);
    cairo_paint(cr);
    cairo_surface_destroy(surface);
    UseTypeface(cr, Typeface::Sans, kLabelSize);
    SetColour(cr, kInk);
    cairo_move_to(cr, p.x, p.y + big.height + kLabelSize + 2);
    cairo_show_text(cr, p.entry->text.c_str());
  }
  return canvas.over(kPaper);
}

void WritePng(const std::string& path, const Image& image) {
  cairo_surface_t* surface = SurfaceFromImage(image);
  const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cannot write " + path);
}

}  // namespace artgen
