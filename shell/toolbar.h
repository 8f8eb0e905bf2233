// The main window's toolbar: twelve flat speed buttons, the level display (a black box with a
// lowered frame, the level label and the level counter) and the level selector. It shows the
// texts and the level selector the game session tells the window. A screen reader hears each
// button named by what it does and described by its hint, the level selector and the level
// counter named by their hints.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "midend/commands.h"
#include "midend/front_texts.h"
#include "midend/layout.h"
#include "shell/forms/accessible_control.h"
#include "shell/forms/gdi_handles.h"
#include "shell/forms/speed_button.h"
#include "shell/forms/system_control.h"
#include "shell/forms/tooltips.h"
#include "shell/paint_box.h"

namespace verlumo {

using ToolButton = Command;
constexpr int kToolButtonCount = kCommandCount;
// Control ids of the buttons are kFirstToolButtonId + their order in Command, left to right.
constexpr int kFirstToolButtonId = 100;
constexpr int kLevelScrollId = 200;

class Toolbar final : private ControlWords {
 public:
  static constexpr int kHeight = kToolbarLayout.height;

  Toolbar();

  // Creates the controls as children of the main window. The level counter's paint handler is
  // the game session's; a failure to create any control gives false.
  bool Create(HWND main_window, PaintBox::PaintHandler paint_level_counter);

  // The hints, the level label and the name of a press.
  void ShowTexts(const ToolbarTexts& texts);
  // The scroll bar only shows the selector; the rules start the levels.
  void ShowLevelSelectorRange(int last);
  void ShowLevelSelector(int position);

  // The panel and the level display's black box and frame.
  void Paint(HDC dc) const;
  // The main window's WM_CTLCOLORSTATIC for the level label: yellow letters, no background.
  bool ColourLevelLabel(HWND control, HDC dc, LRESULT& brush) const;

  SpeedButton& button(ToolButton which) { return buttons_[static_cast<int>(which)]; }
  HWND level_scroll() const { return level_scroll_.handle(); }
  // The keys the main window takes from the level selector before the scroll bar sees them.
  void FilterLevelSelectorKeys(SystemControl::KeyFilter filter) { level_scroll_.FilterKeys(std::move(filter)); }
  HWND level_counter() const { return level_counter_.handle(); }

  void SetHint(HWND control, const std::string& hint);
  void SetLevelLabel(const std::string& text);

 private:
  // A button's words for a screen reader: what it does, and its hint unless that says no more.
  struct SpokenWords {
    std::wstring name;
    std::wstring description;
  };
  void SetSpokenWords(ToolButton which, const std::string& name, const std::string& hint);
  // The button's place in Command, or -1 for any other control.
  int ButtonIndex(HWND control) const;

  // What a screen reader says: a control's name and description, and the name of a press in the
  // language.
  std::wstring NameOf(HWND control) const override;
  std::wstring DescriptionOf(HWND control) const override;
  std::wstring PressActionName() const override;

  std::wstring press_action_name_;
  std::array<SpokenWords, kToolButtonCount> spoken_;
  // The level selector and the level counter are named by their hints; the facts outlive the
  // windows they describe.
  NamedControl level_scroll_name_;
  NamedControl level_counter_name_;
  std::array<SpeedButton, kToolButtonCount> buttons_;
  std::array<OwnedBitmap, kToolButtonCount> pictures_;
  SystemControl level_scroll_;
  PaintBox level_counter_;
  Tooltips tooltips_;
  HWND level_label_ = nullptr;
  OwnedFont label_font_;
};

}  // namespace verlumo
