// The info dialog: its window class, the links and the language button.
#include "shell/dialogs/info_dialog.h"

#include <stdexcept>

#include "platform/win32/utf16.h"
#include "shell/dialogs/tongue_dialog.h"
#include "shell/forms/painting.h"

namespace verlumo {
namespace {

// Once pressed, the maker's own addresses turn yellow; a named page keeps the link colour.
COLORREF ActiveColour(LinkKind link) { return link == LinkKind::kAddress ? RGB(255, 255, 0) : RGB(0, 0, 255); }

}  // namespace

bool InfoDialog::Create(const DialogContext& context, TongueDialog& language_dialog) {
  language_dialog_ = &language_dialog;
  return CreateDialogForm(context, L"TInfoDialog", DialogName::kInfo);
}

void InfoDialog::set_link_opener(const ShellOpener& opener) {
  for (HyperlinkLabel& link : links_) link.set_opener(opener);
}

// OK comes first in the tab order, the language button second, then the links.
bool InfoDialog::OnCreate() {
  link_font_ = CreateUiFont(kDialogFontFace, kDialogFontHeight, false, true);
  if (!CreateLayout()) return false;
  size_t made = 0;
  for (const Control& control : layout().controls) {
    if (control.kind != ControlKind::kLink) continue;
    const WindowBox bounds{control.box.left, control.box.top, control.box.width, control.box.height};
    const HyperlinkLabel::Settings settings{Utf8ToWide(control.text.fixed), Utf8ToWide(control.address),
                                            ActiveColour(control.link), control.style == TextStyle::kWrapped};
    if (made == links_.size() ||
        !links_[made++].Create(handle(), bounds, settings, static_cast<HFONT>(link_font_.get()))) {
      return Refuse(L"a link");
    }
  }
  return true;
}

const HyperlinkLabel& InfoDialog::link(const char* name) const {
  size_t index = 0;
  for (const Control& control : layout().controls) {
    if (control.kind != ControlKind::kLink) continue;
    if (std::string(control.name) == name) return links_[index];
    ++index;
  }
  throw std::logic_error(std::string("no link ") + name);
}

void InfoDialog::OnCommand(int id, HWND /*control*/) {
  const Control* button = ButtonOf(id);
  if (button == nullptr) return;
  if (std::string(button->name) == "tongue") {
    TongBtnClick();
  } else {
    set_modal_result(button->result);
  }
}

void InfoDialog::TongBtnClick() {
  if (language_dialog_ != nullptr) language_dialog_->ShowModal();
  ApplyTexts();
}

}  // namespace verlumo
