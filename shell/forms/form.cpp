// Forms: class registration, creation, dispatch and the modal loop.
#include "shell/forms/form.h"

#include <vector>

#include "shell/placement.h"

namespace verlumo {
namespace {

// Disables the thread's visible, enabled top-level windows other than the form; returns them.
std::vector<HWND> DisableOtherWindows(HWND form) {
  struct Walk {
    HWND form;
    std::vector<HWND> disabled;
  } walk{form, {}};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM context) -> BOOL {
        auto* walk = reinterpret_cast<Walk*>(context);
        if (window != walk->form && IsWindowVisible(window) && IsWindowEnabled(window)) {
          EnableWindow(window, FALSE);
          walk->disabled.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&walk));
  return walk.disabled;
}

}  // namespace

SIZE OuterSize(DWORD style, DWORD ex_style, int client_width, int client_height) {
  RECT rect{0, 0, client_width, client_height};
  AdjustWindowRectEx(&rect, style, FALSE, ex_style);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

bool Form::CreateForm(const wchar_t* class_name, const std::wstring& caption, Style style,
                      int client_width, int client_height, HWND owner) {
  class_name_ = class_name;
  creation_failure_ = {};
  const WindowClass own_class{class_name};
  if (!EnsureClass(own_class)) {
    creation_failure_ = {L"the window class " + class_name_, GetLastError()};
    return false;
  }
  const SIZE outer = OuterSize(style.style, style.ex_style, client_width, client_height);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - outer.cx) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - outer.cy) / 2;
  if (CreateOwnWindow(own_class, style.ex_style, caption.c_str(), style.style,
                      {left, top, left + outer.cx, top + outer.cy}, owner)) {
    return true;
  }
  // A part refused inside OnCreate has said what it was already.
  if (creation_failure_.what.empty()) creation_failure_ = {L"the window " + class_name_, GetLastError()};
  return false;
}

bool Form::Refuse(const std::wstring& what) {
  creation_failure_ = {what + L" of the window " + class_name_, GetLastError()};
  return false;
}

LRESULT Form::DefaultHandling(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate() ? 0 : -1;
    case WM_ACTIVATE:
      if (LOWORD(wparam) != WA_INACTIVE) FormActivate();
      break;
    case WM_COMMAND:
      if (lparam != 0 || HIWORD(wparam) == 0) OnCommand(LOWORD(wparam), reinterpret_cast<HWND>(lparam));
      return 0;
    case WM_TIMER:
      OnTimer(wparam);
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
  }
  return Window::DefaultHandling(message, wparam, lparam);
}

void Form::OnClose() {
  if (in_modal_loop_) modal_result_ = kModalCancel;
}

int Form::ShowModal() {
  HWND previously_active = GetActiveWindow();
  // Every other window of the game goes quiet, not only the owner: a form shown from another
  // modal form (the language dialog from the info dialog) must leave that one dead as well.
  const std::vector<HWND> silenced = DisableOtherWindows(handle());
  modal_result_ = 0;
  in_modal_loop_ = true;
  ShowWindow(handle(), SW_SHOW);
  SetForegroundWindow(handle());

  MSG message;
  while (modal_result_ == 0) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: hand the quit message on to the outer loop.
      PostQuitMessage(got == 0 ? static_cast<int>(message.wParam) : 1);
      modal_result_ = kModalCancel;
      break;
    }
    if (HandleDialogKey(message)) continue;
    if (!IsDialogMessageW(handle(), &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }

  in_modal_loop_ = false;
  // The other windows come back before the form goes, so that activation returns to the window
  // that was active when the form was shown.
  for (HWND window : silenced) EnableWindow(window, TRUE);
  ShowWindow(handle(), SW_HIDE);
  HWND owner = GetWindow(handle(), GW_OWNER);
  if (previously_active != nullptr && previously_active != handle() && IsWindow(previously_active)) {
    SetActiveWindow(previously_active);
  } else if (owner != nullptr) {
    SetActiveWindow(owner);
  }
  return modal_result_;
}

// Enter clicks the button that has the focus, Escape the cancel button; Tab and the arrow keys
// are left to the system's dialog navigation.
bool Form::HandleDialogKey(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  if (message.hwnd != handle() && !IsChild(handle(), message.hwnd)) return false;
  if (message.wParam == VK_RETURN) {
    HWND focus = GetFocus();
    wchar_t class_name[16] = {};
    if (focus != nullptr && IsChild(handle(), focus) && GetClassNameW(focus, class_name, 16) &&
        lstrcmpiW(class_name, L"Button") == 0) {
      SendMessageW(focus, BM_CLICK, 0, 0);
    }
    return true;
  }
  if (message.wParam == VK_ESCAPE) {
    if (cancel_button_ != nullptr) SendMessageW(cancel_button_, BM_CLICK, 0, 0);
    return true;
  }
  return false;
}

void PlaceOverMainWindow(HWND dialog, HWND main_window) {
  RECT main{}, client{}, own{};
  GetWindowRect(main_window, &main);
  GetClientRect(main_window, &client);
  GetWindowRect(dialog, &own);
  const Position at = PlaceOverMainWindow({main.left, main.top, main.right - main.left, main.bottom - main.top},
                                          client.bottom - client.top, own.right - own.left,
                                          own.bottom - own.top);
  SetWindowPos(dialog, nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace verlumo
