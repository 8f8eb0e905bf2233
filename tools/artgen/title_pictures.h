// The pictures that present the game: the splash screen's title art, the info dialog's logo
// and the logo of the association the maker belongs to. All are opaque and drawn in full
// colour; the asset set reduces them to the palettes their places ask for.
#pragma once

#include <cstddef>  // size_t, which image.h uses

#include "tools/artgen/image.h"

namespace artgen {

Image DrawSplashPicture();    // 200 x 150: the title over a small road world with the car
Image DrawInfoLogo();         // 100 x 75: the title over a road crossing with the car
Image DrawAssociationLogo();  // 119 x 68: the association's "pmk" badge

}  // namespace artgen
