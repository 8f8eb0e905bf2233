// Drawing the board area, the selected cell and the status displays by rectangle copies from
// the bitmap list.
#include "view/board_view.h"

#include "view/board_geometry.h"
#include "view/sheet_layout.h"
#include "view/status_texts.h"

namespace verlumo {

using namespace sheet;

BoardView::BoardView(const GameState& state, const BitmapList& bitmaps, Surface& box,
                     Surface& levelbox, Surface& cell_buffer, ViewHost& host)
    : state_(state), bitmaps_(bitmaps), box_(box), levelbox_(levelbox), cell_buffer_(cell_buffer),
      host_(host) {}

void BoardView::DrawBackground() {
  box_.Copy(0, 0, kBoardAreaWidth, kBoardAreaHeight, bitmaps_.frame, 0, 0, RasterOp::kCopy);
  host_.RepaintLevelButtons();
}

void BoardView::DrawCell(int column, int row) {
  const PixelOffset picture = SheetPosition(state_.board[CellIndex(column, row)]);
  const PixelOffset origin = CellOrigin(column, row);
  box_.Copy(origin.x, origin.y, kTileSize, kTileSize, bitmaps_.tiles, picture.x, picture.y,
            RasterOp::kCopy);
}

void BoardView::PaintBoardArea() {
  DrawBackground();
  for (int column = 0; column < kColumns; ++column) {
    for (int row = 0; row < kRows; ++row) DrawCell(column, row);
  }
  levelboxPaint();
  UpdateCaption();
  DrawProgressGauge();
}

void BoardView::TimerTimer() {
  animation_frame_ = (animation_frame_ + 1) % kMarkerFrames;
  DrawSelectedCell();
}

void BoardView::DrawSelectedCell() {
  if (!state_.has_selected_cell) return;  // a level without a selectable code carries no tile
  const int column = state_.selected_column;
  const int row = state_.selected_row;
  const TileCode code = state_.board[CellIndex(column, row)];
  const PixelOffset picture = SheetPosition(code);
  cell_buffer_.Copy(0, 0, kTileSize, kTileSize, bitmaps_.tiles, picture.x, picture.y,
                    RasterOp::kCopy);
  if (!state_.solved_state) {
    // Mask and sprite: the AND blackens where the marker is opaque, the OR adds its colours
    // there; everywhere else the tile stays as it was.
    const PixelOffset anchor = MarkerAnchor(code);
    const int frame_left = kMarkerLeft + kMarkerSize * animation_frame_;
    cell_buffer_.Copy(anchor.x, anchor.y, kMarkerSize, kMarkerSize, bitmaps_.frame, frame_left,
                      kMarkerMaskTop, RasterOp::kAnd);
    cell_buffer_.Copy(anchor.x, anchor.y, kMarkerSize, kMarkerSize, bitmaps_.frame, frame_left,
                      kMarkerSpriteTop, RasterOp::kPaint);
  }
  // The finished cell reaches the board in one copy, so a tick never shows half a marker.
  const PixelOffset origin = CellOrigin(column, row);
  box_.Copy(origin.x, origin.y, kTileSize, kTileSize, cell_buffer_, 0, 0, RasterOp::kCopy);
}

void BoardView::levelboxPaint() {
  const int level = state_.current_level;
  const int digits[3] = {(level / 100) % 10, (level / 10) % 10, level % 10};
  bool leading_zero = true;
  for (int i = 0; i < 3; ++i) {
    if (digits[i] != 0) leading_zero = false;
    // Leading zeros show as blank digits; the units digit always shows.
    const int glyph_left = (digits[i] == 0 && leading_zero && i < 2) ? kBlankDigitLeft
                                                                      : kDigitWidth * digits[i];
    levelbox_.Copy(kCounterDigitPitch * i, 0, kDigitWidth, kGlyphHeight, bitmaps_.glyphs,
                   glyph_left, 0, RasterOp::kCopy);
  }
  const bool solved = state_.IsLevelSolved(level);
  levelbox_.Copy(kCounterFaceLeft, 0, kFaceWidth, kGlyphHeight, bitmaps_.glyphs,
                 solved ? kSolvedFaceLeft : kUnsolvedFaceLeft, 0, RasterOp::kCopy);
  host_.SetLevelCounterHint(LevelCounterHint(state_.language.value(), level, solved));
}

void BoardView::UpdateCaption() {
  const std::string caption = CaptionText(state_.language.value(), state_.current_game_file);
  levelboxPaint();
  host_.SetCaption(caption);
}

void BoardView::DrawProgressGauge() {
  const int count = state_.level_count();
  int solved = 0;
  for (int level = 1; level <= count; ++level) solved += state_.IsLevelSolved(level) ? 1 : 0;

  if (solved == 0) {
    box_.Copy(kFullGaugeLeft, kGaugeTop, kGaugeWidth, kGaugeHeight, bitmaps_.frame, kEmptyGaugeLeft,
              kGaugeTop, RasterOp::kCopy);
  } else if (solved == count) {
    box_.Copy(kFullGaugeLeft, kGaugeTop, kGaugeWidth, kGaugeHeight, bitmaps_.frame, kFullGaugeLeft,
              kGaugeTop, RasterOp::kCopy);
  } else {
    // The filled rows, multiplied before dividing; row y of the gauge always comes from row y
    // of a strip, so the two strips line up.
    const std::int32_t filled = static_cast<std::int32_t>(solved) * kGaugeHeight / count;
    box_.Copy(kFullGaugeLeft, kGaugeTop, kGaugeWidth, kGaugeHeight - filled, bitmaps_.frame,
              kEmptyGaugeLeft, kGaugeTop, RasterOp::kCopy);
    const int filled_top = kGaugeTop + kGaugeHeight - filled;
    box_.Copy(kFullGaugeLeft, filled_top, kGaugeWidth, filled, bitmaps_.frame, kFullGaugeLeft,
              filled_top, RasterOp::kCopy);
  }
}

}  // namespace verlumo
