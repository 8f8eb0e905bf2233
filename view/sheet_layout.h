// Where the drawing finds its pictures: the rectangles of the frame sheet and the glyph sheet,
// and where the board area shows them.
#pragma once

#include "view/board_geometry.h"

namespace verlumo::sheet {

// Marker frame k: the sprite at (kMarkerLeft + kMarkerSize * k, kMarkerSpriteTop), the mask
// right below it.
constexpr int kMarkerFrames = 8;
constexpr int kMarkerSize = 20;
constexpr int kMarkerLeft = 30;
constexpr int kMarkerSpriteTop = 30;
constexpr int kMarkerMaskTop = 50;

// The two gauge strips; the gauge in the board area lies where the full strip lies.
constexpr int kEmptyGaugeLeft = 415;
constexpr int kFullGaugeLeft = 469;
constexpr int kGaugeTop = 32;
constexpr int kGaugeWidth = 31;
constexpr int kGaugeHeight = 315;

// The glyph sheet: digit d at x = 11 * d, then the blank digit and the two faces.
constexpr int kGlyphHeight = 20;
constexpr int kDigitWidth = 11;
constexpr int kBlankDigitLeft = 110;
constexpr int kFaceWidth = 13;
constexpr int kSolvedFaceLeft = 122;
constexpr int kUnsolvedFaceLeft = 135;

// The level counter: three digit cells 13 pixels apart, then the face.
constexpr int kCounterDigitPitch = 13;
constexpr int kCounterFaceLeft = 42;

}  // namespace verlumo::sheet
