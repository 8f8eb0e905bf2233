// The flag glyphs of the language dialog's buttons, as keyed glyph pictures.
#pragma once

#include <cstddef>  // size_t, which image.h uses

#include "tools/artgen/image.h"

namespace artgen {

Image DrawEnglishFlags();  // 53 x 20: the United States and the United Kingdom
Image DrawGermanFlags();   // 80 x 20: Austria, Germany and Switzerland

}  // namespace artgen
