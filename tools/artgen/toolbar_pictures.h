// The pictures of the main window's toolbar buttons, as keyed glyph pictures (see
// button_picture.h). Those with a disabled state hold the normal and the greyed image side by
// side.
#pragma once

#include <cstddef>  // size_t, which image.h uses

#include "tools/artgen/image.h"

namespace artgen {

Image DrawBombButton();      // 18 x 18: a black bomb with a burning fuse
Image DrawUTurnButton();     // 36 x 18: a green arrow bending back to the left, + greyed
Image DrawLoadButton();      // 36 x 18: a floppy disk with a red arrow into it, + greyed
Image DrawSaveButton();      // 36 x 18: a floppy disk with a red arrow out of it, + greyed
Image DrawSoundButton();     // 32 x 16: a loudspeaker with red sound rays, + greyed
Image DrawDoorButton();      // 18 x 18: a blue door
Image DrawPreviousButton();  // 30 x 15: a green triangle pointing left, + greyed
Image DrawNextButton();      // 30 x 15: a green triangle pointing right, + greyed
Image DrawLipsButton();      // 15 x 15: red lips
Image DrawRulesButton();     // 18 x 18: a red ball with a white section sign
Image DrawInfoButton();      // 18 x 18: a blue ball with a white letter i

}  // namespace artgen
