// One run of the game for a scenario: a program folder with the test levels, the game started
// and past its splash screen, and a player's view of its board.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "core/board.h"
#include "tests/e2e/game_process.h"
#include "tests/e2e/screen_reader.h"

namespace verlumo::e2e {

// Three small levels: a vertical road, a horizontal one, and the vertical one again.
std::vector<Board> TestLevels();
std::vector<std::uint8_t> LevelFile(const std::vector<Board>& levels);
// The shipped level file, vlmo.dat beside this test program.
std::vector<std::uint8_t> ShippedLevelFile();

// Saves the window's client area into build/windows/screenshots as name.bmp.
void Screenshot(HWND window, const wchar_t* name);
void SaveScreenshot(const Pixels& pixels, const wchar_t* name);

class GameSession {
 public:
  explicit GameSession(std::vector<std::uint8_t> level_file = LevelFile(TestLevels()));

  GameProcess& game() { return game_; }

  // Starts the game and lets the splash screen go; true when the main window stands.
  bool StartPastSplash(const std::wstring& arguments = L"");
  // Waits for the main window and clicks the splash screen away.
  bool PastSplash();

  HWND main() const { return main_; }
  HWND level_scroll() const;

  // The board as the screen shows it, read among the codes of the level.
  ScreenBoard ReadScreenBoard(const Board& level);
  void ClickCell(int column, int row);
  // How many cells have been clicked in this session, and the tick count of the last click.
  int clicks() const { return clicks_; }
  DWORD last_click_at() const { return last_click_at_; }
  // Carries the selected tile around until the board matches the level record, in at most
  // max_swaps clicks; returns the Solved dialog, or null.
  HWND Solve(const Board& level, int max_swaps = 30);

 private:
  GameProcess game_;
  HWND main_ = nullptr;
  int clicks_ = 0;
  DWORD last_click_at_ = 0;
  Pixels tile_sheet_;
};

}  // namespace verlumo::e2e
