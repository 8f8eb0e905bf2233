// The frame sheet: the background of the board area, which also keeps the marker frames and
// the empty gauge strip inside its board window, where the tiles always cover them.
#pragma once

#include <cstddef>  // size_t, which image.h uses

#include "tools/artgen/image.h"

namespace artgen {

Image DrawFrameSheet();

}  // namespace artgen
