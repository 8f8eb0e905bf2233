// A timer tick runs twenty times a second for the whole game: it must not allocate. This program
// counts every allocation made through operator new.
#include <gtest/gtest.h>

#include "tests/unit/view/counting_allocator.h"
#include "tests/unit/view/synthetic_sheets.h"
#include "view/board_view.h"

namespace verlumo {
namespace {

class SilentHost : public ViewHost {
  void SetCaption(const std::string&) override {}
  void SetLevelCounterHint(const std::string&) override {}
  void RepaintLevelButtons() override {}
};

TEST(TimerTick, AllocatesNothing) {
  using namespace testing;
  GameState state;
  state.levels.assign(1, Board{});
  state.board[0] = 4;
  state.has_selected_cell = true;
  MemorySurface tiles = MakeTileSheet(), frame = MakeFrameSheet(), glyphs = MakeGlyphSheet();
  MemorySurface box(520, 376), levelbox(57, 20), cell_buffer(48, 48);
  SilentHost host;
  BoardView view(state, {tiles, frame, glyphs}, box, levelbox, cell_buffer, host);

  const long before = AllocationCount();
  for (int tick = 0; tick < 16; ++tick) view.TimerTimer();
  state.solved_state = true;
  view.TimerTimer();
  EXPECT_EQ(AllocationCount() - before, 0);
}

}  // namespace
}  // namespace verlumo
