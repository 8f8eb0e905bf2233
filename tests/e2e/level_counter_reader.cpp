// Decoding the LED digits and the face of the level counter.
#include "tests/e2e/level_counter_reader.h"

#include <array>
#include <optional>

#include "view/sheet_layout.h"

namespace verlumo::e2e {
namespace {

constexpr int kDotColumns = 4;
constexpr int kDotRows = 7;
constexpr int kDotPitch = 3;  // a 2 x 2 dot and a 1-pixel gap
constexpr std::uint32_t kLit = 0xFFFF00;
constexpr std::uint32_t kUnlit = 0x404000;

using DotPattern = std::array<bool, kDotColumns * kDotRows>;

// The dots of the glyph whose cell starts at x, or nothing when a dot is neither lit nor unlit
// in all four of its pixels.
std::optional<DotPattern> ReadDots(const Pixels& pixels, int x) {
  DotPattern dots{};
  for (int row = 0; row < kDotRows; ++row) {
    for (int column = 0; column < kDotColumns; ++column) {
      const int left = x + column * kDotPitch, top = row * kDotPitch;
      const std::uint32_t colour = pixels.at(left, top);
      if (colour != kLit && colour != kUnlit) return std::nullopt;
      for (int dy = 0; dy < 2; ++dy) {
        for (int dx = 0; dx < 2; ++dx) {
          if (pixels.at(left + dx, top + dy) != colour) return std::nullopt;
        }
      }
      dots[row * kDotColumns + column] = colour == kLit;
    }
  }
  return dots;
}

char ReadDigit(const Pixels& counter, int x, const Pixels& sheet) {
  const std::optional<DotPattern> seen = ReadDots(counter, x);
  if (!seen) return '?';
  for (int digit = 0; digit <= 9; ++digit) {
    if (ReadDots(sheet, digit * sheet::kDigitWidth) == seen) return static_cast<char>('0' + digit);
  }
  return ReadDots(sheet, sheet::kBlankDigitLeft) == seen ? ' ' : '?';
}

bool SameBlock(const Pixels& a, int ax, const Pixels& b, int bx, int width) {
  for (int y = 0; y < sheet::kGlyphHeight; ++y) {
    for (int x = 0; x < width; ++x) {
      if (a.at(ax + x, y) != b.at(bx + x, y)) return false;
    }
  }
  return true;
}

}  // namespace

CounterReading ReadLevelCounter(const Pixels& counter, const Pixels& glyph_sheet) {
  CounterReading reading;
  if (counter.width != 57 || counter.height != sheet::kGlyphHeight || glyph_sheet.width < 148) {
    return {"???", "?", false};
  }
  reading.digits = "   ";
  for (int cell = 0; cell < 3; ++cell) {
    reading.digits[cell] = ReadDigit(counter, cell * sheet::kCounterDigitPitch, glyph_sheet);
  }
  const int face = sheet::kCounterFaceLeft;
  reading.face = SameBlock(counter, face, glyph_sheet, sheet::kSolvedFaceLeft, sheet::kFaceWidth)     ? "solved"
                 : SameBlock(counter, face, glyph_sheet, sheet::kUnsolvedFaceLeft, sheet::kFaceWidth) ? "unsolved"
                                                                                                     : "?";
  reading.gaps_black = true;
  for (int x : {11, 12, 24, 25, 37, 38, 39, 40, 41, 55, 56}) {
    for (int y = 0; y < counter.height; ++y) reading.gaps_black &= counter.at(x, y) == 0;
  }
  return reading;
}

}  // namespace verlumo::e2e
