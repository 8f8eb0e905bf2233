// Clicks on the controls the game draws itself (toolbar buttons, link labels, the splash): a
// click is a press of the left button on the control and its release there. The press captures
// the mouse, so that the control hears the release wherever it happens; a release outside, or
// the capture taken away (another window took it, the control was hidden), cancels the click.
#pragma once

#include <windows.h>

namespace verlumo {

class ClickTracker {
 public:
  enum class Step {
    kNotMine,    // not a message of the left button or the capture: the control handles it
    kNothing,    // a release with no press before it, or a press on a disabled control
    kPressed,    // the button went down on the control, which holds the capture now
    kClicked,    // released on the control
    kCancelled,  // released outside it, or the capture lost
  };

  // Follows one message of the control's window; every step but kNotMine is handled by it, and
  // the control's window procedure gives 0.
  Step Track(HWND control, UINT message, LPARAM lparam);
  bool pressed() const { return pressed_; }

 private:
  bool pressed_ = false;
};

}  // namespace verlumo
