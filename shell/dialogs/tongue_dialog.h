// The language dialog TTongueDlg: two buttons, each worded in the language it chooses. A click
// sets the language setting and closes the dialog; closing it otherwise leaves the setting alone.
#pragma once

#include <windows.h>

#include "shell/dialogs/dialog_form.h"
#include "shell/forms/gdi_handles.h"
#include "shell/forms/glyph_button.h"

namespace verlumo {

class TongueDialog : public DialogForm {
 public:
  // Creates the window, hidden, once at program start. context.language must be set: the
  // dialog writes the choice there.
  bool Create(const DialogContext& context);

  HWND english_button() const { return english_button_.handle(); }
  HWND german_button() const { return german_button_.handle(); }

 protected:
  bool OnCreate() override;
  void OnPaint(HDC dc) override;
  void OnCommand(int id, HWND control) override;

 private:
  void EnglishBtnClick();
  void GermanBtnClick();

  OwnedBitmap english_flags_;
  OwnedBitmap german_flags_;
  GlyphButton english_button_;
  GlyphButton german_button_;
};

}  // namespace verlumo
