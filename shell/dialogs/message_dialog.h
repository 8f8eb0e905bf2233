// The game's five message dialogs: two announcements (level solved, all levels solved) and three
// yes/no questions (give up the level, start a new game, quit). They share one layout of frame,
// icon, bold message and one or two glyph buttons, and differ only in a row of the table in
// message_dialog.cpp: class name, positions, pictures, texts and modal results.
#pragma once

#include <windows.h>

#include <string>

#include "midend/front_texts.h"
#include "shell/dialogs/dialog_form.h"
#include "shell/forms/gdi_handles.h"
#include "shell/forms/glyph_button.h"

namespace verlumo {

// TSolvedDlg: a swap has solved the board; OK gives 1. TAllSolvedDlg: every level is solved; OK
// gives 1. TRestartDlg: give up the level? Yes 6, No (Escape) 7. TGiveUpDlg: start the game
// afresh? Yes 6, No (Escape) 2. TEndGameDlg: quit? Yes 6, No (Escape) 2.
using MessageKind = Message;

struct MessageLayout;

class MessageDialog : public DialogForm {
 public:
  explicit MessageDialog(MessageKind kind);

  // Creates the window, hidden, once at program start.
  bool Create(const DialogContext& context);

  // The message as last set by the activation.
  const std::wstring& message() const { return message_; }
  HWND ok_button() const { return ok_button_.handle(); }
  // Null in the announcements.
  HWND cancel_button() const { return cancel_button_.handle(); }

 protected:
  bool OnCreate() override;
  void ApplyTexts() override;
  void OnPaint(HDC dc) override;
  void OnCommand(int id, HWND control) override;

 private:
  MessageKind kind_;
  const MessageLayout& layout_;
  OwnedFont message_font_;
  OwnedBitmap ok_glyph_;
  OwnedBitmap cancel_glyph_;
  GlyphButton ok_button_;
  GlyphButton cancel_button_;
  std::wstring message_;
};

}  // namespace verlumo
