// The info dialog TInfoDialog: the product's name and version, the maker's address with links to
// the e-mail address and home page, the membership note with a link to the association, and a
// button that opens the language dialog while the info dialog stays open.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "shell/dialogs/dialog_form.h"
#include "shell/dialogs/hyperlink_label.h"
#include "shell/forms/gdi_handles.h"

namespace verlumo {

class TongueDialog;

class InfoDialog : public DialogForm {
 public:
  // Creates the window, hidden, once at program start. The language button shows
  // language_dialog, which may be created later but must outlive this dialog.
  bool Create(const DialogContext& context, TongueDialog& language_dialog);

  // The three links open their targets through this; the game keeps ShellOpen.
  void set_link_opener(const ShellOpener& opener);

  HWND ok_button() const { return button_handle("ok"); }
  HWND tongue_button() const { return button_handle("tongue"); }
  const HyperlinkLabel& email_link() const { return link("email"); }
  const HyperlinkLabel& home_page_link() const { return link("homePage"); }
  const HyperlinkLabel& member_link() const { return link("member"); }

  // The language-dependent label texts as last set.
  const std::wstring& coded_text() const { return words("codedIn"); }
  const std::wstring& member_of_text() const { return words("memberOf"); }
  const std::wstring& program_text() const { return words("program"); }

 protected:
  bool OnCreate() override;
  void OnCommand(int id, HWND control) override;

 private:
  void TongBtnClick();
  const HyperlinkLabel& link(const char* name) const;

  TongueDialog* language_dialog_ = nullptr;
  OwnedFont link_font_;
  // In the layout's order of links.
  std::array<HyperlinkLabel, 3> links_;
};

}  // namespace verlumo
