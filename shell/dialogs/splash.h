// The splash screen TSplash: the title picture, borderless and on top, in the middle of the
// screen. Its timer starts when the window is created at program start and ticks every three
// seconds for the whole run; a tick or a click ends the splash's modal showing, so the splash
// stays at most until the first tick after it appears.
#pragma once

#include <windows.h>

#include "midend/layout.h"
#include "shell/dialogs/dialog_context.h"
#include "shell/forms/click_tracker.h"
#include "shell/forms/form.h"
#include "shell/forms/gdi_handles.h"

namespace verlumo {

class Splash : public Form {
 public:
  static constexpr UINT kTimerInterval = kSplashTime;  // milliseconds

  // Creates the window, hidden, and starts Timer1.
  bool Create(const DialogContext& context);

  // A click on the window or its picture, and each tick: ends the modal showing.
  void Click();

 protected:
  bool OnCreate() override;
  void OnPaint(HDC dc) override;
  void OnTimer(UINT_PTR id) override;
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  OwnedBitmap picture_;
  ClickTracker clicks_;
};

}  // namespace verlumo
