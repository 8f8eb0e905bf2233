// The info dialog TInfoDialog: the product's name and version, the maker's address with links to
// the e-mail address and home page, the membership note with a link to the association, and a
// button that opens the language dialog while the info dialog stays open.
#pragma once

#include <windows.h>

#include <string>

#include "shell/dialogs/dialog_form.h"
#include "shell/dialogs/hyperlink_label.h"
#include "shell/forms/gdi_handles.h"
#include "shell/forms/glyph_button.h"

namespace verlumo {

class TongueDialog;

class InfoDialog : public DialogForm {
 public:
  // Creates the window, hidden, once at program start. The language button shows
  // language_dialog, which may be created later but must outlive this dialog.
  bool Create(const DialogContext& context, TongueDialog& language_dialog);

  // The three links open their targets through this; the game keeps ShellOpen.
  void set_link_opener(const ShellOpener& opener);

  HWND ok_button() const { return ok_button_.handle(); }
  HWND tongue_button() const { return tongue_button_.handle(); }
  const HyperlinkLabel& email_link() const { return email_link_; }
  const HyperlinkLabel& home_page_link() const { return home_page_link_; }
  const HyperlinkLabel& member_link() const { return member_link_; }

  // The language-dependent label texts as last set.
  const std::wstring& coded_text() const { return coded_text_; }
  const std::wstring& member_of_text() const { return member_of_text_; }
  const std::wstring& program_text() const { return program_text_; }

 protected:
  bool OnCreate() override;
  void ApplyTexts() override;
  void OnPaint(HDC dc) override;
  void OnCommand(int id, HWND control) override;

 private:
  void TongBtnClick();

  TongueDialog* language_dialog_ = nullptr;
  OwnedFont name_font_;
  OwnedFont link_font_;
  OwnedBitmap logo_;
  OwnedBitmap association_logo_;
  OwnedBitmap tick_glyph_;
  OwnedBitmap lips_glyph_;
  GlyphButton ok_button_;
  GlyphButton tongue_button_;
  HyperlinkLabel email_link_;
  HyperlinkLabel home_page_link_;
  HyperlinkLabel member_link_;
  std::wstring coded_text_;
  std::wstring member_of_text_;
  std::wstring program_text_;
};

}  // namespace verlumo
