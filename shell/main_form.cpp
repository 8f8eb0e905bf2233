// The main window's messages and toolbar commands, and its language-dependent texts.
#include "shell/main_form.h"

#include "core/texts.h"
#include "shell/dialogs/game_dialogs.h"
#include "shell/dialogs/hyperlink_label.h"
#include "shell/help/application_help.h"
#include "shell/platform/utf16.h"
#include "verlumo_version.h"

namespace verlumo {
namespace {

constexpr int kPageStep = 10;
constexpr wchar_t kMakerHomePage[] = L"https://www.zorbelgames.example/";

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
    case WM_TIMER:
      if (wparam == kAnimationTimer) TimerTimer();
      return 0;
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

void TMainForm::OnCommand(int id, HWND) {
  if (id == kLevelScrollId) return;
  switch (static_cast<ToolButton>(id - kFirstToolButtonId)) {
    case ToolButton::NewGame: game_->NewGameBtnClick(); break;
    case ToolButton::Restart: game_->RestartBtnClick(); break;
    case ToolButton::Load: game_->LoadGame(); break;
    case ToolButton::Save: game_->SaveGame(); break;
    case ToolButton::Sound: break;  // the switch is the button's own state, read at each play
    case ToolButton::Exit: PostMessageW(handle(), WM_CLOSE, 0, 0); break;
    case ToolButton::Down: game_->sDownBtnClick(); break;
    case ToolButton::Up: game_->sUpBtnClick(); break;
    case ToolButton::Tongue: TongueBtnClick(); break;
    case ToolButton::Rules: RulesBtnClick(); break;
    case ToolButton::Info: InfoBtnClick(); break;
    case ToolButton::Zorbel: ZorbelBtnClick(); break;
  }
  ReportSoundFailure();
}

// Every position the selector passes counts, also while its thumb is dragged; the rules decide
// what a position means.
void TMainForm::OnLevelScroll(int request) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(toolbar_.level_scroll(), SB_CTL, &info);
  int position = info.nPos;
  switch (request) {
    case SB_LINELEFT: position -= 1; break;
    case SB_LINERIGHT: position += 1; break;
    case SB_PAGELEFT: position -= kPageStep; break;
    case SB_PAGERIGHT: position += kPageStep; break;
    case SB_LEFT: position = info.nMin; break;
    case SB_RIGHT: position = info.nMax; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    default: return;
  }
  game_->MoveLevelSelector(position);
  ReportSoundFailure();
}

void TMainForm::SetLevelSelectorRange(int last) {
  SetScrollRange(toolbar_.level_scroll(), SB_CTL, 1, last, TRUE);
}

void TMainForm::SetLevelSelector(int position) {
  SetScrollPos(toolbar_.level_scroll(), SB_CTL, position, TRUE);
}

void TMainForm::boxMouseDown(int x, int y) {
  if (const std::optional<Cell> cell = CellAt(x, y)) game_->PressCell(cell->column, cell->row);
  ReportSoundFailure();
}

void TMainForm::TimerTimer() { view_->TimerTimer(); }

// A new language re-words the window through the language's listener.
void TMainForm::TongueBtnClick() { dialogs_->ShowLanguage(); }

void TMainForm::RulesBtnClick() {
  // German rules are help context 1, English ones context 2; the help hook serves the request.
  HelpContext(state_.language.value() == kLanguageGerman ? 1 : 2);
}

void TMainForm::InfoBtnClick() { dialogs_->ShowInfo(); }

void TMainForm::ZorbelBtnClick() {
  if (!maker_link_enabled_) return;
  const INT_PTR result = ShellOpen(handle(), kMakerHomePage);
  // When the shell cannot open the page the link is switched off for the rest of the run.
  if (result <= 32) maker_link_enabled_ = false;
}

void TMainForm::ApplyLanguage() {
  const int language = state_.language.value();
  struct Hint {
    ToolButton button;
    const char* german;
    const char* english;
  };
  static constexpr Hint kHints[] = {
      {ToolButton::Load, "Ich hol mir einen alten Spielstand.", "I want to continue an old game."},
      {ToolButton::Save, "Einmal zu oft gesichert ist besser als einmal zuwenig", "Save often, save always."},
      {ToolButton::NewGame, "Ich fang ein neues Spiel an.", "I want to play a new game."},
      {ToolButton::Restart, "Ich probier's nochmal.", "I try it again."},
      {ToolButton::Sound, "Die Geräusche mag ich nicht immer.", "I dont like the sound always."},
      {ToolButton::Rules, "Worum geht's da eigentlich?", "What's to do here?"},
      {ToolButton::Exit, "Ich hab genug!", "I have enough!"},
      {ToolButton::Info, "Wer hat diese Spiele nur verbrochen?", "Who did these ZORBEL GAME?"},
      {ToolButton::Zorbel, "Hurra, es gibt noch mehr Zorbel Games.", "Hurrah, there are more ZORBEL GAMES."},
      {ToolButton::Up, "nächsthöhere ungelöste Stufe", "Next unsolved level"},
      {ToolButton::Down, "nächstniedere ungelöste Stufe", "Previous unsolved level"},
  };
  for (const Hint& hint : kHints) {
    toolbar_.SetHint(toolbar_.button(hint.button).handle(), Bilingual(language, hint.german, hint.english));
  }
  toolbar_.SetHint(toolbar_.level_scroll(), Bilingual(language, "Stufe wählen", "Select level"));
  toolbar_.SetLevelLabel(Bilingual(language, "Stufe:", "Level:"));
  // The one hint in the other language: it names the language the button leads away from.
  toolbar_.SetHint(toolbar_.button(ToolButton::Tongue).handle(),
                   Bilingual(language, "I don't speak german.", "Ich spreche nicht englisch."));
  view_->UpdateCaption();
}

}  // namespace verlumo
