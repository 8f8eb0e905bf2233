// The main window: its start-up and shutdown, its messages and toolbar commands, and what the
// view asks of it.
#include "shell/main_form.h"

#include "core/texts.h"
#include "midend/front_texts.h"
#include "shell/asset_lists.h"
#include "shell/dialogs/game_dialogs.h"
#include "shell/dialogs/hyperlink_label.h"
#include "shell/help/application_help.h"
#include "shell/platform/program_path.h"
#include "platform/win32/utf16.h"
#include "shell/resource_ids.h"
#include "verlumo_version.h"

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

TMainForm::TMainForm() = default;
TMainForm::~TMainForm() = default;

bool TMainForm::Create() {
  return CreateForm(kClassName, L"" VERLUMO_PRODUCT_CAPTION,
                    {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0},
                    kClientWidth, kClientHeight, nullptr);
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lparam) == toolbar_.level_scroll()) OnLevelScroll(LOWORD(wparam));
      return 0;
    case WM_SETFOCUS:
      // The level selector is the one control that takes the keyboard.
      SetFocus(toolbar_.level_scroll());
      return 0;
    case WM_CTLCOLORSTATIC: {
      LRESULT brush = 0;
      if (toolbar_.ColourLevelLabel(reinterpret_cast<HWND>(lparam), reinterpret_cast<HDC>(wparam), brush)) {
        return brush;
      }
      break;
    }
    case WM_DESTROY:
      // A window whose creation failed goes without a trace: nothing stored, no end posted, so
      // that the message saying why can still be shown.
      if (!created_) break;
      ReportSettingsFailure(form_helper_.Save(handle()));
      FormDestroy();
      PostQuitMessage(0);
      return 0;
  }
  return DefaultHandling(message, wparam, lparam);
}

void TMainForm::OnPaint(HDC dc) { toolbar_.Paint(dc); }

void TMainForm::OnTimer(UINT_PTR id) {
  if (id == kAnimationTimer) TimerTimer();
}

void TMainForm::OnCommand(int id, HWND) {
  if (id == kLevelScrollId) return;
  const int command = id - kFirstToolButtonId;
  if (command < 0 || command >= kCommandCount) return;
  commands_->Run(static_cast<Command>(command));
  ReportSoundFailure();
}

// The scroll bar's requests in the mid-end's words; every position the thumb passes counts.
void TMainForm::OnLevelScroll(int request) {
  SelectorRequest selector;
  switch (request) {
    case SB_LINELEFT: selector = SelectorRequest::kLineLeft; break;
    case SB_LINERIGHT: selector = SelectorRequest::kLineRight; break;
    case SB_PAGELEFT: selector = SelectorRequest::kPageLeft; break;
    case SB_PAGERIGHT: selector = SelectorRequest::kPageRight; break;
    case SB_LEFT: selector = SelectorRequest::kFirst; break;
    case SB_RIGHT: selector = SelectorRequest::kLast; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: selector = SelectorRequest::kTrack; break;
    default: return;
  }
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(toolbar_.level_scroll(), SB_CTL, &info);
  commands_->MoveLevelSelector(selector, info.nPos, info.nTrackPos);
  ReportSoundFailure();
}

void TMainForm::boxMouseDown(int x, int y) {
  if (const std::optional<Cell> cell = CellAt(x, y)) game_->PressCell(cell->column, cell->row);
  ReportSoundFailure();
}

void TMainForm::TimerTimer() { view_->TimerTimer(); }

void TMainForm::RequestClose() { PostMessageW(handle(), WM_CLOSE, 0, 0); }

// A new language re-words the window through the language's listener.
void TMainForm::AskLanguage() { dialogs_->ShowLanguage(); }

// The help hook serves the request.
void TMainForm::OpenRules(int help_context) { HelpContext(help_context); }

void TMainForm::ShowInfo() { dialogs_->ShowInfo(); }

void TMainForm::OpenMakerPage() {
  if (!maker_link_enabled_) return;
  const INT_PTR result = ShellOpen(handle(), Utf8ToWide(maker::kMakerHomePage));
  // When the shell cannot open the page the link is switched off for the rest of the run.
  if (result <= 32) maker_link_enabled_ = false;
}

