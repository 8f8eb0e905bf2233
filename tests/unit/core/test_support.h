// Shared pieces of the core tests: a scratch folder whose name needs more than ASCII, small
// levels with known solutions, and a game wired to a recording host.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "core/game.h"
#include "core/game_files.h"
#include "view/board_geometry.h"
#include "tests/unit/core/recording_host.h"

namespace verlumo {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using Log = std::vector<std::string>;

inline fs::path PathOf(const std::string& utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

// A fresh folder in the system's temporary folder, removed with its contents. The umlaut in
// its name proves that game files are found by their UTF-8 names on every platform.
class ScratchFolder {
 public:
  ScratchFolder()
      : path_(fs::temp_directory_path() /
              PathOf("verlumo_Spielst\xC3\xA4nde_" + std::to_string(std::random_device{}()))) {
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  std::string Folder() const {  // UTF-8, with the trailing separator the game keeps
    const std::u8string text = (path_ / "").u8string();
    return std::string(text.begin(), text.end());
  }
  std::string File(const std::string& name) const { return Folder() + name; }
  int EntryCount() const {
    return static_cast<int>(std::distance(fs::directory_iterator(path_), {}));
  }

 private:
  fs::path path_;
};

inline void WriteBytes(const std::string& path, const Bytes& bytes) {
  std::ofstream(PathOf(path), std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes));
}
inline Bytes ReadBytes(const std::string& path) {
  std::ifstream file(PathOf(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline Board FilledBoard(TileCode code) {
  Board board;
  board.fill(code);
  return board;
}

// A closed ring of four corner pieces in the top-left corner, empty tiles everywhere else.
inline Board RingLevel() {
  Board board = FilledBoard(0);
  board[CellIndex(0, 0)] = 7;  // right and bottom
  board[CellIndex(1, 0)] = 6;  // left and bottom
  board[CellIndex(0, 1)] = 4;  // right and top
  board[CellIndex(1, 1)] = 5;  // top and left
  return board;
}

inline int CellX(int column) { return kBoardLeft + column * kTileSize; }
inline int CellY(int row) { return kBoardTop + row * kTileSize; }

class GameTest : public ::testing::Test {
 protected:
  void UseLevels(int count, const Board& level = RingLevel()) {
    game.state.levels.assign(count, level);
  }
  // The ring with its top-left piece carried off to (5, 5): a click on (0, 0) solves it.
  void PutRingOneSwapFromSolved() {
    game.state.board = RingLevel();
    std::swap(game.state.board[CellIndex(0, 0)], game.state.board[CellIndex(5, 5)]);
    game.state.selected_column = game.state.selected_row = 5;
    game.state.has_selected_cell = true;
    game.state.moved = false;
    host.log.clear();
  }
  // A press at a point of the board area, as the window turns it into a cell.
  void PressAt(int x, int y) {
    if (const std::optional<Cell> cell = CellAt(x, y)) game.PressCell(cell->column, cell->row);
  }
  Bytes Flags() const {
    return Bytes(game.state.solved_flags.begin(), game.state.solved_flags.end());
  }

  static constexpr std::uint32_t kSeed = 20240611;
  GameState state;
  RecordingHost host;
  Random random{kSeed};
  Game game{state, host.display(), host, random};
  GameFiles files{state, host, host};
};

}  // namespace verlumo
