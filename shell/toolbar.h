// The main window's toolbar: twelve flat speed buttons, the level display (a black box with a
// lowered frame, the level label and the level counter) and the level selector.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "shell/forms/gdi_handles.h"
#include "shell/forms/speed_button.h"
#include "shell/forms/tooltips.h"
#include "shell/paint_box.h"

namespace verlumo {

enum class ToolButton {
  NewGame, Restart, Load, Save, Sound, Exit, Down, Up, Tongue, Rules, Info, Zorbel,
};
constexpr int kToolButtonCount = 12;
// Control ids of the buttons are kFirstToolButtonId + their order above.
constexpr int kFirstToolButtonId = 100;
constexpr int kLevelScrollId = 200;

class Toolbar {
 public:
  static constexpr int kHeight = 33;

  // Creates the controls as children of the main window. The level counter's paint handler is
  // the view's; a failure to create any control gives false.
  bool Create(HWND main_window, PaintBox::PaintHandler paint_level_counter);

  // The panel and the level display's black box and frame.
  void Paint(HDC dc) const;
  // The main window's WM_CTLCOLORSTATIC for the level label: yellow letters, no background.
  bool ColourLevelLabel(HWND control, HDC dc, LRESULT& brush) const;

  SpeedButton& button(ToolButton which) { return buttons_[static_cast<int>(which)]; }
  HWND level_scroll() const { return level_scroll_; }
  HWND level_counter() const { return level_counter_.handle(); }

  void SetHint(HWND control, const std::string& hint);
  void SetLevelLabel(const std::string& text);

 private:
  std::array<SpeedButton, kToolButtonCount> buttons_;
  std::array<OwnedBitmap, kToolButtonCount> pictures_;
  HWND level_scroll_ = nullptr;
  PaintBox level_counter_;
  Tooltips tooltips_;
  HWND level_label_ = nullptr;
  OwnedFont label_font_;
};

}  // namespace verlumo
