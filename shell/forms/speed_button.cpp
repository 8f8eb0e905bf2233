// The flat toolbar button: painting, hover tracking and clicks.
#include "shell/forms/speed_button.h"

#include "shell/forms/glyph_button.h"
#include "shell/forms/window_class.h"

namespace verlumo {
namespace {

constexpr wchar_t kClassName[] = L"TSpeedButton";

}  // namespace

SpeedButton::~SpeedButton() { DestroyOwnedWindow(window_); }

bool SpeedButton::Create(HWND parent, int id, RECT bounds, HBITMAP glyph, int images, bool toggle) {
  glyph_ = glyph;
  images_ = images;
  toggle_ = toggle;
  if (!EnsureWindowClass(kClassName, WindowProc)) return false;
  window_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, bounds.left, bounds.top,
                            bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), this);
  return window_ != nullptr;
}

void SpeedButton::set_down(bool down) {
  down_ = down;
  InvalidateRect(window_, nullptr, TRUE);
}

void SpeedButton::RepaintNow() { RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

LRESULT CALLBACK SpeedButton::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* button = WindowOwner<SpeedButton>(window, message, lparam);
  if (button == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  if (message == WM_NCCREATE) button->window_ = window;
  if (message == WM_NCDESTROY) {
    ForgetDestroyedWindow(window, button->window_);
    return DefWindowProcW(window, message, wparam, lparam);
  }
  return button->HandleMessage(message, wparam, lparam);
}

LRESULT SpeedButton::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window_, &paint);
      Paint(dc);
      EndPaint(window_, &paint);
      return 0;
    }
    case WM_MOUSEMOVE:
      if (!hot_) {
        hot_ = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_, 0};
        TrackMouseEvent(&track);
        InvalidateRect(window_, nullptr, TRUE);
      }
      return 0;
    case WM_MOUSELEAVE:
      hot_ = false;
      InvalidateRect(window_, nullptr, TRUE);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!IsWindowEnabled(window_)) return 0;
      pressed_ = true;
      SetCapture(window_);
      InvalidateRect(window_, nullptr, TRUE);
      return 0;
    case WM_LBUTTONUP: {
      if (!pressed_) return 0;
      pressed_ = false;
      ReleaseCapture();
      RECT client;
      GetClientRect(window_, &client);
      const POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
      InvalidateRect(window_, nullptr, TRUE);
      if (PtInRect(&client, at)) {
        if (toggle_) down_ = !down_;
        const int id = GetDlgCtrlID(window_);
        SendMessageW(GetParent(window_), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(window_));
      }
      return 0;
    }
    case WM_CAPTURECHANGED:
      pressed_ = false;
      InvalidateRect(window_, nullptr, TRUE);
      return 0;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

void SpeedButton::Paint(HDC dc) {
  RECT client;
  GetClientRect(window_, &client);
  const bool sunken = pressed_ || down_;
  if (down_ && !pressed_) {
    // A button that stays down shows a lighter face, as toolbar toggles do.
    HBRUSH light = CreateSolidBrush(GetSysColor(COLOR_3DHILIGHT));
    FillRect(dc, &client, light);
    DeleteObject(light);
  }
  if (sunken) {
    DrawEdge(dc, &client, BDR_SUNKENOUTER, BF_RECT);
  } else if (hot_) {
    DrawEdge(dc, &client, BDR_RAISEDINNER, BF_RECT);
  }
  BITMAP info{};
  if (glyph_ == nullptr || !GetObjectW(glyph_, sizeof info, &info)) return;
  const int width = info.bmWidth / images_;
  const int shift = sunken ? 1 : 0;
  const int image = !IsWindowEnabled(window_) && images_ > 1 ? 1 : 0;
  DrawGlyph(dc, glyph_, image, images_, (client.right - width) / 2 + shift,
            (client.bottom - info.bmHeight) / 2 + shift);
}

}  // namespace verlumo
