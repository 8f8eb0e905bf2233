// Creating tile canvases and reading their pixels back as plain pictures.
#include "tools/artgen/tiles/tile_canvas.h"

#include <cstdint>

namespace artgen::tiles {

TileCanvas::TileCanvas(int columns, int rows, GrassFill grass)
    : columns_(columns),
      rows_(rows),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, columns * kCell, rows * kCell)),
      cr_(cairo_create(surface_)) {
  SetGrassFill(cr_, grass);
  PaintGrass(cr_);
}

TileCanvas::~TileCanvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

void TileCanvas::CopyCell(int column, int row, Image& target, int x, int y) const {
  cairo_surface_flush(surface_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  for (int dy = 0; dy < kCell; ++dy) {
    const auto* line =
        reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(row * kCell + dy) * stride);
    for (int dx = 0; dx < kCell; ++dx) {
      const std::uint32_t pixel = line[column * kCell + dx];
      target.at(x + dx, y + dy) = {static_cast<std::uint8_t>(pixel >> 16),
                                   static_cast<std::uint8_t>(pixel >> 8),
                                   static_cast<std::uint8_t>(pixel)};
    }
  }
}

Image TileCanvas::ToImage() const {
  Image image(columns_ * kCell, rows_ * kCell);
  for (int row = 0; row < rows_; ++row) {
    for (int column = 0; column < columns_; ++column) {
      CopyCell(column, row, image, column * kCell, row * kCell);
    }
  }
  return image;
}

}  // namespace artgen::tiles
