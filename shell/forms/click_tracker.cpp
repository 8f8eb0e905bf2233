// Following a press to its release.
#include "shell/forms/click_tracker.h"

namespace verlumo {

ClickTracker::Step ClickTracker::Track(HWND control, UINT message, LPARAM lparam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!IsWindowEnabled(control)) return Step::kNothing;
      pressed_ = true;
      SetCapture(control);
      return Step::kPressed;
    case WM_LBUTTONUP: {
      if (!pressed_) return Step::kNothing;
      // The press ends before the capture goes: the capture change that follows finds none.
      pressed_ = false;
      ReleaseCapture();
      RECT client;
      GetClientRect(control, &client);
      const POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
      return PtInRect(&client, at) ? Step::kClicked : Step::kCancelled;
    }
    case WM_CAPTURECHANGED:
      pressed_ = false;
      return Step::kCancelled;
  }
  return Step::kNotMine;
}

}  // namespace verlumo
