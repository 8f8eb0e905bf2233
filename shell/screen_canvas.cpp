// The still picture of the screen that the explode effect draws on.
#include "shell/screen_canvas.h"

namespace verlumo {
namespace {

const WindowClass kClass{L"TScreenCanvas", IDC_ARROW, nullptr};

}  // namespace

ScreenCanvas::ScreenCanvas(const RECT& area) : area_(area) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  picture_ = std::make_unique<GdiBitmapSurface>(width, height, GdiBitmapSurface::Format::kWindow);
  if (!picture_->valid()) return;
  HDC screen = GetDC(nullptr);
  BitBlt(picture_->dc(), 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  if (!CreateOwnWindow(kClass, WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT, L"",
                       WS_POPUP, area, nullptr)) {
    return;
  }
  ShowWindow(handle(), SW_SHOWNOACTIVATE);
  Show();
}

void ScreenCanvas::DrawFocusRect(const RECT& rectangle) {
  if (handle() == nullptr) return;
  RECT on_picture = rectangle;
  OffsetRect(&on_picture, -area_.left, -area_.top);
  ::DrawFocusRect(picture_->dc(), &on_picture);
  Show();
}

void ScreenCanvas::Show() const {
  HDC dc = GetDC(handle());
  BitBlt(dc, 0, 0, area_.right - area_.left, area_.bottom - area_.top, picture_->dc(), 0, 0, SRCCOPY);
  ReleaseDC(handle(), dc);
  // Drawing is batched per thread; the rectangle must be on the screen before the pause.
  GdiFlush();
}

LRESULT ScreenCanvas::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(handle(), &paint);
      EndPaint(handle(), &paint);
      Show();
      return 0;
    }
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // clicks go to whatever lies beneath
  }
  return DefaultHandling(message, wparam, lparam);
}

void PauseShowingDrawing(DWORD since, DWORD milliseconds) {
  // No handles and no wake mask: only the time ends the wait, and no message is taken.
  for (DWORD waited = GetTickCount() - since; waited < milliseconds; waited = GetTickCount() - since) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - waited, 0);
  }
}

}  // namespace verlumo
