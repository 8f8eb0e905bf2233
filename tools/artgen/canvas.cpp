// Cairo surfaces to plain pictures. Cairo keeps colours premultiplied by coverage; the pictures
// of the game are opaque, so every read-out either composites or hands the coverage back too.
#include "tools/artgen/canvas.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace artgen {

namespace {

std::uint8_t Channel(double value) {
  return static_cast<std::uint8_t>(std::lround(std::fmax(0.0, std::fmin(255.0, value))));
}

}  // namespace

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
  if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot create a drawing surface");
  }
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

CoveredPixel Canvas::pixel(int x, int y) const {
  cairo_surface_flush(surface_);
  const unsigned char* row =
      cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_);
  std::uint32_t argb;
  std::memcpy(&argb, row + x * 4, 4);
  const double a = (argb >> 24) & 0xff;
  CoveredPixel out;
  out.alpha = a / 255.0;
  if (a > 0) {
    out.colour.r = Channel(((argb >> 16) & 0xff) * 255.0 / a);
    out.colour.g = Channel(((argb >> 8) & 0xff) * 255.0 / a);
    out.colour.b = Channel((argb & 0xff) * 255.0 / a);
  }
  return out;
}

Image Canvas::over(Rgb background) const { return over(Image(width_, height_, background)); }

Image Canvas::over(const Image& background) const {
  Image out = background;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const CoveredPixel p = pixel(x, y);
      Rgb& d = out.at(x, y);
      d.r = Channel(p.colour.r * p.alpha + d.r * (1.0 - p.alpha));
      d.g = Channel(p.colour.g * p.alpha + d.g * (1.0 - p.alpha));
      d.b = Channel(p.colour.b * p.alpha + d.b * (1.0 - p.alpha));
    }
  }
  return out;
}

cairo_surface_t* SurfaceFromImage(const Image& image) {
  cairo_surface_t* surface =
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width, image.height);
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const Rgb p = image.at(x, y);
      const std::uint32_t xrgb = 0xff000000u | (p.r << 16) | (p.g << 8) | p.b;
      std::memcpy(data + y * stride + x * 4, &xrgb, 4);
    }
  }
  cairo_surface_mark_dirty(surface);
  return surface;
}

}  // namespace artgen
