// What every dialog needs of the game: the main window (the owner each dialog is placed over and
// whose icon it shows) and the process-wide language setting.
#pragma once

#include <windows.h>

#include "core/language.h"

namespace verlumo {

struct DialogContext {
  HWND main_window = nullptr;
  HICON icon = nullptr;  // the main window's icon, 32 x 32
  // The language setting `tongue`. Every dialog reads it when it is shown; only the language
  // dialog sets it, and the main window, listening, re-words itself.
  Language* language = nullptr;
};

}  // namespace verlumo
