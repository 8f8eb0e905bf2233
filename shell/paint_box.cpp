// The paint box window class.
#include "shell/paint_box.h"

#include "shell/forms/window_class.h"

namespace verlumo {
namespace {

constexpr wchar_t kClassName[] = L"TPaintBox";

}  // namespace

PaintBox::~PaintBox() { DestroyOwnedWindow(window_); }

bool PaintBox::Create(HWND parent, RECT bounds, PaintHandler on_paint, MouseHandler on_mouse_down) {
  on_paint_ = std::move(on_paint);
  on_mouse_down_ = std::move(on_mouse_down);
  // No background brush: the game paints every pixel.
  if (!EnsureWindowClass(kClassName, WindowProc, IDC_ARROW, nullptr)) return false;
  window_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, bounds.left, bounds.top,
                            bounds.right - bounds.left, bounds.bottom - bounds.top, parent, nullptr,
                            GetModuleHandleW(nullptr), this);
  return window_ != nullptr;
}

LRESULT CALLBACK PaintBox::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* box = WindowOwner<PaintBox>(window, message, lparam);
  if (box == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  switch (message) {
    case WM_NCCREATE:
      box->window_ = window;
      break;
    case WM_NCDESTROY:
      ForgetDestroyedWindow(window, box->window_);
      break;
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
