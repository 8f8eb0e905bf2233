// Encodes a Windows icon file holding several images of one picture.
#pragma once

#include <cstddef>  // size_t, which image.h uses
#include <cstdint>
#include <vector>

#include "tools/artgen/byte_writer.h"
#include "tools/artgen/image.h"
#include "tools/artgen/indexed_image.h"

namespace artgen {

// One image of the icon: either palettised with 16 colours (indexed set) or true colour with an
// alpha channel (rgb and alpha set). `opaque` says per pixel (top row first) where the icon
// shows; it becomes the AND mask and, for true colour, decides nothing else.
struct IconImage {
  int size = 0;
  IndexedImage indexed;
  Image rgb;
  std::vector<std::uint8_t> alpha;
  std::vector<bool> opaque;
};

Bytes EncodeIco(const std::vector<IconImage>& images);

}  // namespace artgen
