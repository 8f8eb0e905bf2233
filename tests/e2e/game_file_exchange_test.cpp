// Game files between the Windows game and the web page, both ways. The Windows game solves level 1
// and saves at its close; the file is left in bin/exchange/windows-saved.vlm for the browser tests
// to load. Those leave the file the page saved in bin/exchange/page-saved.vlm, and scripts/test
// then runs Exchange.AFileThePageSaved* once more, to load it in the Windows game.
#include <windows.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/e2e/game_session.h"
#include "tests/e2e/game_settings.h"
#include "tests/e2e/level_counter_reader.h"
#include "tests/e2e/player.h"
#include "verlumo_version.h"

namespace verlumo::e2e {
namespace {

std::filesystem::path ExchangeFolder() {
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  return std::filesystem::path(exe).parent_path() / L"exchange";
}

std::vector<unsigned char> ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Exchange, TheGameSavesItsProgressAtCloseInAFileForThePage) {
  ResetGameSettings();
  WriteGameSetting(L"tongue", L"0");
  GameSession session;
  ASSERT_TRUE(session.StartPastSplash());
  HWND solved = session.Solve(TestLevels()[0]);
  ASSERT_NE(solved, nullptr) << "solving level 1 brought no Solved dialog";
  PressKey(FindControl(solved, L"OK"), VK_RETURN);
  ASSERT_TRUE(WaitUntilHidden(solved));

  PostMessageW(session.main(), WM_CLOSE, 0, 0);
  HWND end_game = session.game().WaitForWindow(L"TEndGameDlg");
  ASSERT_NE(end_game, nullptr);
  ASSERT_TRUE(ClickButton(end_game, L"Yes"));
  HWND save_dialog = session.game().WaitForWindow(L"#32770");
  ASSERT_NE(save_dialog, nullptr) << "no save dialog at close";
  // The player names the file and saves. The name box is an edit inside the box cmb13.
  HWND name_box = nullptr;
  EnumChildWindows(
      save_dialog,
      [](HWND child, LPARAM found) -> BOOL {
        wchar_t kind[8] = {};
        GetClassNameW(child, kind, 8);
        if (GetDlgCtrlID(child) != cmb13 || wcscmp(kind, L"Edit") != 0) return TRUE;
        *reinterpret_cast<HWND*>(found) = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&name_box));
  ASSERT_NE(name_box, nullptr) << "the save dialog has no file name box";
  SendMessageW(name_box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"from windows.vlm"));
  PostMessageW(save_dialog, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(session.game().WaitForExit());

  const std::filesystem::path saved = session.game().program_directory() + L"from windows.vlm";
  std::vector<unsigned char> expected(500, 0);
  const std::vector<unsigned char> bytes = ReadBytes(saved);
  ASSERT_EQ(bytes.size(), expected.size());
  EXPECT_NE(bytes[0], 0) << "level 1 is not saved as solved";
  expected[0] = bytes[0];
  EXPECT_EQ(bytes, expected) << "a level other than 1 is saved as solved";
  std::filesystem::create_directories(ExchangeFolder());
  std::filesystem::copy_file(saved, ExchangeFolder() / L"windows-saved.vlm",
                             std::filesystem::copy_options::overwrite_existing);
}

// The page's file has levels 1, 3 and 4 solved, level 3 with the flag 7 that any non-zero byte
// stands for; level 2 is not.
TEST(Exchange, AFileThePageSavedLoadsWithItsSolvedLevels) {
  const std::filesystem::path page_saved = ExchangeFolder() / L"page-saved.vlm";
  if (!std::filesystem::exists(page_saved)) GTEST_SKIP() << "the browser tests have saved no game file";
  ResetGameSettings();
  WriteGameSetting(L"tongue", L"0");
  WriteGameSetting(L"level", L"3");
  GameSession session;
  std::filesystem::copy_file(page_saved, session.game().program_directory() + L"page.vlm");
  WriteGameSetting(L"save", session.game().program_directory() + L"page.vlm");
  ASSERT_TRUE(session.StartPastSplash());
  EXPECT_EQ(WindowText(session.main()), L"Verlumo V" VERLUMO_VERSION " - Game page.vlm");

  const Pixels glyphs = LoadSheet(session.game().program_file(), 2);
  const auto counter = [&] { return ReadLevelCounter(Crop(CaptureClient(session.main()), 212, 7, 57, 20), glyphs); };
  EXPECT_EQ(counter().face, "solved") << "level 3 of the page's file";
  PressKey(session.level_scroll(), VK_LEFT);
  Pause(300);
  EXPECT_EQ(counter().face, "unsolved") << "level 2 of the page's file";
}

}  // namespace
}  // namespace verlumo::e2e
