// What the rules ask the player: the game's announcements and questions, the file choosers and
// the standard message boxes. A shell object that owns the dialogs answers.
#pragma once

#include <optional>
#include <string>

#include "core/modal_result.h"

namespace verlumo {

enum class Dialog { Solved, AllSolved, Restart, GiveUp, EndGame };

class GameQuestions {
 public:
  virtual ~GameQuestions() = default;

  // Shows the dialog modally and returns its modal result.
  virtual int ShowModal(Dialog dialog) = 0;

  // The standard save dialog, opened in folder; file_name fills its name field, or, when absent,
  // the field keeps what the dialog last had. Empty when the player cancels.
  virtual std::optional<std::string> ChooseSaveFile(const std::string& folder,
                                                    const std::optional<std::string>& file_name) = 0;
  // The standard open dialog, handed start_path as its starting folder. Empty on cancel.
  virtual std::optional<std::string> ChooseOpenFile(const std::string& start_path) = 0;

  // A warning message box with Yes and No; true for Yes.
  virtual bool AskYesNoWarning(const std::string& text) = 0;
  // An error message box with a single OK button.
  virtual void ShowErrorMessage(const std::string& text) = 0;
};

}  // namespace verlumo
