// The splash screen: picture, timer and clicks.
#include "shell/dialogs/splash.h"

#include "shell/dialogs/laid_out.h"
#include "shell/forms/painting.h"

namespace verlumo {
namespace {

constexpr wchar_t kClassName[] = L"TSplash";
constexpr UINT_PTR kTimer1 = 1;

// The splash is one picture that fills the window.
const DialogLayout& SplashLayout() { return DialogLayoutOf(DialogName::kSplash); }
const Control& SplashPicture() { return SplashLayout().controls.front(); }

}  // namespace

bool Splash::Create(const DialogContext& context) {
  return CreateForm(kClassName, L"", {WS_POPUP, WS_EX_TOPMOST}, SplashLayout().width, SplashLayout().height,
                    context.main_window);
}

bool Splash::OnCreate() {
  picture_.reset(LoadBitmapResource(PictureResource(SplashPicture().picture)));
  if (SetTimer(handle(), kTimer1, kTimerInterval, nullptr) == 0) return Refuse(L"the timer");
  return true;
}

void Splash::OnPaint(HDC dc) {
  DrawPicture(dc, static_cast<HBITMAP>(picture_.get()), SplashPicture().box.left, SplashPicture().box.top);
}

void Splash::OnTimer(UINT_PTR id) {
  if (id == kTimer1) Click();
}

LRESULT Splash::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  // The picture fills the window: a press and release of the left button on it is a click.
  const ClickTracker::Step step = clicks_.Track(handle(), message, lparam);
  if (step == ClickTracker::Step::kNotMine) return DefaultHandling(message, wparam, lparam);
  if (step == ClickTracker::Step::kClicked) Click();
  return 0;
}

void Splash::Click() {
  // Closing a window that is not shown changes nothing; the timer goes on ticking into it.
  if (showing_modally()) set_modal_result(kModalCancel);
}

}  // namespace verlumo
