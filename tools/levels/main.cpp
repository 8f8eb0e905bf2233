// verlumo_levels: the level toolkit.
//   verlumo_levels generate SEED OUT              writes 500 levels made from SEED, easiest first
//   verlumo_levels check FILE                     checks every level; exit 1 when any is unusable
//   verlumo_levels solve FILE N                   prints one solution of level N as 9 x 7 codes
//   verlumo_levels render FILE N OUT [--shuffle SEED]
//                                                 draws level N (as recorded, or as the game
//                                                 shuffles it with that seed) into a PNG file
// The shipped file is `verlumo_levels generate 20240607 assets/levels/vlmo.dat`.
#include <charconv>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "tools/artgen/contact_sheet.h"
#include "tools/artgen/tiles/tile_sheet.h"
#include "tools/levels/board_picture.h"
#include "tools/levels/level_check.h"
#include "tools/levels/level_generator.h"
#include "tools/levels/level_solver.h"

namespace {

using namespace verlumo;
using namespace verlumo::levels;

constexpr int kUsageError = 2;
// Nothing bigger can be a level file; refusing it keeps a mistaken argument from filling memory.
constexpr std::uintmax_t kLargestLevelFile = 1 << 20;

struct ToolError {
  std::string message;
};

template <typename Number>
Number ParseNumber(const std::string& text, const char* what) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    throw ToolError{std::string(what) + " must be a whole number, not \"" + text + "\""};
  }
  return value;
}

std::vector<std::uint8_t> ReadLevelBytes(const std::string& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) throw ToolError{"cannot read " + path + ": " + error.message()};
  if (size > kLargestLevelFile) {
    throw ToolError{path + " holds " + std::to_string(size) +
                    " bytes; a level file holds at most " +
                    std::to_string(kMaxLevels * kRecordSize)};
  }
  std::ifstream in(path, std::ios::binary);
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  if (in.bad()) throw ToolError{"cannot read " + path};
  return bytes;
}

Board LevelOf(const std::string& path, const std::string& number_text) {
  const std::vector<Board> levels = SplitRecords(ReadLevelBytes(path));
  const int number = ParseNumber<int>(number_text, "the level number");
  if (levels.empty()) throw ToolError{path + " holds no complete level"};
  if (number < 1 || number > static_cast<int>(levels.size())) {
    throw ToolError{"level " + number_text + " does not exist: " + path + " holds levels 1 to " +
                    std::to_string(levels.size())};
  }
  return levels[number - 1];
}

int Generate(const std::string& seed_text, const std::string& out_path) {
  const auto seed = ParseNumber<std::uint64_t>(seed_text, "the seed");
  const auto started = std::chrono::steady_clock::now();
  const std::vector<GeneratedLevel> levels = GenerateLevels(seed);
  const std::vector<std::uint8_t> bytes = LevelFileBytes(levels);
  std::ofstream out(out_path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw ToolError{"cannot write " + out_path};
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
  std::cout << "wrote " << levels.size() << " levels (" << bytes.size() << " bytes) to " << out_path
            << ", difficulty " << levels.front().difficulty << " to " << levels.back().difficulty
            << ", in " << std::fixed << std::setprecision(1) << took.count() << " s\n";
  return 0;
}

int Check(const std::string& path) {
  const std::vector<std::uint8_t> bytes = ReadLevelBytes(path);
  const auto started = std::chrono::steady_clock::now();
  const FileReport report = CheckLevelBytes(bytes);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
  std::cout << "checking " << path
            << " (cells are named by column and row, from 1 at the top left)\n";
  PrintFileReport(std::cout, report);
  std::cout << "time: " << std::fixed << std::setprecision(2) << took.count() << " s\n";
  return report.ok() ? 0 : 1;
}

int Solve(const std::string& path, const std::string& number_text) {
  const Board level = LevelOf(path, number_text);
  for (TileCode code : level) {
    if (!IsCatalogued(code)) {
      std::cout << "level " << number_text << " holds code " << int{code}
                << ", which is no tile; it cannot be solved\n";
      return 1;
    }
  }
  const SolveResult result = SolveLevel(level, 1);
  if (!result.solvable) {
    std::cout << "level " << number_text << " has no solution\n";
    return 1;
  }
  std::cout << "a solution of level " << number_text
            << " (rows top to bottom, columns left to right):\n";
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      std::cout << std::setw(4) << int{result.solution[CellIndex(column, row)]};
    }
    std::cout << "\n";
  }
  return 0;
}

int Render(const std::vector<std::string>& args) {
  if (args.size() != 3 && !(args.size() == 5 && args[3] == "--shuffle")) {
    throw ToolError{"render needs FILE N OUT, optionally followed by --shuffle SEED"};
  }
  const Board level = LevelOf(args[0], args[1]);
  ShuffledBoard shown{level, std::nullopt};
  if (args.size() == 5)
    shown = ShuffleLikeTheGame(level, ParseNumber<std::uint32_t>(args[4], "the shuffle seed"));
  artgen::WritePng(args[2],
                   DrawBoardPicture(shown.board, artgen::DrawTileSheet(), shown.selected_cell));
  return 0;
}

int Usage() {
  std::cerr << "usage: verlumo_levels generate SEED OUT\n"
               "       verlumo_levels check FILE\n"
               "       verlumo_levels solve FILE N\n"
               "       verlumo_levels render FILE N OUT [--shuffle SEED]\n";
  return kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string command = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  try {
    if (command == "generate" && args.size() == 2) return Generate(args[0], args[1]);
    if (command == "check" && args.size() == 1) return Check(args[0]);
    if (command == "solve" && args.size() == 2) return Solve(args[0], args[1]);
    if (command == "render") return Render(args);
    return Usage();
  } catch (const ToolError& error) {
    std::cerr << "verlumo_levels: " << error.message << "\n";
    return 1;
  } catch (const std::exception& error) {
    std::cerr << "verlumo_levels: " << error.what() << "\n";
    return 1;
  }
}
