// The mid-end's layout in this program's terms: a box as a window rectangle, a picture as the
// bitmap resource the resource script embeds under its stem.
#pragma once

#include <windows.h>

#include "midend/layout.h"

namespace verlumo {

RECT ToRect(const Box& box);

// The picture's bitmap, loaded from the program's resources; null when it is not there.
HBITMAP LoadPictureResource(const Picture& picture);

}  // namespace verlumo
