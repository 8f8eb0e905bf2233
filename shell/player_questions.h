// The questions role of the game window: the game's own dialogs, the standard file choosers
// and the standard message boxes, all owned by the main window.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "core/game_questions.h"
#include "core/language.h"
#include "shell/file_dialogs.h"

namespace verlumo {

class GameDialogs;

class PlayerQuestions final : public GameQuestions {
 public:
  // A file dialog that cannot be opened is reported in the current language.
  PlayerQuestions(HWND main_window, const Language& language);

  // The dialogs are made after the main window; until then only message boxes are asked.
  void AttachDialogs(GameDialogs& dialogs) { dialogs_ = &dialogs; }

  int ShowModal(Dialog dialog) override;
  std::optional<std::string> ChooseSaveFile(const std::string& folder,
                                            const std::optional<std::string>& file_name) override;
  std::optional<std::string> ChooseOpenFile(const std::string& start_path) override;
  bool AskYesNoWarning(const std::string& text) override;
  void ShowErrorMessage(const std::string& text) override;

 private:
  HWND main_window_;
  GameFileDialogs file_dialogs_;
  GameDialogs* dialogs_ = nullptr;
};

}  // namespace verlumo
