// What the view asks of the main window (the caption, the level counter's hint, the level
// buttons), the board area's paint handler, and reporting a refused sound.
#include "shell/main_form.h"
#include "shell/platform/utf16.h"

namespace verlumo {

void TMainForm::boxPaint() {
  if (first_show_) {
    // A paint that comes before the first activation refreshes the toolbar texts and the level
    // selector first.
    game_->SetSolvedState(state_.solved_state);
    game_->MoveLevelSelector(state_.current_level);
    first_show_ = false;
  }
  // One device context per window for the whole repaint.
  GdiWindowSurface::Batch box_batch(*box_surface_);
  GdiWindowSurface::Batch counter_batch(*level_counter_surface_);
  view_->PaintBoardArea();
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
