// A surface in plain memory, top row first. Its pixels are 32-bit values in the order of the
// sheets drawn onto it: 0x00RRGGBB as the game's BMP records decode, or the RGBA bytes of a
// browser's canvas, which the web page then shows as they are; copies only move, AND and OR
// whole pixels, so the drawing needs no other. Counts its copies, so tests and benchmarks can
// check what an operation costs, and can log them when a test asks.
#pragma once

#include <cstdint>
#include <vector>

#include "view/surface.h"

namespace verlumo {

struct CopyRecord {
  int x, y, width, height;
  const Surface* source;
  int source_x, source_y;
  RasterOp op;
  friend bool operator==(const CopyRecord&, const CopyRecord&) = default;
};

class MemorySurface final : public Surface {
 public:
  MemorySurface(int width, int height, std::uint32_t fill = 0);
  MemorySurface(int width, int height, std::vector<std::uint32_t> pixels);

  int width() const override { return width_; }
  int height() const override { return height_; }
  void Copy(int x, int y, int width, int height, const Surface& source, int source_x,
            int source_y, RasterOp op) override;

  std::uint32_t pixel(int x, int y) const { return pixels_[Index(x, y)]; }
  void set_pixel(int x, int y, std::uint32_t rgb) { pixels_[Index(x, y)] = rgb; }
  const std::vector<std::uint32_t>& pixels() const { return pixels_; }
  // For filling the surface in place, as the page does with the sheets it decoded.
  std::uint32_t* data() { return pixels_.data(); }

  int copy_count() const { return copy_count_; }
  // While a log is attached every copy onto this surface is appended to it.
  void AttachLog(std::vector<CopyRecord>* log) { log_ = log; }

 private:
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

  int width_;
  int height_;
  std::vector<std::uint32_t> pixels_;
  int copy_count_ = 0;
  std::vector<CopyRecord>* log_ = nullptr;
};

}  // namespace verlumo
