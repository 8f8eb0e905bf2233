// The opening effect as the player sees it: while the main window is still hidden, a dotted
// frame grows on the screen from the mouse pointer towards the window's place; then the window
// appears with every dialog made, the splash screen follows, and no trace of the frame is left.
#include <gtest/gtest.h>

#include "tests/e2e/game_session.h"
#include "tests/e2e/game_settings.h"
#include "tests/e2e/player.h"

namespace verlumo::e2e {
namespace {

bool Visible(const wchar_t* class_name) {
  HWND window = FindWindowW(class_name, nullptr);
  return window != nullptr && IsWindowVisible(window);
}

// A dotted frame changed the screen: some pixels differ from before, and no two changed pixels
// lie side by side in a row, as they would where anything solid had been drawn.
bool ShowsDottedFrame(const Pixels& before, const Pixels& now) {
  int changed = 0;
  for (int y = 0; y < now.height; ++y) {
    for (int x = 0; x < now.width; ++x) {
      if (now.at(x, y) == before.at(x, y)) continue;
      ++changed;
      if (x + 1 < now.width && now.at(x + 1, y) != before.at(x + 1, y)) return false;
    }
  }
  return changed >= 40;
}

// The pixels of the area that changed, leaving out the given windows.
int ChangedOutside(const Pixels& before, const Pixels& now, const RECT& area, std::initializer_list<HWND> windows) {
  int changed = 0;
  for (int y = 0; y < now.height; ++y) {
    for (int x = 0; x < now.width; ++x) {
      const POINT at{area.left + x, area.top + y};
      bool covered = false;
      for (HWND window : windows) {
        RECT bounds{};
        covered |= GetWindowRect(window, &bounds) && PtInRect(&bounds, at);
      }
      changed += !covered && now.at(x, y) != before.at(x, y);
    }
  }
  return changed;
}

TEST(OpeningEffect, ADottedFrameGrowsWhileTheWindowIsHiddenAndTheSplashComesAfter) {
  ResetGameSettings();
  WriteGameSetting(L"tongue", L"0");
  GameSession session;
  // The pointer rests in the top-left corner; the window opens centred, so every frame passes
  // through the screen's top-left quarter.
  SetCursorPos(10, 10);
  const RECT watched{0, 0, GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2};
  const Pixels before = CaptureScreen(watched);
  ASSERT_TRUE(session.game().Start());

  bool frame_seen = false, splash_before_window = false;
  const DWORD start = GetTickCount();
  while (!Visible(L"TMainForm") && GetTickCount() - start < 15000) {
    const Pixels now = CaptureScreen(watched);
    splash_before_window |= Visible(L"TSplash");
    // Only a capture taken wholly while the window was hidden counts.
    if (!frame_seen && !Visible(L"TMainForm") && ShowsDottedFrame(before, now)) {
      frame_seen = true;
      SaveScreenshot(now, L"opening-effect");
    }
  }
  EXPECT_TRUE(frame_seen) << "no dotted frame on the screen before the window appeared";
  EXPECT_FALSE(splash_before_window) << "the splash screen came before the window";
  // The effect's pauses are spent making the dialogs: all of them exist once the window shows.
  for (const wchar_t* dialog : {L"TSplash", L"TAllSolvedDlg", L"TEndGameDlg", L"TGiveUpDlg", L"TInfoDialog",
                                L"TRestartDlg", L"TSolvedDlg", L"TTongueDlg"}) {
    EXPECT_NE(FindWindowW(dialog, nullptr), nullptr) << "no dialog of the class " << dialog;
  }

  HWND splash = session.game().WaitForWindow(L"TSplash", 5000);
  ASSERT_NE(splash, nullptr) << "no splash screen after the opening effect";
  HWND main = session.game().WaitForWindow(L"TMainForm");
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(ChangedOutside(before, CaptureScreen(watched), watched, {main, splash}), 0)
      << "the opening effect left pixels behind";
}

}  // namespace
}  // namespace verlumo::e2e
