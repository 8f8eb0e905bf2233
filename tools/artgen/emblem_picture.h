// The maker's emblem on the toolbar's last button: a cheerful cartoon head in profile with
// rainbow hair, as a keyed glyph picture of 26 x 20.
#pragma once

#include <cstddef>  // size_t, which image.h uses

#include "tools/artgen/image.h"

namespace artgen {

Image DrawMakerEmblem();

}  // namespace artgen
