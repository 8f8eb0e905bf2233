// The main window, TMainForm: the game's one working window, 520 x 409 client pixels with the
// toolbar along the top and the board area below it.
#pragma once

#include <windows.h>

namespace verlumo {

class TMainForm {
 public:
  static constexpr const wchar_t* kClassName = L"TMainForm";
  static constexpr int kClientWidth = 520;
  static constexpr int kToolbarHeight = 33;
  static constexpr int kBoardAreaHeight = 376;

  // Registers the window class; false when the system refuses.
  static bool Register(HINSTANCE instance);

  // Creates the window, hidden; null when the system refuses.
  HWND Create(HINSTANCE instance);
  HWND handle() const { return window_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

  void FormDestroy();

  HWND window_ = nullptr;
};

}  // namespace verlumo
