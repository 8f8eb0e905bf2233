// The main window's form helper: it puts the window where the player left it (or centres it on
// the first start), plays the explode effect as the window appears, and stores the window's
// placement when the window is destroyed.
#pragma once

#include <windows.h>

#include <functional>

#include "shell/settings/settings_store.h"

namespace verlumo {

class FormHelper {
 public:
  explicit FormHelper(SettingsStore& settings) : settings_(settings) {}

  // Before the window first becomes visible; it stays hidden.
  void Restore(HWND window);
  // After the restore, before the window is shown: a dotted frame grows from the mouse pointer
  // to the window's outline and vanishes the same way. The pauses between its rectangles are
  // spent on work_while_waiting, one step a pause, until it says no step remains; a pause then
  // waits only for what the step left of it.
  void Explode(HWND window, const std::function<bool()>& work_while_waiting);
  // At the window's destruction; the result tells of a write the registry refused.
  SettingsWriteResult Save(HWND window);

 private:
  SettingsStore& settings_;
};

}  // namespace verlumo
