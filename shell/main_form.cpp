// The main window: its start-up and shutdown, its messages, and what the game session tells it.
#include "shell/main_form.h"

#include "core/texts.h"
#include "midend/board_words.h"
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
      // The window passes the keyboard on to the control that had it.
      SetFocus(KeyboardHome());
      return 0;
    case WM_SIZE:
      // Windows keeps the focus on a minimised window itself and may activate it before it is
      // restored, so that the activation cannot hand the keyboard on; the restore does. Wine
      // moves the focus on at the activation already.
      if (wparam != SIZE_MINIMIZED && GetFocus() == handle()) SetFocus(KeyboardHome());
      break;
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
  session_->Run(static_cast<Command>(command));
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
  session_->MoveLevelSelector(selector, info.nPos, info.nTrackPos);
}

void TMainForm::boxMouseDown(int x, int y) { session_->PressBoard(x, y); }

void TMainForm::boxKeyDown(BoardKey key) { session_->PressBoardKey(key); }

// A modal dialog disables this window, and the system takes the focus from the board then (to
// nobody, or to the dialog); another program's window takes it too. Only the level selector
// taking it, by Tab or by a click on the scroll bar, makes the selector the keyboard's home.
void TMainForm::boxFocusChanged(bool taken, HWND other) {
  if (taken) {
    keyboard_on_board_ = true;
  } else if (other == toolbar_.level_scroll()) {
    keyboard_on_board_ = false;
  }
}

// With two controls in the Tab order, Tab and Shift+Tab both go to the other one.
void TMainForm::MoveKeyboardFocus() {
  SetFocus(GetFocus() == box_.handle() ? toolbar_.level_scroll() : box_.handle());
}

HWND TMainForm::KeyboardHome() const { return keyboard_on_board_ ? box_.handle() : toolbar_.level_scroll(); }

void TMainForm::TimerTimer() { session_->Tick(); }

void TMainForm::RequestClose() { PostMessageW(handle(), WM_CLOSE, 0, 0); }

void TMainForm::ShowSplash() { dialogs_->ShowSplash(); }

// The dialog sets the language; the session re-words the window through the language's listener.
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
  sound_images_ = lists.sounds;
  return tile_sheet_->valid() && frame_sheet_->valid() && glyph_sheet_->valid();
}

// The toolbar and the board area.
bool TMainForm::CreateControls() {
  if (!toolbar_.Create(handle(), [this] {
        if (!session_) return;
        GdiWindowSurface::Batch batch(*level_counter_surface_);
        session_->PaintLevelCounter();
      })) {
    return Refuse(L"the toolbar");
  }
  toolbar_.FilterLevelSelectorKeys([this](WPARAM key) {
    if (key != VK_TAB) return false;
    MoveKeyboardFocus();
    return true;
  });
  if (!box_.Create(handle(), RECT{0, Toolbar::kHeight, kClientWidth, kClientHeight}, [this] { boxPaint(); },
                   [this](int x, int y) { boxMouseDown(x, y); },
                   {[this](BoardKey key) { boxKeyDown(key); }, [this] { MoveKeyboardFocus(); },
                    [this](bool taken, HWND other) { boxFocusChanged(taken, other); }})) {
    return Refuse(L"the board area");
  }
  box_surface_ = std::make_unique<GdiWindowSurface>(box_.handle(), kBoardAreaWidth, kBoardAreaHeight);
  level_counter_surface_ = std::make_unique<GdiWindowSurface>(toolbar_.level_counter(), kLevelCounterWidth,
                                                              kLevelCounterHeight);
  return true;
}

