// The message dialogs: their window classes and answers.
#include "shell/dialogs/message_dialog.h"

namespace verlumo {

bool MessageDialog::Create(const DialogContext& context) {
  // In the order of MessageKind.
  static constexpr const wchar_t* kClassNames[] = {L"TSolvedDlg", L"TAllSolvedDlg", L"TRestartDlg", L"TGiveUpDlg",
                                                   L"TEndGameDlg"};
  const int kind = static_cast<int>(kind_);
  return CreateDialogForm(context, kClassNames[kind], static_cast<DialogName>(kind));
}

void MessageDialog::OnCommand(int id, HWND /*control*/) {
  if (const Control* button = ButtonOf(id)) set_modal_result(button->result);
}

}  // namespace verlumo
