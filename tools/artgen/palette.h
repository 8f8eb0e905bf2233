// Reduces a picture to a palette of at most a given number of colours, for the 256- and
// 16-colour pictures of the game.
#pragma once

#include <cstddef>  // size_t, which image.h uses
#include <vector>

#include "tools/artgen/image.h"
#include "tools/artgen/indexed_image.h"

namespace artgen {

// The colours in `keep` come first in the palette, in that order, and every pixel of exactly
// such a colour keeps it. The remaining entries are chosen by median cut over the other colours
// of the picture; a picture with few enough colours keeps all of them exactly. Every pixel then
// takes the nearest palette entry. The result is the same for the same input, always.
IndexedImage Quantise(const Image& image, int max_colours, const std::vector<Rgb>& keep = {});

}  // namespace artgen
