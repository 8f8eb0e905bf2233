// What the game's dialog windows have in common: a fixed dialog frame owned by the main window,
// the dialog font, push buttons with pictures that the dialog draws, the main window's icon as a
// picture, texts chosen by the language setting, and a keyboard focus that starts on the first
// button each time the dialog is shown and comes back to where it was when the dialog becomes
// active again (after the language dialog opened from the info dialog has closed).
#pragma once

#include <windows.h>

#include <string>

#include "shell/dialogs/dialog_context.h"
#include "shell/forms/form.h"
#include "shell/forms/gdi_handles.h"
#include "shell/placement.h"

namespace verlumo {

// "MS Sans Serif" at 8 points: 11 pixels character height at 96 pixels per inch.
constexpr wchar_t kDialogFontFace[] = L"MS Sans Serif";
constexpr int kDialogFontHeight = -11;

// Controls are laid out by left, top, width and height, as the dialogs are drawn up.
RECT ToRect(const WindowBox& box);

class DialogForm : public Form {
 protected:
  // The language setting as the dialog reads it; -1 (not chosen) when the game gave none.
  int language() const;

  // Creates the dialog font (bold for some message dialogs), then the dialog window, hidden,
  // with a fixed frame and the given client size, owned by the main window. OnCreate runs
  // inside.
  bool CreateDialogForm(const DialogContext& context, const wchar_t* class_name, int client_width,
                        int client_height, bool bold_font = false);
  const DialogContext& context() const { return context_; }
  // The buttons' captions and the labels are in the dialog font.
  HFONT dialog_font() const { return static_cast<HFONT>(font_.get()); }

  // Each activation places the dialog over the main window, then words it in the language of
  // the moment.
  void FormActivate() final;
  virtual void ApplyTexts() {}

  // The control that has the focus each time the dialog is shown.
  void set_first_focus(HWND control) { first_focus_ = control; }

  // The main window's icon, 32 x 32, with its top-left corner at (left, top).
  void DrawMainIcon(HDC dc, int left, int top) const;

  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  DialogContext context_;
  OwnedFont font_;
  HWND first_focus_ = nullptr;
  HWND focus_ = nullptr;
};

}  // namespace verlumo
