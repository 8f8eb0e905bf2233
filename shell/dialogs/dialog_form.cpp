// The dialogs' shared frame, texts, icon and focus handling.
#include "shell/dialogs/dialog_form.h"

#include "core/texts.h"
#include "shell/forms/glyph_button.h"
#include "shell/forms/painting.h"
#include "platform/win32/utf16.h"

namespace verlumo {

RECT ToRect(const WindowBox& box) { return {box.left, box.top, box.left + box.width, box.top + box.height}; }

int DialogForm::language() const { return context_.language != nullptr ? context_.language->value() : kLanguageUnset; }

bool DialogForm::CreateDialogForm(const DialogContext& context, const wchar_t* class_name,
                                  int client_width, int client_height, bool bold_font) {
  context_ = context;
  font_ = CreateUiFont(kDialogFontFace, kDialogFontHeight, bold_font);
  return CreateForm(class_name, L"", kDialogFrame, client_width, client_height, context.main_window);
}

void DialogForm::FormActivate() {
  PlaceOverMainWindow(handle(), context_.main_window);
  ApplyTexts();
}

void DialogForm::DrawMainIcon(HDC dc, int left, int top) const {
  if (context_.icon != nullptr) DrawIconEx(dc, left, top, context_.icon, 32, 32, 0, nullptr, DI_NORMAL);
}

LRESULT DialogForm::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_DRAWITEM:
      if (GlyphButton::Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam))) return TRUE;
      break;
    case WM_SHOWWINDOW:
      if (wparam) focus_ = first_focus_;
      break;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(handle(), focus)) focus_ = focus;
      } else {
        // The system's own activation puts the focus on the window itself, where Enter would
        // find no button; the dialog hands it on to its control.
        const LRESULT result = DefaultHandling(message, wparam, lparam);
        if (focus_ != nullptr && IsWindowEnabled(focus_)) SetFocus(focus_);
        return result;
      }
      break;
  }
  return DefaultHandling(message, wparam, lparam);
}

}  // namespace verlumo
