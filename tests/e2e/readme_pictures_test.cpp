// The pictures of the README are taken here, from the real game in English with the shipped
// levels: the main window at the start of a level with scenery, the same level half played, and
// the Solved dialog. Each is the window's client area, what the game draws itself: the frames are
// left out because Wine draws their caption buttons as the letters "0 1 r" where Marlett's
// glyphs should be. scripts/readme-pictures copies the pictures into docs/.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/e2e/game_session.h"
#include "tests/e2e/game_settings.h"
#include "tests/e2e/player.h"

namespace verlumo::e2e {
namespace {

// A river under a bridge, a church, houses and a filling station among 22 road pieces.
constexpr int kSceneryLevel = 149;

TEST(ReadmePictures, TheEnglishMainWindowALevelWithSceneryInPlayAndTheSolvedDialog) {
  const std::vector<std::uint8_t> levels = ShippedLevelFile();
  ASSERT_GE(levels.size(), static_cast<std::size_t>(kSceneryLevel * kCells));
  Board level{};
  std::copy_n(levels.begin() + (kSceneryLevel - 1) * kCells, kCells, level.begin());

  ResetGameSettings();
  WriteGameSetting(L"tongue", L"0");
  WriteGameSetting(L"level", std::to_wstring(kSceneryLevel));
  GameSession session(levels);
  ASSERT_TRUE(session.StartPastSplash());
  ASSERT_NE(FindControl(session.main(), L"Level:"), nullptr) << "the window speaks English";
  Pause(500);
  Screenshot(session.main(), L"readme-main-window");

  // Part of the way: some roads joined, others still waiting for their tiles.
  ASSERT_EQ(session.Solve(level, 18), nullptr) << "the level was solved too soon for the picture";
  Pause(300);
  Screenshot(session.main(), L"readme-level-in-play");

  HWND solved = session.Solve(level, 200);
  ASSERT_NE(solved, nullptr) << "solving the level brought no Solved dialog";
  Pause(300);
  Screenshot(solved, L"readme-solved-dialog");
  PressKey(FindControl(solved, L"OK"), VK_RETURN);
  ASSERT_TRUE(WaitUntilHidden(solved));
}

}  // namespace
}  // namespace verlumo::e2e
