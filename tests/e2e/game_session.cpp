// Running the game for a scenario and seeing its board.
#include "tests/e2e/game_session.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "tests/e2e/player.h"

namespace verlumo::e2e {
namespace {

constexpr int kToolbarHeight = 33;

std::wstring ScreenshotPath(const wchar_t* name) {
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  const std::filesystem::path folder = std::filesystem::path(exe).parent_path().parent_path() / L"screenshots";
  std::filesystem::create_directories(folder);
  return (folder / name).wstring() + L".bmp";
}

}  // namespace

std::vector<Board> TestLevels() {
  Board vertical{}, horizontal{};
  vertical[CellIndex(4, 2)] = 41;  // dead end, road leaving at the bottom
  vertical[CellIndex(4, 3)] = 1;   // straight, top to bottom
  vertical[CellIndex(4, 4)] = 40;  // dead end, road leaving at the top
  horizontal[CellIndex(2, 3)] = 39;
  horizontal[CellIndex(3, 3)] = 2;
  horizontal[CellIndex(4, 3)] = 38;
  return {vertical, horizontal, vertical};
}

std::vector<std::uint8_t> LevelFile(const std::vector<Board>& levels) {
  std::vector<std::uint8_t> bytes;
  for (const Board& level : levels) bytes.insert(bytes.end(), level.begin(), level.end());
  return bytes;
}

std::vector<std::uint8_t> ShippedLevelFile() {
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::ifstream file(std::filesystem::path(exe).parent_path() / L"vlmo.dat", std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

void Screenshot(HWND window, const wchar_t* name) { SaveScreenshot(CaptureClient(window), name); }

void SaveScreenshot(const Pixels& pixels, const wchar_t* name) { SaveBmp(pixels, ScreenshotPath(name)); }

GameSession::GameSession(std::vector<std::uint8_t> level_file) : game_(level_file) {}

bool GameSession::StartPastSplash(const std::wstring& arguments) { return game_.Start(arguments) && PastSplash(); }

bool GameSession::PastSplash() {
  main_ = game_.WaitForWindow(L"TMainForm");
  HWND splash = game_.WaitForWindow(L"TSplash", 5000);
  if (splash != nullptr) {
    Screenshot(splash, L"splash");
    Click(splash, 100, 75);
    WaitUntilHidden(splash);
    Pause(300);  // the main window takes input again once the splash's modal loop has ended
  }
  if (main_ == nullptr) main_ = game_.WaitForWindow(L"TMainForm");
  return main_ != nullptr && FindChild(main_, L"TPaintBox", 520, 376) != nullptr;
}

HWND GameSession::level_scroll() const { return FindChild(main_, L"ScrollBar", 84, 19); }

ScreenBoard GameSession::ReadScreenBoard(const Board& level) {
  if (tile_sheet_.rgb.empty()) tile_sheet_ = LoadSheet(game_.program_file(), 0);
  const std::set<TileCode> codes(level.begin(), level.end());
  Pause(200);  // long enough for the marker to be drawn again
  return ReadBoard(Crop(CaptureClient(main_), 0, kToolbarHeight, 520, 376), tile_sheet_,
                   {codes.begin(), codes.end()});
}

void GameSession::ClickCell(int column, int row) {
  ++clicks_;
  last_click_at_ = GetTickCount();
  Click(main_, 22 + column * 48 + 24, kToolbarHeight + 20 + row * 48 + 24);
}

HWND GameSession::Solve(const Board& level, int max_swaps) {
  for (int step = 0; step < max_swaps; ++step) {
    HWND solved = game_.WaitForWindow(L"TSolvedDlg", 0);
    if (solved != nullptr) return solved;
    const ScreenBoard seen = ReadScreenBoard(level);
    if (seen.selected_column < 0) return nullptr;
    const int here = CellIndex(seen.selected_column, seen.selected_row);
    const TileCode carried = seen.board[here];
    // Bring the tile this place needs. When the carried tile belongs here, carry it on to a
    // misplaced cell that needs another tile: one that needs the carried kind too would keep it
    // there and send the fetched tile straight back.
    const bool carried_belongs_here = level[here] == carried;
    int target = -1;
    for (int cell = 0; cell < kCells && target < 0; ++cell) {
      if (cell == here || seen.board[cell] == level[cell]) continue;
      if (carried_belongs_here ? level[cell] != carried : seen.board[cell] == level[here]) target = cell;
    }
    if (target < 0) return game_.WaitForWindow(L"TSolvedDlg", 3000);
    ClickCell(target / kRows, target % kRows);
  }
  return nullptr;
}

}  // namespace verlumo::e2e
