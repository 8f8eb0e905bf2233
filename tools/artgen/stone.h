// The granite-like stone of the board frame and the gauge channel.
#pragma once

#include <cstddef>  // size_t, which image.h uses

#include "tools/artgen/image.h"

namespace artgen {

// The stone's colour at a point. The same point always has the same colour, so two pictures
// cut from the same coordinates match exactly.
Rgb StoneAt(int x, int y);

}  // namespace artgen
