// The paint box window class.
#include "shell/paint_box.h"

namespace verlumo {
namespace {

constexpr wchar_t kClassName[] = L"TPaintBox";

}  // namespace

bool PaintBox::Create(HWND parent, RECT bounds, PaintHandler on_paint, MouseHandler on_mouse_down) {
  on_paint_ = std::move(on_paint);
  on_mouse_down_ = std::move(on_mouse_down);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (!GetClassInfoExW(instance, kClassName, &existing)) {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = WindowProc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    window_class.lpszClassName = kClassName;  // no background brush: the game paints it all
    if (!RegisterClassExW(&window_class)) return false;
  }
  window_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, bounds.left, bounds.top,
                            bounds.right - bounds.left, bounds.bottom - bounds.top, parent, nullptr,
                            instance, this);
  return window_ != nullptr;
}

LRESULT CALLBACK PaintBox::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams));
  }
  auto* box = reinterpret_cast<PaintBox*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (box == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint handler covers every pixel
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(window, &paint);
      EndPaint(window, &paint);
      // The game draws through the window's device context, as it does between paints.
      if (box->on_paint_) box->on_paint_();
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (box->on_mouse_down_) {
        box->on_mouse_down_(static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam)));
      }
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace verlumo
