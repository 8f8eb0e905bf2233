// A player who only hears the game: the shipped levels 1 and 4 (the first with fixed tiles)
// played with keys alone, from nothing but what a screen reader gets through Active
// Accessibility. The board's name is the cell under its cursor; the player walks the cursor
// over all 63 cells, works out from the words where each movable tile must go, carries the car
// there swap by swap, answers the Solved dialog by Enter and hears that the level is solved.
// No pixel, no level file and nothing of the game's memory is read.
#include <gtest/gtest.h>
#include <objbase.h>

#include <cstdio>
#include <optional>
#include <string>

#include "tests/e2e/accessible.h"
#include "tests/e2e/game_session.h"
#include "tests/e2e/game_settings.h"
#include "tests/e2e/heard_board.h"
#include "tests/e2e/player.h"

namespace verlumo::e2e {
namespace {

bool EndsWith(const std::wstring& text, const std::wstring& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

constexpr wchar_t kBoardName[] =
    L"Board: the arrow keys choose a cell, Enter or Space swaps it with the car, L tells the loose road ends";

class BoardByEar : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))); }
  void TearDown() override { CoUninitialize(); }
};

// The player's ears and hands on the board: its accessible object, the events it raises, and
// the keys.
class Listener {
 public:
  Listener(GameSession& session, HWND board)
      : session_(session),
        board_(board),
        object_(board),
        events_(session.game().process_id(), EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE) {}

  const Accessible& board() const { return object_; }
  const HeardEvents& events() const { return events_; }
  bool has_focus() const {
    return Eventually([&] { return (object_.State() & STATE_SYSTEM_FOCUSED) != 0; });
  }

  // Moves the cursor by key and waits for the name of the cell it reaches.
  std::optional<HeardCell> Step(WORD key, int column, int row, bool with_control = false) {
    TypeKey(key, with_control);
    std::optional<HeardCell> cell;
    Eventually([&] {
      cell = ParseCellWords(object_.Name());
      return cell && cell->column == column && cell->row == row;
    });
    if (!cell || cell->column != column || cell->row != row) return std::nullopt;
    column_ = column;
    row_ = row;
    return cell;
  }

  // Every cell, walked row by row in a snake from the top left corner.
  std::optional<HeardBoard> ReadBoard() {
    HeardBoard board;
    for (int row = 0; row < kRows; ++row) {
      for (int step = 0; step < kColumns; ++step) {
        const int column = row % 2 == 0 ? step : kColumns - 1 - step;
        std::optional<HeardCell> cell = row == 0 && step == 0 ? Step(VK_HOME, 0, 0, true)
                                        : step == 0           ? Step(VK_DOWN, column, row)
                                                              : Step(row % 2 == 0 ? VK_RIGHT : VK_LEFT, column, row);
        if (!cell) return std::nullopt;
        board[CellIndex(column, row)] = *cell;
      }
    }
    return board;
  }

  bool MoveTo(int column, int row) {
    while (column_ != column) {
      const bool right = column > column_;
      if (!Step(right ? VK_RIGHT : VK_LEFT, column_ + (right ? 1 : -1), row_)) return false;
    }
    while (row_ != row) {
      const bool down = row > row_;
      if (!Step(down ? VK_DOWN : VK_UP, column_, row_ + (down ? 1 : -1))) return false;
    }
    return true;
  }

  // Enter on the cursor's cell: the swap's announcement, or the Solved dialog when it solved the
  // level (the announcement follows once the dialog is answered). True for the dialog.
  bool PressAndListen() {
    const int announced = events_.Count(EVENT_OBJECT_VALUECHANGE, board_);
    TypeKey(VK_RETURN);
    HWND solved = nullptr;
    Eventually(
        [&] {
          solved = session_.game().WaitForWindow(L"TSolvedDlg", 0);
          return solved != nullptr || events_.Count(EVENT_OBJECT_VALUECHANGE, board_) > announced;
        },
        5000);
    return solved != nullptr;
  }

