// The pictures the view draws, checked pixel by pixel on memory surfaces with stand-in sheets.
#include "view/board_view.h"

#include <gtest/gtest.h>

#include "core/game.h"
#include "tests/unit/view/synthetic_sheets.h"
#include "view/board_geometry.h"
#include "view/status_texts.h"
#include "verlumo_version.h"

namespace verlumo {
namespace {

using namespace verlumo::testing;
using namespace verlumo::sheet;

constexpr std::uint32_t kBoxBackground = 0x777777;
constexpr std::uint32_t kCounterBackground = 0x010101;

class ViewRecorder : public ViewHost {
 public:
  void SetCaption(const std::string& text) override { caption = text; }
  void SetLevelCounterHint(const std::string& text) override { hint = text; }
  void RepaintLevelButtons() override { ++button_repaints; }
  std::string caption, hint;
  int button_repaints = 0;
};

// The play rules drawing through the view; everything else they ask for is granted silently.
class SilentRest : public GameSounds, public ControlsDisplay, public GameQuestions {
 public:
  void PlaySound(int) override {}
  void ApplyLanguage() override {}
  void SetLevelSelectorRange(int) override {}
  void SetLevelSelector(int) override {}
  int ShowModal(Dialog) override { return kModalOk; }
  std::optional<std::string> ChooseSaveFile(const std::string&, const std::optional<std::string>&) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseOpenFile(const std::string&) override { return std::nullopt; }
  bool AskYesNoWarning(const std::string&) override { return false; }
  void ShowErrorMessage(const std::string&) override {}
};

class BoardViewTest : public ::testing::Test {
 protected:
  BoardViewTest() {
    state.levels.assign(1, Board{});
    state.has_selected_cell = true;
  }

  // Puts code on the board at (column, row) and makes it the selected cell.
  void SelectTile(TileCode code, int column, int row) {
    state.board[CellIndex(column, row)] = code;
    state.selected_column = column;
    state.selected_row = row;
  }
  std::uint32_t BoxPixelInCell(int column, int row, int x, int y) const {
    return box.pixel(kBoardLeft + column * kTileSize + x, kBoardTop + row * kTileSize + y);
  }
  void SetLevelCount(int count, int solved) {
    state.levels.assign(static_cast<std::size_t>(count), Board{});
    state.solved_flags.fill(0);
    for (int level = 1; level <= solved; ++level) state.solved_flags[level - 1] = 1;
  }

