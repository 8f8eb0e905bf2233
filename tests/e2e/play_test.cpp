// Playing the real game under Wine as a person would: first start, language choice, swapping
// and solving on the screen, the questions before restarting and quitting, the settings the
// game leaves behind, the next start, the keyboard on the level selector, and a missing level
// file. Screenshots of the main window and the dialogs go to build/windows/screenshots.
#include <gtest/gtest.h>

#include "tests/e2e/game_session.h"
#include "tests/e2e/game_settings.h"
#include "tests/e2e/player.h"
#include "verlumo_version.h"

namespace verlumo::e2e {
namespace {

constexpr int kRestartButtonId = 101;

TEST(Play, FirstStartAsksTheLanguageThenPlaysSolvesAndSavesTheSettingsAtClose) {
  ResetGameSettings();
  GameSession session;
  ASSERT_TRUE(session.StartPastSplash());

  HWND tongue = session.game().WaitForWindow(L"TTongueDlg");
  ASSERT_NE(tongue, nullptr) << "no language dialog at the first start";
  Screenshot(tongue, L"language-dialog");
  ASSERT_TRUE(ClickButton(tongue, L"Ich spreche deutsch."));
  ASSERT_TRUE(WaitUntilHidden(tongue));
  Pause(300);
  EXPECT_EQ(WindowText(session.main()), L"Verlumo V" VERLUMO_VERSION " - Spiel noname.vlm");
  EXPECT_NE(FindControl(session.main(), L"Stufe:"), nullptr);
  Screenshot(session.main(), L"main-window");

  // A click on another movable tile swaps the two on the screen.
  const Board level = TestLevels()[0];
  const ScreenBoard before = session.ReadScreenBoard(level);
  ASSERT_GE(before.selected_column, 0) << "no marker on the board";
  const int from = CellIndex(before.selected_column, before.selected_row);
  const int to = (from + 10) % kCells;
  session.ClickCell(to / kRows, to % kRows);
  const ScreenBoard after = session.ReadScreenBoard(level);
  EXPECT_EQ(after.board[to], before.board[from]);
  EXPECT_EQ(after.board[from], before.board[to]);
  EXPECT_EQ(CellIndex(after.selected_column, after.selected_row), to);

  HWND solved = session.Solve(level);
  ASSERT_NE(solved, nullptr) << "solving the level brought no Solved dialog";
  Screenshot(solved, L"solved-dialog");
  PressKey(FindControl(solved, L"OK"), VK_RETURN);
  ASSERT_TRUE(WaitUntilHidden(solved));
  const Pixels glyphs = LoadSheet(session.game().program_file(), 2);
  const Pixels counter = Crop(CaptureClient(session.main()), 212, 7, 57, 20);
  EXPECT_EQ(counter.at(42 + 6, 10), glyphs.at(122 + 6, 10)) << "the counter shows no solved face";

  // Quitting asks; "No" keeps the game running, "Yes" offers saving and writes the settings
  // even when saving is cancelled.
  PostMessageW(session.main(), WM_CLOSE, 0, 0);
  HWND end_game = session.game().WaitForWindow(L"TEndGameDlg");
  ASSERT_NE(end_game, nullptr);
  Screenshot(end_game, L"end-game-dialog");
  ASSERT_TRUE(ClickButton(end_game, L"Nein"));
  ASSERT_TRUE(WaitUntilHidden(end_game));
  EXPECT_FALSE(session.game().WaitForExit(500));

  PostMessageW(session.main(), WM_CLOSE, 0, 0);
  end_game = session.game().WaitForWindow(L"TEndGameDlg");
  ASSERT_NE(end_game, nullptr);
  ASSERT_TRUE(ClickButton(end_game, L"Ja"));
  HWND save_dialog = session.game().WaitForWindow(L"#32770");
  ASSERT_NE(save_dialog, nullptr) << "no save dialog at close";
  PostMessageW(save_dialog, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(session.game().WaitForExit());

  const std::pair<const wchar_t*, std::wstring> expected[] = {
      {L"sound", L"1"}, {L"level", L"1"}, {L"tongue", L"1"},
      {L"save", session.game().program_directory() + L"noname.vlm"}};
  for (const auto& [name, text] : expected) {
    const std::optional<StoredValue> stored = ReadGameSetting(name);
    ASSERT_TRUE(stored.has_value()) << "no value " << std::string(name, name + wcslen(name));
    EXPECT_EQ(stored->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(stored->text, text);
  }
}

TEST(Play, ALaterStartKeepsTheLanguageStartsTheStoredLevelAndFollowsTheKeyboard) {
  ResetGameSettings();
  WriteGameSetting(L"tongue", L"0");
  WriteGameSetting(L"level", L"2");
  GameSession session;
  ASSERT_TRUE(session.StartPastSplash());
  EXPECT_EQ(session.game().WaitForWindow(L"TTongueDlg", 1500), nullptr);
  EXPECT_EQ(WindowText(session.main()), L"Verlumo V" VERLUMO_VERSION " - Game noname.vlm");

  HWND selector = session.level_scroll();
  ASSERT_NE(selector, nullptr);
  EXPECT_EQ(GetScrollPos(selector, SB_CTL), 2);
  PressKey(selector, VK_RIGHT);
  Pause(300);
  EXPECT_EQ(GetScrollPos(selector, SB_CTL), 3);
  PressKey(selector, VK_HOME);
  Pause(300);
  EXPECT_EQ(GetScrollPos(selector, SB_CTL), 1);
  PressKey(selector, VK_END);
  Pause(300);
  EXPECT_EQ(GetScrollPos(selector, SB_CTL), 3);
}

TEST(Play, RestartAfterAMoveAsksAndNoKeepsTheBoard) {
  ResetGameSettings();
  WriteGameSetting(L"tongue", L"0");
  GameSession session;
  ASSERT_TRUE(session.StartPastSplash());
  const Board level = TestLevels()[0];
  const ScreenBoard start = session.ReadScreenBoard(level);
  ASSERT_GE(start.selected_column, 0);
  const int from = CellIndex(start.selected_column, start.selected_row);
  const int to = (from + 5) % kCells;
  session.ClickCell(to / kRows, to % kRows);
  const ScreenBoard moved = session.ReadScreenBoard(level);

  HWND restart_button = GetDlgItem(session.main(), kRestartButtonId);
  ASSERT_NE(restart_button, nullptr);
  Click(restart_button, 5, 5);
  HWND restart = session.game().WaitForWindow(L"TRestartDlg");
  ASSERT_NE(restart, nullptr) << "restart after a move did not ask";
  Screenshot(restart, L"restart-dialog");
  ASSERT_TRUE(ClickButton(restart, L"No"));
  ASSERT_TRUE(WaitUntilHidden(restart));
  EXPECT_EQ(session.ReadScreenBoard(level).board, moved.board);
}

TEST(Play, AMissingLevelFileIsReportedAndTheBlankLevelPlaysWithoutHanging) {
  ResetGameSettings();
  WriteGameSetting(L"tongue", L"0");
  GameSession session(std::vector<std::uint8_t>{});
  ASSERT_TRUE(session.game().Start());
  HWND message = session.game().WaitForWindow(L"#32770");
  ASSERT_NE(message, nullptr) << "no message about the level file";
  const std::wstring expected = L"Fileerror 2 with file " + session.game().program_directory() + L"VLMO.DAT.";
  EXPECT_NE(FindControl(message, expected), nullptr);
  ASSERT_TRUE(ClickButton(message, L"OK"));
  ASSERT_TRUE(session.PastSplash());
  DWORD_PTR answer = 0;
  EXPECT_NE(SendMessageTimeoutW(session.main(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 3000, &answer), 0);
  EXPECT_EQ(GetScrollPos(session.level_scroll(), SB_CTL), 1);
}

}  // namespace
}  // namespace verlumo::e2e
