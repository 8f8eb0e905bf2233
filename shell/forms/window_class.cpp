// Registering the program's window classes, and the wrappers' ownership rule.
#include "shell/forms/window_class.h"

namespace verlumo {

bool EnsureWindowClass(const wchar_t* class_name, WNDPROC procedure, LPCWSTR cursor, HBRUSH background) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, class_name, &existing)) return true;
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, cursor);
  window_class.hbrBackground = background;
  window_class.lpszClassName = class_name;
  return RegisterClassExW(&window_class) != 0;
}

void DestroyOwnedWindow(HWND& window) {
  if (window == nullptr) return;
  // Destroying a window sends it messages; they must not reach an object being destroyed.
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  DestroyWindow(window);
  window = nullptr;
}

void ForgetDestroyedWindow(HWND window, HWND& member) {
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  member = nullptr;
}

}  // namespace verlumo
