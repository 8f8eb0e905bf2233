// A player's hands for the end-to-end tests: clicking buttons and cells, pressing keys, waiting
// for windows to come and go.
#pragma once

#include <windows.h>

#include <string>

namespace verlumo::e2e {

// The child control of the window whose text is caption, or null.
HWND FindControl(HWND window, const std::wstring& caption);

// Moves the mouse pointer to (x, y) of the control and clicks the left button there.
void Click(HWND control, int x, int y);
// Clicks the button of the window whose caption is given; false when there is none.
bool ClickButton(HWND window, const std::wstring& caption);
void PressKey(HWND control, WPARAM key);
// Presses and releases the key on the keyboard, with Ctrl held when asked: it goes to whichever
// window has the focus, as a person's key does.
void TypeKey(WORD key, bool with_control = false);

// True when the window is gone or hidden within timeout_ms.
bool WaitUntilHidden(HWND window, DWORD timeout_ms = 10000);

// Lets the game's window thread run for a moment (the marker turns every 75 ms).
void Pause(DWORD ms);

}  // namespace verlumo::e2e
