// Tooltips: the hint texts the window system shows when the mouse rests on a control.
#pragma once

#include <windows.h>

#include <string>

namespace verlumo {

class Tooltips {
 public:
  bool Create(HWND owner);
  ~Tooltips();
  // Adds the control, or replaces its text when it has one already.
  void SetHint(HWND control, const std::wstring& text);
  HWND handle() const { return tooltip_; }

 private:
  HWND owner_ = nullptr;
  HWND tooltip_ = nullptr;
};

}  // namespace verlumo
