// Keyed and greyed pictures from a drawing's coverage.
#include "tools/artgen/button_picture.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "tools/artgen/image_ops.h"

namespace artgen {

namespace {

// Below this coverage a pixel counts as background; above it the drawing shows.
constexpr double kCoverageThreshold = 0.3;

Rgb Blend(Rgb under, Rgb over, double amount) {
  auto mix = [amount](int a, int b) {
    return static_cast<std::uint8_t>(std::lround(a + (b - a) * amount));
  };
  return Rgb{mix(under.r, over.r), mix(under.g, over.g), mix(under.b, over.b)};
}

double Luma(Rgb c) { return (0.299 * c.r + 0.587 * c.g + 0.114 * c.b) / 255.0; }

}  // namespace

Image KeyedPicture(const Canvas& canvas) {
  if (canvas.pixel(0, canvas.height() - 1).alpha >= kCoverageThreshold) {
    throw std::logic_error("a button picture must leave its bottom-left pixel transparent");
  }
  Image out(canvas.width(), canvas.height(), kTransparentKey);
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const CoveredPixel p = canvas.pixel(x, y);
      if (p.alpha >= kCoverageThreshold) out.at(x, y) = Blend(kButtonFace, p.colour, p.alpha);
    }
  }
  return out;
}

Image GreyedPicture(const Canvas& canvas) {
  const int w = canvas.width(), h = canvas.height();
  // How strongly each pixel belongs to the pressed-in shape: covered and darker than light grey.
  std::vector<double> shape(static_cast<size_t>(w) * h, 0.0);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const CoveredPixel p = canvas.pixel(x, y);
      const double darkness = std::clamp((0.86 - Luma(p.colour)) / 0.2, 0.0, 1.0);
      shape[static_cast<size_t>(y) * w + x] = p.alpha * darkness;
    }
  }
  const Rgb shadow{128, 128, 128};
  const Rgb highlight{255, 255, 255};
  Image out(w, h, kTransparentKey);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const double s = shape[static_cast<size_t>(y) * w + x];
      const double lit = (x > 0 && y > 0) ? shape[static_cast<size_t>(y - 1) * w + (x - 1)] : 0.0;
      if (std::max(s, lit) < kCoverageThreshold) continue;
      out.at(x, y) = Blend(Blend(kButtonFace, highlight, lit), shadow, s);
    }
  }
  out.at(0, h - 1) = kTransparentKey;
  return out;
}

Image NormalAndGreyed(const Canvas& canvas) {
  return SideBySide({KeyedPicture(canvas), GreyedPicture(canvas)});
}

}  // namespace artgen
