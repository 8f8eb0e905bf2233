// The thin form layer: a window class per form, the form's handlers for the messages every form
// has, modal showing with a nested message loop, and the modal results.
#pragma once

#include <windows.h>

#include <string>

#include "core/modal_result.h"
#include "shell/forms/creation_failure.h"
#include "shell/forms/window.h"

namespace verlumo {

class Form : public Window {
 public:
  // Why the last CreateForm gave false.
  const CreationFailure& creation_failure() const { return creation_failure_; }

  // Shows the form modally: the other windows of the game take no input until the form sets
  // its modal result; paint and timer messages go on through the nested loop. Returns the
  // modal result; closing the form by its title bar gives 2 (cancel).
  int ShowModal();
  void set_modal_result(int result) { modal_result_ = result; }
  bool showing_modally() const { return in_modal_loop_; }

  // The button Escape clicks while the form is shown modally; none by default, and then Escape
  // does nothing.
  void set_cancel_button(HWND button) { cancel_button_ = button; }

 protected:
  struct Style {
    DWORD style;
    DWORD ex_style;
  };
  // A fixed dialog frame: caption and close box, no sizing, no minimise or maximise box.
  static constexpr Style kDialogFrame{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_DLGMODALFRAME};

  // Registers the class on first use and creates the window hidden, with the given client size,
  // centred on the screen. OnCreate runs inside; false when the system refuses the window or
  // OnCreate fails, with creation_failure() saying why.
  bool CreateForm(const wchar_t* class_name, const std::wstring& caption, Style style,
                  int client_width, int client_height, HWND owner);

  // What every form does with a message its own HandleMessage leaves: creation, activation,
  // commands, timers and closing go to the handlers below, painting to OnPaint.
  LRESULT DefaultHandling(UINT message, WPARAM wparam, LPARAM lparam) override;

  // Makes the form's controls; false, through Refuse, when one of them cannot be made, and then
  // the window is not made either.
  virtual bool OnCreate() { return true; }
  // Records that the system refused the named part of the form, with its last error; gives false.
  bool Refuse(const std::wstring& what);
  virtual void FormActivate() {}
  virtual void OnCommand(int /*id*/, HWND /*control*/) {}
  virtual void OnTimer(UINT_PTR /*id*/) {}
  // The title-bar close box or the system's close key; a modal form ends with cancel.
  virtual void OnClose();

 private:
  bool HandleDialogKey(const MSG& message);

  std::wstring class_name_;
  CreationFailure creation_failure_;
  HWND cancel_button_ = nullptr;
  int modal_result_ = 0;
  bool in_modal_loop_ = false;
};

// Applies the placement every dialog takes each time it is activated: centred horizontally on
// the main window and vertically on its client area, not clamped to the screen.
void PlaceOverMainWindow(HWND dialog, HWND main_window);

// A client rectangle of the given size turned into the window's outer size.
SIZE OuterSize(DWORD style, DWORD ex_style, int client_width, int client_height);

}  // namespace verlumo
