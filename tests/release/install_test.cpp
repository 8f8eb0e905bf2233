// The downloads as a player meets them, under Wine in a fresh prefix: the installer puts the
// game, its shortcut and its uninstall entry in place without administrator rights; the
// installed game starts and saves next to itself; an install over an existing one replaces the
// program and keeps the games; a running game stops both installer and uninstaller before they
// change anything; the uninstaller takes away the program and leaves the player's games and
// settings; and the zip's folder runs wherever it was unpacked.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/e2e/game_process.h"
#include "tests/e2e/game_settings.h"
#include "tests/e2e/player.h"
#include "tests/release/installation.h"
#include "verlumo_version.h"

namespace verlumo::release {
namespace {

using e2e::GameProcess;

constexpr DWORD kAbortedByScript = 2;

// Every test begins and ends on a machine without Verlumo, and with English as the game's
// language, so that no first-start language question stands in the way.
class Release : public testing::Test {
 protected:
  void SetUp() override {
    RemoveEverything();
    e2e::ResetGameSettings();
    e2e::WriteGameSetting(L"tongue", L"0");
  }
  void TearDown() override { RemoveEverything(); }

  static void Install() {
    ASSERT_EQ(RunAndWait(Quoted(SetupFile()) + L" /S"), 0u) << "the silent install failed";
    ASSERT_TRUE(Exists(InstallFolder() + L"verlumo.exe"));
  }
};

// Starts the game where it is installed and waits for its main window past the splash screen.
HWND StartGame(GameProcess& game) {
  if (!game.Start()) return nullptr;
  HWND main = game.WaitForWindow(L"TMainForm");
  HWND splash = game.WaitForWindow(L"TSplash", 5000);
  if (splash != nullptr) e2e::WaitUntilHidden(splash, 5000);
  return main;
}

// Types the name into the save dialog's name box and presses Save. The box is an edit field
// inside the name combo box (cmb13) in the dialog's newer layout, the edit field edt1 in the older.
void SaveAs(HWND save_dialog, const wchar_t* name) {
  HWND name_box = GetDlgItem(save_dialog, 1148);
  HWND edit = name_box != nullptr ? FindWindowExW(name_box, nullptr, L"Edit", nullptr) : GetDlgItem(save_dialog, 1152);
  SendMessageW(edit != nullptr ? edit : name_box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name));
  PostMessageW(save_dialog, WM_COMMAND, IDOK, 0);
}

TEST_F(Release, InstallsStartsSavesBesideItselfAndUninstallsKeepingTheGames) {
  Install();
  const std::wstring folder = InstallFolder();
  for (const std::wstring& name : ShippedFiles())
    EXPECT_TRUE(Exists(folder + name)) << "not installed: " << testing::PrintToString(name);
  EXPECT_EQ(ReadFileBytes(folder + L"verlumo.exe"), ReadFileBytes(ShippedProgramFile()));
  EXPECT_TRUE(Exists(StartMenuShortcut())) << "no Start-menu shortcut";
  EXPECT_FALSE(Exists(DesktopShortcut())) << "the desktop shortcut is offered, not forced";

  const std::wstring location = folder.substr(0, folder.size() - 1);
  EXPECT_EQ(UninstallText(L"DisplayName"), L"Verlumo");
  EXPECT_EQ(UninstallText(L"DisplayVersion"), L"" VERLUMO_VERSION);
  EXPECT_EQ(UninstallText(L"Publisher"), L"Zorbel Games");
  EXPECT_EQ(UninstallText(L"DisplayIcon"), folder + L"verlumo.exe,0");
  EXPECT_EQ(UninstallText(L"InstallLocation"), location);
  EXPECT_EQ(UninstallText(L"UninstallString"), Quoted(folder + L"uninstall.exe"));
  EXPECT_EQ(UninstallText(L"QuietUninstallString"), Quoted(folder + L"uninstall.exe") + L" /S");
  const std::optional<DWORD> kilobytes = UninstallNumber(L"EstimatedSize");
  ASSERT_TRUE(kilobytes.has_value());
  EXPECT_GE(*kilobytes * 1024, ReadFileBytes(ShippedProgramFile()).size()) << "the size is in kilobytes";

  {
    GameProcess game(GameProcess::InstalledIn{folder});
    HWND main = StartGame(game);
    ASSERT_NE(main, nullptr) << "the installed game shows no main window";
    EXPECT_EQ(e2e::WindowText(main), L"Verlumo V" VERLUMO_VERSION " - Game noname.vlm");
    PostMessageW(main, WM_CLOSE, 0, 0);
    HWND end_game = game.WaitForWindow(L"TEndGameDlg");
    ASSERT_NE(end_game, nullptr);
    ASSERT_TRUE(e2e::ClickButton(end_game, L"Yes"));
    HWND save_dialog = game.WaitForWindow(L"#32770");
    ASSERT_NE(save_dialog, nullptr) << "no offer to save at close";
    SaveAs(save_dialog, L"noname.vlm");
    ASSERT_TRUE(game.WaitForExit());
  }
  EXPECT_EQ(ReadFileBytes(folder + L"noname.vlm").size(), 500u) << "the game did not save next to itself";

  ASSERT_TRUE(UninstallQuietly());
  for (const std::wstring& name : ShippedFiles())
    EXPECT_FALSE(Exists(folder + name)) << "left behind: " << testing::PrintToString(name);
  EXPECT_FALSE(Exists(folder + L"uninstall.exe"));
  EXPECT_FALSE(Exists(StartMenuShortcut()));
  EXPECT_FALSE(UninstallEntryExists());
  EXPECT_EQ(ReadFileBytes(folder + L"noname.vlm").size(), 500u) << "the player's game went with the program";
  EXPECT_TRUE(e2e::ReadGameSetting(L"save").has_value()) << "the game's settings went with the program";
}

TEST_F(Release, AnInstallOverAnOlderOneReplacesTheProgramAndKeepsTheGames) {
  Install();
  const std::wstring folder = InstallFolder();
  const std::string my_game(500, '\1');
  WriteFileBytes(folder + L"mine.vlm", my_game);
  WriteFileBytes(folder + L"verlumo.exe", "an older game");
  WriteFileBytes(folder + L"vlmo.dat", "older levels");
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kUninstallKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
  const wchar_t older[] = L"2.2";
  RegSetValueExW(key, L"DisplayVersion", 0, REG_SZ, reinterpret_cast<const BYTE*>(older), sizeof older);
  RegCloseKey(key);

  Install();
  EXPECT_EQ(ReadFileBytes(folder + L"verlumo.exe"), ReadFileBytes(ShippedProgramFile()));
  EXPECT_EQ(ReadFileBytes(folder + L"vlmo.dat").size(), 500u * 63u);
  EXPECT_EQ(UninstallText(L"DisplayVersion"), L"" VERLUMO_VERSION);
  EXPECT_EQ(ReadFileBytes(folder + L"mine.vlm"), my_game);

  // The same version over itself changes nothing that matters.
  Install();
  EXPECT_EQ(ReadFileBytes(folder + L"mine.vlm"), my_game);
  EXPECT_TRUE(Exists(StartMenuShortcut()));

  ASSERT_TRUE(UninstallQuietly());
  EXPECT_EQ(ReadFileBytes(folder + L"mine.vlm"), my_game);
}

// The text of every child window of a message box: its message and its button.
std::wstring DialogTexts(HWND dialog) {
  std::wstring texts;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
    texts += e2e::WindowText(child) + L"\n";
  return texts;
}

TEST_F(Release, ARunningGameStopsInstallerAndUninstallerBeforeTheyChangeAnything) {
  Install();
  const std::wstring folder = InstallFolder();
  WriteFileBytes(folder + L"README.txt", "the read-me as it was");
  GameProcess game(GameProcess::InstalledIn{folder});
  ASSERT_NE(StartGame(game), nullptr);

  EXPECT_EQ(RunAndWait(Quoted(SetupFile()) + L" /S"), kAbortedByScript);
  EXPECT_EQ(ReadFileBytes(folder + L"README.txt"), "the read-me as it was");

  // Shown, the installer says why, in the system's language.
  const PROCESS_INFORMATION setup = Start(Quoted(SetupFile()));
  ASSERT_NE(setup.hProcess, nullptr);
  HWND message = FindProcessDialog(setup.dwProcessId, 20000);
  ASSERT_NE(message, nullptr) << "no message from the installer";
  const bool german = PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_GERMAN;
  const std::wstring texts = DialogTexts(message);
  EXPECT_NE(texts.find(german ? L"Verlumo läuft gerade. Bitte beende zuerst das Spiel"
                              : L"Verlumo is running. Please quit the game first"),
            std::wstring::npos)
      << testing::PrintToString(texts);
  PostMessageW(message, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(WaitForSingleObject(setup.hProcess, 20000), WAIT_OBJECT_0);
  DWORD code = 0;
  GetExitCodeProcess(setup.hProcess, &code);
  EXPECT_EQ(code, kAbortedByScript);
  CloseHandle(setup.hThread);
  CloseHandle(setup.hProcess);
  EXPECT_EQ(ReadFileBytes(folder + L"README.txt"), "the read-me as it was");

  // The uninstaller, run in place so that its own end is the end of its work.
  EXPECT_EQ(RunAndWait(Quoted(folder + L"uninstall.exe") + L" /S _?=" + folder.substr(0, folder.size() - 1)),
            kAbortedByScript);
  EXPECT_TRUE(Exists(folder + L"verlumo.exe"));
  EXPECT_TRUE(UninstallEntryExists());
}

// The test command runs the running-game test a second time in a prefix made with a German
// locale, and names the language here (VERLUMO_SYSTEM_LANGUAGE=de), so that the installer's German
// message is surely what that run read.
TEST(System, SpeaksTheLanguageTheTestCommandAskedFor) {
  wchar_t asked[8] = L"";
  if (GetEnvironmentVariableW(L"VERLUMO_SYSTEM_LANGUAGE", asked, 8) == 0) GTEST_SKIP() << "no language asked for";
  EXPECT_EQ(std::wstring(asked) == L"de", PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_GERMAN) << asked;
}

// scripts/release's zip, unpacked by the test command into the folder VERLUMO_UNZIPPED names.
TEST(Zip, UnpacksToOneFolderWithTheShippedFilesAndItsGameRuns) {
  const wchar_t* unpacked = _wgetenv(L"VERLUMO_UNZIPPED");
  ASSERT_NE(unpacked, nullptr) << "run through tests/release/run_in_fresh_prefix.sh";
  namespace fs = std::filesystem;
  std::vector<std::wstring> top, files;
  for (const auto& entry : fs::directory_iterator(unpacked)) top.push_back(entry.path().filename().wstring());
  ASSERT_EQ(top, std::vector<std::wstring>{L"Verlumo"});
  const fs::path folder = fs::path(unpacked) / L"Verlumo";
  for (const auto& entry : fs::directory_iterator(folder)) files.push_back(entry.path().filename().wstring());
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, ShippedFiles());
  EXPECT_EQ(ReadFileBytes((folder / L"verlumo.exe").wstring()), ReadFileBytes(ShippedProgramFile()));

  e2e::ResetGameSettings();
  e2e::WriteGameSetting(L"tongue", L"1");
  GameProcess game(GameProcess::InstalledIn{folder.wstring() + L"\\"});
  HWND main = StartGame(game);
  ASSERT_NE(main, nullptr) << "the unpacked game shows no main window";
  EXPECT_EQ(e2e::WindowText(main), L"Verlumo V" VERLUMO_VERSION " - Spiel noname.vlm");
}

}  // namespace
}  // namespace verlumo::release
