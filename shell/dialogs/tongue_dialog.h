// The language dialog TTongueDlg: two buttons, each worded in the language it chooses. A click
// sets the language setting and closes the dialog; closing it otherwise leaves the setting alone.
#pragma once

#include <windows.h>

#include "shell/dialogs/dialog_form.h"

namespace verlumo {

class TongueDialog : public DialogForm {
 public:
  // Creates the window, hidden, once at program start. context.language must be set: the
  // dialog writes the choice there.
  bool Create(const DialogContext& context);

  HWND english_button() const { return button_handle("english"); }
  HWND german_button() const { return button_handle("german"); }

 protected:
  bool OnCreate() override { return CreateLayout(); }
  void OnCommand(int id, HWND control) override;
};

}  // namespace verlumo
