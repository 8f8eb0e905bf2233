// Game files: any file loads as its first 500 bytes with the rest of the flags 0, and saving
// writes exactly the 500 flags, which load back unchanged.
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/game.h"
#include "core/game_files.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/unit/core/recording_host.h"

using namespace verlumo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string folder = fuzz::ScratchFolder();
  const std::string loaded = folder + "loaded.vlm";
  fuzz::WriteWholeFile(loaded, data, size);

  RecordingHost host;
  Random random;
  GameState state;
  Game game(state, host.display(), host, random);
  GameFiles files(state, host, host);
  game.state.program_directory = folder;
  files.LoadCurrentGameFile(loaded);
  const std::size_t kept = std::min<std::size_t>(size, kMaxLevels);
  fuzz::Require(std::equal(data, data + kept, game.state.solved_flags.begin()), "the flags are the file's first bytes");
  fuzz::Require(std::all_of(game.state.solved_flags.begin() + static_cast<std::ptrdiff_t>(kept),
                            game.state.solved_flags.end(), [](std::uint8_t flag) { return flag == 0; }),
                "flags beyond the file are 0");

  // Saved under a new name (answering yes to overwriting it from an earlier input).
  host.save_choices.push_back(folder + "saved");
  host.overwrite_answers.push_back(true);
  files.SaveGame();
  fuzz::Require(game.state.current_game_file == folder + "saved.vlm", "saving names the game after its file");
  std::ifstream file(folder + "saved.vlm", std::ios::binary);
  const std::vector<std::uint8_t> saved{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  fuzz::Require(saved.size() == kMaxLevels, "a saved game file is exactly the 500 flags");
  fuzz::Require(std::equal(saved.begin(), saved.end(), game.state.solved_flags.begin()), "the file holds the flags");

  const SolvedFlags before = game.state.solved_flags;
  files.LoadCurrentGameFile(folder + "saved.vlm");
  fuzz::Require(game.state.solved_flags == before, "a saved game loads back unchanged");
  return 0;
}
