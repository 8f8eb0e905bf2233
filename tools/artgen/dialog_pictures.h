// The glyphs on the dialogs' buttons, as keyed glyph pictures (see button_picture.h); those
// with a disabled state hold the normal and the greyed image side by side.
#pragma once

#include <cstddef>  // size_t, which image.h uses

#include "tools/artgen/image.h"

namespace artgen {

Image DrawSmileGlyph();        // 17 x 17: a yellow smiling face
Image DrawCurvedArrowGlyph();  // 36 x 18: a green arrow curving round, + greyed
Image DrawCrossGlyph();        // 36 x 18: a red cross, + greyed
Image DrawTickGlyph();         // 36 x 18: a green tick, + greyed

}  // namespace artgen
