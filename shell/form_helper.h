// The main window's form helper: it puts the window where the player left it (or centres it on
// the first start), plays the explode effect as the window appears, and stores the window's
// placement when the window is destroyed.
#pragma once

#include <windows.h>

#include "shell/settings/settings_store.h"

namespace verlumo {

class FormHelper {
 public:
  explicit FormHelper(SettingsStore& settings) : settings_(settings) {}

  // Before the window first becomes visible; it stays hidden.
  void Restore(HWND window);
  // After the restore, before the window is shown: a dotted frame grows from the mouse pointer
  // to the window's outline and vanishes the same way.
  void Explode(HWND window);
  // At the window's destruction; the result tells of a write the registry refused.
  SettingsWriteResult Save(HWND window);

 private:
  SettingsStore& settings_;
};

}  // namespace verlumo
