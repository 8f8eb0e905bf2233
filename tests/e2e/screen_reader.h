// Reading what the game shows: the pixels of a window as they are on the screen, and the board
// recognised from them, cell by cell, against the tile sheet the game itself carries.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/board.h"

namespace verlumo::e2e {

struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> rgb;  // 0x00RRGGBB, top row first
  std::uint32_t at(int x, int y) const { return rgb[static_cast<std::size_t>(y) * width + x]; }
};

// The window's client area as the screen shows it. Under Wine a child window of another
// process reads back black, so tests capture the top-level window and crop.
Pixels CaptureClient(HWND window);
// A rectangle of the whole screen, in screen coordinates: what the player sees there, whichever
// window (or none) it comes from.
Pixels CaptureScreen(const RECT& area);
Pixels Crop(const Pixels& pixels, int left, int top, int width, int height);

// A sheet of the bitmap list (0 tile sheet, 1 frame sheet, 2 glyph sheet), decoded from the
// asset records of the game's program file.
Pixels LoadSheet(const std::wstring& program_file, int index);

// Writes the pixels as a 24-bit BMP file, for looking at.
void SaveBmp(const Pixels& pixels, const std::wstring& path);

struct ScreenBoard {
  Board board{};
  int selected_column = -1;  // the cell whose picture carries the marker, or -1
  int selected_row = -1;
};

// Recognises every cell of the board area (the 520 x 376 paint box) among the given codes: each
// cell shows the code whose picture it matches best; the cell that matches its best code least
// well (the marker covers part of it) is the selected one.
ScreenBoard ReadBoard(const Pixels& board_area, const Pixels& tile_sheet, const std::vector<TileCode>& codes);

// Child windows of the game by class name and size.
HWND FindChild(HWND parent, const wchar_t* class_name, int width, int height);

}  // namespace verlumo::e2e
