// A cairo surface a whole number of tiles large, laid with grass, from which finished tile
// pictures are cut. Larger scenery is painted on one canvas so that it runs on across the
// borders of its cells.
#pragma once

#include <cairo.h>

#include <cstddef>  // image.h uses size_t

#include "tools/artgen/image.h"
#include "tools/artgen/tiles/ground.h"

namespace artgen::tiles {

constexpr int kCell = 48;  // a tile picture is kCell x kCell pixels

class TileCanvas {
 public:
  TileCanvas(int columns, int rows, GrassFill grass = GrassFill::Textured);
  ~TileCanvas();
  TileCanvas(const TileCanvas&) = delete;
  TileCanvas& operator=(const TileCanvas&) = delete;

  cairo_t* cr() const { return cr_; }
  int columns() const { return columns_; }
  int rows() const { return rows_; }

  // Copies the cell at (column, row) into `target` with its top-left corner at (x, y).
  void CopyCell(int column, int row, Image& target, int x, int y) const;
  Image ToImage() const;

 private:
  int columns_;
  int rows_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

}  // namespace artgen::tiles
