// A paint box: a plain child window that the game draws into directly. Its paint requests and
// mouse presses go to the handlers it was given; every mouse button acts alike.
#pragma once

#include <windows.h>

#include <functional>

namespace verlumo {

class PaintBox {
 public:
  using PaintHandler = std::function<void()>;
  using MouseHandler = std::function<void(int x, int y)>;

  PaintBox() = default;
  ~PaintBox();
  PaintBox(const PaintBox&) = delete;
  PaintBox& operator=(const PaintBox&) = delete;

  bool Create(HWND parent, RECT bounds, PaintHandler on_paint, MouseHandler on_mouse_down = {});
  HWND handle() const { return window_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  HWND window_ = nullptr;
  PaintHandler on_paint_;
  MouseHandler on_mouse_down_;
};

}  // namespace verlumo
