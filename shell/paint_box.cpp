// The paint box window class.
#include "shell/paint_box.h"

namespace verlumo {
namespace {

// No background brush: the game paints every pixel.
const WindowClass kClass{L"TPaintBox", IDC_ARROW, nullptr};

}  // namespace

bool PaintBox::Create(HWND parent, RECT bounds, PaintHandler on_paint, MouseHandler on_mouse_down,
                      DWORD extra_style) {
  on_paint_ = std::move(on_paint);
  on_mouse_down_ = std::move(on_mouse_down);
  return CreateOwnWindow(kClass, 0, L"", WS_CHILD | WS_VISIBLE | extra_style, bounds, parent);
}

LRESULT PaintBox::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint handler covers every pixel
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(handle(), &paint);
      EndPaint(handle(), &paint);
      // The game draws through the window's device context, as it does between paints.
      if (on_paint_) on_paint_();
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (on_mouse_down_) on_mouse_down_(static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam)));
      return 0;
  }
  return DefaultHandling(message, wparam, lparam);
}

}  // namespace verlumo
