// Everything the play rules ask of the window that shows them: drawing cells, refreshing the
// status displays, sounds, dialogs, file choosers and message boxes. The game window implements
// it; tests implement it with a recorder.
#pragma once

#include <optional>
#include <string>

#include "core/modal_result.h"

namespace verlumo {

enum class Dialog { Solved, AllSolved, Restart, GiveUp };

constexpr int kSolvedSound = 1;
constexpr int kClickSound = 2;

class GameHost {
 public:
  virtual ~GameHost() = default;

  virtual void DrawCell(int column, int row) = 0;
  virtual void PlaySound(int sound) = 0;

  // The language-dependent texts of the window, then UpdateCaption.
  virtual void ApplyLanguage() = 0;
  // The caption, and the level counter once more.
  virtual void UpdateCaption() = 0;
  virtual void levelboxPaint() = 0;
  virtual void DrawProgressGauge() = 0;

  virtual int ShowModal(Dialog dialog) = 0;

  // The level selector runs from 1 to last. Moving it to a new position reports the change
  // through Game::levelScrollChange; setting the position it already has reports nothing.
  virtual void SetLevelSelectorRange(int last) = 0;
  virtual void SetLevelSelector(int position) = 0;

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
