// The main window, TMainForm: the game's one working window. It owns the game session (the
// state, the rules, the files, the view and the sounds, midend/game_session.h) and gives it what
// is Windows: the bitmap and sound lists read from the resources, GDI surfaces on its board area
// and level counter, winmm output, the registry's settings, the toolbar, the dialogs and the help
// hook. It forwards window messages to the session and shows what the session tells it
// (FrontEnd).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "midend/front_end.h"
#include "midend/game_session.h"
#include "shell/form_helper.h"
#include "shell/forms/form.h"
#include "shell/forms/gdi_handles.h"
#include "shell/help/hh_funcs.h"
#include "shell/board_box.h"
#include "shell/player_questions.h"
#include "shell/settings/settings_store.h"
#include "shell/toolbar.h"
#include "view/board_geometry.h"
#include "view/win32/gdi_surface.h"
#include "view/win32/winmm_output.h"

namespace verlumo {

class GameDialogs;

class TMainForm final : public Form, private FrontEnd {
 public:
  static constexpr const wchar_t* kClassName = L"TMainForm";
  // The toolbar over the board area, as wide as the board area.
  static constexpr int kClientWidth = kBoardAreaWidth;
  static constexpr int kClientHeight = Toolbar::kHeight + kBoardAreaHeight;

  TMainForm();
  ~TMainForm() override;

  // Creates the window, hidden; its creation step FormCreate runs inside. False when the
  // window cannot be made.
  bool Create();
  // The dialogs are made after the main window; it shows them from then on.
  void AttachDialogs(GameDialogs& dialogs);
  // Puts the still hidden window in its place and plays the opening effect, spending the
  // effect's pauses on work_while_waiting (see FormHelper::Explode).
  void PlaceAndOpen(const std::function<bool()>& work_while_waiting);
  // Shows the window; its first activation opens the splash screen.
  void Show();
  HICON icon() const { return icon_.get(); }
  Language& language() { return session_->language(); }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  bool OnCreate() override;
  void FormActivate() override;
  void OnPaint(HDC dc) override;
  void OnCommand(int id, HWND control) override;
  void OnTimer(UINT_PTR id) override;
  void OnClose() override;

  // Start-up and shutdown.
  // False when the animation timer cannot be started.
  bool FormCreate();
  bool FormCloseQuery();
  void FormClose();
  void FormDestroy();
  bool ReadPicturesAndSounds();
  bool CreateControls();

  // Commands and events.
  void boxPaint();
  void boxMouseDown(int x, int y);
  void boxKeyDown(BoardKey key);
  void boxFocusChanged(bool taken, HWND other);
  // Tab and Shift+Tab: the focus goes from the level selector to the board and back.
  void MoveKeyboardFocus();
  // The one of the two that takes the keyboard which had it last.
  HWND KeyboardHome() const;
  void OnLevelScroll(int request);
  void TimerTimer();
  void ReportSettingsFailure(const SettingsWriteResult& result);

  // FrontEnd: what the session tells the window, and asks of it.
  void ShowTexts(const ToolbarTexts& texts) override;
  void ShowCaption(const std::string& caption) override;
  void ShowLevelCounterHint(const std::string& hint) override;
  void ShowLevelSelectorRange(int last) override { toolbar_.ShowLevelSelectorRange(last); }
  void ShowLevelSelector(int position) override { toolbar_.ShowLevelSelector(position); }
  void ShowSoundSwitch(bool on) override { toolbar_.button(ToolButton::Sound).set_down(on); }
  void ShowBoardCursor(int column, int row, const std::string& words) override;
  void Announce(const std::string& words) override;
  void RepaintLevelButtons() override;
  void ShowSplash() override;
  void AskLanguage() override;
  void ShowInfo() override;
  void ReportSoundFailure(const std::string& text) override;
  void RequestClose() override;
  void OpenRules(int help_context) override;
  void OpenMakerPage() override;
  // GameQuestions, answered by the game's dialogs, the file choosers and the message boxes.
  int ShowModal(Dialog dialog) override { return questions_->ShowModal(dialog); }
  std::optional<std::string> ChooseSaveFile(const std::string& folder,
                                            const std::optional<std::string>& file_name) override {
    return questions_->ChooseSaveFile(folder, file_name);
  }
  std::optional<std::string> ChooseOpenFile(const std::string& start_path) override {
    return questions_->ChooseOpenFile(start_path);
  }
  bool AskYesNoWarning(const std::string& text) override { return questions_->AskYesNoWarning(text); }
  void ShowErrorMessage(const std::string& text) override { questions_->ShowErrorMessage(text); }

  static constexpr UINT_PTR kAnimationTimer = 1;

  SettingsStore ini_;
  FormHelper form_helper_{ini_};
  GameDialogs* dialogs_ = nullptr;
  // Set once the creation step has run to its end: only a window that was made whole saves its
  // placement and posts the end of the program when it goes.
  bool created_ = false;

  OwnedIcon icon_;
  Toolbar toolbar_;
  BoardBox box_;
  // Whether the board had the keyboard last, not the level selector: the focus goes back there
  // whenever the window takes it again.
  bool keyboard_on_board_ = false;
  std::unique_ptr<PlayerQuestions> questions_;

  // The bitmap list, the cell buffer and the surfaces the view draws on.
  std::unique_ptr<GdiBitmapSurface> tile_sheet_, frame_sheet_, glyph_sheet_, cell_buffer_;
  std::unique_ptr<GdiWindowSurface> box_surface_, level_counter_surface_;
  SoundImages sound_images_;
  WinmmOutput wave_output_;

  // Made by the creation step once the surfaces are there; gone before them.
  std::unique_ptr<GameSession> session_;

  // The help hook lives from the window's creation to its close.
  std::unique_ptr<hh::THookHelpSystem> help_hook_;

  // The maker's home page, opened through the shell by the toolbar's last button; switched off
  // for the rest of the run when the shell cannot open it.
  bool maker_link_enabled_ = true;
};

}  // namespace verlumo
