// The game's five message dialogs: two announcements (level solved, all levels solved) and three
// yes/no questions (give up the level, start a new game, quit). They share one layout of frame,
// icon, bold message and one or two glyph buttons, and differ only in their rows of the
// mid-end's layout table (positions, pictures, texts and modal results) and in their class names.
#pragma once

#include <windows.h>

#include <string>

#include "midend/front_texts.h"
#include "shell/dialogs/dialog_form.h"

namespace verlumo {

// TSolvedDlg: a swap has solved the board; OK gives 1. TAllSolvedDlg: every level is solved; OK
// gives 1. TRestartDlg: give up the level? Yes 6, No (Escape) 7. TGiveUpDlg: start the game
// afresh? Yes 6, No (Escape) 2. TEndGameDlg: quit? Yes 6, No (Escape) 2.
using MessageKind = Message;

class MessageDialog : public DialogForm {
 public:
  explicit MessageDialog(MessageKind kind) : kind_(kind) {}

  // Creates the window, hidden, once at program start.
  bool Create(const DialogContext& context);

  // The message as last set by the activation.
  const std::wstring& message() const { return words("message"); }
  HWND ok_button() const { return button_handle("ok"); }
  // Null in the announcements.
  HWND cancel_button() const { return button_handle("cancel"); }

 protected:
  bool OnCreate() override { return CreateLayout(); }
  void OnCommand(int id, HWND control) override;

 private:
  MessageKind kind_;
};

}  // namespace verlumo
