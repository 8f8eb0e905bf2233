// A game drawn into memory: the asset records decoded by the same code as the Windows game's, the
// board area, the level counter and the cell buffer as plain pixels, and the game session drawing
// on them. The web page runs one and shows its pixels; the native reference tool runs one to draw
// what the page must show.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "midend/game_session.h"
#include "view/board_geometry.h"
#include "view/memory_surface.h"

namespace verlumo {

// The asset records of the bitmap list and the sound list, decoded: tile sheet, frame sheet,
// glyph sheet; solved sound, click sound.
struct DecodedAssets {
  std::vector<MemorySurface> sheets;
  SoundImages sounds;
  std::string error;  // empty when every record was read
};
DecodedAssets DecodeAssetRecords(const std::array<std::vector<std::uint8_t>, 3>& bitmap_records,
                                 const std::array<std::vector<std::uint8_t>, 2>& sound_records);
// The sheets alone, for a game whose sounds come later, and those sounds; error names the first
// unreadable record.
DecodedAssets DecodeSheetRecords(const std::array<std::vector<std::uint8_t>, 3>& bitmap_records);
SoundImages DecodeSoundRecords(const std::array<std::vector<std::uint8_t>, 2>& sound_records, std::string& error);

class MemoryGame {
 public:
  // assets must hold three sheets.
  MemoryGame(DecodedAssets assets, WaveOutput& wave_output, FrontEnd& front_end);

  MemorySurface box{kBoardAreaWidth, kBoardAreaHeight};
  MemorySurface levelbox{kLevelCounterWidth, kLevelCounterHeight};
  MemorySurface cell_buffer{kCellBufferSize, kCellBufferSize};

  GameSession& session() { return session_; }

 private:
  std::vector<MemorySurface> sheets_;
  GameSession session_;
};

}  // namespace verlumo
