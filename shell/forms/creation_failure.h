// A start that cannot be completed: what the system would not make while the game's windows were
// created (a window, a control of it, a timer) and why, told to the player in a message box
// before the program ends, rather than going on with half a game.
#pragma once

#include <windows.h>

#include <string>

namespace verlumo {

// Empty while nothing has failed.
struct CreationFailure {
  std::wstring what;  // "the OK button of the window TSolvedDlg"
  DWORD error = 0;    // the system's last error at that moment
};

// "Verlumo cannot start: <what> cannot be created." and, on the next lines, the system's error
// code and its text.
std::wstring StartFailureText(const CreationFailure& failure);

// Shows the text in an error message box; gives the program's exit code.
int ReportStartFailure(const CreationFailure& failure);

}  // namespace verlumo
