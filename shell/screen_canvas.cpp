// The still picture of the screen that the explode effect draws on.
#include "shell/screen_canvas.h"

#include "shell/forms/window_class.h"

namespace verlumo {
namespace {

constexpr wchar_t kClassName[] = L"TScreenCanvas";

}  // namespace

ScreenCanvas::ScreenCanvas(const RECT& area) : area_(area) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  HDC screen = GetDC(nullptr);
  picture_dc_ = CreateCompatibleDC(screen);
  picture_.reset(CreateCompatibleBitmap(screen, width, height));
  if (picture_dc_ != nullptr && picture_) {
    previous_bitmap_ = SelectObject(picture_dc_, picture_.get());
    BitBlt(picture_dc_, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  }
  ReleaseDC(nullptr, screen);
  if (previous_bitmap_ == nullptr || !EnsureWindowClass(kClassName, WindowProc, IDC_ARROW, nullptr)) return;
  window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT, kClassName,
                            L"", WS_POPUP, area.left, area.top, width, height, nullptr, nullptr,
                            GetModuleHandleW(nullptr), this);
  if (window_ == nullptr) return;
  ShowWindow(window_, SW_SHOWNOACTIVATE);
  Show();
}

ScreenCanvas::~ScreenCanvas() {
  if (window_ != nullptr) DestroyWindow(window_);
  if (previous_bitmap_ != nullptr) SelectObject(picture_dc_, previous_bitmap_);
  picture_.reset();
  if (picture_dc_ != nullptr) DeleteDC(picture_dc_);
}

void ScreenCanvas::DrawFocusRect(const RECT& rectangle) {
  if (window_ == nullptr) return;
  RECT on_picture = rectangle;
  OffsetRect(&on_picture, -area_.left, -area_.top);
  ::DrawFocusRect(picture_dc_, &on_picture);
  Show();
}

void ScreenCanvas::Show() const {
  HDC dc = GetDC(window_);
  BitBlt(dc, 0, 0, area_.right - area_.left, area_.bottom - area_.top, picture_dc_, 0, 0, SRCCOPY);
  ReleaseDC(window_, dc);
  // Drawing is batched per thread; the rectangle must be on the screen before the pause.
  GdiFlush();
}

LRESULT CALLBACK ScreenCanvas::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* canvas = WindowOwner<ScreenCanvas>(window, message, lparam);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(window, &paint);
      EndPaint(window, &paint);
      if (canvas != nullptr && canvas->window_ == window) canvas->Show();
      return 0;
    }
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // clicks go to whatever lies beneath
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

void PauseShowingDrawing(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  DWORD waited = 0;
  // No handles and no wake mask: only the time ends the wait, and no message is taken.
  while (waited < milliseconds) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - waited, 0);
    waited = GetTickCount() - start;
  }
}

}  // namespace verlumo
