// Pictures with a transparent background for buttons, dialog glyphs and flags. They follow the
// classic convention of Windows button glyphs: the colour of the bottom-left pixel is the
// transparent colour. Edges are smoothed against the usual button face, so they sit cleanly on
// grey buttons.
#pragma once

#include <cstddef>  // size_t, which image.h uses

#include "tools/artgen/canvas.h"
#include "tools/artgen/image.h"

namespace artgen {

inline constexpr Rgb kTransparentKey{255, 0, 255};
inline constexpr Rgb kButtonFace{212, 208, 200};

// What was drawn on the canvas, as a keyed picture: barely covered pixels become the
// transparent colour, the others are laid over the button face. Throws when the drawing covers
// the bottom-left pixel, which must stay transparent.
Image KeyedPicture(const Canvas& canvas);

// The disabled look of the same drawing: its dark parts pressed into the button as grey with a
// white edge below and to the right, the rest transparent.
Image GreyedPicture(const Canvas& canvas);

// The normal picture and its disabled look side by side, as two-image glyphs are stored.
Image NormalAndGreyed(const Canvas& canvas);

}  // namespace artgen
