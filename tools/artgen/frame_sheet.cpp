// The frame is laid in cut stone blocks around the board window, which is bordered by a light
// green line at its left and top and a dark one at its right and bottom, so the board looks
// sunk into the frame. The right-hand part carries the channel of the progress gauge.
#include "tools/artgen/frame_sheet.h"

#include <vector>

#include "tools/artgen/gauge_strip.h"
#include "tools/artgen/image_ops.h"
#include "tools/artgen/marker.h"
#include "tools/artgen/noise.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/stone.h"
#include "view/board_geometry.h"

namespace artgen {

namespace {

// The frame sheet is the background of the whole board area.
constexpr int kSheetWidth = verlumo::kBoardAreaWidth;
constexpr int kSheetHeight = verlumo::kBoardAreaHeight;

// The board window: exactly the area the 9 x 7 tiles of 48 pixels cover.
constexpr int kBoardLeft = verlumo::kBoardLeft;
constexpr int kBoardTop = verlumo::kBoardTop;
constexpr int kBoardRight = kBoardLeft + verlumo::kColumns * verlumo::kTileSize - 1;  // last column inside
constexpr int kBoardBottom = kBoardTop + verlumo::kRows * verlumo::kTileSize - 1;     // last row inside

constexpr Rgb kLightEdge{150, 214, 110};
constexpr Rgb kDarkEdge{22, 48, 20};

// Where the two gauge strips and the marker rows lie.
constexpr int kFullGaugeX = 469;
constexpr int kEmptyGaugeX = 415;
constexpr int kGaugeY = 32;
constexpr int kMarkerX = 30;
constexpr int kSpriteY = 30;
constexpr int kMaskY = 50;

struct Block {
  int x, y, w, h;
};

// The masonry, block by block: a row along the top and the bottom, a column down the left, and
// larger slabs down the right, through which the gauge channel is cut.
std::vector<Block> Masonry() {
  std::vector<Block> blocks;
  auto row = [&blocks](int y, int h, std::initializer_list<int> widths) {
    int x = 0;
    for (int w : widths) {
      blocks.push_back({x, y, w, h});
      x += w;
    }
  };
  auto column = [&blocks](int x, int w, std::initializer_list<int> heights) {
    int y = kBoardTop;
    for (int h : heights) {
      blocks.push_back({x, y, w, h});
      y += h;
    }
  };
  row(0, kBoardTop, {58, 74, 66, 80, 62, 70, 52, 58});
  row(kBoardBottom + 1, kSheetHeight - kBoardBottom - 1, {44, 70, 82, 60, 76, 64, 56, 68});
  column(0, kBoardLeft, {52, 70, 60, 84, 70});
  column(kBoardRight + 1, kSheetWidth - kBoardRight - 1, {64, 88, 72, 112});
  return blocks;
}

// A block's own stone: a slightly different tone per block, bevelled edges lit from the upper
// left, and a dark joint at its lower and right sides.
void LayBlock(Image& sheet, const Block& block, int index) {
  const double tone = (Random01(index, 0, 71) - 0.5) * 0.14;
  for (int y = block.y; y < block.y + block.h; ++y) {
    for (int x = block.x; x < block.x + block.w; ++x) {
      const int from_left = x - block.x, from_top = y - block.y;
      const int from_right = block.x + block.w - 1 - x, from_bottom = block.y + block.h - 1 - y;
      double light = tone;
      if (from_right == 0 || from_bottom == 0)
        light -= 0.50;
      else if (from_left == 0 || from_top == 0)
        light += 0.38;
      else if (from_right == 1 || from_bottom == 1)
        light -= 0.22;
      else if (from_left == 1 || from_top == 1)
        light += 0.16;
      sheet.at(x, y) = Shade(StoneAt(x, y), light);
    }
  }
}

void Fill(Image& sheet, int x0, int y0, int x1, int y1, Rgb colour) {
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) sheet.at(x, y) = colour;
  }
}

// Darkens or lightens the stone along a rectangle's sides, for the sunken rim of the gauge
// channel.
void SunkenRim(Image& sheet, int x0, int y0, int x1, int y1) {
  for (int ring = 0; ring < 2; ++ring) {
    const double amount = ring == 0 ? 0.30 : 0.5;
    const int left = x0 - 2 + ring, top = y0 - 2 + ring, right = x1 + 2 - ring,
              bottom = y1 + 2 - ring;
    for (int x = left; x <= right; ++x) {
      sheet.at(x, top) = Shade(sheet.at(x, top), -amount);
      sheet.at(x, bottom) = Shade(sheet.at(x, bottom), amount * 0.8);
    }
    for (int y = top + 1; y < bottom; ++y) {
      sheet.at(left, y) = Shade(sheet.at(left, y), -amount);
      sheet.at(right, y) = Shade(sheet.at(right, y), amount * 0.8);
    }
  }
}

}  // namespace

Image DrawFrameSheet() {
  Image sheet(kSheetWidth, kSheetHeight);
  const std::vector<Block> blocks = Masonry();
  for (size_t i = 0; i < blocks.size(); ++i) LayBlock(sheet, blocks[i], static_cast<int>(i));

  Fill(sheet, kBoardLeft, kBoardTop, kBoardRight, kBoardBottom, Rgb{0, 0, 0});
  Fill(sheet, kBoardLeft - 1, kBoardTop - 1, kBoardRight, kBoardTop - 1, kLightEdge);
  Fill(sheet, kBoardLeft - 1, kBoardTop - 1, kBoardLeft - 1, kBoardBottom, kLightEdge);
  Fill(sheet, kBoardRight + 1, kBoardTop - 1, kBoardRight + 1, kBoardBottom + 1, kDarkEdge);
  Fill(sheet, kBoardLeft - 1, kBoardBottom + 1, kBoardRight + 1, kBoardBottom + 1, kDarkEdge);

  SunkenRim(sheet, kFullGaugeX, kGaugeY, kFullGaugeX + kGaugeWidth - 1, kGaugeY + kGaugeHeight - 1);
  Paste(sheet, DrawGaugeStrip(true), kFullGaugeX, kGaugeY);
  Paste(sheet, DrawGaugeStrip(false), kEmptyGaugeX, kGaugeY);

  for (int k = 0; k < kMarkerFrames; ++k) {
    const MarkerFrame frame = DrawMarkerFrame(k);
    Paste(sheet, frame.sprite, kMarkerX + kMarkerSize * k, kSpriteY);
    Paste(sheet, frame.mask, kMarkerX + kMarkerSize * k, kMaskY);
  }
  return sheet;
}

}  // namespace artgen
