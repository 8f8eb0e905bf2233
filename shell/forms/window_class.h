// Window classes whose windows belong to C++ objects: registration on first use, finding the
// object a message is for, and the one ownership rule every window wrapper keeps: the object's
// destructor destroys its window, and the window's final message (WM_NCDESTROY) makes the object
// forget it. So a window destroyed with its parent never reaches an object that has gone, and an
// object that goes first never leaves a window behind that still points at it.
#pragma once

#include <windows.h>

namespace verlumo {

// Registers the class on first use; true when it is registered (now or before).
bool EnsureWindowClass(const wchar_t* class_name, WNDPROC procedure, LPCWSTR cursor = IDC_ARROW,
                       HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));

// The object a window belongs to: handed over as the creation parameter with WM_NCCREATE and
// kept in the window from then on. Null for the few messages before WM_NCCREATE.
template <typename Owner>
Owner* WindowOwner(HWND window, UINT message, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    return owner;
  }
  return reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// For a wrapper's destructor: cuts the window off from the object, then destroys it.
void DestroyOwnedWindow(HWND& window);

// For WM_NCDESTROY: the window is gone; it no longer names its object, nor the object it.
void ForgetDestroyedWindow(HWND window, HWND& member);

}  // namespace verlumo
