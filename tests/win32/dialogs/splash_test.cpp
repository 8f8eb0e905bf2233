// The splash screen: where it stands, that a click or its timer ends it and keys do not, and
// that its timer counts from the window's creation, not from its showing, and goes on.
#include "shell/dialogs/splash.h"

#include <gtest/gtest.h>

#include "tests/win32/dialogs/dialog_test_support.h"

namespace verlumo {
namespace {

using test_support::ClickOn;
using test_support::Player;
using test_support::PressKey;
using test_support::WindowRect;

constexpr DWORD kTolerance = 400;  // milliseconds a timer or a look may be late

class SplashTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(splash.Create(game.context));
    created_at = GetTickCount();
  }

  // Shows the splash and returns the moment it was told to hide, which ends its modal call;
  // hiding itself may keep the call busy a while longer (Wine waits for a window manager that
  // a bare X server does not have).
  DWORD ShowAndTimeTheEnd(Player& player) {
    watched = splash.handle();
    hidden_at = 0;
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, NoteHiding, nullptr, GetCurrentThreadId());
    player.Play([&] { return splash.ShowModal(); });
    UnhookWindowsHookEx(hook);
    EXPECT_FALSE(player.had_to_close());
    EXPECT_NE(hidden_at, 0u);
    return hidden_at;
  }

  static LRESULT CALLBACK NoteHiding(int code, WPARAM wparam, LPARAM lparam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lparam);
    if (code == HC_ACTION && message->hwnd == watched && message->message == WM_SHOWWINDOW && !message->wParam) {
      hidden_at = GetTickCount();
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
  }

  static inline HWND watched = nullptr;
  static inline DWORD hidden_at = 0;

  test_support::StandInMainWindow main_window{100, 100};
  test_support::TestContext game{main_window.handle()};
  Splash splash;
  DWORD created_at = 0;
};

TEST_F(SplashTest, StandsOnTopInTheScreenMiddleAndEndsAtAClickNotAtKeys) {
  EXPECT_EQ(FindWindowW(L"TSplash", nullptr), splash.handle());
  const RECT rect = WindowRect(splash.handle());
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 200) / 2);
  EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 150) / 2);
  EXPECT_EQ(rect.right - rect.left, 200);
  EXPECT_EQ(rect.bottom - rect.top, 150);
  EXPECT_TRUE(GetWindowLongW(splash.handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(GetWindowLongW(splash.handle(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME));

  Player player;
  player.Then([] { PressKey(VK_RETURN); })
      .Then([] { PressKey(VK_ESCAPE); })
      .Then([&] { EXPECT_TRUE(IsWindowVisible(splash.handle())); })
      .Then([&] { ClickOn(splash.handle()); });
  const DWORD ended = ShowAndTimeTheEnd(player) - created_at;
  EXPECT_LT(ended, Splash::kTimerInterval - kTolerance);
  EXPECT_TRUE(IsWindowEnabled(main_window.handle()));
}

TEST_F(SplashTest, ItsTimerCountsFromCreationAndGoesOn) {
  // Start-up work that took longer than the interval: the tick is due as the splash shows.
  Sleep(Splash::kTimerInterval + 300);
  Player at_once;
  const DWORD shown_at = GetTickCount();
  EXPECT_LT(ShowAndTimeTheEnd(at_once) - shown_at, kTolerance);

  // Never stopped: a later showing ends at the next tick counted from creation, with no input.
  Player later;
  const DWORD ended = ShowAndTimeTheEnd(later) - created_at;
  const DWORD ticks = (ended + Splash::kTimerInterval / 2) / Splash::kTimerInterval;
  EXPECT_GE(ticks, 2u);
  EXPECT_NEAR(static_cast<double>(ended), ticks * Splash::kTimerInterval, kTolerance);
}

}  // namespace
}  // namespace verlumo
