// The marker of the selected tile: the car turned to one of eight headings, as a sprite and a
// mask for drawing with AND (mask) and then OR (sprite).
#pragma once

#include <cstddef>  // size_t, which image.h uses

#include "tools/artgen/image.h"

namespace artgen {

inline constexpr int kMarkerSize = 20;
inline constexpr int kMarkerFrames = 8;

struct MarkerFrame {
  Image sprite;  // the car on pure black
  Image mask;    // pure black where the car is, pure white elsewhere
};

// Frame k shows the car turned clockwise by k * 45 degrees from facing right.
MarkerFrame DrawMarkerFrame(int k);

}  // namespace artgen
