// The installer's pictures, drawn from the same road world, car and title lettering as the splash
// screen, so that setup looks like the game it installs.
#pragma once

#include <cstddef>  // size_t, which image.h uses

#include "tools/artgen/image.h"

namespace artgen {

// 164 x 314: the welcome and finish pages' picture along their left side, the title over a road
// winding down through the meadow with the car on it.
Image DrawInstallerWelcome();
// 150 x 57: the picture at the right of every other page's header, the title over a road.
Image DrawInstallerHeader();

}  // namespace artgen