  GameState state;
  MemorySurface tiles = MakeTileSheet();
  MemorySurface frame = MakeFrameSheet();
  MemorySurface glyphs = MakeGlyphSheet();
  MemorySurface box{kBoardAreaWidth, kBoardAreaHeight, kBoxBackground};
  MemorySurface levelbox{57, 20, kCounterBackground};
  MemorySurface cell_buffer{kTileSize, kTileSize};
  ViewRecorder host;
  BoardView view{state, {tiles, frame, glyphs}, box, levelbox, cell_buffer, host};
};

TEST_F(BoardViewTest, LevelCounterBlanksLeadingZerosOnlyAndLeavesTheGapsUnpainted) {
  struct Case {
    int level;
    int glyphs[3];
  };
  const int blank = kBlankDigitLeft;
  for (const Case& c : {Case{7, {blank, blank, 77}}, Case{10, {blank, 11, 0}},
                        Case{99, {blank, 99, 99}}, Case{100, {11, 0, 0}}, Case{305, {33, 0, 55}},
                        Case{500, {55, 0, 0}}}) {
    SetLevelCount(500, 0);
    state.current_level = c.level;
    view.levelboxPaint();
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(levelbox.pixel(kCounterDigitPitch * i, 0), GlyphColour(c.glyphs[i]))
          << "level " << c.level << ", digit cell " << i;
      EXPECT_EQ(levelbox.pixel(kCounterDigitPitch * i + 10, 19), GlyphColour(c.glyphs[i]));
    }
  }
  for (int x : {11, 12, 24, 25, 37, 41, 55, 56}) EXPECT_EQ(levelbox.pixel(x, 5), kCounterBackground) << x;
}

TEST_F(BoardViewTest, LevelCounterFaceAndHintFollowTheSolvedFlagAndTheLanguage) {
  SetLevelCount(120, 0);
  state.current_level = 12;
  state.language.Set(kLanguageEnglish);
  view.levelboxPaint();
  EXPECT_EQ(levelbox.pixel(kCounterFaceLeft, 0), GlyphColour(kUnsolvedFaceLeft));
  EXPECT_EQ(levelbox.pixel(kCounterFaceLeft + 12, 19), GlyphColour(kUnsolvedFaceLeft));
  EXPECT_EQ(host.hint, "Level 12: unsolved");

  state.solved_flags[11] = 7;  // any non-zero flag counts as solved
  view.levelboxPaint();
  EXPECT_EQ(levelbox.pixel(kCounterFaceLeft, 0), GlyphColour(kSolvedFaceLeft));
  EXPECT_EQ(levelbox.pixel(kCounterFaceLeft + 12, 19), GlyphColour(kSolvedFaceLeft));
  EXPECT_EQ(levelbox.pixel(kCounterFaceLeft + 13, 5), kCounterBackground) << "nothing beside the face";
  EXPECT_EQ(host.hint, "Level 12: solved");

  state.current_level = 3;
  state.solved_flags[2] = 1;
  state.language.Set(kLanguageGerman);
  view.levelboxPaint();
  EXPECT_EQ(host.hint, "Stufe 3: gelöst");
  state.solved_flags[2] = 0;
  view.levelboxPaint();
  EXPECT_EQ(host.hint, "Stufe 3: ungelöst");
  state.language.Set(7);  // anything but German reads English
  view.levelboxPaint();
  EXPECT_EQ(host.hint, "Level 3: unsolved");
}

TEST_F(BoardViewTest, GaugeFillsWholeRowsFromTheBottomInProportionToTheSolvedLevels) {
  struct Case {
    int count, solved, filled_rows;
  };
  // 1 of 500 fills (1 * 315) / 500 = 0 rows; 2 of 500 one row; 499 of 500 all but the top row.
  for (const Case& c : {Case{500, 0, 0}, Case{500, 1, 0}, Case{500, 2, 1}, Case{500, 499, 314},
                        Case{500, 500, 315}, Case{1, 0, 0}, Case{1, 1, 315}, Case{3, 0, 0}}) {
    SetLevelCount(c.count, c.solved);
    // Set once every level was solved, the flag outlives a new game; only solved flags count.
    state.all_solved = true;
    const int copies_before = box.copy_count();
    view.DrawProgressGauge();
    const bool one_strip = c.solved == 0 || c.solved == c.count;
    EXPECT_EQ(box.copy_count() - copies_before, one_strip ? 1 : 2);
    for (int y = kGaugeTop; y < kGaugeTop + kGaugeHeight; ++y) {
      const bool filled = y >= kGaugeTop + kGaugeHeight - c.filled_rows;
      for (int x : {0, 15, kGaugeWidth - 1}) {
        ASSERT_EQ(box.pixel(kFullGaugeLeft + x, y), filled ? FullGaugeColour(y) : EmptyGaugeColour(y))
            << c.solved << " of " << c.count << ", row " << y << ", column " << x;
      }
    }
    EXPECT_EQ(box.pixel(kFullGaugeLeft - 1, 100), kBoxBackground);
    EXPECT_EQ(box.pixel(kFullGaugeLeft + kGaugeWidth, 100), kBoxBackground);
  }
}

TEST_F(BoardViewTest, GaugeIgnoresFlagsOfLevelsTheLevelFileDoesNotHave) {
  SetLevelCount(1, 0);
  state.solved_flags.fill(1);
  state.solved_flags[0] = 0;
  view.DrawProgressGauge();
  EXPECT_EQ(box.pixel(kFullGaugeLeft, kGaugeTop + kGaugeHeight - 1), EmptyGaugeColour(kGaugeTop + kGaugeHeight - 1));
}

TEST_F(BoardViewTest, MarkerSitsAtTheAnchorOfTheTilesCodeWithTheTileVisibleAroundIt) {
  SelectTile(4, 2, 3);  // code 4 carries its marker at (19, 7)
  view.TimerTimer();
  ASSERT_EQ(view.animation_frame(), 1);
  const int marker_x = 19 + kMarkerBlockLeft, marker_y = 7 + kMarkerBlockTop;
  EXPECT_EQ(BoxPixelInCell(2, 3, marker_x, marker_y), MarkerColour(1));
  EXPECT_EQ(BoxPixelInCell(2, 3, marker_x + kMarkerBlockWidth - 1, marker_y + kMarkerBlockHeight - 1), MarkerColour(1));
  EXPECT_EQ(BoxPixelInCell(2, 3, marker_x - 1, marker_y), TileColour(4));
  EXPECT_EQ(BoxPixelInCell(2, 3, marker_x, marker_y + kMarkerBlockHeight), TileColour(4));
  EXPECT_EQ(BoxPixelInCell(2, 3, 0, 0), TileColour(4));
  EXPECT_EQ(BoxPixelInCell(2, 3, 47, 47), TileColour(4));

  SelectTile(42, 5, 0);  // (7, 13)
  view.TimerTimer();
  EXPECT_EQ(BoxPixelInCell(5, 0, 7 + kMarkerBlockLeft, 13 + kMarkerBlockTop), MarkerColour(2));
  EXPECT_EQ(BoxPixelInCell(2, 3, marker_x, marker_y), MarkerColour(1)) << "only the selected cell is drawn";
}

TEST_F(BoardViewTest, EachTickShowsTheNextOfEightFramesAndCostsFourCopies) {
  SelectTile(1, 0, 0);
  std::vector<CopyRecord> composed;
  cell_buffer.AttachLog(&composed);
  for (int tick = 1; tick <= 9; ++tick) {
    composed.clear();
    const int board_copies = box.copy_count();
    view.TimerTimer();
    const int frame_number = tick % 8;
    ASSERT_EQ(view.animation_frame(), frame_number);
    ASSERT_EQ(composed.size(), 3u);
    EXPECT_EQ(composed[1], (CopyRecord{13, 13, 20, 20, &frame, 30 + 20 * frame_number, 50, RasterOp::kAnd}));
    EXPECT_EQ(composed[2], (CopyRecord{13, 13, 20, 20, &frame, 30 + 20 * frame_number, 30, RasterOp::kPaint}));
    EXPECT_EQ(box.copy_count() - board_copies, 1);
  }
}

TEST_F(BoardViewTest, ASolvedLevelShowsTheSelectedTilePlainWithTwoCopiesATick) {
  SelectTile(4, 8, 6);
  state.solved_state = true;
  const int copies = box.copy_count() + cell_buffer.copy_count();
  view.TimerTimer();
  EXPECT_EQ(box.copy_count() + cell_buffer.copy_count() - copies, 2);
  for (int y = 0; y < kTileSize; ++y)
    for (int x = 0; x < kTileSize; ++x) ASSERT_EQ(BoxPixelInCell(8, 6, x, y), TileColour(4));
}

TEST_F(BoardViewTest, AFullRepaintDrawsInItsFixedOrderAndRemovesTheMarker) {
  SetLevelCount(3, 1);
  for (int cell = 0; cell < kCells; ++cell) state.board[cell] = static_cast<TileCode>(cell);
  state.selected_column = 1;  // cell (1, 0) holds code 7, whose marker sits at (19, 19)
  view.TimerTimer();
  ASSERT_EQ(BoxPixelInCell(1, 0, 19 + kMarkerBlockLeft, 19 + kMarkerBlockTop), MarkerColour(1));
  std::vector<CopyRecord> log;
  box.AttachLog(&log);
  const int counter_copies = levelbox.copy_count();
  view.PaintBoardArea();

  ASSERT_EQ(log.size(), 1u + 63u + 2u);
  EXPECT_EQ(log[0], (CopyRecord{0, 0, 520, 376, &frame, 0, 0, RasterOp::kCopy}));
  for (int i = 0; i < 63; ++i) {
    const PixelOffset picture = SheetPosition(static_cast<TileCode>(i));
    EXPECT_EQ(log[1 + i], (CopyRecord{22 + (i / 7) * 48, 20 + (i % 7) * 48, 48, 48, &tiles, picture.x,
                                      picture.y, RasterOp::kCopy}));
  }
  EXPECT_EQ(log[64].source, &frame);
  EXPECT_EQ(levelbox.copy_count() - counter_copies, 8) << "the counter is painted twice";
  EXPECT_EQ(host.button_repaints, 1);
  EXPECT_EQ(host.caption, "Verlumo V" VERLUMO_VERSION);
  EXPECT_EQ(BoxPixelInCell(1, 0, 19 + kMarkerBlockLeft, 19 + kMarkerBlockTop), TileColour(7));
}

TEST_F(BoardViewTest, PlayRulesRedrawOnlyTheCellsTheyChange) {
  SilentRest rest;
  Random random(99);
  GameState game_state;
  BoardView game_view{game_state, {tiles, frame, glyphs}, box, levelbox, cell_buffer, host};
  Game game(game_state, GameDisplay{game_view, rest, rest}, rest, random);
  game.state.levels.assign(1, Board{});
  for (int cell = 0; cell < kCells; ++cell) game.state.levels[0][cell] = static_cast<TileCode>(1 + cell % 89);

  std::vector<CopyRecord> log;
  box.AttachLog(&log);
  game.StartLevel(1);
  ASSERT_EQ(log.size(), 63u) << "a level start draws the cells, neither background nor gauge";
  for (const CopyRecord& copy : log) EXPECT_EQ(copy.source, &tiles);

  log.clear();
  const int old_column = game.state.selected_column, old_row = game.state.selected_row;
  const int column = (old_column + 4) % kColumns, row = (old_row + 3) % kRows;
  game.PressCell(column, row);
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].x, kBoardLeft + column * kTileSize);
  EXPECT_EQ(log[0].y, kBoardTop + row * kTileSize);
  EXPECT_EQ(log[1].x, kBoardLeft + old_column * kTileSize);
  EXPECT_EQ(log[1].y, kBoardTop + old_row * kTileSize);
}

