// A whole play session driven by fuzzed events, through the real level file and game files and
// the real drawing onto memory surfaces: clicks, timer ticks, next and previous, new game,
// restart, selector moves, save and load, with fuzzed answers to every dialog. After every event
// the board is a rearrangement of its level with the fixed tiles in place, the selected tile is
// a movable tile on the board, and the level and the selector stay within 1 to the level count.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "core/game.h"
#include "core/game_files.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/unit/core/recording_host.h"
#include "tests/unit/view/synthetic_sheets.h"
#include "view/board_geometry.h"
#include "view/board_view.h"

using namespace verlumo;

namespace {

// The recording host for sounds, controls and questions, and the window's side of the view, as
// the game window has; the board area is drawn by the view itself.
class SessionHost : public RecordingHost, public ViewHost {
 public:
  void SetCaption(const std::string&) override {}
  void SetLevelCounterHint(const std::string&) override {}
  void RepaintLevelButtons() override {}
};

struct Sheets {
  MemorySurface tiles = testing::MakeTileSheet();
  MemorySurface frame = testing::MakeFrameSheet();
  MemorySurface glyphs = testing::MakeGlyphSheet();
};

std::vector<std::uint8_t> FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void CheckInvariants(const Game& game, const SessionHost& host) {
  const GameState& state = game.state;
  fuzz::Require(state.level_count() >= 1, "there is always a level to play");
  fuzz::Require(state.current_level >= 1 && state.current_level <= state.level_count(),
                "the current level stays within 1 to the level count");
  fuzz::Require(host.selector_position >= 1 && host.selector_position <= state.level_count(),
                "the selector stays within 1 to the level count");
  const Board& level = state.levels[state.current_level - 1];
  Board board_sorted = state.board, level_sorted = level;
  std::sort(board_sorted.begin(), board_sorted.end());
  std::sort(level_sorted.begin(), level_sorted.end());
  fuzz::Require(board_sorted == level_sorted, "the board is a rearrangement of its level");
  for (int cell = 0; cell < kCells; ++cell) {
    const auto i = static_cast<std::size_t>(cell);
    if (!IsMovable(level[i])) fuzz::Require(state.board[i] == level[i], "fixed tiles stay in place");
  }
  if (state.has_selected_cell) {
    fuzz::Require(state.selected_column >= 0 && state.selected_column < kColumns && state.selected_row >= 0 &&
                      state.selected_row < kRows,
                  "the selected cell is on the board");
    fuzz::Require(IsMovable(state.board[static_cast<std::size_t>(CellIndex(state.selected_column, state.selected_row))]),
                  "the selected tile is movable");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const Sheets sheets;
  FuzzedDataProvider provider(data, size);
  const std::string folder = fuzz::ScratchFolder();

  // The level file and the game file of the session come first in the input.
  const auto level_bytes = provider.ConsumeBytes<std::uint8_t>(provider.ConsumeIntegralInRange(0, 4) * kRecordSize);
  fuzz::WriteWholeFile(folder + kLevelFileName, level_bytes.data(), level_bytes.size());
  const auto game_bytes = provider.ConsumeBytes<std::uint8_t>(provider.ConsumeIntegralInRange(0, 600));
  const std::string start_file = folder + "start.vlm";
  fuzz::WriteWholeFile(start_file, game_bytes.data(), game_bytes.size());
  std::remove((folder + "saved.vlm").c_str());

  Random random(provider.ConsumeIntegral<std::uint32_t>());
  SessionHost host;
  GameState state;
  MemorySurface box(kBoardAreaWidth, kBoardAreaHeight), levelbox(kLevelCounterWidth, kLevelCounterHeight),
      cell_buffer(kCellBufferSize, kCellBufferSize);
  BoardView view(state, {sheets.tiles, sheets.frame, sheets.glyphs}, box, levelbox, cell_buffer, host);
  Game game(state, GameDisplay{view, host, host}, host, random);
  GameFiles files(state, view, host);
  host.while_modal = [&](Dialog) { view.TimerTimer(); };

  game.state.program_directory = folder;
  files.LoadCurrentGameFile(start_file);
  files.ReadLevelFile();
  game.SetUpLevelSelector(provider.ConsumeIntegralInRange(-2, 6));
  game.ComputeAllSolved();
  game.StartLevel(game.state.current_level);
  CheckInvariants(game, host);

  for (int event = 0; event < 100 && provider.remaining_bytes() > 0; ++event) {
    switch (provider.ConsumeIntegralInRange(0, 11)) {
      case 0:  // a click anywhere in or near the board area
        if (const auto cell = CellAt(provider.ConsumeIntegralInRange(-5, 530), provider.ConsumeIntegralInRange(-5, 380)))
          game.PressCell(cell->column, cell->row);
        break;
      case 1: {  // a click on the middle of a cell, as a player aims
        const int cell = provider.ConsumeIntegralInRange(0, kCells - 1);
        game.PressCell(ColumnOf(cell), RowOf(cell));
        break;
      }
      case 2: view.TimerTimer(); break;
      case 3: game.sUpBtnClick(); break;
      case 4: game.sDownBtnClick(); break;
      case 5: game.NewGameBtnClick(); break;
      case 6: game.RestartBtnClick(); break;
      case 7: game.MoveLevelSelector(provider.ConsumeIntegralInRange(-2, 6)); break;
      case 8: {
        // Declining to overwrite keeps the earlier save, which the game may still be named after;
        // only a save that was let through must hold the flags of now.
        const std::string saved_name = folder + "saved.vlm";
        const bool overwrite = provider.ConsumeBool();
        const bool writes = overwrite || !FileExists(saved_name);
        host.save_choices.assign(1, folder + "saved");
        host.overwrite_answers.assign(1, overwrite);
        host.log.clear();
        files.SaveGame();
        const bool failed = std::any_of(host.log.begin(), host.log.end(), [](const std::string& call) {
          return call.rfind("ShowErrorMessage", 0) == 0;
        });
        if (writes && !failed) {
          fuzz::Require(game.state.current_game_file == saved_name, "a saved game is named after its file");
          const std::vector<std::uint8_t> saved = FileBytes(saved_name);
          fuzz::Require(saved.size() == kMaxLevels, "a saved game file is exactly the 500 flags");
          fuzz::Require(std::equal(saved.begin(), saved.end(), game.state.solved_flags.begin()),
                        "a saved game file holds the flags");
        }
        break;
      }
      case 9: {
        const char* const names[] = {"saved.vlm", "start.vlm", "missing.vlm", ""};
        const std::string name = names[provider.ConsumeIntegralInRange(0, 3)];
        host.open_choice = name.empty() ? std::string() : folder + name;
        files.LoadGame();
        break;
      }
      case 10: host.modal_results.push_back(provider.PickValueInArray({kModalOk, kModalCancel, kModalYes, kModalNo})); break;
      case 11: view.PaintBoardArea(); break;
    }
    CheckInvariants(game, host);
    host.log.clear();
  }
  return 0;
}
