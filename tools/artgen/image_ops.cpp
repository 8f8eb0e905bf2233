// Whole-picture operations on artgen::Image.
#include "tools/artgen/image_ops.h"

#include <algorithm>

namespace artgen {

Image Enlarged(const Image& image, int factor) {
  Image out(image.width * factor, image.height * factor);
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) out.at(x, y) = image.at(x / factor, y / factor);
  }
  return out;
}

void Paste(Image& dst, const Image& src, int x, int y) {
  for (int sy = 0; sy < src.height; ++sy) {
    for (int sx = 0; sx < src.width; ++sx) {
      const int dx = x + sx, dy = y + sy;
      if (dx >= 0 && dy >= 0 && dx < dst.width && dy < dst.height) dst.at(dx, dy) = src.at(sx, sy);
    }
  }
}

Image SideBySide(const std::vector<Image>& images, Rgb background) {
  int width = 0, height = 0;
  for (const Image& image : images) {
    width += image.width;
    height = std::max(height, image.height);
  }
  Image out(width, height, background);
  int x = 0;
  for (const Image& image : images) {
    Paste(out, image, x, 0);
    x += image.width;
  }
  return out;
}

Image Cropped(const Image& image, int x, int y, int width, int height) {
  Image out(width, height);
  for (int cy = 0; cy < height; ++cy) {
    for (int cx = 0; cx < width; ++cx) out.at(cx, cy) = image.at(x + cx, y + cy);
  }
  return out;
}

Image Expanded(const IndexedImage& image) {
  Image out(image.width, image.height);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) out.at(x, y) = image.at(x, y);
  }
  return out;
}

}  // namespace artgen