// Every pixel of a drawn cell maps back to that cell; the frame around the tiles maps to none.
TEST(BoardGeometry, CellAtTurnsEveryPixelOfACellBackIntoThatCell) {
  for (int column = 0; column < kColumns; ++column) {
    for (int row = 0; row < kRows; ++row) {
      const PixelOffset origin = CellOrigin(column, row);
      for (auto [dx, dy] : {std::pair{0, 0}, {kTileSize - 1, 0}, {0, kTileSize - 1}, {kTileSize - 1, kTileSize - 1}}) {
        const std::optional<Cell> cell = CellAt(origin.x + dx, origin.y + dy);
        ASSERT_TRUE(cell.has_value()) << column << "," << row;
        EXPECT_EQ(cell->column * 10 + cell->row, column * 10 + row);
      }
    }
  }
  const PixelOffset last = CellOrigin(kColumns - 1, kRows - 1);
  for (auto [x, y] : {std::pair{kBoardLeft - 1, kBoardTop}, {kBoardLeft, kBoardTop - 1},
                      {last.x + kTileSize, kBoardTop}, {kBoardLeft, last.y + kTileSize},
                      {-5, -5}, {kBoardAreaWidth - 1, kBoardAreaHeight - 1}})
    EXPECT_FALSE(CellAt(x, y).has_value()) << x << "," << y;
}

TEST(StatusTexts, CaptionNamesTheGameFileInTheCurrentLanguage) {
  EXPECT_EQ(CaptionText(kLanguageGerman, ""), "Verlumo V" VERLUMO_VERSION);
  EXPECT_EQ(CaptionText(kLanguageEnglish, ""), "Verlumo V" VERLUMO_VERSION);
  EXPECT_EQ(CaptionText(kLanguageGerman, "C:\\Spiele\\noname.vlm"), "Verlumo V" VERLUMO_VERSION " - Spiel noname.vlm");
  EXPECT_EQ(CaptionText(kLanguageEnglish, "C:\\Spiele\\noname.vlm"), "Verlumo V" VERLUMO_VERSION " - Game noname.vlm");
  EXPECT_EQ(CaptionText(kLanguageUnset, "D:\\a.b\\mein spiel.vlm"), "Verlumo V" VERLUMO_VERSION " - Game mein spiel.vlm");
}

}  // namespace
}  // namespace verlumo
