// The language dialog: its window class and the two choices.
#include "shell/dialogs/tongue_dialog.h"

namespace verlumo {

bool TongueDialog::Create(const DialogContext& context) {
  return CreateDialogForm(context, L"TTongueDlg", DialogName::kLanguage);
}

// Each button's result is the language it chooses; the dialog itself ends with OK.
void TongueDialog::OnCommand(int id, HWND /*control*/) {
  const Control* button = ButtonOf(id);
  if (button == nullptr) return;
  if (context().language != nullptr) context().language->Set(button->result);
  set_modal_result(kModalOk);
}

}  // namespace verlumo