// Start-up and shutdown.

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
  // The frame sheet is copied whole on every repaint of the board.
  frame_sheet_ = std::make_unique<GdiBitmapSurface>(lists.bitmaps[1], GdiBitmapSurface::Format::kWindow);
  glyph_sheet_ = std::make_unique<GdiBitmapSurface>(lists.bitmaps[2]);
  if (!tile_sheet_->valid() || !frame_sheet_->valid() || !glyph_sheet_->valid()) return false;
  sounds_ = std::make_unique<SoundPlayer>(wave_output_, lists.sounds,
                                          [this] { return toolbar_.button(ToolButton::Sound).down(); });
  return true;
}

// The toolbar and the board area.
bool TMainForm::CreateControls() {
  if (!toolbar_.Create(
          handle(),
          [this] {
            if (!view_) return;
            GdiWindowSurface::Batch batch(*level_counter_surface_);
            view_->levelboxPaint();
          },
          [this] { view_->UpdateCaption(); })) {
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

  // The cell buffer takes the marker from the frame sheet and goes to the window on every tick.
  cell_buffer_ =
      std::make_unique<GdiBitmapSurface>(kCellBufferSize, kCellBufferSize, GdiBitmapSurface::Format::kWindow);
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
  game_ = std::make_unique<Game>(state, GameDisplay{*view_, *sounds_, toolbar_}, *questions_, random_);
  files_ = std::make_unique<GameFiles>(state, *view_, *questions_);
  commands_ = std::make_unique<GameCommands>(*game_, *files_, static_cast<FrontEnd&>(*this));

  const int stored_level = ini_.ReadInteger(kCommon, "level", 1);
  commands_->ReadProgressAndLevels(
      ini_.ReadString(kCommon, "save", state.program_directory + kDefaultGameFileName), stored_level);
  help_hook_ = std::make_unique<hh::THookHelpSystem>(state.program_directory + "vlmo.chm", "",
                                                     hh::HelpMode::kDirectCall);
  {
    // The first level's sixty-three cells go to the window through one device context.
    GdiWindowSurface::Batch batch(*box_surface_);
    commands_->StartFirstLevel();
  }
  toolbar_.button(ToolButton::Sound).set_down(ini_.ReadBool(kCommon, "sound", true));
  toolbar_.ApplyLanguage();
  // From now on every change of the language re-words the window at once.
  state.language.AddListener([this] { toolbar_.ApplyLanguage(); });
  view_->set_animation_frame(0);
  if (SetTimer(handle(), kAnimationTimer, kAnimationInterval, nullptr) == 0) return Refuse(L"the animation timer");
  return true;
}

void TMainForm::AttachDialogs(GameDialogs& dialogs) {
  dialogs_ = &dialogs;
  questions_->AttachDialogs(dialogs);
}

void TMainForm::PlaceAndOpen(const std::function<bool()>& work_while_waiting) {
  form_helper_.Restore(handle());
  form_helper_.Explode(handle(), work_while_waiting);
}

void TMainForm::Show() {
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
  files_->SaveGame();
  ReportSettingsFailure(ini_.WriteBool(kCommon, "sound", toolbar_.button(ToolButton::Sound).down()));
  ReportSettingsFailure(ini_.WriteInteger(kCommon, "level", state_.current_level));
  ReportSettingsFailure(ini_.WriteInteger(kCommon, "tongue", state_.language.value()));
  ReportSettingsFailure(ini_.WriteString(kCommon, "save", state_.current_game_file));
}

void TMainForm::FormDestroy() {
  KillTimer(handle(), kAnimationTimer);
  commands_.reset();
  game_.reset();
  files_.reset();
  state_.levels.clear();
  view_.reset();
  cell_buffer_.reset();
}

void TMainForm::ReportSettingsFailure(const SettingsWriteResult& result) {
  if (result.ok()) return;
  MessageBoxW(handle(), Utf8ToWide(SettingsWriteErrorText(state_.language.value(), result)).c_str(),
              L"Verlumo", MB_OK | MB_ICONERROR);
}

// What the view asks of the window, the board area's paint handler, and refused sounds.

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
