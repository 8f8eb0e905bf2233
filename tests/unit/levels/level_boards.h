// Small crafted levels for the toolkit's tests, written row by row as they look on screen.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "core/board.h"

namespace verlumo::levels {

using Row = std::array<int, kColumns>;

// Seven rows of nine codes, top row first.
inline Board BoardOf(std::initializer_list<Row> rows) {
  Board board{};
  int row = 0;
  for (const Row& codes : rows) {
    for (int column = 0; column < kColumns; ++column) {
      board[CellIndex(column, row)] = static_cast<TileCode>(codes[column]);
    }
    ++row;
  }
  return board;
}

// A ring of four corner pieces among 59 empty tiles: it fits on any 2 x 2 block, 48 of them.
inline Board RingAmongEmptyTiles() {
  Board board{};
  board[CellIndex(3, 2)] = 7;  // right and bottom
  board[CellIndex(4, 2)] = 6;  // left and bottom
  board[CellIndex(3, 3)] = 4;  // right and top
  board[CellIndex(4, 3)] = 5;  // top and left
  return board;
}

inline std::vector<std::uint8_t> BytesOf(const std::vector<Board>& levels) {
  std::vector<std::uint8_t> bytes;
  for (const Board& level : levels) bytes.insert(bytes.end(), level.begin(), level.end());
  return bytes;
}

}  // namespace verlumo::levels
