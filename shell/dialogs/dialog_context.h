// What every dialog needs of the game: the main window (the owner each dialog is placed over and
// whose icon it shows) and the process-wide language setting.
#pragma once

#include <windows.h>

#include <functional>

namespace verlumo {

struct DialogContext {
  HWND main_window = nullptr;
  HICON icon = nullptr;  // the main window's icon, 32 x 32
  // The language setting `tongue`: -1 not chosen, 0 English, 1 German. Every dialog reads it
  // when it is shown; only the language dialog writes it.
  int* language = nullptr;
  // The main window's ApplyLanguage, for the info dialog's language button.
  std::function<void()> apply_language;
};

}  // namespace verlumo
