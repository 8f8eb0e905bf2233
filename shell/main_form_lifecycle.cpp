// The main window's life: its controls and creation step, the first activation, the close
// request, the close step that offers saving and writes the settings, and the destruction.
#include <windows.h>

#include "core/paths.h"
#include "shell/dialogs/game_dialogs.h"
#include "shell/main_form.h"
#include "shell/platform/program_path.h"
#include "shell/resource_ids.h"
#include "shell/asset_lists.h"
#include "shell/platform/utf16.h"

namespace verlumo {
namespace {

constexpr const char* kCommon = "common";

// The low 32 bits of the performance counter, or the tick count where there is no such counter.
std::uint32_t ClockSeed() {
  LARGE_INTEGER counter;
  if (QueryPerformanceCounter(&counter)) return static_cast<std::uint32_t>(counter.QuadPart);
  return GetTickCount();
}

}  // namespace

bool TMainForm::OnCreate() {
  icon_.reset(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAINICON),
                                            IMAGE_ICON, 32, 32, 0)));
  SendMessageW(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
  SendMessageW(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.get()));
  if (!ReadPicturesAndSounds()) {
    MessageBoxW(nullptr, L"The game's pictures and sounds cannot be read.", L"Verlumo", MB_OK | MB_ICONERROR);
    ExitProcess(1);
  }
  if (!CreateControls() || !FormCreate()) return false;
  created_ = true;
  return true;
}

// The bitmap and sound lists, which are read before the creation step runs.
bool TMainForm::ReadPicturesAndSounds() {
  const AssetLists lists = LoadAssetLists();
  if (!lists.error.empty()) return false;
  tile_sheet_ = std::make_unique<GdiBitmapSurface>(lists.bitmaps[0]);
  frame_sheet_ = std::make_unique<GdiBitmapSurface>(lists.bitmaps[1]);
  glyph_sheet_ = std::make_unique<GdiBitmapSurface>(lists.bitmaps[2]);
  if (!tile_sheet_->valid() || !frame_sheet_->valid() || !glyph_sheet_->valid()) return false;
  sounds_ = std::make_unique<SoundPlayer>(wave_output_, lists.sounds,
                                          [this] { return toolbar_.button(ToolButton::Sound).down(); });
  return true;
}

// The toolbar and the board area.
bool TMainForm::CreateControls() {
  if (!toolbar_.Create(handle(), [this] {
        if (!view_) return;
        GdiWindowSurface::Batch batch(*level_counter_surface_);
        view_->levelboxPaint();
      })) {
    return Refuse(L"the toolbar");
  }
  if (!box_.Create(handle(), RECT{0, Toolbar::kHeight, kClientWidth, kClientHeight},
                   [this] { boxPaint(); }, [this](int x, int y) { boxMouseDown(x, y); })) {
    return Refuse(L"the board area");
  }
  box_surface_ = std::make_unique<GdiWindowSurface>(box_.handle(), kBoardAreaWidth, kBoardAreaHeight);
  level_counter_surface_ = std::make_unique<GdiWindowSurface>(toolbar_.level_counter(), kLevelCounterWidth,
                                                              kLevelCounterHeight);
  questions_ = std::make_unique<PlayerQuestions>(handle(), state_.language);
  return true;
}

