// Everything the game draws: the board area (background, tiles, the selected tile with its
// turning marker, the progress gauge), the level counter, and the caption text. Each drawing
// operation copies at once onto its surface; nothing is buffered for the whole area, and only
// the selected cell is composed off screen, in the cell buffer.
#pragma once

#include <string>

#include "core/game_display.h"
#include "core/game_state.h"
#include "view/surface.h"

namespace verlumo {

// The bitmap list: tile sheet, frame sheet, glyph sheet.
struct BitmapList {
  const Surface& tiles;
  const Surface& frame;
  const Surface& glyphs;
};

// What the view needs from the window that shows it.
class ViewHost {
 public:
  virtual ~ViewHost() = default;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetLevelCounterHint(const std::string& hint) = 0;
  // The buttons for the next and the previous unsolved level repaint at once, next one first.
  virtual void RepaintLevelButtons() = 0;
};

class BoardView final : public BoardDisplay {
 public:
  // box is the 520 x 376 board area, levelbox the 57 x 20 level counter, cell_buffer 48 x 48.
  BoardView(const GameState& state, const BitmapList& bitmaps, Surface& box, Surface& levelbox,
            Surface& cell_buffer, ViewHost& host);

  void DrawBackground();
  void DrawCell(int column, int row) override;
  // A full picture of the board area, in this order: background, the 63 cells column by
  // column, the level counter, the caption (which repaints the counter again), the gauge.
  void PaintBoardArea();

  // The animation timer's tick: the next marker frame, then the selected cell.
  void TimerTimer();
  void DrawSelectedCell();

  void levelboxPaint() override;
  void UpdateCaption() override;
  void DrawProgressGauge() override;

  int animation_frame() const { return animation_frame_; }
  void set_animation_frame(int frame) { animation_frame_ = frame; }

 private:
  const GameState& state_;
  BitmapList bitmaps_;
  Surface& box_;
  Surface& levelbox_;
  Surface& cell_buffer_;
  ViewHost& host_;
  int animation_frame_ = 0;
};

}  // namespace verlumo
