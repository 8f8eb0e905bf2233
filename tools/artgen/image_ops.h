// Small operations on whole pictures: enlarging, pasting, putting pictures side by side.
#pragma once

#include <cstddef>  // size_t, which image.h uses
#include <vector>

#include "tools/artgen/image.h"
#include "tools/artgen/indexed_image.h"

namespace artgen {

// Every pixel becomes a factor x factor square (for looking at small pictures).
Image Enlarged(const Image& image, int factor);

// Copies src into dst with its top-left corner at (x, y); parts outside dst are left out.
void Paste(Image& dst, const Image& src, int x, int y);

// The pictures next to each other, left to right, top-aligned, on the background colour.
Image SideBySide(const std::vector<Image>& images, Rgb background = {});

// The part of a picture inside the given rectangle.
Image Cropped(const Image& image, int x, int y, int width, int height);

// A palettised picture with its palette applied.
Image Expanded(const IndexedImage& image);

}  // namespace artgen
