// The main window, TMainForm: the game's one working window. It owns the game state, the rules
// that work on it (Game) and its files (GameFiles), the view that draws it, the bitmap and sound
// lists, the toolbar, the player's questions, the settings store and the animation timer, and
// turns window messages into calls on the rules: presses become cells, scroll requests become
// selector positions. It gives the view the caption, the counter's hint and the level buttons
// (ViewHost).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/game.h"
#include "core/game_files.h"
#include "core/game_state.h"
#include "midend/commands.h"
#include "shell/form_helper.h"
#include "shell/forms/form.h"
#include "shell/forms/gdi_handles.h"
#include "shell/help/hh_funcs.h"
#include "shell/paint_box.h"
#include "shell/player_questions.h"
#include "shell/settings/settings_store.h"
#include "shell/toolbar.h"
#include "view/board_geometry.h"
#include "view/board_view.h"
#include "view/sound_player.h"
#include "view/win32/gdi_surface.h"
#include "view/win32/winmm_output.h"

namespace verlumo {

class GameDialogs;

class TMainForm final : public Form, private ViewHost, private FrontEnd {
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
  Language& language() { return state_.language; }

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
  void OnLevelScroll(int request);
  void TimerTimer();
  // Shows, once the event that caused it has finished, a sound the system refused.
  void ReportSoundFailure();
  void ReportSettingsFailure(const SettingsWriteResult& result);

  // ViewHost: what the drawing asks of the window.
  void SetCaption(const std::string& caption) override;
  void SetLevelCounterHint(const std::string& hint) override;
  void RepaintLevelButtons() override;

  // FrontEnd: the toolbar's commands that the window carries out itself.
  void RequestClose() override;
  void AskLanguage() override;
  void OpenRules(int help_context) override;
  void ShowInfo() override;
  void OpenMakerPage() override;

  static constexpr UINT_PTR kAnimationTimer = 1;
  static constexpr UINT kAnimationInterval = 75;  // milliseconds

  GameState state_;
  Random random_;
  // Made by the creation step once the view and the sounds are there; gone before them.
  std::unique_ptr<Game> game_;
  std::unique_ptr<GameFiles> files_;
  std::unique_ptr<GameCommands> commands_;
  SettingsStore ini_;
  FormHelper form_helper_{ini_};
  GameDialogs* dialogs_ = nullptr;
  bool first_show_ = false;
  // Set once the creation step has run to its end: only a window that was made whole saves its
  // placement and posts the end of the program when it goes.
  bool created_ = false;

  OwnedIcon icon_;
  Toolbar toolbar_{state_.language};
  PaintBox box_;
  std::unique_ptr<PlayerQuestions> questions_;

  // The bitmap list, the cell buffer and the surfaces the view draws on.
  std::unique_ptr<GdiBitmapSurface> tile_sheet_, frame_sheet_, glyph_sheet_, cell_buffer_;
  std::unique_ptr<GdiWindowSurface> box_surface_, level_counter_surface_;
  std::unique_ptr<BoardView> view_;

  WinmmOutput wave_output_;
  std::unique_ptr<SoundPlayer> sounds_;

  // The help hook lives from the window's creation to its close.
  std::unique_ptr<hh::THookHelpSystem> help_hook_;

  // The maker's home page, opened through the shell by the toolbar's last button; switched off
  // for the rest of the run when the shell cannot open it.
  bool maker_link_enabled_ = true;
};

}  // namespace verlumo
