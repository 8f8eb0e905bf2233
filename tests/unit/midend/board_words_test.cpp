// The board in words, as a player who cannot see it hears it: each tile's roads by kind, shape
// and side, a cell's joined and loose roads, and the loose ends of a whole board; and the cell
// cursor's moves.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "midend/board_cursor.h"
#include "midend/board_words.h"
#include "tests/unit/core/test_support.h"

namespace verlumo {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

TEST(BoardWords, ATileIsNamedByTheShapeOfItsRoadsThenEachKindWithItsSides) {
  EXPECT_EQ(TileWords(0, kLanguageEnglish), "grass");
  EXPECT_EQ(TileWords(0, kLanguageGerman), "Gras");
  EXPECT_THAT(TileWords(38, kLanguageEnglish), AllOf(StartsWith("dead end"), EndsWith(", two-lane road left")));
  EXPECT_THAT(TileWords(2, kLanguageEnglish), AllOf(StartsWith("straight"), EndsWith(", two-lane road right and left")));
  EXPECT_EQ(TileWords(4, kLanguageEnglish), "bend, two-lane road top and right");
  EXPECT_EQ(TileWords(58, kLanguageEnglish), "crossing with a roundabout, two-lane road top, right, bottom and left");
  EXPECT_THAT(TileWords(63, kLanguageEnglish),
              AllOf(StartsWith("T-junction"), EndsWith(", two-lane road top, right and left")));
  EXPECT_THAT(TileWords(31, kLanguageEnglish),
              AllOf(StartsWith("crossing"), EndsWith(", two-lane road top and bottom, lane right and left")));
  EXPECT_THAT(TileWords(31, kLanguageGerman),
              AllOf(StartsWith("Kreuzung"), EndsWith(", Straße oben und unten, Feldweg rechts und links")));
  EXPECT_THAT(TileWords(21, kLanguageGerman), AllOf(StartsWith("Kurve"), EndsWith(", Straße links, Brückenstraße oben")));
  // Scenery says what it is first, then its roads.
  EXPECT_THAT(TileWords(96, kLanguageEnglish), EndsWith(", straight, bridge road right and left"));
  EXPECT_THAT(TileWords(96, kLanguageEnglish), Not(StartsWith(",")));
  EXPECT_EQ(TileWords(91, kLanguageEnglish), "copse of leafy trees") << "scenery without roads: only what it is";
}

// The ring of four bends in the top left corner, with a fixed bridge at the right border.
GameState RingState(int language) {
  GameState state;
  state.language.Set(language);
  state.board = RingLevel();
  state.board[CellIndex(8, 3)] = 96;
  state.has_selected_cell = true;
  state.selected_column = 0;
  state.selected_row = 0;
  return state;
}

TEST(BoardWords, ACellTellsWhereItIsWhatItHoldsAndWhichRoadsJoin) {
  GameState state = RingState(kLanguageEnglish);
  EXPECT_THAT(CellWords(state, {0, 0}), AllOf(StartsWith("Column 1, row 1: bend"),
                                              EndsWith("two-lane road right and bottom, carries the car; "
                                                       "joined right and bottom")));
  EXPECT_THAT(CellWords(state, {8, 3}), AllOf(StartsWith("Column 9, row 4: "),
                                              EndsWith("bridge road right and left, fixed; loose right and left")));
  EXPECT_EQ(CellWords(state, {4, 6}), "Column 5, row 7: grass");
  EXPECT_THAT(CellWords(state, {1, 0}), Not(HasSubstr("car"))) << "in the car's row";
  EXPECT_THAT(CellWords(state, {0, 1}), Not(HasSubstr("car"))) << "in the car's column";
  // A press there would do nothing: the words say why.
  EXPECT_EQ(RefusedPressWords(state, {8, 3}), "This tile is fixed; it cannot move.");
  EXPECT_EQ(RefusedPressWords(state, {0, 0}), "The car is on this tile; choose another tile to swap it with.");
  EXPECT_EQ(RefusedPressWords(state, {1, 0}), "");
  std::swap(state.board[CellIndex(1, 0)], state.board[CellIndex(2, 0)]);
  EXPECT_THAT(CellWords(state, {0, 0}), EndsWith("; joined bottom, loose right"));
  state.language.Set(kLanguageGerman);
  EXPECT_THAT(CellWords(state, {0, 0}), AllOf(StartsWith("Spalte 1, Zeile 1: Kurve"),
                                              EndsWith(", trägt das Auto; verbunden unten, offen rechts")));
  EXPECT_THAT(CellWords(state, {8, 3}), EndsWith(", fest; offen rechts und links"));
}

// Every road end that meets no road of its kind counts once: at the border, at a side without a
// road, at a road of another kind.
TEST(BoardWords, LooseRoadEndsAreCountedEndByEnd) {
  Board board = RingLevel();
  EXPECT_EQ(LooseRoadEnds(board), 0);
  EXPECT_EQ(LooseEndsWords(0, kLanguageEnglish), "No road end is loose.");
  board[CellIndex(1, 1)] = 0;
  EXPECT_EQ(LooseRoadEnds(board), 2);
  EXPECT_EQ(LooseEndsWords(2, kLanguageEnglish), "2 road ends are loose.");
  EXPECT_EQ(LooseEndsWords(2, kLanguageGerman), "2 Straßenenden sind offen.");
  board[CellIndex(8, 6)] = 4;  // a bend off the board on the right, into grass at the top
  EXPECT_EQ(LooseRoadEnds(board), 4);
  board[CellIndex(0, 0)] = 4;  // the first cell: a road off the top, and none for the bend under it
  EXPECT_EQ(LooseRoadEnds(board), 6);
  board = FilledBoard(0);
  board[CellIndex(3, 3)] = 38;  // a road ending on the left
  board[CellIndex(2, 3)] = 100;  // meets a lane there (fixed, lane on its left side only)
  EXPECT_EQ(LooseRoadEnds(board), 2);
  EXPECT_EQ(LooseEndsWords(1, kLanguageGerman), "1 Straßenende ist offen.");
}

TEST(BoardCursor, ArrowsStepAndStopAtTheEdgesTheOtherKeysJumpToThem) {
  const CursorCell middle{4, 3};
  EXPECT_EQ(MovedCursor(middle, BoardKey::kLeft), (CursorCell{3, 3}));
  EXPECT_EQ(MovedCursor(middle, BoardKey::kRight), (CursorCell{5, 3}));
  EXPECT_EQ(MovedCursor(middle, BoardKey::kUp), (CursorCell{4, 2}));
  EXPECT_EQ(MovedCursor(middle, BoardKey::kDown), (CursorCell{4, 4}));
  EXPECT_EQ(MovedCursor({0, 0}, BoardKey::kLeft), (CursorCell{0, 0}));
  EXPECT_EQ(MovedCursor({0, 0}, BoardKey::kUp), (CursorCell{0, 0}));
  EXPECT_EQ(MovedCursor({8, 6}, BoardKey::kRight), (CursorCell{8, 6}));
  EXPECT_EQ(MovedCursor({8, 6}, BoardKey::kDown), (CursorCell{8, 6}));
  EXPECT_EQ(MovedCursor(middle, BoardKey::kRowStart), (CursorCell{0, 3}));
  EXPECT_EQ(MovedCursor(middle, BoardKey::kRowEnd), (CursorCell{8, 3}));
  EXPECT_EQ(MovedCursor(middle, BoardKey::kColumnTop), (CursorCell{4, 0}));
  EXPECT_EQ(MovedCursor(middle, BoardKey::kColumnBottom), (CursorCell{4, 6}));
  EXPECT_EQ(MovedCursor(middle, BoardKey::kFirstCell), (CursorCell{0, 0}));
  EXPECT_EQ(MovedCursor(middle, BoardKey::kLastCell), (CursorCell{8, 6}));
  EXPECT_EQ(MovedCursor(middle, BoardKey::kPress), middle);
  EXPECT_EQ(MovedCursor(middle, BoardKey::kLooseEnds), middle);
}

}  // namespace
}  // namespace verlumo
