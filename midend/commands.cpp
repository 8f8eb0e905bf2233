// Turning the toolbar's commands and the level selector's requests into calls on the rules.
#include "midend/commands.h"

#include "core/texts.h"

namespace verlumo {

int RulesHelpContext(int language) { return language == kLanguageGerman ? 1 : 2; }

void GameCommands::Run(Command command) {
  switch (command) {
    case Command::NewGame: game_.NewGameBtnClick(); break;
    case Command::Restart: game_.RestartBtnClick(); break;
    case Command::Load: files_.LoadGame(); break;
    case Command::Save: files_.SaveGame(); break;
    case Command::Sound: break;  // the switch is the button's own state, read at each play
    case Command::Exit: front_end_.RequestClose(); break;
    case Command::Down: game_.sDownBtnClick(); break;
    case Command::Up: game_.sUpBtnClick(); break;
    case Command::Tongue: front_end_.AskLanguage(); break;
    case Command::Rules: front_end_.OpenRules(RulesHelpContext(game_.state.language.value())); break;
    case Command::Info: front_end_.ShowInfo(); break;
    case Command::Zorbel: front_end_.OpenMakerPage(); break;
  }
}

void GameCommands::ReadProgressAndLevels(const std::string& game_file, int stored_level) {
  game_.state.levels.clear();
  game_.state.solved_flags.fill(0);
  files_.LoadCurrentGameFile(game_file);
  files_.ReadLevelFile();
  game_.SetUpLevelSelector(stored_level);
}

void GameCommands::StartFirstLevel() {
  game_.ComputeAllSolved();
  game_.StartLevel(game_.state.current_level);
}

int GameCommands::SelectorTarget(SelectorRequest request, int shown, int tracked, int last) {
  switch (request) {
    case SelectorRequest::kLineLeft: return shown - 1;
    case SelectorRequest::kLineRight: return shown + 1;
    case SelectorRequest::kPageLeft: return shown - kSelectorPageStep;
    case SelectorRequest::kPageRight: return shown + kSelectorPageStep;
    case SelectorRequest::kFirst: return 1;
    case SelectorRequest::kLast: return last;
    case SelectorRequest::kTrack: return tracked;
  }
  return shown;
}

// The rules decide what a position means: they clamp it, and only a new one starts a level.
void GameCommands::MoveLevelSelector(SelectorRequest request, int shown, int tracked) {
  game_.MoveLevelSelector(SelectorTarget(request, shown, tracked, game_.state.level_count()));
}

}  // namespace verlumo
