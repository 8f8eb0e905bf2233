// The game session as a front end sees it: what it is told at the start, after a command, a
// request of the level selector, the first show and the close, and in which order.
#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include <gmock/gmock.h>

#include "midend/board_words.h"
#include "midend/game_session.h"
#include "tests/unit/core/test_support.h"
#include "tests/unit/view/synthetic_sheets.h"
#include "view/status_texts.h"

namespace verlumo {
namespace {

class RecordingFrontEnd final : public FrontEnd, public WaveOutput {
 public:
  Log log;
  std::vector<std::string> heard;
  std::deque<int> modal_results;  // Cancel once used up
  std::optional<std::string> save_choice;

  void ShowTexts(const ToolbarTexts& texts) override { Add("ShowTexts " + texts.level_label); }
  void ShowCaption(const std::string& caption) override { Add("ShowCaption " + caption); }
  void ShowLevelCounterHint(const std::string& hint) override { Add("ShowLevelCounterHint " + hint); }
  void ShowLevelSelectorRange(int last) override { Add("ShowLevelSelectorRange " + std::to_string(last)); }
  void ShowLevelSelector(int position) override { Add("ShowLevelSelector " + std::to_string(position)); }
  void ShowSoundSwitch(bool on) override { Add(on ? "ShowSoundSwitch on" : "ShowSoundSwitch off"); }
  // What a screen reader hears is kept apart from the window's own calls.
  void ShowBoardCursor(int column, int row, const std::string& words) override {
    heard.push_back("cursor " + std::to_string(column) + "," + std::to_string(row) + " " + words);
  }
  void Announce(const std::string& words) override { heard.push_back(words); }
  void RepaintLevelButtons() override { Add("RepaintLevelButtons"); }
  void ShowSplash() override { Add("ShowSplash"); }
  void AskLanguage() override { Add("AskLanguage"); }
  void ShowInfo() override { Add("ShowInfo"); }
  void ReportSoundFailure(const std::string& text) override { Add("ReportSoundFailure " + text); }
  void RequestClose() override { Add("RequestClose"); }
  void OpenRules(int help_context) override { Add("OpenRules " + std::to_string(help_context)); }
  void OpenMakerPage() override { Add("OpenMakerPage"); }
  int ShowModal(Dialog dialog) override {
    Add("ShowModal " + std::to_string(static_cast<int>(dialog)));
    if (modal_results.empty()) return kModalCancel;
    const int result = modal_results.front();
    modal_results.pop_front();
    return result;
  }
  std::optional<std::string> ChooseSaveFile(const std::string& folder, const std::optional<std::string>&) override {
    Add("ChooseSaveFile " + folder);
    return save_choice;
  }
  std::optional<std::string> ChooseOpenFile(const std::string&) override { return std::nullopt; }
  bool AskYesNoWarning(const std::string&) override { return false; }
  void ShowErrorMessage(const std::string& text) override { Add("ShowErrorMessage " + text); }

  // A sound device that refuses every sound, when there is one.
  unsigned devices = 0;
  unsigned DeviceCount() override { return devices; }
  bool PlayImage(const std::uint8_t*) override { return false; }
  void Stop(bool) override {}
  std::uint32_t LastError() override { return 5; }
  std::string ErrorText(std::uint32_t) override { return "refused"; }

  Log Take() { return std::exchange(log, {}); }

 private:
  void Add(const std::string& call) { log.push_back(call); }
};

// A session on three ring levels in a scratch program folder, level 2 solved in its game file.
class GameSessionTest : public ::testing::Test {
 protected:
  GameSessionTest() {
    const Board ring = RingLevel();
    Bytes levels;
    for (int level = 0; level < 3; ++level) {
      for (const TileCode code : ring) levels.push_back(code);
    }
    WriteBytes(folder.File("vlmo.dat"), levels);
    Bytes flags(kMaxLevels, 0);
    flags[1] = 1;
    WriteBytes(folder.File("noname.vlm"), flags);
  }

