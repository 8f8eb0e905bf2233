// What drawing costs on memory surfaces: one timer tick (the marker's next frame), one tick of a
// solved level, and a full repaint of the board area; each reports its rectangle copies.
#include <benchmark/benchmark.h>

#include "tests/unit/view/synthetic_sheets.h"
#include "view/board_view.h"

namespace verlumo {
namespace {

class SilentHost : public ViewHost {
  void SetCaption(const std::string&) override {}
  void SetLevelCounterHint(const std::string&) override {}
  void RepaintLevelButtons() override {}
};

struct Scene {
  Scene() {
    state.levels.assign(500, Board{});
    for (int level = 1; level <= 250; ++level) state.solved_flags[level - 1] = 1;
    for (int cell = 0; cell < kCells; ++cell) state.board[cell] = static_cast<TileCode>(cell);
    state.selected_column = 1;
    state.has_selected_cell = true;
  }
  int copies() const { return box.copy_count() + levelbox.copy_count() + cell_buffer.copy_count(); }

  GameState state;
  MemorySurface tiles = testing::MakeTileSheet();
  MemorySurface frame = testing::MakeFrameSheet();
  MemorySurface glyphs = testing::MakeGlyphSheet();
  MemorySurface box{520, 376}, levelbox{57, 20}, cell_buffer{48, 48};
  SilentHost host;
  BoardView view{state, {tiles, frame, glyphs}, box, levelbox, cell_buffer, host};
};

void Report(benchmark::State& run, const Scene& scene, int copies_before) {
  run.counters["copies_per_op"] =
      static_cast<double>(scene.copies() - copies_before) / static_cast<double>(run.iterations());
}

void TimerTick(benchmark::State& run) {
  Scene scene;
  const int before = scene.copies();
  for (auto _ : run) scene.view.TimerTimer();
  Report(run, scene, before);
}
BENCHMARK(TimerTick);

void TimerTickSolved(benchmark::State& run) {
  Scene scene;
  scene.state.solved_state = true;
  const int before = scene.copies();
  for (auto _ : run) scene.view.TimerTimer();
  Report(run, scene, before);
}
BENCHMARK(TimerTickSolved);

void FullRepaint(benchmark::State& run) {
  Scene scene;
  const int before = scene.copies();
  for (auto _ : run) scene.view.PaintBoardArea();
  Report(run, scene, before);
}
BENCHMARK(FullRepaint);

}  // namespace
}  // namespace verlumo
