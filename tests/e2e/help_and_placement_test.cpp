// The rules, the help layer's trace and the main window's place, on the real game under Wine:
// the rules button opens the help window and quitting closes it; "-DEBUG" writes the trace,
// and a start without it removes an old one; the window comes back where it was left, kept on
// the desktop, and a malformed stored position centres it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/e2e/game_session.h"
#include "tests/e2e/game_settings.h"
#include "tests/e2e/player.h"
#include "verlumo_version.h"

namespace verlumo::e2e {
namespace {

constexpr int kRulesButtonId = 109;

std::string ReadText(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// Ends the game the player's way: the end-game question answered yes, saving cancelled.
bool Quit(GameSession& session, const wchar_t* yes) {
  PostMessageW(session.main(), WM_CLOSE, 0, 0);
  HWND end_game = session.game().WaitForWindow(L"TEndGameDlg");
  if (end_game == nullptr || !ClickButton(end_game, yes)) return false;
  HWND save_dialog = session.game().WaitForWindow(L"#32770");
  if (save_dialog == nullptr) return false;
  PostMessageW(save_dialog, WM_COMMAND, IDCANCEL, 0);
  return session.game().WaitForExit();
}

TEST(Help, TheRulesButtonOpensTheHelpWindowAndQuittingClosesIt) {
  ResetGameSettings();
  WriteGameSetting(L"tongue", L"1");
  GameSession session;
  ASSERT_TRUE(session.StartPastSplash());
  Click(GetDlgItem(session.main(), kRulesButtonId), 12, 12);
  HWND help = session.game().WaitForWindow(L"HH Parent");
  ASSERT_NE(help, nullptr) << "the rules button opened no help window";
  EXPECT_NE(WindowText(help).find(L"Verlumo"), std::wstring::npos);

  PostMessageW(session.main(), WM_CLOSE, 0, 0);
  HWND end_game = session.game().WaitForWindow(L"TEndGameDlg");
  ASSERT_NE(end_game, nullptr);
  ASSERT_TRUE(ClickButton(end_game, L"Ja"));
  HWND save_dialog = session.game().WaitForWindow(L"#32770");
  ASSERT_NE(save_dialog, nullptr);
  EXPECT_FALSE(IsWindow(help) && IsWindowVisible(help)) << "the help window outlived the close";
  PostMessageW(save_dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(session.game().WaitForExit());
}

TEST(Help, TheDebugSwitchWritesTheTraceAndAStartWithoutItRemovesIt) {
  ResetGameSettings();
  WriteGameSetting(L"tongue", L"0");
  GameSession session;
  ASSERT_TRUE(session.StartPastSplash(L"-DEBUG"));
  const std::wstring trace = session.game().program_directory() + L"HHDebug.txt";
  Click(GetDlgItem(session.main(), kRulesButtonId), 12, 12);
  ASSERT_NE(session.game().WaitForWindow(L"HH Parent"), nullptr);
  // The result line follows once the help call has returned.
  std::string lines = ReadText(trace);
  for (int wait = 0; wait < 30 && lines.find("returned - ") == std::string::npos; ++wait) {
    Pause(100);
    lines = ReadText(trace);
  }
  EXPECT_NE(lines.find("\r\nProgram version: " VERLUMO_FILE_VERSION "\r\n"), std::string::npos)
      << "the header names the game's own version\n" << lines;
  EXPECT_NE(lines.find("THookHelpSystem.Create("), std::string::npos) << lines;
  EXPECT_NE(lines.find("THookHelpSystem.HelpHook(1 (HELP_CONTEXT), 2)"), std::string::npos) << lines;
  EXPECT_NE(lines.find("ShowContext(\""), std::string::npos);
  EXPECT_NE(lines.find("   returned - 0"), std::string::npos);
  ASSERT_TRUE(Quit(session, L"Yes"));

  ASSERT_TRUE(session.StartPastSplash());
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(trace))) << "an old trace survived the start";
}

TEST(Placement, TheWindowComesBackWhereItWasKeptOnTheDesktopOrCentred) {
  ResetGameSettings();
  WriteGameSetting(L"tongue", L"0");
  GameSession session;
  ASSERT_TRUE(session.StartPastSplash());
  RECT first{};
  GetWindowRect(session.main(), &first);
  const int width = first.right - first.left;
  const int height = first.bottom - first.top;
  const int screen_width = GetSystemMetrics(SM_CXSCREEN), screen_height = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(first.left, (screen_width - width) / 2) << "a first start centres the window";
  EXPECT_EQ(first.top, (screen_height - height) / 2);
  SetWindowPos(session.main(), nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Pause(300);
  ASSERT_TRUE(Quit(session, L"Yes"));
  const std::optional<StoredValue> stored = ReadGameSetting(L"MainForm");
  ASSERT_TRUE(stored.has_value());
  EXPECT_EQ(stored->type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(stored->text.rfind(L"200,", 0), 0u) << "stored: " << std::string(stored->text.begin(), stored->text.end());
  EXPECT_EQ(std::count(stored->text.begin(), stored->text.end(), L','), 6);

  ASSERT_TRUE(session.StartPastSplash());
  RECT again{};
  GetWindowRect(session.main(), &again);
  EXPECT_EQ(again.left, 40);
  EXPECT_EQ(again.top, 30);
  ASSERT_TRUE(Quit(session, L"Yes"));

  WriteGameSetting(L"MainForm", L"200,0,1,3000,100,3528,538");
  ASSERT_TRUE(session.StartPastSplash());
  GetWindowRect(session.main(), &again);
  EXPECT_EQ(again.left, screen_width - width) << "moved back onto the desktop";
  EXPECT_EQ(again.top, 100);
  ASSERT_TRUE(Quit(session, L"Yes"));

  WriteGameSetting(L"MainForm", L"201,0,1,40,30,568,468");
  ASSERT_TRUE(session.StartPastSplash());
  GetWindowRect(session.main(), &again);
  EXPECT_EQ(again.left, (screen_width - width) / 2) << "a malformed value centres the window";
}

}  // namespace
}  // namespace verlumo::e2e
