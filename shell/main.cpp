// Program entry: creates the main window, runs the message loop until it has closed, and ends.
#include <windows.h>

#include "shell/main_form.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  if (!verlumo::TMainForm::Register(instance)) return 1;
  verlumo::TMainForm main_form;
  HWND window = main_form.Create(instance);
  if (window == nullptr) return 1;
  ShowWindow(window, show_command);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
