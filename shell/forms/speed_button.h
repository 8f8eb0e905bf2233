// Flat speed buttons for the toolbar: a picture and no text, a raised edge while the mouse is
// over them, sunken while pressed. A toggle button stays down after a click and comes up at the
// next. A click is reported to the parent as WM_COMMAND with the button's id and BN_CLICKED.
#pragma once

#include <windows.h>

namespace verlumo {

class SpeedButton {
 public:
  SpeedButton() = default;
  ~SpeedButton();
  SpeedButton(const SpeedButton&) = delete;
  SpeedButton& operator=(const SpeedButton&) = delete;

  // glyph is borrowed; images is 1, or 2 with a greyed picture for the disabled state.
  bool Create(HWND parent, int id, RECT bounds, HBITMAP glyph, int images, bool toggle);
  HWND handle() const { return window_; }

  bool down() const { return down_; }
  void set_down(bool down);
  // Repaints at once, not at the next paint message.
  void RepaintNow();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void Paint(HDC dc);

  HWND window_ = nullptr;
  HBITMAP glyph_ = nullptr;
  int images_ = 1;
  bool toggle_ = false;
  bool down_ = false;
  bool hot_ = false;
  bool pressed_ = false;
};

}  // namespace verlumo
