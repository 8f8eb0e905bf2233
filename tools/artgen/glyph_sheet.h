// The glyph sheet of the level counter: dot-matrix LED digits, a blank digit and the faces that
// say whether the level on the board is solved.
#pragma once

#include "tools/artgen/indexed_image.h"

namespace artgen {

inline constexpr Rgb kLedLit{255, 255, 0};
inline constexpr Rgb kLedUnlit{64, 64, 0};

// 148 x 20 pixels, one row of glyphs on black: digit d at x = 11 * d, the blank digit at 110,
// the solved face at 122 and the unsolved face at 135 (13 wide each).
IndexedImage DrawGlyphSheet();

}  // namespace artgen
