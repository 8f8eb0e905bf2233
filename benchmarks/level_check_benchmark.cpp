// What checking the shipped level file costs on one core: all 500 levels solved by the solver
// and their solutions counted up to the cap, as `verlumo_levels check` does. It must stay well
// under two seconds. Also the dearest single level, and finding one solution of every level.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>

#include "core/level_file.h"
#include "tools/levels/level_check.h"
#include "tools/levels/level_solver.h"

namespace verlumo::levels {
namespace {

const std::vector<std::uint8_t>& ShippedBytes() {
  static const std::vector<std::uint8_t> bytes = [] {
    std::ifstream file(VERLUMO_SHIPPED_LEVEL_FILE, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file),
                                     std::istreambuf_iterator<char>());
  }();
  return bytes;
}

void BM_CheckShippedLevelFile(benchmark::State& state) {
  std::uint64_t placements = 0;
  bool ok = false;
  for (auto _ : state) {
    const FileReport report = CheckLevelBytes(ShippedBytes());
    ok = report.ok();
    placements = 0;
    for (const LevelReport& level : report.levels)
      placements += level.solve ? level.solve->placements : 0;
    benchmark::DoNotOptimize(report);
  }
  state.counters["levels"] = static_cast<double>(ShippedBytes().size() / kRecordSize);
  state.counters["placements"] = static_cast<double>(placements);
  if (!ok) state.SkipWithError("the shipped level file does not pass the check");
}
BENCHMARK(BM_CheckShippedLevelFile)->Unit(benchmark::kMillisecond);

void BM_CountSolutionsOfTheDearestLevel(benchmark::State& state) {
  const std::vector<Board> levels = SplitRecords(ShippedBytes());
  Board dearest{};
  std::uint64_t most = 0;
  for (const Board& level : levels) {
    const std::uint64_t placements = SolveLevel(level).placements;
    if (placements > most) {
      most = placements;
      dearest = level;
    }
  }
  for (auto _ : state) benchmark::DoNotOptimize(SolveLevel(dearest));
  state.counters["placements"] = static_cast<double>(most);
}
BENCHMARK(BM_CountSolutionsOfTheDearestLevel)->Unit(benchmark::kMillisecond);

void BM_FindOneSolutionOfEveryLevel(benchmark::State& state) {
  const std::vector<Board> levels = SplitRecords(ShippedBytes());
  for (auto _ : state) {
    for (const Board& level : levels) benchmark::DoNotOptimize(SolveLevel(level, 1));
  }
}
BENCHMARK(BM_FindOneSolutionOfEveryLevel)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace verlumo::levels
