// Answering the rules' questions with the game's dialogs, the file choosers and message boxes.
#include "shell/player_questions.h"

#include "core/texts.h"
#include "shell/dialogs/game_dialogs.h"
#include "platform/win32/utf16.h"

namespace verlumo {

PlayerQuestions::PlayerQuestions(HWND main_window, const Language& language)
    : main_window_(main_window), file_dialogs_(main_window, [this, &language](const std::string& reason) {
        ShowErrorMessage(Bilingual(language.value(), "Der Dateidialog kann nicht geöffnet werden: ",
                                   "The file dialog cannot be opened: ") +
                         reason);
      }) {}

int PlayerQuestions::ShowModal(Dialog dialog) {
  if (dialogs_ == nullptr) return kModalCancel;
  switch (dialog) {
    case Dialog::Solved: return dialogs_->ShowSolved();
    case Dialog::AllSolved: return dialogs_->ShowAllSolved();
    case Dialog::Restart: return dialogs_->ShowRestart();
    case Dialog::GiveUp: return dialogs_->ShowGiveUp();
    case Dialog::EndGame: return dialogs_->ShowEndGame();
  }
  return kModalCancel;
}

std::optional<std::string> PlayerQuestions::ChooseSaveFile(const std::string& folder,
                                                           const std::optional<std::string>& file_name) {
  return file_dialogs_.ChooseSaveFile(folder, file_name);
}

std::optional<std::string> PlayerQuestions::ChooseOpenFile(const std::string& start_path) {
  return file_dialogs_.ChooseOpenFile(start_path);
}

bool PlayerQuestions::AskYesNoWarning(const std::string& text) {
  return MessageBoxW(main_window_, Utf8ToWide(text).c_str(), L"Warning", MB_YESNO | MB_ICONWARNING) == IDYES;
}

void PlayerQuestions::ShowErrorMessage(const std::string& text) {
  // Errors of the creation step come before the window is shown; they stand on their own.
  MessageBoxW(IsWindowVisible(main_window_) ? main_window_ : nullptr, Utf8ToWide(text).c_str(), L"Error",
              MB_OK | MB_ICONERROR);
}

}  // namespace verlumo
