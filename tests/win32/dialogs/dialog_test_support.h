// What the dialog tests share: a stand-in main window that the dialogs are placed over, and a
// player that works a modal dialog with keys and clicks while the dialog's own message loop runs.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "shell/dialogs/dialog_context.h"
#include "shell/forms/accessible_control.h"

namespace verlumo::test_support {

// The words a toolbar gives its buttons, for tests of anything but those words.
class NoWords final : public ControlWords {
 public:
  std::wstring NameOf(HWND) const override { return {}; }
  std::wstring DescriptionOf(HWND) const override { return {}; }
  std::wstring PressActionName() const override { return {}; }
};

// A main window with a fixed frame and the game's 520 x 409 client area, shown at (left, top).
class StandInMainWindow {
 public:
  StandInMainWindow(int left, int top);
  ~StandInMainWindow() { DestroyWindow(window_); }
  StandInMainWindow(const StandInMainWindow&) = delete;
  StandInMainWindow& operator=(const StandInMainWindow&) = delete;

  HWND handle() const { return window_; }
  void MoveTo(int left, int top);

 private:
  HWND window_ = nullptr;
};

// The context the game gives its dialogs, counting the language changes the main window would
// apply.
struct TestContext {
  explicit TestContext(HWND main_window);
  Language language;
  int languages_applied = 0;
  DialogContext context;
};

// Plays steps at a steady pace on a timer of the test's thread; the modal loop of the dialog
// under test dispatches them, also the loop of a dialog opened from it. When the steps have run
// and a dialog is still open a good while later, the player closes it and records that it had
// to: the test then fails instead of hanging.
class Player {
 public:
  Player& Then(std::function<void()> step);
  // Runs the modal call while the steps play; returns the call's result.
  int Play(const std::function<int()>& modal_call);
  bool had_to_close() const { return had_to_close_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);

  std::vector<std::function<void()>> steps_;
  size_t next_ = 0;
  int idle_ticks_ = 0;
  bool had_to_close_ = false;
};

// Input as a person gives it, through the system's input queue.
void PressKey(WORD key);
void ClickOn(HWND window);  // the middle of the window

std::wstring WindowText(HWND window);
RECT WindowRect(HWND window);

}  // namespace verlumo::test_support
