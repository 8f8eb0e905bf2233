// A surface in plain memory: 0x00RRGGBB pixels, top row first. Counts its copies, so tests and
// benchmarks can check what an operation costs, and can log them when a test asks.
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
