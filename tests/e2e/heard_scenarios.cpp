// The game played for a listener. These scenarios are not run on their own: the native sound
// tests run each one under Wine while they record the sound device, and judge what was heard.
// A scenario prints what the recording should show as "heard: name=value" lines: the swaps it
// made and how long its phases lasted, in milliseconds.
#include <gtest/gtest.h>
#include <windows.h>

#include <mmsystem.h>  // after windows.h, which it needs

#include <cstdio>

#include "core/tile_catalogue.h"
#include "tests/e2e/game_session.h"
#include "tests/e2e/game_settings.h"
#include "tests/e2e/player.h"

namespace verlumo::e2e {
namespace {

constexpr int kSoundButtonId = 104;  // the toolbar's fifth button, the loudspeaker
// Longer than the solved sound (about 3.5 s), so that a sound that went on would be heard.
constexpr DWORD kSolvedSoundAndMore = 4500;
// After a click, time for the sound to reach the server even when the game's first sound
// starts slowly on a loaded machine (Wine sets up its sound driver then).
constexpr DWORD kClickAndMore = 1500;

void Report(const char* name, long value) {
  std::printf("heard: %s=%ld\n", name, value);
  std::fflush(stdout);
}

// A session on the first test level in English, past the splash screen, with no sound made yet.
class HeardScenario : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_GT(waveOutGetNumDevs(), 0u) << "Wine has no wave-output device: is PULSE_SERVER set and the "
                                          "PulseAudio server running?";
    ResetGameSettings();
    WriteGameSetting(L"tongue", L"0");
    ASSERT_TRUE(session_.StartPastSplash());
    level_ = TestLevels()[0];
  }

  // One swap with an empty tile, which is never the selected one (on a solved board the marker
  // stands still and cannot be told from the screen). An unsolved board stays unsolved, and a
  // solved one becomes unsolved.
  void SwapOnce() {
    const ScreenBoard seen = session_.ReadScreenBoard(level_);
    for (int cell = 0; cell < kCells; ++cell) {
      if (seen.board[cell] == kEmptyTile) {
        session_.ClickCell(cell / kRows, cell % kRows);
        // The carried tile now lies where the click was: the swap was made, and sounded.
        EXPECT_NE(session_.ReadScreenBoard(level_).board[cell], kEmptyTile) << "the click made no swap";
        return;
      }
    }
    FAIL() << "no empty tile to swap with";
  }

  HWND SolveAndCountSwaps() {
    const int before = session_.clicks();
    HWND solved = session_.Solve(level_);
    swaps_ += session_.clicks() - before;
    return solved;
  }

  void ClickSoundSwitch() { Click(GetDlgItem(session_.main(), kSoundButtonId), 10, 10); }

  GameSession session_;
  Board level_{};
  int swaps_ = 0;
};

TEST_F(HeardScenario, OneSwap) {
  SwapOnce();
  Report("swaps", 1);
  Pause(kClickAndMore);
}

TEST_F(HeardScenario, Solve) {
  HWND solved = SolveAndCountSwaps();
  ASSERT_NE(solved, nullptr) << "solving the level brought no Solved dialog";
  Report("swaps", swaps_);
  Pause(kSolvedSoundAndMore);
}

TEST_F(HeardScenario, SoundSwitchedOffThenOn) {
  const DWORD off = GetTickCount();
  ClickSoundSwitch();
  SwapOnce();
  HWND solved = SolveAndCountSwaps();
  ASSERT_NE(solved, nullptr);
  Pause(kSolvedSoundAndMore);
  PressKey(FindControl(solved, L"OK"), VK_RETURN);
  ASSERT_TRUE(WaitUntilHidden(solved));
  ClickSoundSwitch();
  Report("silent_swaps", swaps_ + 1);
  Report("silent_ms", static_cast<long>(GetTickCount() - off));
  SwapOnce();
  Report("swaps", 1);
  Pause(kClickAndMore);
}

TEST_F(HeardScenario, SwapWhileTheSolvedSoundPlays) {
  HWND solved = SolveAndCountSwaps();
  ASSERT_NE(solved, nullptr);
  const DWORD solving_click = session_.last_click_at();
  PressKey(FindControl(solved, L"OK"), VK_RETURN);
  ASSERT_TRUE(WaitUntilHidden(solved));
  SwapOnce();
  Report("swaps", swaps_ + 1);
  Report("solved_to_swap_ms", static_cast<long>(session_.last_click_at() - solving_click));
  Pause(kSolvedSoundAndMore);
}

}  // namespace
}  // namespace verlumo::e2e
