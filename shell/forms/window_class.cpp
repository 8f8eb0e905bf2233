// Registering the program's window classes.
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

}  // namespace verlumo
