// The progress gauge's two strips: the stone channel with the game's name running up it, dark
// while nothing is solved and glowing blue where levels are solved.
#pragma once

#include <cstddef>  // size_t, which image.h uses

#include "tools/artgen/image.h"

namespace artgen {

inline constexpr int kGaugeWidth = 31;
inline constexpr int kGaugeHeight = 315;

// The gauge with nothing solved (lit false) or everything solved (lit true). Both show the same
// stone, cut from where the gauge lies in the frame, so the lit part rises seamlessly.
Image DrawGaugeStrip(bool lit);

}  // namespace artgen
