// The whole chain from the first day: the game starts under Wine, shows its main window with the
// right caption and size, and ends when that window is closed.
#include <gtest/gtest.h>

#include "tests/e2e/game_process.h"

namespace verlumo::e2e {
namespace {

TEST(Smoke, MainWindowOpensWithCaptionAndSizeAndClosingEndsTheProgram) {
  GameProcess game;
  ASSERT_TRUE(game.Start());
  HWND main_window = game.WaitForWindow(L"TMainForm");
  ASSERT_NE(main_window, nullptr) << "no visible TMainForm window appeared";

  EXPECT_EQ(WindowText(main_window), L"Verlumo V2.3");
  RECT client{};
  GetClientRect(main_window, &client);
  EXPECT_EQ(client.right - client.left, 520);
  EXPECT_EQ(client.bottom - client.top, 409);

  PostMessageW(main_window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(game.WaitForExit()) << "the game kept running after its main window was closed";
  EXPECT_EQ(game.ExitCode(), 0u);
}

}  // namespace
}  // namespace verlumo::e2e
