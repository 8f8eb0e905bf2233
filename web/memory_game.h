// A game drawn into memory: the sheets it draws from, the board area, the level counter and the
// cell buffer as plain pixels, and the game session drawing on them. The web page runs one on the
// sheets the browser decoded and shows its pixels as they are; the native reference tool runs one
// on the asset records, decoded by the same code as the Windows game's, to draw what the page
// must show.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "midend/game_session.h"
#include "view/board_geometry.h"
#include "view/memory_surface.h"

namespace verlumo {

// The order of a sheet's pixels: as the game's records decode (0x00RRGGBB), or as a canvas holds
// them (R, G, B, A bytes, which read as 0xAABBGGRR).
enum class PixelOrder { kRecord, kCanvas };

// The pictures and sounds a game draws and plays: tile sheet, frame sheet, glyph sheet; solved
// sound, click sound.
struct DecodedAssets {
  std::vector<MemorySurface> sheets;
  PixelOrder order = PixelOrder::kRecord;
  SoundImages sounds;
  std::string error;  // empty when every record was read
};
// The asset records of the bitmap list and the sound list, decoded; error names the first
// unreadable record.
DecodedAssets DecodeAssetRecords(const std::array<std::vector<std::uint8_t>, 3>& bitmap_records,
                                 const std::array<std::vector<std::uint8_t>, 2>& sound_records);
// The sounds alone, for a game whose sounds come after its start.
SoundImages DecodeSoundRecords(const std::array<std::vector<std::uint8_t>, 2>& sound_records, std::string& error);

class MemoryGame {
 public:
  // assets must hold three sheets.
  MemoryGame(DecodedAssets assets, WaveOutput& wave_output, FrontEnd& front_end);

  // Black where nothing is drawn yet, in the sheets' order.
  MemorySurface box;
  MemorySurface levelbox;
  MemorySurface cell_buffer;

  GameSession& session() { return session_; }

 private:
  std::vector<MemorySurface> sheets_;
  GameSession session_;
};

}  // namespace verlumo
