// The web page's side of the game: what the game session tells a front end (texts, caption, the
// level selector, the sound switch, the questions, the requests only a page can carry out) and the
// sound output, each passed on to the page's script. The questions wait for the player's answer:
// the page's dialogs are promises, and the call is suspended until they settle.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "midend/front_end.h"
#include "midend/game_session.h"
#include "view/sound_player.h"

namespace verlumo {

// The folder of the page's files in the module's memory file system: the level file, the asset
// records and the game files.
constexpr const char* kGameFolder = "/game/";

class PageBridge final : public FrontEnd, public WaveOutput {
 public:
  void Attach(GameSession& session) { session_ = &session; }

  // FrontEnd: what the page shows. The page takes its whole description anew in the new language.
  void ShowTexts(const ToolbarTexts& texts) override;
  void ShowCaption(const std::string& caption) override;
  void ShowLevelCounterHint(const std::string& hint) override;
  void ShowLevelSelectorRange(int last) override;
  void ShowLevelSelector(int position) override;
  void ShowSoundSwitch(bool on) override;
  void ShowBoardCursor(int column, int row, const std::string& words) override;
  void Announce(const std::string& words) override;
  // The page's buttons draw themselves.
  void RepaintLevelButtons() override {}

  // FrontEnd: the dialogs of the page, each one a call that waits for the player.
  void ShowSplash() override;
  void AskLanguage() override;
  void ShowInfo() override;
  void ReportSoundFailure(const std::string& text) override { ShowErrorMessage(text); }
  int ShowModal(Dialog dialog) override;
  bool AskYesNoWarning(const std::string& text) override;
  void ShowErrorMessage(const std::string& text) override;
  // The page asks for a name only: game files lie in the module's game folder.
  std::optional<std::string> ChooseSaveFile(const std::string& folder,
                                            const std::optional<std::string>& file_name) override;
  // The browser's file chooser; the page copies the chosen file into the game folder.
  std::optional<std::string> ChooseOpenFile(const std::string& start_path) override;

  // FrontEnd: requests. A page cannot close its tab; the close is carried out once the command
  // that asked for it has ended (TakeCloseRequest).
  void RequestClose() override { close_requested_ = true; }
  void OpenRules(int help_context) override;
  void OpenMakerPage() override;

  // WaveOutput: the page plays the image through Web Audio once the player has pressed
  // something; until then, and without Web Audio, nothing plays.
  unsigned DeviceCount() override;
  bool PlayImage(const std::uint8_t* image) override;
  void Stop(bool memory_flag) override;
  std::uint32_t LastError() override { return 0; }
  std::string ErrorText(std::uint32_t) override { return {}; }

  // After a command: the game file just written, which the page offers as a download; nothing
  // when no save dialog was answered or the file does not hold the game.
  std::optional<std::string> TakeSavedGame();
  bool TakeCloseRequest() { return std::exchange(close_requested_, false); }

 private:
  GameSession* session_ = nullptr;
  std::optional<std::string> chosen_save_;
  bool close_requested_ = false;
};

}  // namespace verlumo