bool TMainForm::FormCreate() {
  StoredSettings settings;
  settings.language = ini_.ReadInteger(kCommon, "tongue", kLanguageUnset);

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
                Utf8ToWide(Bilingual(settings.language, "Zuwenig Speicher! Programm wird beendet.",
                                     "Not enough memory! Program aborted."))
                    .c_str(),
                L"Verlumo", MB_OK | MB_ICONERROR);
    ExitProcess(1);
  }
  session_ = std::make_unique<GameSession>(
      SessionSurfaces{BitmapList{*tile_sheet_, *frame_sheet_, *glyph_sheet_}, *box_surface_, *level_counter_surface_,
                      *cell_buffer_},
      wave_output_, std::move(sound_images_), static_cast<FrontEnd&>(*this));
  questions_ = std::make_unique<PlayerQuestions>(handle(), session_->language());

  const std::string program_directory = ProgramDirectory();
  settings.level = ini_.ReadInteger(kCommon, "level", 1);
  settings.game_file = ini_.ReadString(kCommon, "save", program_directory + kDefaultGameFileName);
  settings.sound = ini_.ReadBool(kCommon, "sound", true);
  session_->ReadProgressAndLevels(program_directory, ClockSeed(), settings);
  help_hook_ = std::make_unique<hh::THookHelpSystem>(program_directory + "vlmo.chm", "", hh::HelpMode::kDirectCall);
  {
    // The first level's sixty-three cells go to the window through one device context.
    GdiWindowSurface::Batch batch(*box_surface_);
    session_->StartFirstLevel();
  }
  if (SetTimer(handle(), kAnimationTimer, kTimerInterval, nullptr) == 0) {
    return Refuse(L"the animation timer");
  }
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

// Back from a dialog, another program or the taskbar, the keyboard is where it was.
void TMainForm::FormActivate() {
  SetFocus(KeyboardHome());
  session_->Activate();
}

// Every way of closing comes here first; only "yes" in the end-game dialog lets it go on.
void TMainForm::OnClose() {
  if (!FormCloseQuery()) return;
  FormClose();
  DestroyWindow(handle());
}

bool TMainForm::FormCloseQuery() { return session_->AskToClose(); }

void TMainForm::FormClose() {
  // Destroying the hook closes the help windows; the second close-all catches any opened since.
  help_hook_.reset();
  hh::HHCloseAll();
  const StoredSettings settings = session_->Close();
  ReportSettingsFailure(ini_.WriteBool(kCommon, "sound", settings.sound));
  ReportSettingsFailure(ini_.WriteInteger(kCommon, "level", settings.level));
  ReportSettingsFailure(ini_.WriteInteger(kCommon, "tongue", settings.language));
  ReportSettingsFailure(ini_.WriteString(kCommon, "save", settings.game_file.value_or("")));
}

// The level table goes with the session, before the surfaces it drew on.
void TMainForm::FormDestroy() {
  KillTimer(handle(), kAnimationTimer);
  session_.reset();
  cell_buffer_.reset();
}

void TMainForm::ReportSettingsFailure(const SettingsWriteResult& result) {
  if (result.ok()) return;
  MessageBoxW(handle(), Utf8ToWide(SettingsWriteErrorText(session_->language().value(), result)).c_str(),
              L"Verlumo", MB_OK | MB_ICONERROR);
}

// The board area's paint handler, and what the session tells the window.

void TMainForm::boxPaint() {
  // One device context per window for the whole repaint.
  GdiWindowSurface::Batch box_batch(*box_surface_);
  GdiWindowSurface::Batch counter_batch(*level_counter_surface_);
  session_->PaintBoardArea();
}

void TMainForm::ReportSoundFailure(const std::string& text) {
  MessageBoxW(handle(), Utf8ToWide(text).c_str(), L"Verlumo", MB_OK | MB_ICONERROR);
}

void TMainForm::ShowCaption(const std::string& caption) { SetWindowTextW(handle(), Utf8ToWide(caption).c_str()); }

void TMainForm::ShowTexts(const ToolbarTexts& texts) {
  toolbar_.ShowTexts(texts);
  box_.SetDescription(BoardName(session_->language().value()));
}

// The board shows its cursor only while it has the focus; a mouse player never gives it that.
void TMainForm::ShowBoardCursor(int column, int row, const std::string& words) {
  box_.ShowCursor(column, row, words);
}

void TMainForm::Announce(const std::string& words) { box_.Announce(words); }

void TMainForm::ShowLevelCounterHint(const std::string& hint) { toolbar_.SetHint(toolbar_.level_counter(), hint); }

void TMainForm::RepaintLevelButtons() {
  toolbar_.button(ToolButton::Up).RepaintNow();
  toolbar_.button(ToolButton::Down).RepaintNow();
}

}  // namespace verlumo
