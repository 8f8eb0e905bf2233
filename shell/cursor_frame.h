// The keyboard's cell cursor on the board: a frame of four thin windows over the cell's border,
// siblings above the board area. The game draws the board and the turning car straight onto the
// board area's device context at every tick; the board area clips its siblings
// (WS_CLIPSIBLINGS), so that drawing never covers the frame, and the frame never becomes part of
// the board's pixels. A bright core between two dark lines reads on grass, roads and water.
#pragma once

#include <windows.h>

#include <array>

#include "shell/forms/window.h"

namespace verlumo {

class CursorFrame {
 public:
  // The pieces as children of parent, hidden, above every sibling made before them; false when
  // the system refuses one.
  bool Create(HWND parent);
  // The frame around cell, a rectangle in the parent's client coordinates.
  void Place(const RECT& cell);
  void Show(bool shown);

 private:
  // One side of the frame: it paints its part of the whole frame, and lets the mouse through to
  // the window beneath, so that a click on the cell's border still reaches the board.
  class Piece final : public Window {
   public:
    bool Create(HWND parent);
    // Puts the piece at bounds, a part of the frame whose outer rectangle is frame.
    void Place(const RECT& bounds, const RECT& frame);

   private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    void OnPaint(HDC dc) override;

    // The frame's outer corner, in the piece's own coordinates.
    POINT frame_origin_{};
    SIZE frame_size_{};
  };

  std::array<Piece, 4> pieces_;
};

}  // namespace verlumo
