// Tooltips: the hint texts the window system shows when the mouse rests on a control.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "shell/forms/window.h"

namespace verlumo {

// The common controls' tooltip window, adopted: it goes with its owner window, and then the
// tooltips forget it like any other window of ours.
class Tooltips final : public Window {
 public:
  bool Create(HWND owner);
  // Adds the control, or replaces its text when it has one already.
  void SetHint(HWND control, const std::wstring& text);
  // The control's text as the tooltip shows it; empty for a control without one.
  std::wstring Hint(HWND control) const;

 private:
  // The tool that stands for the control, without its text.
  TOOLINFOW Tool(HWND control) const;

  HWND owner_ = nullptr;
};

}  // namespace verlumo
