// The whole chain at a glance: the game starts under Wine with the shipped level file, shows its
// main window with the right caption and size, and ends when its close is confirmed.
#include <gtest/gtest.h>

#include "tests/e2e/game_process.h"
#include "tests/e2e/game_session.h"
#include "tests/e2e/game_settings.h"
#include "tests/e2e/player.h"
#include "verlumo_version.h"

namespace verlumo::e2e {
namespace {

TEST(Smoke, MainWindowOpensWithCaptionAndSizeAndAConfirmedCloseEndsTheProgram) {
  ResetGameSettings();
  WriteGameSetting(L"tongue", L"0");
  const std::vector<std::uint8_t> levels = ShippedLevelFile();
  ASSERT_EQ(levels.size(), 500u * 63u) << "the shipped level file is not beside the game";
  GameProcess game(levels);
  ASSERT_TRUE(game.Start());
  HWND main_window = game.WaitForWindow(L"TMainForm");
  ASSERT_NE(main_window, nullptr) << "no visible TMainForm window appeared";
  HWND splash = game.WaitForWindow(L"TSplash", 5000);
  ASSERT_NE(splash, nullptr) << "no splash screen at the start";
  EXPECT_TRUE(WaitUntilHidden(splash, 5000)) << "the splash screen stayed longer than its 3 seconds";

  EXPECT_EQ(WindowText(main_window), L"Verlumo V" VERLUMO_VERSION " - Game noname.vlm");
  RECT client{};
  GetClientRect(main_window, &client);
  EXPECT_EQ(client.right - client.left, 520);
  EXPECT_EQ(client.bottom - client.top, 409);

  PostMessageW(main_window, WM_CLOSE, 0, 0);
  HWND end_game = game.WaitForWindow(L"TEndGameDlg");
  ASSERT_NE(end_game, nullptr);
  ASSERT_TRUE(ClickButton(end_game, L"Yes"));
  HWND save_dialog = game.WaitForWindow(L"#32770");
  ASSERT_NE(save_dialog, nullptr);
  PostMessageW(save_dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(game.WaitForExit()) << "the game kept running after its close was confirmed";
  EXPECT_EQ(game.ExitCode(), 0u);
}

}  // namespace
}  // namespace verlumo::e2e
