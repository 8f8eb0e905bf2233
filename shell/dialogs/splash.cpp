// The splash screen: picture, timer and clicks.
#include "shell/dialogs/splash.h"

#include "shell/forms/painting.h"
#include "shell/resource_ids.h"

namespace verlumo {
namespace {

constexpr wchar_t kClassName[] = L"TSplash";
constexpr int kClientWidth = 200;
constexpr int kClientHeight = 150;
constexpr UINT_PTR kTimer1 = 1;

}  // namespace

bool Splash::Create(const DialogContext& context) {
  return CreateForm(kClassName, L"", {WS_POPUP, WS_EX_TOPMOST}, kClientWidth, kClientHeight,
                    context.main_window);
}

bool Splash::OnCreate() {
  picture_.reset(LoadBitmapResource(IDB_SPLASH));
  if (SetTimer(handle(), kTimer1, kTimerInterval, nullptr) == 0) return Refuse(L"the timer");
  return true;
}

void Splash::OnPaint(HDC dc) { DrawPicture(dc, static_cast<HBITMAP>(picture_.get()), 0, 0); }

LRESULT Splash::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_TIMER:
      if (wparam == kTimer1) Click();
      return 0;
    // The picture fills the window: a press and release of the left button anywhere is a click.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = true;
      return 0;
    case WM_LBUTTONUP:
      if (pressed_) {
        pressed_ = false;
        Click();
      }
      return 0;
  }
  return DefaultHandling(message, wparam, lparam);
}

void Splash::Click() {
  // Closing a window that is not shown changes nothing; the timer goes on ticking into it.
  if (showing_modally()) set_modal_result(kModalCancel);
}

}  // namespace verlumo
