// The services the play rules and the drawing ask of the main window: cells and status displays
// drawn by the view, sounds, the dialogs, file choosers and message boxes.
#include "shell/dialogs/game_dialogs.h"
#include "shell/main_form.h"
#include "shell/platform/utf16.h"

namespace verlumo {

void TMainForm::boxPaint() {
  if (first_show_) {
    // A paint that comes before the first activation refreshes the toolbar texts and the level
    // selector first.
    game_.SetSolvedState(game_.state.solved_state);
    SetLevelSelector(game_.state.current_level);
    first_show_ = false;
  }
  // One device context per window for the whole repaint.
  GdiWindowSurface::Batch box_batch(*box_surface_);
  GdiWindowSurface::Batch counter_batch(*level_counter_surface_);
  view_->PaintBoardArea();
}

void TMainForm::DrawCell(int column, int row) { view_->DrawCell(column, row); }

void TMainForm::PlaySound(int sound) { sounds_->PlaySound(sound); }

void TMainForm::UpdateCaption() { view_->UpdateCaption(); }

void TMainForm::levelboxPaint() {
  if (!view_) return;
  GdiWindowSurface::Batch batch(*level_counter_surface_);
  view_->levelboxPaint();
}

void TMainForm::DrawProgressGauge() { view_->DrawProgressGauge(); }

int TMainForm::ShowModal(Dialog dialog) {
  switch (dialog) {
    case Dialog::Solved: return dialogs_->ShowSolved();
    case Dialog::AllSolved: return dialogs_->ShowAllSolved();
    case Dialog::Restart: return dialogs_->ShowRestart();
    case Dialog::GiveUp: return dialogs_->ShowGiveUp();
  }
  return kModalCancel;
}

std::optional<std::string> TMainForm::ChooseSaveFile(const std::string& folder,
                                                     const std::optional<std::string>& file_name) {
  return file_dialogs_->ChooseSaveFile(folder, file_name);
}

std::optional<std::string> TMainForm::ChooseOpenFile(const std::string& start_path) {
  return file_dialogs_->ChooseOpenFile(start_path);
}

bool TMainForm::AskYesNoWarning(const std::string& text) {
  return MessageBoxW(handle(), Utf8ToWide(text).c_str(), L"Warning", MB_YESNO | MB_ICONWARNING) == IDYES;
}

void TMainForm::ShowErrorMessage(const std::string& text) {
  MessageBoxW(IsWindowVisible(handle()) ? handle() : nullptr, Utf8ToWide(text).c_str(), L"Error",
              MB_OK | MB_ICONERROR);
}

void TMainForm::ReportSoundFailure() {
  if (!sounds_) return;
  if (std::optional<std::string> failure = sounds_->TakeFailure()) {
    MessageBoxW(handle(), Utf8ToWide(*failure).c_str(), L"Verlumo", MB_OK | MB_ICONERROR);
  }
}

void TMainForm::SetCaption(const std::string& caption) { SetWindowTextW(handle(), Utf8ToWide(caption).c_str()); }

void TMainForm::SetLevelCounterHint(const std::string& hint) { toolbar_.SetHint(toolbar_.level_counter(), hint); }

void TMainForm::RepaintLevelButtons() {
  toolbar_.button(ToolButton::Up).RepaintNow();
  toolbar_.button(ToolButton::Down).RepaintNow();
}

}  // namespace verlumo
