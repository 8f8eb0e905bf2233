// The dialogs' shared frame, texts, icon and focus handling.
#include "shell/dialogs/dialog_form.h"

#include <stdexcept>

#include "core/texts.h"
#include "midend/front_texts.h"
#include "platform/win32/utf16.h"
#include "shell/dialogs/laid_out.h"
#include "shell/forms/painting.h"

namespace verlumo {

int DialogForm::language() const { return context_.language != nullptr ? context_.language->value() : kLanguageUnset; }

namespace {

// What a refusal says was refused.
std::wstring PartName(const Control& button) {
  const std::string name = button.name;
  if (name == "ok") return L"the OK button";
  if (name == "cancel") return L"the cancel button";
  if (name == "english") return L"the English button";
  if (name == "german") return L"the German button";
  if (name == "tongue") return L"the language button";
  return L"the button " + Utf8ToWide(name);
}

bool Worded(const ControlText& text) { return text.id != TextId::kNone && text.id != TextId::kFixed; }

}  // namespace

bool DialogForm::CreateDialogForm(const DialogContext& context, const wchar_t* class_name, DialogName dialog) {
  context_ = context;
  dialog_ = dialog;
  layout_ = &DialogLayoutOf(dialog);
  font_ = CreateUiFont(kDialogFontFace, kDialogFontHeight, layout_->bold);
  return CreateForm(class_name, L"", kDialogFrame, layout_->width, layout_->height, context.main_window);
}

bool DialogForm::CreateLayout() {
  const DialogLayout& laid_out = layout();
  if (laid_out.caption.id == TextId::kFixed) SetWindowTextW(handle(), Utf8ToWide(laid_out.caption.fixed).c_str());
  words_.assign(laid_out.controls.size(), L"");
  pictures_.resize(laid_out.controls.size());
  for (size_t i = 0; i < laid_out.controls.size(); ++i) {
    const Control& control = laid_out.controls[i];
    if (control.text.id == TextId::kFixed) words_[i] = Utf8ToWide(control.text.fixed);
    if (control.picture != Picture::kNone) pictures_[i].reset(LoadBitmapResource(PictureResource(control.picture)));
    if (control.kind == ControlKind::kMessage && message_font_.get() == nullptr) {
      message_font_ = CreateUiFont(kDialogFontFace, kDialogFontHeight, true);
    }
    if (control.kind == ControlKind::kLabel && control.style == TextStyle::kProductName) {
      product_name_font_ = CreateUiFont(L"Arial", -19, true);
    }
  }
  for (size_t i = 0; i < laid_out.controls.size(); ++i) {
    const Control& control = laid_out.controls[i];
    if (control.kind != ControlKind::kButton) continue;
    auto made = std::make_unique<GlyphButton>();
    const int id = static_cast<int>(buttons_.size()) + 1;
    if (!made->Create(handle(), id, ToRect(control.box), static_cast<HBITMAP>(pictures_[i].get()),
                      PictureFileOf(control.picture).images, dialog_font())) {
      return Refuse(PartName(control));
    }
    if (control.text.id == TextId::kFixed) made->SetCaption(words_[i]);
    buttons_.push_back(std::move(made));
    button_controls_.push_back(&control);
  }
  set_first_focus(button_handle(laid_out.default_button));
  if (*laid_out.cancel_button != '\0') set_cancel_button(button_handle(laid_out.cancel_button));
  return true;
}

GlyphButton& DialogForm::button(const char* name) {
  for (size_t i = 0; i < buttons_.size(); ++i) {
    if (std::string(button_controls_[i]->name) == name) return *buttons_[i];
  }
  throw std::logic_error(std::string("no button ") + name);
}

HWND DialogForm::button_handle(const char* name) const {
  for (size_t i = 0; i < buttons_.size(); ++i) {
    if (std::string(button_controls_[i]->name) == name) return buttons_[i]->handle();
  }
  return nullptr;
}

const Control* DialogForm::ButtonOf(int id) const {
  if (id < 1 || id > static_cast<int>(button_controls_.size())) return nullptr;
  return button_controls_[id - 1];
}

const std::wstring& DialogForm::words(const char* name) const {
  const DialogLayout& laid_out = layout();
  for (size_t i = 0; i < laid_out.controls.size(); ++i) {
    if (std::string(laid_out.controls[i].name) == name) return words_[i];
  }
  throw std::logic_error(std::string("no control ") + name);
}

// Only the words that follow the language are set again; a dialog that has none is left alone.
void DialogForm::ApplyTexts() {
  const DialogLayout& laid_out = layout();
  bool worded = false;
  if (Worded(laid_out.caption)) {
    SetWindowTextW(handle(), Utf8ToWide(WordsOf(laid_out.caption, dialog_, language())).c_str());
    worded = true;
  }
  size_t button = 0;
  for (size_t i = 0; i < laid_out.controls.size(); ++i) {
    const Control& control = laid_out.controls[i];
    const bool is_button = control.kind == ControlKind::kButton;
    if (Worded(control.text)) {
      words_[i] = Utf8ToWide(WordsOf(control.text, dialog_, language()));
      if (is_button) buttons_[button]->SetCaption(words_[i]);
      worded = true;
    }
    if (is_button) ++button;
  }
  if (worded) InvalidateRect(handle(), nullptr, TRUE);
}

void DialogForm::PaintLabel(HDC dc, const Control& control, const std::wstring& text) const {
  LabelStyle style;
  style.font = dialog_font();
  if (control.kind == ControlKind::kMessage) {
    style.font = static_cast<HFONT>(message_font_.get());
    style.format = DT_CENTER | DT_TOP | DT_WORDBREAK | DT_NOPREFIX;
  } else {
    switch (control.style) {
      case TextStyle::kOneLine: style.format = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX; break;
      case TextStyle::kWrapped: style.format = DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX; break;
      case TextStyle::kRight: style.format = DT_RIGHT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX; break;
      // Drawn from its corner, as wide as its text.
      case TextStyle::kAutoSized: style.format = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP; break;
      case TextStyle::kProductName:
        style.font = static_cast<HFONT>(product_name_font_.get());
        style.format = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;
        break;
    }
  }
  DrawLabel(dc, ToRect(control.box), text, style);
}

void DialogForm::OnPaint(HDC dc) {
  const DialogLayout& laid_out = layout();
  for (size_t i = 0; i < laid_out.controls.size(); ++i) {
    const Control& control = laid_out.controls[i];
    switch (control.kind) {
      case ControlKind::kBevel: DrawLoweredBevel(dc, ToRect(control.box)); break;
      case ControlKind::kIcon: DrawMainIcon(dc, control.box.left, control.box.top); break;
      case ControlKind::kPicture:
        DrawPicture(dc, static_cast<HBITMAP>(pictures_[i].get()), control.box.left, control.box.top);
        break;
      case ControlKind::kLabel:
      case ControlKind::kMessage: PaintLabel(dc, control, words_[i]); break;
      // Windows of their own.
      case ControlKind::kButton:
      case ControlKind::kLink:
      case ControlKind::kField: break;
    }
  }
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
