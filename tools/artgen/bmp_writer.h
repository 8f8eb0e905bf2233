// Encodes pictures as Windows BMP files (file header + BITMAPINFOHEADER, bottom-up rows), the
// form the game's resources and bitmap lists hold.
#pragma once

#include <cstddef>  // size_t, which image.h uses

#include "tools/artgen/byte_writer.h"
#include "tools/artgen/image.h"
#include "tools/artgen/indexed_image.h"

namespace artgen {

Bytes EncodeBmp24(const Image& image);

// bits_per_pixel is 8 (palette padded to 256 entries) or 4 (palette padded to 16 entries); the
// palette must not be longer than that.
Bytes EncodeBmpIndexed(const IndexedImage& image, int bits_per_pixel);

// The BITMAPINFOHEADER, colour table and pixel rows without the file header, as icon images and
// the BMP files both use them. height_factor 2 describes an icon image (pixels plus AND mask).
Bytes EncodeDibIndexed(const IndexedImage& image, int bits_per_pixel, int height_factor);

}  // namespace artgen
