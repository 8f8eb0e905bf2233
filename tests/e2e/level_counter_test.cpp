// The level counter as the player sees it on the screen: its three LED digits and its face are
// read from the counter's 57 x 20 pixels after a start, after the window was minimised and
// restored, and after a dialog lay over it. The level label beside it is yellow on the black
// box and never covers a dot of the counter.
#include <gtest/gtest.h>

#include "tests/e2e/game_session.h"
#include "tests/e2e/game_settings.h"
#include "tests/e2e/level_counter_reader.h"
#include "tests/e2e/player.h"

namespace verlumo::e2e {
namespace {

constexpr int kInfoButtonId = 110;
constexpr RECT kCounter{212, 7, 212 + 57, 7 + 20};
constexpr RECT kLabelVisiblePart{176, 12, 212, 12 + 16};  // the counter lies over the rest

// 500 levels, so that the last level has a three-digit number.
std::vector<std::uint8_t> FiveHundredLevels() {
  const std::vector<Board> three = TestLevels();
  std::vector<Board> levels;
  for (int i = 0; i < 500; ++i) levels.push_back(three[i % 3]);
  return LevelFile(levels);
}

RECT OnScreen(HWND window, RECT client_area) {
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client_area), 2);
  return client_area;
}

CounterReading ReadCounter(GameSession& session) {
  Pause(200);
  return ReadLevelCounter(CaptureScreen(OnScreen(session.main(), kCounter)),
                          LoadSheet(session.game().program_file(), 2));
}

// The label's letters are yellow, drawn straight onto the black box: every pixel is black,
// yellow, or a blend of the two, and some are yellow.
bool LabelIsYellowOnBlack(GameSession& session) {
  const Pixels label = CaptureScreen(OnScreen(session.main(), kLabelVisiblePart));
  bool any_yellow = false;
  for (std::uint32_t rgb : label.rgb) {
    const std::uint32_t red = rgb >> 16, green = (rgb >> 8) & 0xFF, blue = rgb & 0xFF;
    if (blue != 0 || red != green) return false;
    any_yellow |= rgb == 0xFFFF00;
  }
  return any_yellow;
}

bool StartAtLevel(GameSession& session, const wchar_t* level) {
  ResetGameSettings();
  WriteGameSetting(L"tongue", L"0");
  WriteGameSetting(L"level", level);
  return session.StartPastSplash();
}

TEST(LevelCounter, AStartShowsTheStoredLevelWithEveryDot) {
  GameSession session(FiveHundredLevels());
  ASSERT_TRUE(StartAtLevel(session, L"500"));
  EXPECT_EQ(ReadCounter(session), (CounterReading{"500", "unsolved", true}));
  EXPECT_TRUE(LabelIsYellowOnBlack(session));

  ASSERT_TRUE(StartAtLevel(session, L"7"));
  EXPECT_EQ(ReadCounter(session), (CounterReading{"  7", "unsolved", true}));
  Screenshot(session.main(), L"level-counter");
}

TEST(LevelCounter, StaysWholeAfterMinimiseAndRestoreAndAfterADialogLayOverIt) {
  GameSession session(FiveHundredLevels());
  ASSERT_TRUE(StartAtLevel(session, L"500"));
  const CounterReading level_500{"500", "unsolved", true};

  PostMessageW(session.main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  Pause(500);
  EXPECT_TRUE(IsIconic(session.main()));
  PostMessageW(session.main(), WM_SYSCOMMAND, SC_RESTORE, 0);
  Pause(500);
  ASSERT_FALSE(IsIconic(session.main()));
  EXPECT_EQ(ReadCounter(session), level_500) << "after minimising and restoring";
  EXPECT_TRUE(LabelIsYellowOnBlack(session));

  Click(GetDlgItem(session.main(), kInfoButtonId), 12, 12);
  HWND info = session.game().WaitForWindow(L"TInfoDialog");
  ASSERT_NE(info, nullptr);
  // The player drags the dialog over the level display, and then closes it.
  const RECT counter = OnScreen(session.main(), kCounter);
  SetWindowPos(info, nullptr, counter.left - 60, counter.top - 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Pause(300);
  RECT dialog{}, overlap{};
  GetWindowRect(info, &dialog);
  ASSERT_TRUE(IntersectRect(&overlap, &dialog, &counter) && EqualRect(&overlap, &counter));
  ASSERT_TRUE(ClickButton(info, L"OK"));
  ASSERT_TRUE(WaitUntilHidden(info));
  EXPECT_EQ(ReadCounter(session), level_500) << "after a dialog lay over the counter";
  EXPECT_TRUE(LabelIsYellowOnBlack(session));
}

}  // namespace
}  // namespace verlumo::e2e