  void Start(const StoredSettings& settings) {
    session.ReadProgressAndLevels(folder.Folder(), 7, settings);
    session.StartFirstLevel();
    front_end.Take();
  }

  // Carries the selected tile across the board until the ring is closed: each press brings the
  // code the selected tile's place wants, or moves the tile off a place that is already right.
  void SolveByPresses(const std::function<void(int column, int row)>& press) {
    const Board ring = RingLevel();
    for (int presses = 0; presses < 200 && session.state().board != ring; ++presses) {
      const GameState& state = session.state();
      const int at = CellIndex(state.selected_column, state.selected_row);
      int target = -1;
      for (int cell = 0; cell < kColumns * kRows && target < 0; ++cell) {
        const bool misplaced = cell != at && state.board[cell] != ring[cell];
        if (misplaced && (ring[at] == state.board[at] || state.board[cell] == ring[at])) target = cell;
      }
      press(target / kRows, target % kRows);
    }
  }
  void SolveByPresses() {
    SolveByPresses([this](int column, int row) { session.PressBoard(CellX(column) + 1, CellY(row) + 1); });
  }

  ScratchFolder folder;
  MemorySurface tiles = testing::MakeTileSheet();
  MemorySurface frame = testing::MakeFrameSheet();
  MemorySurface glyphs = testing::MakeGlyphSheet();
  MemorySurface box{kBoardAreaWidth, kBoardAreaHeight};
  MemorySurface levelbox{kLevelCounterWidth, kLevelCounterHeight};
  MemorySurface cell_buffer{kCellBufferSize, kCellBufferSize};
  RecordingFrontEnd front_end;
  GameSession session{SessionSurfaces{BitmapList{tiles, frame, glyphs}, box, levelbox, cell_buffer}, front_end,
                      SoundImages{Bytes{1}, Bytes{2}}, front_end};
};

// The selector is set up before the first level starts, and every text is told once, however
// often the rules re-word the toolbar on the way.
TEST_F(GameSessionTest, StartsAtTheStoredLevelAndTellsEachTextOnce) {
  session.ReadProgressAndLevels(folder.Folder(), 7, {kLanguageGerman, 2, std::nullopt, false});
  session.StartFirstLevel();
  EXPECT_EQ(front_end.Take(), (Log{"ShowLevelSelectorRange 3", "ShowLevelSelector 2", "ShowTexts Stufe:",
                                   "ShowLevelCounterHint " + LevelCounterHint(kLanguageGerman, 2, true),
                                   "ShowCaption " + CaptionText(kLanguageGerman, folder.File("noname.vlm")),
                                   "ShowSoundSwitch off"}));
  EXPECT_EQ(session.state().current_level, 2);
}

// One press of "next unsolved level" reaches the front end as the counter's new hint and the
// selector's new position; the solved level 2 is passed over.
TEST_F(GameSessionTest, NextUnsolvedLevelTellsTheSelectorAndTheCounter) {
  Start({kLanguageEnglish, 1, std::nullopt, true});
  session.Run(Command::Up);
  EXPECT_EQ(front_end.Take(),
            (Log{"ShowLevelCounterHint " + LevelCounterHint(kLanguageEnglish, 3, false), "ShowLevelSelector 3"}));
  session.Run(Command::Sound);
  EXPECT_EQ(front_end.Take(), Log{"ShowSoundSwitch off"});
  EXPECT_FALSE(session.settings().sound);
}

// The board is shuffled by the seed the front end gives, and painted whole on request.
TEST_F(GameSessionTest, ShufflesByTheGivenSeedAndPaintsTheBoardAreaWhole) {
  Start({kLanguageEnglish, 1, std::nullopt, true});
  MemorySurface other_box{kBoardAreaWidth, kBoardAreaHeight};
  GameSession other{SessionSurfaces{BitmapList{tiles, frame, glyphs}, other_box, levelbox, cell_buffer}, front_end,
                    SoundImages{}, front_end};
  other.ReadProgressAndLevels(folder.Folder(), 8, {kLanguageEnglish, 1, std::nullopt, true});
  other.StartFirstLevel();
  EXPECT_NE(other.state().board, session.state().board);
  EXPECT_NE(box.pixel(0, 0), testing::kFrameColour) << "the start draws the cells only";
  session.PaintBoardArea();
  EXPECT_EQ(box.pixel(0, 0), testing::kFrameColour);
}

// A new language re-words the toolbar, the counter and the caption at once.
TEST_F(GameSessionTest, FollowsTheLanguage) {
  Start({kLanguageEnglish, 1, std::nullopt, true});
  session.language().Set(kLanguageGerman);
  EXPECT_EQ(front_end.Take(), (Log{"ShowTexts Stufe:", "ShowLevelCounterHint " + LevelCounterHint(kLanguageGerman, 1, false),
                                   "ShowCaption " + CaptionText(kLanguageGerman, folder.File("noname.vlm"))}));
  session.Run(Command::Rules);
  EXPECT_EQ(front_end.Take(), Log{"OpenRules 1"}) << "the German rules";
  session.language().Set(kLanguageEnglish);
  front_end.Take();
  session.Run(Command::Rules);
  EXPECT_EQ(front_end.Take(), Log{"OpenRules 2"});
}

// A sound the device refuses costs the player nothing: the swap is made, and the refusal is
// reported once the press has been handled.
TEST_F(GameSessionTest, ReportsARefusedSoundAfterThePress) {
  Start({kLanguageEnglish, 1, std::nullopt, true});
  front_end.devices = 1;
  const int column = session.state().selected_column == 8 ? 7 : 8;
  session.PressBoard(CellX(column) + 1, CellY(6) + 1);
  EXPECT_EQ(session.state().selected_column, column);
  EXPECT_EQ(front_end.Take().back(), "ReportSoundFailure System Error.  Code: 5.\r\nrefused");
  // The same by a key: the cursor is on the car's first cell, which the car has just left.
  session.PressBoardKey(BoardKey::kPress);
  EXPECT_NE(session.state().selected_column, column);
  EXPECT_EQ(front_end.Take().back(), "ReportSoundFailure System Error.  Code: 5.\r\nrefused");
}

// An arrow steps one level, a page ten; Home and End go to the ends; the thumb where it is dragged.
TEST(SelectorTarget, EachRequestAsksForItsPosition) {
  EXPECT_EQ(SelectorTarget(SelectorRequest::kLineLeft, 20, 0, 500), 19);
  EXPECT_EQ(SelectorTarget(SelectorRequest::kLineRight, 20, 0, 500), 21);
  EXPECT_EQ(SelectorTarget(SelectorRequest::kPageLeft, 20, 0, 500), 10);
  EXPECT_EQ(SelectorTarget(SelectorRequest::kPageRight, 20, 0, 500), 30);
  EXPECT_EQ(SelectorTarget(SelectorRequest::kFirst, 20, 0, 500), 1);
  EXPECT_EQ(SelectorTarget(SelectorRequest::kLast, 20, 0, 500), 500);
  EXPECT_EQ(SelectorTarget(SelectorRequest::kTrack, 20, 40, 500), 40);
  EXPECT_EQ(SelectorTarget(static_cast<SelectorRequest>(9), 20, 40, 500), 20) << "an unknown request stays put";
}

TEST_F(GameSessionTest, SelectorRequestsAreClampedAndTheShownPositionDoesNothing) {
  Start({kLanguageEnglish, 1, std::nullopt, true});
  session.MoveLevelSelector(SelectorRequest::kPageRight, 1, 0);
  EXPECT_EQ(session.state().current_level, 3);
  front_end.Take();
  session.MoveLevelSelector(SelectorRequest::kTrack, 3, 3);
  EXPECT_TRUE(front_end.Take().empty());
}

// The splash and the language question come with the first activation only, and not at all
// when the board area was painted first.
TEST_F(GameSessionTest, TheFirstActivationShowsTheSplashThenAsksTheLanguage) {
  Start({kLanguageUnset, 1, std::nullopt, true});
  session.Activate();
  session.Activate();
  EXPECT_EQ(front_end.Take(), (Log{"ShowSplash", "AskLanguage"}));
}

TEST_F(GameSessionTest, TheFirstPaintTakesThePlaceOfTheFirstActivation) {
  Start({kLanguageUnset, 1, std::nullopt, true});
  session.PaintBoardArea();
  front_end.Take();
  session.Activate();
  EXPECT_TRUE(front_end.Take().empty());
}

// Solving a level when every level was solved at the start announces that level only: the
// congratulation on all of them belongs to the run in which the last one was solved.
TEST_F(GameSessionTest, AGameSolvedBeforeTheStartIsNotAnnouncedAgain) {
  WriteBytes(folder.File("noname.vlm"), Bytes(3, 1));
  Start({kLanguageEnglish, 1, std::nullopt, true});
  SolveByPresses();
  const Log log = front_end.Take();
  EXPECT_EQ(std::count(log.begin(), log.end(), "ShowModal 0"), 1) << "Solved";
  EXPECT_EQ(std::count(log.begin(), log.end(), "ShowModal 1"), 0) << "All solved";
}

// Played by keys and heard: the cursor starts on the car, a press that cannot swap says why, a
// press elsewhere says what went where, the last one that the level is solved; the words follow
// the language, and a restart brings the cursor back to the car.
TEST_F(GameSessionTest, ALevelIsPlayedByKeysAndHeard) {
  using ::testing::Contains;
  using ::testing::EndsWith;
  using ::testing::HasSubstr;
  using ::testing::StartsWith;
  Start({kLanguageEnglish, 1, std::nullopt, true});
  const GameState& state = session.state();
  const auto at_car = [&state](const char* column, const char* row) {
    return column + std::to_string(state.selected_column + 1) + row + std::to_string(state.selected_row + 1);
  };
  const auto cursor_on_car = [&state] {
    return "cursor " + std::to_string(state.selected_column) + "," + std::to_string(state.selected_row) + " ";
  };
  ASSERT_EQ(front_end.heard.size(), 2u);
  EXPECT_EQ(front_end.heard[0], "Level 1: unsolved. The car is at " + at_car("column ", ", row ") + ".");
  EXPECT_THAT(front_end.heard[1], AllOf(StartsWith(cursor_on_car() + at_car("Column ", ", row ") + ": "),
                                        HasSubstr(", carries the car")));
  front_end.heard.clear();
  session.PressBoardKey(BoardKey::kPress);
  session.PressBoardKey(BoardKey::kLooseEnds);
  session.PressBoardKey(BoardKey::kRowEnd);  // the cursor moves; the car stays
  session.PressBoardKey(BoardKey::kLooseEnds);
  const std::string loose = LooseEndsWords(LooseRoadEnds(state.board), kLanguageEnglish);
  ASSERT_EQ(front_end.heard.size(), 4u);
  EXPECT_EQ(front_end.heard[0], "The car is on this tile; choose another tile to swap it with.");
  EXPECT_EQ(front_end.heard[1], loose);
  EXPECT_THAT(front_end.heard[2], StartsWith("cursor 8,"));
  EXPECT_EQ(front_end.heard[3], loose);
  // What changes nothing on the board says nothing.
  front_end.heard.clear();
  session.Run(Command::Sound);
  EXPECT_TRUE(front_end.heard.empty());
  EXPECT_NE(LooseRoadEnds(state.board), 0);

  SolveByPresses([this](int column, int row) {
    session.PressBoardKey(BoardKey::kFirstCell);
    for (int step = 0; step < column; ++step) session.PressBoardKey(BoardKey::kRight);
    for (int step = 0; step < row; ++step) session.PressBoardKey(BoardKey::kDown);
    session.PressBoardKey(BoardKey::kPress);
  });
  EXPECT_EQ(state.board, RingLevel());
  EXPECT_THAT(front_end.heard, Contains(AllOf(StartsWith("Swapped. The car is now at column "),
                                              HasSubstr(" now holds: "), EndsWith(". Level 1: solved."))));
  EXPECT_THAT(front_end.Take(), Contains("ShowModal 0"));

  front_end.heard.clear();
  session.language().Set(kLanguageGerman);
  ASSERT_EQ(front_end.heard.size(), 1u);
  EXPECT_THAT(front_end.heard[0], AllOf(StartsWith("cursor "), HasSubstr(" Spalte ")));
  // A level chosen by the selector is announced as it starts, with its solved flag.
  front_end.heard.clear();
  session.MoveLevelSelector(SelectorRequest::kLineRight, 1, 0);
  ASSERT_EQ(front_end.heard.size(), 2u);
  EXPECT_EQ(front_end.heard[0], "Stufe 2: gelöst. Das Auto steht in " + at_car("Spalte ", ", Zeile ") + ".");
  // A click swaps as a key does, and is said alike; the cursor, left on the car's old cell, now
  // holds the tile clicked.
  front_end.heard.clear();
  const std::string car_was = at_car("Spalte ", ", Zeile ");
  const int old_cell = CellIndex(state.selected_column, state.selected_row);
  const int column = state.selected_column == 8 ? 7 : 8;
  session.PressBoard(CellX(column) + 1, CellY(6) + 1);
  ASSERT_EQ(front_end.heard.size(), 2u);
  EXPECT_EQ(front_end.heard[0], "Getauscht. Das Auto steht jetzt in Spalte " + std::to_string(column + 1) +
                                    ", Zeile 7; in " + car_was + " liegt jetzt: " +
                                    TileWords(state.board[old_cell], kLanguageGerman) + ".");
  EXPECT_THAT(front_end.heard[1], StartsWith("cursor " + std::to_string(old_cell / kRows) + "," +
                                             std::to_string(old_cell % kRows) + " " + car_was + ": "));
  front_end.heard.clear();
  front_end.modal_results = {kModalYes};  // give up the swapped level
  session.Run(Command::Restart);
  ASSERT_EQ(front_end.heard.size(), 2u);
  EXPECT_EQ(front_end.heard[0], "Stufe 2: gelöst. Das Auto steht in " + at_car("Spalte ", ", Zeile ") + ".");
  EXPECT_THAT(front_end.heard[1], AllOf(StartsWith(cursor_on_car()), HasSubstr(", trägt das Auto")));
}

// A level without a tile to carry (the blank level a broken level file leaves) is announced
// without a car, and the cursor waits in the board's middle.
TEST_F(GameSessionTest, ALevelWithoutACarPutsTheCursorInTheMiddle) {
  Bytes blank(kCells, 0);
  WriteBytes(folder.File("vlmo.dat"), blank);
  Start({kLanguageEnglish, 1, std::nullopt, true});
  ASSERT_EQ(front_end.heard.size(), 2u);
  EXPECT_EQ(front_end.heard[0], "Level 1: unsolved.");
  EXPECT_EQ(front_end.heard[1], "cursor 4,3 Column 5, row 4: grass");
}

// Only yes closes; the close then offers the save and gives back what the front end keeps.
TEST_F(GameSessionTest, ClosesOnlyOnYesAndSavesTheProgressItWasAskedTo) {
  Start({kLanguageGerman, 3, folder.File("mine.vlm"), false});
  front_end.modal_results = {kModalCancel, kModalYes};
  EXPECT_FALSE(session.AskToClose());
  EXPECT_TRUE(session.AskToClose());
  front_end.save_choice = folder.File("kept");
  const StoredSettings kept = session.Close();
  EXPECT_EQ(front_end.Take(), (Log{"ShowModal 4", "ShowModal 4", "ChooseSaveFile " + folder.Folder(),
                                   "ShowCaption " + CaptionText(kLanguageGerman, folder.File("kept.vlm"))}));
  EXPECT_EQ(kept.language, kLanguageGerman);
  EXPECT_EQ(kept.level, 3);
  EXPECT_EQ(kept.game_file, folder.File("kept.vlm"));
  EXPECT_FALSE(kept.sound);
  EXPECT_EQ(ReadBytes(folder.File("kept.vlm")).size(), static_cast<std::size_t>(kMaxLevels));
}

}  // namespace
}  // namespace verlumo
