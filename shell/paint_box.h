// A paint box: a plain child window that the game draws into directly. Its paint requests and
// mouse presses go to the handlers it was given; every mouse button acts alike.
#pragma once

#include <windows.h>

#include <functional>

#include "shell/forms/window.h"

namespace verlumo {

class PaintBox final : public Window {
 public:
  using PaintHandler = std::function<void()>;
  using MouseHandler = std::function<void(int x, int y)>;

  bool Create(HWND parent, RECT bounds, PaintHandler on_paint, MouseHandler on_mouse_down = {});

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

  PaintHandler on_paint_;
  MouseHandler on_mouse_down_;
};

}  // namespace verlumo
