// The main window's class registration, creation and message dispatch.
#include "shell/main_form.h"

namespace verlumo {
namespace {

// A fixed single border: a caption with the system menu and the minimise and maximise boxes,
// but no sizing frame.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr DWORD kExStyle = 0;
constexpr const wchar_t* kCaption = L"Verlumo V2.3";

}  // namespace

bool TMainForm::Register(HINSTANCE instance) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kClassName;
  return RegisterClassExW(&window_class) != 0;
}

HWND TMainForm::Create(HINSTANCE instance) {
  RECT outer{0, 0, kClientWidth, kToolbarHeight + kBoardAreaHeight};
  AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
  return CreateWindowExW(kExStyle, kClassName, kCaption, kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                         outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                         instance, this);
}

LRESULT CALLBACK TMainForm::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<TMainForm*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    form->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<TMainForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  return form->HandleMessage(message, wparam, lparam);
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_DESTROY:
      FormDestroy();
      return 0;
    default:
      return DefWindowProcW(window_, message, wparam, lparam);
  }
}

void TMainForm::FormDestroy() {
  // The main window's end is the program's end.
  PostQuitMessage(0);
}

}  // namespace verlumo
