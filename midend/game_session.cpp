// Wiring one game, running its start, its input and its close in the Windows game's order, and
// passing on to the front end only what changed.
#include "midend/game_session.h"

#include <utility>

#include "midend/board_words.h"
#include "view/board_geometry.h"

namespace verlumo {

GameSession::GameSession(const SessionSurfaces& surfaces, WaveOutput& wave_output, SoundImages sounds,
                         FrontEnd& front_end)
    : front_end_(front_end),
      view_(state_, surfaces.bitmaps, surfaces.box, surfaces.levelbox, surfaces.cell_buffer,
            static_cast<ViewHost&>(*this)),
      sounds_(wave_output, std::move(sounds), [this] { return sound_on_; }),
      game_(state_, GameDisplay{view_, sounds_, static_cast<ControlsDisplay&>(*this)}, front_end, random_),
      files_(state_, view_, front_end) {}

void GameSession::ReadProgressAndLevels(const std::string& program_directory, std::uint32_t seed,
                                        const StoredSettings& settings) {
  state_.program_directory = program_directory;
  random_.Seed(seed);
  state_.language.Set(settings.language);
  sound_on_ = settings.sound;
  files_.LoadCurrentGameFile(settings.game_file.value_or(program_directory + kDefaultGameFileName));
  files_.ReadLevelFile();
  game_.SetUpLevelSelector(settings.level);
}

void GameSession::StartFirstLevel() {
  const BoardMoment before = Moment();
  game_.ComputeAllSolved();
  game_.StartLevel(state_.current_level);
  front_end_.ShowSoundSwitch(sound_on_);
  ApplyLanguage();
  TellBoard(before);
  // From now on every change of the language re-words the front end at once.
  state_.language.AddListener([this] {
    ApplyLanguage();
    ShowBoardCursor();
  });
}

void GameSession::PressBoard(int x, int y) {
  if (const std::optional<Cell> cell = CellAt(x, y)) PressCell(*cell);
}

// A press by mouse or key, on a cell of the board: the rules, a sound they had refused, and
// what the press did, in words.
void GameSession::PressCell(Cell cell) {
  const BoardMoment before = Moment();
  game_.PressCell(cell.column, cell.row);
  ReportSoundFailure();
  TellBoard(before);
}

void GameSession::PressBoardKey(BoardKey key) {
  const int language = state_.language.value();
  switch (key) {
    case BoardKey::kPress: {
      const Cell cell{cursor_.column, cursor_.row};
      if (const std::string refused = RefusedPressWords(state_, cell); !refused.empty()) {
        front_end_.Announce(refused);
        return;
      }
      PressCell(cell);
      return;
    }
    case BoardKey::kLooseEnds: front_end_.Announce(LooseEndsWords(LooseRoadEnds(state_.board), language)); return;
    default:
      cursor_ = MovedCursor(cursor_, key);
      ShowBoardCursor();
  }
}

void GameSession::Run(Command command) {
  const BoardMoment before = Moment();
  switch (command) {
    case Command::NewGame: game_.NewGameBtnClick(); break;
    case Command::Restart: game_.RestartBtnClick(); break;
    case Command::Load: files_.LoadGame(); break;
    case Command::Save: files_.SaveGame(); break;
    case Command::Sound:
      // Nothing else happens at that moment: the switch is read at every play.
      sound_on_ = !sound_on_;
      front_end_.ShowSoundSwitch(sound_on_);
      break;
    case Command::Exit: front_end_.RequestClose(); break;
    case Command::Down: game_.sDownBtnClick(); break;
    case Command::Up: game_.sUpBtnClick(); break;
    case Command::Tongue: front_end_.AskLanguage(); break;
    case Command::Rules: front_end_.OpenRules(RulesHelpContext(state_.language.value())); break;
    case Command::Info: front_end_.ShowInfo(); break;
    case Command::Zorbel: front_end_.OpenMakerPage(); break;
  }
  TellBoard(before);
}

// The rules decide what a position means: they clamp it, and only a new one starts a level.
void GameSession::MoveLevelSelector(SelectorRequest request, int shown, int tracked) {
  const BoardMoment before = Moment();
  game_.MoveLevelSelector(SelectorTarget(request, shown, tracked, state_.level_count()));
  TellBoard(before);
}

void GameSession::PaintBoardArea() {
  if (first_show_) {
    game_.SetSolvedState(state_.solved_state);
    game_.MoveLevelSelector(state_.current_level);
    first_show_ = false;
  }
  view_.PaintBoardArea();
}

void GameSession::Activate() {
  if (!first_show_) return;
  first_show_ = false;
  front_end_.ShowSplash();
  if (state_.language.value() == kLanguageUnset) front_end_.AskLanguage();
}

bool GameSession::AskToClose() { return front_end_.ShowModal(Dialog::EndGame) == kModalYes; }

StoredSettings GameSession::Close() {
  files_.SaveGame();
  return settings();
}

StoredSettings GameSession::settings() const {
  return {state_.language.value(), state_.current_level, state_.current_game_file, sound_on_};
}

void GameSession::SetCaption(const std::string& caption) {
  if (caption == shown_caption_) return;
  shown_caption_ = caption;
  front_end_.ShowCaption(caption);
}

void GameSession::SetLevelCounterHint(const std::string& hint) {
  if (hint == shown_counter_hint_) return;
  shown_counter_hint_ = hint;
  front_end_.ShowLevelCounterHint(hint);
}

// The toolbar's texts, then the caption, which repaints the level counter with its hint.
void GameSession::ApplyLanguage() {
  ToolbarTexts texts = ToolbarTextsFor(state_.language.value());
  if (texts != shown_texts_) {
    shown_texts_ = texts;
    front_end_.ShowTexts(texts);
  }
  view_.UpdateCaption();
}

GameSession::BoardMoment GameSession::Moment() const {
  return {state_.level_starts, {state_.selected_column, state_.selected_row}, state_.solved_state};
}

void GameSession::TellBoard(const BoardMoment& before) {
  if (state_.level_starts != before.level_starts) {
    cursor_ = state_.has_selected_cell ? CursorCell{state_.selected_column, state_.selected_row} : CursorCell{};
    front_end_.Announce(LevelStartWords(state_));
  } else if (state_.selected_column != before.car.column || state_.selected_row != before.car.row) {
    std::string words = SwapWords(state_, before.car);
    if (state_.solved_state && !before.solved) words.append(" ").append(LevelSolvedWords(state_));
    front_end_.Announce(words);
  }
  ShowBoardCursor();
}

void GameSession::ShowBoardCursor() {
  std::string words = CellWords(state_, {cursor_.column, cursor_.row});
  if (cursor_ == shown_cursor_ && words == shown_cursor_words_) return;
  shown_cursor_ = cursor_;
  shown_cursor_words_ = words;
  front_end_.ShowBoardCursor(cursor_.column, cursor_.row, shown_cursor_words_);
}

// Only a press plays a sound: the click, and the solved sound after it.
void GameSession::ReportSoundFailure() {
  if (std::optional<std::string> failure = sounds_.TakeFailure()) front_end_.ReportSoundFailure(*failure);
}

}  // namespace verlumo
