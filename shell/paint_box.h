// A paint box: a plain child window that the game draws into directly. Its paint requests and
// mouse presses go to the handlers it was given; every mouse button acts alike. The board area
// is a paint box that takes the keyboard as well (shell/board_box.h).
#pragma once

#include <windows.h>

#include <functional>

#include "shell/forms/window.h"

namespace verlumo {

class PaintBox : public Window {
 public:
  using PaintHandler = std::function<void()>;
  using MouseHandler = std::function<void(int x, int y)>;

  bool Create(HWND parent, RECT bounds, PaintHandler on_paint, MouseHandler on_mouse_down = {},
              DWORD extra_style = 0);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  PaintHandler on_paint_;
  MouseHandler on_mouse_down_;
};

}  // namespace verlumo
