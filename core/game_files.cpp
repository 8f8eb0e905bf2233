// The files behind a game: the level file and the current game file read at start-up, and
// saving and loading the solved flags on the player's command.
#include <algorithm>
#include <optional>
#include <vector>

#include "core/file_io.h"
#include "core/game.h"
#include "core/paths.h"

namespace verlumo {

void Game::LoadCurrentGameFile(const std::string& path) {
  state.solved_flags.fill(0);
  state.current_game_file = path;
  if (FileExists(path)) ReadGameFileIntoFlags(path);
}

// All flags 0, then as many as the file holds. A file that cannot be read is reported and
// leaves every flag at 0 rather than half a game.
void Game::ReadGameFileIntoFlags(const std::string& path) {
  state.solved_flags.fill(0);
  const FileRead read = ReadFilePrefix(path, state.solved_flags.size());
  if (read.error != 0) {
    questions_.ShowErrorMessage(LoadErrorText(state.language.value(), path));
    return;
  }
  std::copy(read.bytes.begin(), read.bytes.end(), state.solved_flags.begin());
}

void Game::ReadLevelFile() {
  LevelFileContents contents = verlumo::ReadLevelFile(state.program_directory);
  if (contents.levels.empty()) {
    // One blank level keeps the game playable: levels are numbered from 1.
    contents.levels.assign(1, Board{});
    state.current_level = 1;
  }
  state.levels = std::move(contents.levels);
  // The table is complete before the message box runs its own message loop, so a paint
  // meanwhile finds a consistent game.
  if (contents.error != 0) {
    questions_.ShowErrorMessage(
        LevelFileErrorText(state.language.value(), contents.error, state.program_directory));
  }
}

void Game::SaveGame() {
  std::optional<std::string> chosen =
      FileExists(state.current_game_file)
          ? questions_.ChooseSaveFile(FolderOf(state.current_game_file),
                                 FileNameOf(state.current_game_file))
          : questions_.ChooseSaveFile(state.program_directory, std::nullopt);
  std::string name;
  for (;;) {
    if (!chosen) return;
    name = ChangeExtension(*chosen, kGameFileExtension);
    if (!FileExists(name) ||
        questions_.AskYesNoWarning(OverwriteQuestionText(state.language.value(), FileNameOf(name)))) {
      break;
    }
    chosen = questions_.ChooseSaveFile(FolderOf(*chosen), FileNameOf(*chosen));
  }

  const std::vector<std::uint8_t> flags(state.solved_flags.begin(), state.solved_flags.end());
  if (ReplaceFileContents(name, flags) == 0) {
    state.current_game_file = name;
  } else {
    questions_.ShowErrorMessage(SaveErrorText(state.language.value(), FileNameOf(name)));
  }
  display_.board.UpdateCaption();
}

void Game::LoadGame() {
  const std::optional<std::string> chosen = questions_.ChooseOpenFile(state.current_game_file);
  if (!chosen || chosen->empty()) return;
  if (FileExists(*chosen)) ReadGameFileIntoFlags(*chosen);
  // A name that does not exist yet keeps the flags and only renames the game.
  state.current_game_file = *chosen;
  display_.board.UpdateCaption();
  display_.board.DrawProgressGauge();
}

}  // namespace verlumo