  // Plays the level on the board from what it hears, and gives the last announcement.
  std::wstring SolveLevel() {
    const std::optional<HeardBoard> heard = ReadBoard();
    if (!heard) return L"a cell's words never came";
    fixed_tiles_ = 0;
    Arrangement current{};
    int car = -1;
    for (int index = 0; index < kCells; ++index) {
      current[index] = (*heard)[index].edges;
      if ((*heard)[index].carries_car) car = index;
      if ((*heard)[index].fixed) ++fixed_tiles_;
    }
    const std::optional<Arrangement> wanted = SolvedArrangement(*heard);
    if (!wanted || car < 0) return L"the words allow no solution";
    for (int swaps = 0; swaps < 2 * kCells; ++swaps) {
      const std::optional<int> press = NextPress(current, car, *wanted);
      if (!press) return L"the board is arranged, but no Solved dialog came";
      if (!MoveTo(*press / kRows, *press % kRows)) return L"the cursor did not go where the keys sent it";
      const int announced = events_.Count(EVENT_OBJECT_VALUECHANGE, board_);
      if (PressAndListen()) {
        TypeKey(VK_RETURN);
        Eventually([&] { return events_.Count(EVENT_OBJECT_VALUECHANGE, board_) > announced; }, 5000);
        return object_.Value();
      }
      std::swap(current[car], current[*press]);
      car = *press;
      const std::optional<HeardCell> now = ParseCellWords(object_.Name());
      if (!now || !now->carries_car || now->edges != current[car]) return L"the swap's words disagree: " + object_.Name();
    }
    return L"the level was not solved in time";
  }

  int fixed_tiles() const { return fixed_tiles_; }

 private:
  GameSession& session_;
  HWND board_;
  Accessible object_;
  HeardEvents events_;
  int column_ = -1;
  int row_ = -1;
  int fixed_tiles_ = 0;
};

TEST_F(BoardByEar, LevelsOneAndFourAreSolvedWithKeysFromTheWordsAlone) {
  const DWORD started = GetTickCount();
  GameSession session(ShippedLevelFile());
  ResetGameSettings();
  ASSERT_TRUE(session.game().Start());
  // The splash goes by itself; the language question takes Enter for English.
  HWND main = session.game().WaitForWindow(L"TMainForm");
  ASSERT_NE(main, nullptr);
  HWND tongue = session.game().WaitForWindow(L"TTongueDlg", 10000);
  ASSERT_NE(tongue, nullptr) << "a first start asks the language";
  TypeKey(VK_RETURN);
  ASSERT_TRUE(WaitUntilHidden(tongue));
  HWND board = FindChild(main, L"TPaintBox", 520, 376);
  HWND selector = FindChild(main, L"ScrollBar", 84, 19);
  ASSERT_NE(board, nullptr);

  Listener ear(session, board);
  ASSERT_NE(ear.board().object, nullptr);
  ASSERT_TRUE(ear.events().hooked());
  EXPECT_TRUE(Eventually([&] { return ear.board().Description() == kBoardName; })) << ear.board().Description();
  EXPECT_EQ(ear.board().Role(), ROLE_SYSTEM_CELL);
  EXPECT_EQ(ear.board().Value().rfind(L"Level 1: unsolved. The car is at column ", 0), 0u) << ear.board().Value();
  EXPECT_FALSE(ear.board().State() & STATE_SYSTEM_FOCUSED) << "the level selector has the keyboard first";
  TypeKey(VK_TAB);
  ASSERT_TRUE(ear.events().Heard(EVENT_OBJECT_FOCUS, board)) << "Tab did not lead a reader to the board";
  ASSERT_TRUE(ear.has_focus());

  const std::wstring first = ear.SolveLevel();
  EXPECT_TRUE(EndsWith(first, L" Level 1: solved.")) << first;
  EXPECT_TRUE(ear.has_focus()) << "the board did not get the keyboard back from the Solved dialog";

  // On to level 4 by the level selector's own keys, and back to the board.
  TypeKey(VK_TAB);
  ASSERT_TRUE(ear.events().Heard(EVENT_OBJECT_FOCUS, selector)) << "Tab did not lead back to the level selector";
  for (int level = 2; level <= 4; ++level) {
    TypeKey(VK_RIGHT);
    const std::wstring start = L"Level " + std::to_wstring(level) + L": unsolved.";
    ASSERT_TRUE(Eventually([&] { return ear.board().Value().rfind(start, 0) == 0; })) << ear.board().Value();
  }
  const int board_focus = ear.events().Count(EVENT_OBJECT_FOCUS, board);
  TypeKey(VK_TAB);
  ASSERT_TRUE(Eventually([&] { return ear.events().Count(EVENT_OBJECT_FOCUS, board) > board_focus; }));
  const std::wstring fourth = ear.SolveLevel();
  EXPECT_TRUE(EndsWith(fourth, L" Level 4: solved.")) << fourth;
  EXPECT_EQ(ear.fixed_tiles(), 2) << "level 4 has two fixed tiles";
  std::printf("Both levels played by ear in %lu ms\n", static_cast<unsigned long>(GetTickCount() - started));
}

}  // namespace
}  // namespace verlumo::e2e
