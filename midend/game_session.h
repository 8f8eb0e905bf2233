// One game, as every front end runs it: the state, the rules, the files, the view and the sounds,
// wired once. A front end hands in its surfaces, its sound output and itself as the FrontEnd, and
// from then on only forwards what the player does (a press on the board, a toolbar command, a
// request of the level selector), the timer's ticks, paint requests, the first activation and
// the close; everything the player must see comes back through the FrontEnd.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/game_files.h"
#include "core/game_state.h"
#include "core/random.h"
#include "midend/board_cursor.h"
#include "midend/commands.h"
#include "midend/front_end.h"
#include "midend/layout.h"
#include "view/board_view.h"
#include "view/sound_player.h"

namespace verlumo {

// The bitmap list the view copies from and the three surfaces it draws on, all of the front
// end's own kind (GDI or memory); they outlive the session.
struct SessionSurfaces {
  BitmapList bitmaps;
  Surface& box;          // the board area, 520 x 376
  Surface& levelbox;     // the level counter, 57 x 20
  Surface& cell_buffer;  // 48 x 48
};

// What a front end keeps between runs: the registry's values in the Windows game, the browser's
// storage in the page.
struct StoredSettings {
  int language = kLanguageUnset;
  int level = 1;
  // The game file in use; none: noname.vlm in the program directory.
  std::optional<std::string> game_file;
  bool sound = true;
};

using SoundImages = std::array<std::vector<std::uint8_t>, 2>;

class GameSession final : private ViewHost, private ControlsDisplay {
 public:
  GameSession(const SessionSurfaces& surfaces, WaveOutput& wave_output, SoundImages sounds, FrontEnd& front_end);
  GameSession(const GameSession&) = delete;
  GameSession& operator=(const GameSession&) = delete;

  // The start, in two halves: a front end binds its help between them. First the settings, the
  // progress in the game file in use and the level file in program_directory, and the level
  // selector at the stored level; then the all-solved flag, the level on the board, the sound
  // switch and the toolbar's texts, which from then on follow every change of the language.
  void ReadProgressAndLevels(const std::string& program_directory, std::uint32_t seed,
                             const StoredSettings& settings);
  void StartFirstLevel();

  // What the player does. x and y are in the board area's pixels; a press beside the tiles
  // does nothing. shown is the position the selector shows, tracked the one its thumb was
  // dragged to.
  void PressBoard(int x, int y);
  void Run(Command command);
  void MoveLevelSelector(SelectorRequest request, int shown, int tracked);
  // A key on the board: it moves the cell cursor, presses the cursor's cell, or asks for the
  // loose road ends. The cursor starts on the car's cell at every level's start.
  void PressBoardKey(BoardKey key);

  // The timer's tick (every kTimerInterval) turns the car on the selected tile, from the first
  // frame on.
  void Tick() { view_.TimerTimer(); }
  // The sounds of a session started before they had arrived.
  void SetSounds(SoundImages sounds) { sounds_.SetSounds(std::move(sounds)); }
  // The board area and the level counter drawn whole. The first paint before the first
  // activation refreshes the toolbar's texts and the level selector first.
  void PaintBoardArea();
  void PaintLevelCounter() { view_.levelboxPaint(); }
  // The window's first activation shows the splash and then, while none was chosen, asks the
  // language; later activations, and one after the first paint, do nothing.
  void Activate();

  // The close: the end-game question, true for yes; then the save dialog offered (cancelling it
  // does not stop the close) and what the front end keeps until the next run.
  bool AskToClose();
  StoredSettings Close();

  StoredSettings settings() const;
  const GameState& state() const { return state_; }
  Language& language() { return state_.language; }

 private:
  // ViewHost and ControlsDisplay: what the rules and the view tell, passed on to the front end
  // when it changes what the front end shows.
  void SetCaption(const std::string& caption) override;
  void SetLevelCounterHint(const std::string& hint) override;
  void RepaintLevelButtons() override { front_end_.RepaintLevelButtons(); }
  void ApplyLanguage() override;
  void SetLevelSelectorRange(int last) override { front_end_.ShowLevelSelectorRange(last); }
  void SetLevelSelector(int position) override { front_end_.ShowLevelSelector(position); }

  void PressCell(Cell cell);
  void ReportSoundFailure();

  // What the board's words are told after: the start count, where the car was, whether solved.
  struct BoardMoment {
    int level_starts;
    Cell car;
    bool solved;
  };
  BoardMoment Moment() const;
  // After something the player did: a level's start or a swap announced, and the cursor shown.
  void TellBoard(const BoardMoment& before);
  void ShowBoardCursor();

  FrontEnd& front_end_;
  GameState state_;
  Random random_;
  bool sound_on_ = true;
  // Set at creation, cleared by the first activation or the first paint, whichever runs first.
  bool first_show_ = true;
  BoardView view_;
  SoundPlayer sounds_;
  Game game_;
  GameFiles files_;
  // What the front end was told last.
  std::optional<ToolbarTexts> shown_texts_;
  std::string shown_caption_;
  std::string shown_counter_hint_;
  CursorCell cursor_;
  std::optional<CursorCell> shown_cursor_;
  std::string shown_cursor_words_;
};

}  // namespace verlumo
