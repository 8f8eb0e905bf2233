// A whole game drawn into memory: the state, the rules, the files, the toolbar's commands and
// the view painting a board area and a level counter of plain pixels, started in the Windows
// game's start-up order. The web page runs one and shows its pixels; the native reference tool
// runs one to draw what the page must show.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/game_files.h"
#include "core/game_state.h"
#include "core/random.h"
#include "midend/commands.h"
#include "view/board_geometry.h"
#include "view/board_view.h"
#include "view/memory_surface.h"
#include "view/sound_player.h"

namespace verlumo {

// The asset records of the bitmap list and the sound list, decoded by the same code as the
// game's: tile sheet, frame sheet, glyph sheet; solved sound, click sound.
struct DecodedAssets {
  std::vector<MemorySurface> sheets;
  std::array<std::vector<std::uint8_t>, 2> sounds;
  std::string error;  // empty when every record was read
};
DecodedAssets DecodeAssetRecords(const std::array<std::vector<std::uint8_t>, 3>& bitmap_records,
                                 const std::array<std::vector<std::uint8_t>, 2>& sound_records);

// What the page around the board does for the game.
struct PageRoles {
  ViewHost& host;
  ControlsDisplay& controls;
  GameQuestions& questions;
  FrontEnd& front_end;
  WaveOutput& wave_output;
  std::function<bool()> sound_on;
};

class GameSession {
 public:
  // assets must hold three sheets.
  GameSession(DecodedAssets assets, PageRoles roles);

  // The Windows game's creation step: the language, the current game file, the level file in
  // program_directory, the level selector at the stored level, the all-solved flag, the current
  // level started once more, the toolbar worded, and from then on re-worded at every change of
  // the language.
  void Start(const std::string& program_directory, std::uint32_t seed, int language, int stored_level,
             const std::string& game_file);

  GameState state;
  MemorySurface box{kBoardAreaWidth, kBoardAreaHeight};
  MemorySurface levelbox{kLevelCounterWidth, kLevelCounterHeight};
  MemorySurface cell_buffer{kCellBufferSize, kCellBufferSize};

  BoardView& view() { return view_; }
  Game& game() { return game_; }
  GameFiles& files() { return files_; }
  GameCommands& commands() { return commands_; }

 private:
  std::vector<MemorySurface> sheets_;
  Random random_;
  PageRoles roles_;
  BoardView view_;
  SoundPlayer sounds_;
  Game game_;
  GameFiles files_;
  GameCommands commands_;
};

}  // namespace verlumo
