// The window base: class registration, finding the object, dispatch and the ownership rule.
#include "shell/forms/window.h"

#include <commctrl.h>

namespace verlumo {
namespace {

constexpr UINT_PTR kAdoptionId = 1;

}  // namespace

HWND CreateChildWindow(const wchar_t* class_name, DWORD ex_style, const wchar_t* text, DWORD style,
                       const RECT& bounds, HWND parent, int id, void* param) {
  return CreateWindowExW(ex_style, class_name, text, style, bounds.left, bounds.top, bounds.right - bounds.left,
                         bounds.bottom - bounds.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), param);
}

Window::~Window() {
  // A screen reader may still hold the window's accessible object; it hears no more of the
  // object from here on.
  accessible_.reset();
  if (window_ == nullptr) return;
  // Destroying a window sends it messages; they must not reach an object being destroyed.
  HWND window = window_;
  Forget();
  DestroyWindow(window);
}

void Window::MakeAccessible(AccessibleFacts& facts) { accessible_ = std::make_unique<AccessibleControl>(facts); }

bool Window::EnsureClass(const WindowClass& window_class) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, window_class.name, &existing)) return true;
  WNDCLASSEXW registered{};
  registered.cbSize = sizeof registered;
  registered.lpfnWndProc = WindowProc;
  registered.hInstance = instance;
  registered.hCursor = LoadCursorW(nullptr, window_class.cursor);
  registered.hbrBackground = window_class.background;
  registered.lpszClassName = window_class.name;
  return RegisterClassExW(&registered) != 0;
}

bool Window::CreateOwnWindow(const WindowClass& window_class, DWORD ex_style, const wchar_t* text, DWORD style,
                             const RECT& bounds, HWND parent, int id) {
  if (!EnsureClass(window_class)) return false;
  // The object is known to the window from WM_NCCREATE on; a window that fails later in its
  // creation is destroyed and forgotten again.
  Window* self = this;
  return CreateChildWindow(window_class.name, ex_style, text, style, bounds, parent, id, self) != nullptr;
}

bool Window::Adopt(HWND window, const wchar_t* owner_property) {
  window_ = window;
  owner_property_ = owner_property;
  if (SetPropW(window, owner_property, this) &&
      SetWindowSubclass(window, AdoptedProc, kAdoptionId, reinterpret_cast<DWORD_PTR>(this))) {
    return true;
  }
  const DWORD error = GetLastError();
  Forget();
  DestroyWindow(window);
  SetLastError(error);
  return false;
}

void Window::Forget() {
  if (owner_property_ != nullptr) {
    // A window's properties must be removed before it is gone.
    RemovePropW(window_, owner_property_);
    RemoveWindowSubclass(window_, AdoptedProc, kAdoptionId);
    owner_property_ = nullptr;
  } else {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  }
  window_ = nullptr;
}

LRESULT CALLBACK Window::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->window_ = window;
  }
  // Null for the few messages before WM_NCCREATE and for those after the object let go.
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  return self->Dispatch(window, message, wparam, lparam);
}

LRESULT CALLBACK Window::AdoptedProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                     DWORD_PTR self) {
  return reinterpret_cast<Window*>(self)->Dispatch(window, message, wparam, lparam);
}

LRESULT Window::Dispatch(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT answer = 0;
  if (message == WM_GETOBJECT && accessible_ && accessible_->Answer(window, wparam, lparam, answer)) return answer;
  if (message != WM_NCDESTROY) return HandleMessage(message, wparam, lparam);
  // Destroyed with its parent or owner: the window's last message. The object forgets it
  // first; the system finishes the window without it.
  const bool adopted = owner_property_ != nullptr;
  Forget();
  return adopted ? DefSubclassProc(window, message, wparam, lparam) : DefWindowProcW(window, message, wparam, lparam);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  return DefaultHandling(message, wparam, lparam);
}

LRESULT Window::DefaultHandling(UINT message, WPARAM wparam, LPARAM lparam) {
  if (owner_property_ != nullptr) return DefSubclassProc(window_, message, wparam, lparam);
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    OnPaint(dc);
    EndPaint(window_, &paint);
    return 0;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

}  // namespace verlumo
