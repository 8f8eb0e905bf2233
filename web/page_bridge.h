// The web page's side of the game: every role the rules and the view ask of a front end (the
// caption and hints, the level selector, the sounds, the questions, the commands only a page
// can carry out), each passed on to the page's script. The questions wait for the player's
// answer: the page's dialogs are promises, and the call is suspended until they settle.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/game_display.h"
#include "core/game_questions.h"
#include "midend/commands.h"
#include "midend/front_texts.h"
#include "view/board_view.h"
#include "view/sound_player.h"

namespace verlumo {

class GameSession;

// The folder of the page's files in the module's memory file system: the level file, the asset
// records and the game files. The page's script (verlumo.js) names the same folder.
constexpr const char* kGameFolder = "/game/";

class PageBridge final : public ViewHost,
                         public ControlsDisplay,
                         public GameQuestions,
                         public FrontEnd,
                         public WaveOutput {
 public:
  void Attach(GameSession& session) { session_ = &session; }

  // ViewHost
  void SetCaption(const std::string& caption) override;
  void SetLevelCounterHint(const std::string& hint) override;
  // The page's buttons draw themselves.
  void RepaintLevelButtons() override {}

  // ControlsDisplay
  void ApplyLanguage() override;
  void SetLevelSelectorRange(int last) override;
  void SetLevelSelector(int position) override;

  // GameQuestions, each a dialog of the page that the call waits for.
  int ShowModal(Dialog dialog) override;
  bool AskYesNoWarning(const std::string& text) override;
  void ShowErrorMessage(const std::string& text) override;
  // The page asks for a name only: game files lie in the module's game folder.
  std::optional<std::string> ChooseSaveFile(const std::string& folder,
                                            const std::optional<std::string>& file_name) override;
  // The browser's file chooser; the page copies the chosen file into the game folder.
  std::optional<std::string> ChooseOpenFile(const std::string& start_path) override;

  // FrontEnd
  void RequestClose() override;
  void AskLanguage() override;
  void OpenRules(int help_context) override;
  void ShowInfo() override;
  void OpenMakerPage() override;

  // WaveOutput: the page plays the image through Web Audio once the player has pressed
  // something; until then, and without Web Audio, nothing plays.
  unsigned DeviceCount() override;
  bool PlayImage(const std::uint8_t* image) override;
  void Stop(bool memory_flag) override;
  std::uint32_t LastError() override { return 0; }
  std::string ErrorText(std::uint32_t) override { return {}; }

  // Every text of the page in the current language, as JSON for the page's script.
  std::string TextsJson() const;

  // After a command: the game file just written, which the page offers as a download; nothing
  // when no save dialog was answered or the file does not hold the game.
  std::optional<std::string> TakeSavedGame();

 private:
  int AskMessage(Message message);

  GameSession* session_ = nullptr;
  std::optional<std::string> chosen_save_;
};

}  // namespace verlumo
