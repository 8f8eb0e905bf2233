// Draws what the web page must show for a level and a shuffle seed, with the native build of the
// same view code: the board area after its first full paint and after one timer tick, and the
// level counter; the tile sheet, by which the browser tests read the board off the canvas; and a
// game file written by the game's own save code, as the Windows game writes it.
// Usage: web_board_reference ASSET_DIR LEVEL_DIR SEED OUT_DIR
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/file_io.h"
#include "web/memory_game.h"

namespace {

using namespace verlumo;

// The page around the board, for a game that only draws: nothing is shown or played, and the
// questions answered are the file choosers', with the files the tool names.
class NoPage final : public FrontEnd, public WaveOutput {
 public:
  void ShowTexts(const ToolbarTexts&) override {}
  void ShowCaption(const std::string&) override {}
  void ShowLevelCounterHint(const std::string&) override {}
  void ShowLevelSelectorRange(int) override {}
  void ShowLevelSelector(int) override {}
  void ShowSoundSwitch(bool) override {}
  void ShowBoardCursor(int, int, const std::string&) override {}
  void Announce(const std::string&) override {}
  void RepaintLevelButtons() override {}
  void ShowSplash() override {}
  void AskLanguage() override {}
  void ShowInfo() override {}
  void ReportSoundFailure(const std::string&) override {}
  int ShowModal(Dialog) override { return kModalCancel; }
  std::optional<std::string> ChooseSaveFile(const std::string&, const std::optional<std::string>&) override {
    return save_to;
  }
  std::optional<std::string> ChooseOpenFile(const std::string&) override { return open_from; }
  bool AskYesNoWarning(const std::string&) override { return true; }
  void ShowErrorMessage(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
  void RequestClose() override {}
  void OpenRules(int) override {}
  void OpenMakerPage() override {}
  unsigned DeviceCount() override { return 0; }
  bool PlayImage(const std::uint8_t*) override { return false; }
  void Stop(bool) override {}
  std::uint32_t LastError() override { return 0; }
  std::string ErrorText(std::uint32_t) override { return {}; }

  std::string save_to;
  std::string open_from;
};

std::vector<std::uint8_t> ReadWhole(const std::string& path) {
  FileRead read = ReadFilePrefix(path, 16 * 1024 * 1024);
  if (read.error != 0) {
    std::fprintf(stderr, "cannot read %s\n", path.c_str());
    std::exit(1);
  }
  return std::move(read.bytes);
}

// A binary PPM: the pictures stay exact and need no library to read.
void WritePpm(const MemorySurface& surface, const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    std::exit(1);
  }
  std::fprintf(file, "P6\n%d %d\n255\n", surface.width(), surface.height());
  for (const std::uint32_t pixel : surface.pixels()) {
    const unsigned char rgb[3] = {static_cast<unsigned char>(pixel >> 16), static_cast<unsigned char>(pixel >> 8),
                                  static_cast<unsigned char>(pixel)};
    std::fwrite(rgb, 1, 3, file);
  }
  std::fclose(file);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s ASSET_DIR LEVEL_DIR SEED OUT_DIR\n", argv[0]);
    return 2;
  }
  const std::string assets_dir = std::string(argv[1]) + "/";
  const std::string out = std::string(argv[4]) + "/";
  DecodedAssets assets = DecodeAssetRecords(
      {ReadWhole(assets_dir + "bitmap0.rec"), ReadWhole(assets_dir + "bitmap1.rec"), ReadWhole(assets_dir + "bitmap2.rec")},
      {ReadWhole(assets_dir + "sound0.rec"), ReadWhole(assets_dir + "sound1.rec")});
  if (!assets.error.empty()) {
    std::fprintf(stderr, "%s\n", assets.error.c_str());
    return 1;
  }
  WritePpm(assets.sheets[0], out + "tiles.ppm");
  NoPage page;
  MemoryGame game(std::move(assets), page, page);
  GameSession& session = game.session();
  // As the page starts on a fresh profile: no language, level 1, no game file yet, sound off.
  session.ReadProgressAndLevels(std::string(argv[2]) + "/",
                                static_cast<std::uint32_t>(std::strtoul(argv[3], nullptr, 10)),
                                {kLanguageUnset, 1, out + "no-such-game.vlm", false});
  session.StartFirstLevel();
  session.PaintBoardArea();
  WritePpm(game.box, out + "board_paint.ppm");
  WritePpm(game.levelbox, out + "counter.ppm");
  session.Tick();
  WritePpm(game.box, out + "board_tick.ppm");

  // Half the levels solved, 3 to 252, level 3 with a flag of 7 as a game file of another
  // version may hold it; levels 1 and 2 are left to play. The game loads them and saves them
  // with its own code.
  std::vector<std::uint8_t> flags(kMaxLevels, 0);
  std::fill(flags.begin() + 3, flags.begin() + 252, std::uint8_t{1});
  flags[2] = 7;
  page.open_from = out + "flags-to-load.vlm";
  if (ReplaceFileContents(page.open_from, flags) != 0) return 1;
  session.Run(Command::Load);
  page.save_to = out + "windows-saved.vlm";
  session.Run(Command::Save);
  return FileExists(page.save_to) ? 0 : 1;
}