bool TMainForm::FormCreate() {
  first_show_ = true;
  GameState& state = state_;
  state.program_directory = ProgramDirectory();
  random_.Seed(ClockSeed());
  state.language.Set(ini_.ReadInteger(kCommon, "tongue", kLanguageUnset));

  RECT outer{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(handle(), GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(handle(), GWL_EXSTYLE)));
  SetWindowPos(handle(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  cell_buffer_ = std::make_unique<GdiBitmapSurface>(kCellBufferSize, kCellBufferSize);
  if (!cell_buffer_->valid()) {
    MessageBoxW(nullptr,
                Utf8ToWide(Bilingual(state.language.value(), "Zuwenig Speicher! Programm wird beendet.",
                                     "Not enough memory! Program aborted."))
                    .c_str(),
                L"Verlumo", MB_OK | MB_ICONERROR);
    ExitProcess(1);
  }
  view_ = std::make_unique<BoardView>(state, BitmapList{*tile_sheet_, *frame_sheet_, *glyph_sheet_},
                                      *box_surface_, *level_counter_surface_, *cell_buffer_,
                                      static_cast<ViewHost&>(*this));
  game_ = std::make_unique<Game>(state, GameDisplay{*view_, *sounds_, *this}, *questions_, random_);

  const int stored_level = ini_.ReadInteger(kCommon, "level", 1);
  state.levels.clear();
  state.solved_flags.fill(0);
  game_->LoadCurrentGameFile(ini_.ReadString(kCommon, "save", state.program_directory + kDefaultGameFileName));
  game_->ReadLevelFile();
  game_->SetUpLevelSelector(stored_level);
  help_hook_ = std::make_unique<hh::THookHelpSystem>(state.program_directory + "vlmo.chm", "",
                                                     hh::HelpMode::kDirectCall);
  game_->ComputeAllSolved();
  game_->StartLevel(state.current_level);
  toolbar_.button(ToolButton::Sound).set_down(ini_.ReadBool(kCommon, "sound", true));
  ApplyLanguage();
  // From now on every change of the language re-words the window at once.
  state.language.AddListener([this] { ApplyLanguage(); });
  view_->set_animation_frame(0);
  if (SetTimer(handle(), kAnimationTimer, kAnimationInterval, nullptr) == 0) return Refuse(L"the animation timer");
  return true;
}

void TMainForm::AttachDialogs(GameDialogs& dialogs) {
  dialogs_ = &dialogs;
  questions_->AttachDialogs(dialogs);
}

void TMainForm::Show() {
  form_helper_.Restore(handle());
  form_helper_.Explode(handle());
  ShowWindow(handle(), SW_SHOWNORMAL);
  UpdateWindow(handle());
}

void TMainForm::FormActivate() {
  SetFocus(toolbar_.level_scroll());
  if (!first_show_) return;
  first_show_ = false;
  dialogs_->ShowSplash();
  if (state_.language.value() == kLanguageUnset) dialogs_->ShowLanguage();
}

// Every way of closing comes here first; only "yes" in the end-game dialog lets it go on.
void TMainForm::OnClose() {
  if (!FormCloseQuery()) return;
  FormClose();
  DestroyWindow(handle());
}

bool TMainForm::FormCloseQuery() { return dialogs_->ShowEndGame() == kModalYes; }

void TMainForm::FormClose() {
  // Destroying the hook closes the help windows; the second close-all catches any opened since.
  help_hook_.reset();
  hh::HHCloseAll();
  // Cancelling the save dialog does not stop the close.
  game_->SaveGame();
  ReportSettingsFailure(ini_.WriteBool(kCommon, "sound", toolbar_.button(ToolButton::Sound).down()));
  ReportSettingsFailure(ini_.WriteInteger(kCommon, "level", state_.current_level));
  ReportSettingsFailure(ini_.WriteInteger(kCommon, "tongue", state_.language.value()));
  ReportSettingsFailure(ini_.WriteString(kCommon, "save", state_.current_game_file));
}

void TMainForm::FormDestroy() {
  KillTimer(handle(), kAnimationTimer);
  game_.reset();
  state_.levels.clear();
  view_.reset();
  cell_buffer_.reset();
}

void TMainForm::ReportSettingsFailure(const SettingsWriteResult& result) {
  if (result.ok()) return;
  MessageBoxW(handle(), Utf8ToWide(SettingsWriteErrorText(state_.language.value(), result)).c_str(),
              L"Verlumo", MB_OK | MB_ICONERROR);
}

}  // namespace verlumo
