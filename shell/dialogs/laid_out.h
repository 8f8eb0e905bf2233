// The mid-end's layout in this program's terms: a box as a window rectangle, a picture as one
// of the bitmap resources the resource script embeds.
#pragma once

#include <windows.h>

#include "midend/layout.h"

namespace verlumo {

RECT ToRect(const Box& box);

// The bitmap resource of a picture; 0 for none.
int PictureResource(Picture picture);

}  // namespace verlumo
