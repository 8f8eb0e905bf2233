// Making and adopting a control of a system class.
#include "shell/forms/system_control.h"

namespace verlumo {
namespace {

constexpr wchar_t kOwnerProperty[] = L"VerlumoSystemControl";

}  // namespace

bool SystemControl::Create(const wchar_t* class_name, DWORD style, const RECT& bounds, HWND parent, int id) {
  HWND control = CreateChildWindow(class_name, 0, L"", style, bounds, parent, id);
  return control != nullptr && Adopt(control, kOwnerProperty);
}

LRESULT SystemControl::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_KEYDOWN && key_filter_ && key_filter_(wparam)) return 0;
  return DefaultHandling(message, wparam, lparam);
}

}  // namespace verlumo
