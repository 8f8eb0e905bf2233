// Stand-in bitmaps whose every picture has a colour of its own, so that a test can tell from a
// single pixel which rectangle of which sheet was copied there.
#pragma once

#include <cstdint>

#include "core/tile_catalogue.h"
#include "view/memory_surface.h"
#include "view/sheet_layout.h"

namespace verlumo::testing {

// Tile code c is filled with 0x100000 + c.
constexpr std::uint32_t TileColour(int code) { return 0x100000u + static_cast<std::uint32_t>(code); }
// Each row y of the gauge strips has its own colour; the empty and the full strip differ.
constexpr std::uint32_t EmptyGaugeColour(int y) { return 0x200000u + static_cast<std::uint32_t>(y); }
constexpr std::uint32_t FullGaugeColour(int y) { return 0x300000u + static_cast<std::uint32_t>(y); }
constexpr std::uint32_t kFrameColour = 0x404040;
// The marker of frame k is a 6 x 4 block at (7, 8) of its 20 x 20 square, coloured 0x5000k0.
constexpr std::uint32_t MarkerColour(int frame) { return 0x500000u + static_cast<std::uint32_t>(frame) * 0x10; }
constexpr int kMarkerBlockLeft = 7, kMarkerBlockTop = 8, kMarkerBlockWidth = 6, kMarkerBlockHeight = 4;
// Each glyph cell of the glyph sheet has the colour 0x6000xx, xx its left edge.
constexpr std::uint32_t GlyphColour(int left) { return 0x600000u + static_cast<std::uint32_t>(left); }

inline MemorySurface MakeTileSheet() {
  MemorySurface sheet(960, 480);
  for (int code = 0; code < kCataloguedCodes; ++code) {
    const PixelOffset at = SheetPosition(static_cast<TileCode>(code));
    for (int y = 0; y < kTileSize; ++y)
      for (int x = 0; x < kTileSize; ++x) sheet.set_pixel(at.x + x, at.y + y, TileColour(code));
  }
  return sheet;
}

inline MemorySurface MakeFrameSheet() {
  using namespace sheet;
  MemorySurface frame(kBoardAreaWidth, kBoardAreaHeight, kFrameColour);
  for (int k = 0; k < kMarkerFrames; ++k) {
    const int left = kMarkerLeft + kMarkerSize * k;
    for (int y = 0; y < kMarkerSize; ++y) {
      for (int x = 0; x < kMarkerSize; ++x) {
        const bool opaque = x >= kMarkerBlockLeft && x < kMarkerBlockLeft + kMarkerBlockWidth &&
                            y >= kMarkerBlockTop && y < kMarkerBlockTop + kMarkerBlockHeight;
        frame.set_pixel(left + x, kMarkerSpriteTop + y, opaque ? MarkerColour(k) : 0);
        frame.set_pixel(left + x, kMarkerMaskTop + y, opaque ? 0 : 0xFFFFFF);
      }
    }
  }
  for (int y = kGaugeTop; y < kGaugeTop + kGaugeHeight; ++y) {
    for (int x = 0; x < kGaugeWidth; ++x) {
      frame.set_pixel(kEmptyGaugeLeft + x, y, EmptyGaugeColour(y));
      frame.set_pixel(kFullGaugeLeft + x, y, FullGaugeColour(y));
    }
  }
  return frame;
}

inline MemorySurface MakeGlyphSheet() {
  using namespace sheet;
  MemorySurface glyphs(148, kGlyphHeight);
  auto fill = [&](int left, int width) {
    for (int y = 0; y < kGlyphHeight; ++y)
      for (int x = left; x < left + width; ++x) glyphs.set_pixel(x, y, GlyphColour(left));
  };
  for (int d = 0; d <= 10; ++d) fill(kDigitWidth * d, kDigitWidth);  // ten digits and the blank
  fill(kSolvedFaceLeft, kFaceWidth);
  fill(kUnsolvedFaceLeft, kFaceWidth);
  return glyphs;
}

}  // namespace verlumo::testing
