// Flat speed buttons for the toolbar: a picture and no text, a raised edge while the mouse is
// over them, sunken while pressed. A toggle button stays down after a click and comes up at the
// next. A click is reported to the parent as WM_COMMAND with the button's id and BN_CLICKED.
// A screen reader hears a push button named and described by its owner's words, pressed while a
// toggle is down, and can press it.
#pragma once

#include <windows.h>

#include "shell/forms/click_tracker.h"
#include "shell/forms/window.h"

namespace verlumo {

class SpeedButton final : public Window, private AccessibleFacts {
 public:
  // glyph is borrowed; images is 1, or 2 with a greyed picture for the disabled state. The words
  // are the owner's and outlive the button.
  bool Create(HWND parent, int id, RECT bounds, HBITMAP glyph, int images, bool toggle, const ControlWords& words);

  bool down() const { return down_; }
  void set_down(bool down);
  // Repaints at once, not at the next paint message.
  void RepaintNow();

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnPaint(HDC dc) override;
  void Clicked();

  std::wstring AccessibleName() const override;
  std::wstring AccessibleDescription() const override;
  LONG AccessibleRole() const override;
  LONG AccessibleState(LONG system_state) const override;
  std::wstring DefaultActionName() const override;
  bool DoDefaultAction() override;

  HBITMAP glyph_ = nullptr;
  int images_ = 1;
  bool toggle_ = false;
  bool down_ = false;
  bool hot_ = false;
  ClickTracker clicks_;
  const ControlWords* words_ = nullptr;
};

}  // namespace verlumo
