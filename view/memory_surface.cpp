// Rectangle copies between memory surfaces, clipped like GDI clips them.
#include "view/memory_surface.h"

#include <algorithm>

namespace verlumo {

MemorySurface::MemorySurface(int width, int height, std::uint32_t fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

MemorySurface::MemorySurface(int width, int height, std::vector<std::uint32_t> pixels)
    : width_(width), height_(height), pixels_(std::move(pixels)) {
  pixels_.resize(static_cast<std::size_t>(width) * height);
}

void MemorySurface::Copy(int x, int y, int width, int height, const Surface& source_surface,
                         int source_x, int source_y, RasterOp op) {
  ++copy_count_;
  if (log_ != nullptr) log_->push_back({x, y, width, height, &source_surface, source_x, source_y, op});
  const auto& source = static_cast<const MemorySurface&>(source_surface);

  // Clip the rectangle so that it lies inside both surfaces, moving both corners alike.
  const int left = std::max({0, -x, -source_x});
  const int top = std::max({0, -y, -source_y});
  const int right = std::min({width, width_ - x, source.width_ - source_x});
  const int bottom = std::min({height, height_ - y, source.height_ - source_y});
  // Nothing left after clipping: the corners may then lie past either surface's pixels.
  if (right <= left) return;
  for (int row = top; row < bottom; ++row) {
    const std::uint32_t* from = &source.pixels_[source.Index(source_x + left, source_y + row)];
    std::uint32_t* to = &pixels_[Index(x + left, y + row)];
    for (int column = 0; column < right - left; ++column) {
      switch (op) {
        case RasterOp::kCopy: to[column] = from[column]; break;
        case RasterOp::kAnd: to[column] &= from[column]; break;
        case RasterOp::kPaint: to[column] |= from[column]; break;
      }
    }
  }
}

}  // namespace verlumo
