// What the game's dialog windows have in common: a layout from the mid-end's table, a fixed
// dialog frame owned by the main window, the dialog font, push buttons with pictures that the
// dialog draws, frames, pictures, the main window's icon and labels painted where the layout
// puts them, texts chosen by the language setting, and a keyboard focus that starts on the
// default button each time the dialog is shown and comes back to where it was when the dialog
// becomes active again (after the language dialog opened from the info dialog has closed).
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "midend/layout.h"
#include "shell/dialogs/dialog_context.h"
#include "shell/forms/form.h"
#include "shell/forms/gdi_handles.h"
#include "shell/forms/glyph_button.h"
#include "shell/placement.h"

namespace verlumo {

// "MS Sans Serif" at 8 points: 11 pixels character height at 96 pixels per inch.
constexpr wchar_t kDialogFontFace[] = L"MS Sans Serif";
constexpr int kDialogFontHeight = -11;

class DialogForm : public Form {
 protected:
  // The language setting as the dialog reads it; -1 (not chosen) when the game gave none.
  int language() const;

  // Creates the dialog font (bold for the dialogs the layout makes bold), then the dialog
  // window, hidden, with a fixed frame and the layout's client size, owned by the main window.
  // OnCreate runs inside.
  bool CreateDialogForm(const DialogContext& context, const wchar_t* class_name, DialogName dialog);
  const DialogLayout& layout() const { return *layout_; }

  // Sets the caption and makes the layout's buttons in their tab order, with control ids 1, 2,
  // ... in that order, the fixed texts on them, the first focus on the default button and
  // Escape on the cancel button; false, through Refuse, when one cannot be made.
  bool CreateLayout();
  // The button of that name in the layout, made by CreateLayout.
  GlyphButton& button(const char* name);
  HWND button_handle(const char* name) const;
  // The layout's control behind a button's control id; null for any other id.
  const Control* ButtonOf(int id) const;

  // The words of the layout's controls in the language of the moment: the caption, the
  // buttons' captions and the painted texts; then the dialog is painted again.
  virtual void ApplyTexts();
  // The words a control of the layout was last given.
  const std::wstring& words(const char* name) const;

  // The layout's frames, pictures, icon, labels and message, each over the ones before.
  void OnPaint(HDC dc) override;
  const DialogContext& context() const { return context_; }
  // The buttons' captions and the labels are in the dialog font.
  HFONT dialog_font() const { return static_cast<HFONT>(font_.get()); }

  // Each activation places the dialog over the main window, then words it in the language of
  // the moment.
  void FormActivate() final;

  // The control that has the focus each time the dialog is shown.
  void set_first_focus(HWND control) { first_focus_ = control; }

  // The main window's icon, 32 x 32, with its top-left corner at (left, top).
  void DrawMainIcon(HDC dc, int left, int top) const;

  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void PaintLabel(HDC dc, const Control& control, const std::wstring& text) const;

  DialogContext context_;
  DialogName dialog_ = DialogName::kSolved;
  const DialogLayout* layout_ = nullptr;
  OwnedFont font_;
  OwnedFont message_font_;
  OwnedFont product_name_font_;
  // Borrowed by the buttons, so made before them and gone after them.
  std::vector<OwnedBitmap> pictures_;  // one per control of the layout; null where it has none
  std::vector<std::unique_ptr<GlyphButton>> buttons_;
  std::vector<const Control*> button_controls_;
  std::vector<std::wstring> words_;  // one per control of the layout
  HWND first_focus_ = nullptr;
  HWND focus_ = nullptr;
};

}  // namespace verlumo
