// Reading the level file and reading and writing game files.
#include "core/game_files.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/file_io.h"
#include "core/paths.h"

namespace verlumo {

void GameFiles::LoadCurrentGameFile(const std::string& path) {
  state_.solved_flags.fill(0);
  state_.current_game_file = path;
  if (FileExists(path)) ReadGameFileIntoFlags(path);
}

// All flags 0, then as many as the file holds. A file that cannot be read is reported and
// leaves every flag at 0 rather than half a game.
void GameFiles::ReadGameFileIntoFlags(const std::string& path) {
  state_.solved_flags.fill(0);
  const FileRead read = ReadFilePrefix(path, state_.solved_flags.size());
  if (read.error != 0) {
    questions_.ShowErrorMessage(LoadErrorText(state_.language.value(), path));
    return;
  }
  std::copy(read.bytes.begin(), read.bytes.end(), state_.solved_flags.begin());
}

void GameFiles::ReadLevelFile() {
  LevelFileContents contents = verlumo::ReadLevelFile(state_.program_directory);
  if (contents.levels.empty()) {
    // One blank level keeps the game playable: levels are numbered from 1.
    contents.levels.assign(1, Board{});
    state_.current_level = 1;
  }
  state_.levels = std::move(contents.levels);
  // The table is complete before the message box runs its own message loop, so a paint
  // meanwhile finds a consistent game.
  if (contents.error != 0) {
    questions_.ShowErrorMessage(
        LevelFileErrorText(state_.language.value(), contents.error, state_.program_directory));
  }
}

void GameFiles::SaveGame() {
  std::optional<std::string> chosen =
      FileExists(state_.current_game_file)
          ? questions_.ChooseSaveFile(FolderOf(state_.current_game_file),
                                 FileNameOf(state_.current_game_file))
          : questions_.ChooseSaveFile(state_.program_directory, std::nullopt);
  std::string name;
  for (;;) {
    if (!chosen) return;
    name = ChangeExtension(*chosen, kGameFileExtension);
    if (!FileExists(name) ||
        questions_.AskYesNoWarning(OverwriteQuestionText(state_.language.value(), FileNameOf(name)))) {
      break;
    }
    chosen = questions_.ChooseSaveFile(FolderOf(*chosen), FileNameOf(*chosen));
  }

  const std::vector<std::uint8_t> flags(state_.solved_flags.begin(), state_.solved_flags.end());
  if (ReplaceFileContents(name, flags) == 0) {
    state_.current_game_file = name;
  } else {
    questions_.ShowErrorMessage(SaveErrorText(state_.language.value(), FileNameOf(name)));
  }
  board_.UpdateCaption();
}

void GameFiles::LoadGame() {
  const std::optional<std::string> chosen = questions_.ChooseOpenFile(state_.current_game_file);
  if (!chosen || chosen->empty()) return;
  if (FileExists(*chosen)) ReadGameFileIntoFlags(*chosen);
  // A name that does not exist yet keeps the flags and only renames the game.
  state_.current_game_file = *chosen;
  board_.UpdateCaption();
  board_.DrawProgressGauge();
}

}  // namespace verlumo
