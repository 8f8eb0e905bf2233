// The still picture of the screen that the explode effect draws on.
#include "shell/screen_canvas.h"

namespace verlumo {
namespace {

const WindowClass kClass{L"TScreenCanvas", IDC_ARROW, nullptr};

// A 32-bit DIB section rather than a bitmap compatible with the screen: it holds every screen
// colour and inverts alike, and its memory is the process's own, given back whole when the
// effect ends. Wine puts a compatible bitmap in the C library's heap, which keeps some of it.
HBITMAP CreatePictureBitmap(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first, as on the screen
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

}  // namespace

ScreenCanvas::ScreenCanvas(const RECT& area) : area_(area) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  HDC screen = GetDC(nullptr);
  picture_dc_ = CreateCompatibleDC(screen);
  picture_.reset(CreatePictureBitmap(width, height));
  if (picture_dc_ != nullptr && picture_) {
    previous_bitmap_ = SelectObject(picture_dc_, picture_.get());
    BitBlt(picture_dc_, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  }
  ReleaseDC(nullptr, screen);
  if (previous_bitmap_ == nullptr ||
      !CreateOwnWindow(kClass, WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT, L"",
                       WS_POPUP, area, nullptr)) {
    return;
  }
  ShowWindow(handle(), SW_SHOWNOACTIVATE);
  Show();
}

ScreenCanvas::~ScreenCanvas() {
  // The base destroys the window after this; cut off from the canvas first, it never paints
  // from a picture that has gone.
  if (previous_bitmap_ != nullptr) SelectObject(picture_dc_, previous_bitmap_);
  picture_.reset();
  if (picture_dc_ != nullptr) DeleteDC(picture_dc_);
}

void ScreenCanvas::DrawFocusRect(const RECT& rectangle) {
  if (handle() == nullptr) return;
  RECT on_picture = rectangle;
  OffsetRect(&on_picture, -area_.left, -area_.top);
  ::DrawFocusRect(picture_dc_, &on_picture);
  Show();
}

void ScreenCanvas::Show() const {
  HDC dc = GetDC(handle());
  BitBlt(dc, 0, 0, area_.right - area_.left, area_.bottom - area_.top, picture_dc_, 0, 0, SRCCOPY);
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
