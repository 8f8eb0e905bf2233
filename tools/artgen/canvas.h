// A cairo drawing surface with its context, and the ways the art generator turns what was drawn
// into plain pictures: composited over a background, or read pixel by pixel with coverage.
#pragma once

#include <cairo.h>

#include <cstddef>  // size_t, which image.h uses

#include "tools/artgen/image.h"

namespace artgen {

// One pixel as drawn: its colour without premultiplication, and how much of it is covered.
struct CoveredPixel {
  Rgb colour;
  double alpha = 0.0;
};

class Canvas {
 public:
  // A fully transparent surface of the given size.
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }
  int width() const { return width_; }
  int height() const { return height_; }

  CoveredPixel pixel(int x, int y) const;

  // What was drawn, laid over a plain colour or over a picture of the same size.
  Image over(Rgb background) const;
  Image over(const Image& background) const;

 private:
  int width_;
  int height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// Loads a picture onto a new surface, so that cairo can scale it or draw over it.
cairo_surface_t* SurfaceFromImage(const Image& image);

}  // namespace artgen
