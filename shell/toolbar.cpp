// Laying out and painting the toolbar.
#include "shell/toolbar.h"

#include <oleacc.h>

#include "midend/front_texts.h"
#include "platform/win32/utf16.h"
#include "shell/forms/painting.h"
#include "shell/forms/window.h"
#include "shell/resource_ids.h"
#include "view/board_geometry.h"

namespace verlumo {
namespace {

struct ButtonPlace {
  int left, top, width, height;
  int picture;
  int images;  // 2 where the picture holds a greyed second image
};

// Left to right, in the order of ToolButton.
constexpr ButtonPlace kButtonPlaces[kToolButtonCount] = {
    {4, 4, 25, 25, IDB_NEWGAME, 1},   {32, 4, 25, 25, IDB_RESTART, 2},
    {60, 4, 25, 25, IDB_LOAD, 2},     {88, 4, 25, 25, IDB_SAVE, 2},
    {116, 4, 25, 25, IDB_SOUND, 2},   {144, 4, 25, 25, IDB_EXIT, 1},
    {280, 7, 16, 20, IDB_PREVIOUS, 2}, {381, 7, 16, 20, IDB_NEXT, 2},
    {400, 4, 25, 25, IDB_TONGUE, 1},  {429, 4, 25, 25, IDB_RULES, 1},
    {457, 4, 25, 25, IDB_INFO, 1},    {485, 4, 30, 25, IDB_ZORBEL, 1},
};

constexpr RECT kShape1{172, 5, 172 + 105, 5 + 24};
constexpr RECT kBevel2{172, 4, 172 + 105, 4 + 26};
constexpr RECT kLevelLabel{176, 12, 176 + 45, 12 + 16};
constexpr RECT kLevelCounter{212, 7, 212 + kLevelCounterWidth, 7 + kLevelCounterHeight};
constexpr RECT kLevelScroll{297, 8, 297 + 84, 8 + 19};

}  // namespace

Toolbar::Toolbar()
    : level_scroll_name_(*this, level_scroll_, ROLE_SYSTEM_SCROLLBAR),
      level_counter_name_(*this, level_counter_, ROLE_SYSTEM_STATICTEXT) {}

bool Toolbar::Create(HWND main_window, PaintBox::PaintHandler paint_level_counter) {
  if (!tooltips_.Create(main_window)) return false;
  label_font_ = CreateUiFont(L"MS Sans Serif", -12);
  for (int i = 0; i < kToolButtonCount; ++i) {
    const ButtonPlace& place = kButtonPlaces[i];
    pictures_[i].reset(LoadBitmapResource(place.picture));
    const RECT bounds{place.left, place.top, place.left + place.width, place.top + place.height};
    const bool toggle = static_cast<ToolButton>(i) == ToolButton::Sound;
    if (!buttons_[i].Create(main_window, kFirstToolButtonId + i, bounds,
                            static_cast<HBITMAP>(pictures_[i].get()), place.images, toggle, *this)) {
      return false;
    }
  }
  if (!level_counter_.Create(main_window, kLevelCounter, std::move(paint_level_counter))) return false;
  level_counter_.MakeAccessible(level_counter_name_);
  if (!level_scroll_.Create(L"SCROLLBAR", WS_CHILD | WS_VISIBLE | WS_TABSTOP | SBS_HORZ, kLevelScroll, main_window,
                            kLevelScrollId)) {
    return false;
  }
  level_scroll_.MakeAccessible(level_scroll_name_);
  // The label is transparent and lies beneath the counter, clipped by it: the level display is
  // drawn black box, frame, label, counter, each over the one before, whatever repaints it.
  level_label_ = CreateChildWindow(L"STATIC", WS_EX_TRANSPARENT, L"",
                                   WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_LEFT | SS_NOPREFIX, kLevelLabel,
                                   main_window, 0);
  if (level_label_ == nullptr) return false;
  SetWindowPos(level_label_, level_counter_.handle(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageW(level_label_, WM_SETFONT, reinterpret_cast<WPARAM>(label_font_.get()), FALSE);
  // The selector starts at 1 of 1 until start-up gives it the level count.
  SetScrollRange(level_scroll(), SB_CTL, 1, 1, FALSE);
  SetScrollPos(level_scroll(), SB_CTL, 1, FALSE);
  return true;
}

void Toolbar::Paint(HDC dc) const {
  DrawRaisedBevel(dc, RECT{0, 0, kBoardAreaWidth, kHeight});
  FillSolid(dc, kShape1, RGB(0, 0, 0));
  DrawLoweredBevel(dc, kBevel2);
}

bool Toolbar::ColourLevelLabel(HWND control, HDC dc, LRESULT& brush) const {
  if (control != level_label_) return false;
  SetTextColor(dc, RGB(255, 255, 0));
  SetBkMode(dc, TRANSPARENT);
  brush = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
  return true;
}

void Toolbar::SetHint(HWND control, const std::string& hint) {
  const std::wstring text = Utf8ToWide(hint);
  if (text == tooltips_.Hint(control)) return;
  tooltips_.SetHint(control, text);
  // The hint is the control's name: a screen reader that keeps names hears of the new one.
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

void Toolbar::SetLevelLabel(const std::string& text) {
  const std::wstring wide = Utf8ToWide(text);
  wchar_t shown[16] = {};
  GetWindowTextW(level_label_, shown, 16);
  if (wide == shown) return;
  SetWindowTextW(level_label_, wide.c_str());
  // A transparent label cannot erase its old text: the black box beneath is drawn again, and the
  // label and the counter over it.
  RECT area = kLevelLabel;
  RedrawWindow(GetParent(level_label_), &area, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Toolbar::ShowTexts(const ToolbarTexts& texts) {
  for (const ToolbarHint& hint : texts.hints) SetHint(button(hint.button).handle(), hint.text);
  SetHint(level_scroll(), texts.level_selector_hint);
  SetLevelLabel(texts.level_label);
  SetHint(button(ToolButton::Tongue).handle(), texts.tongue_hint);
  press_action_name_ = Utf8ToWide(texts.press_action);
}

void Toolbar::ShowLevelSelectorRange(int last) { SetScrollRange(level_scroll(), SB_CTL, 1, last, TRUE); }

void Toolbar::ShowLevelSelector(int position) { SetScrollPos(level_scroll(), SB_CTL, position, TRUE); }

std::wstring Toolbar::NameOf(HWND control) const { return tooltips_.Hint(control); }

std::wstring Toolbar::PressActionName() const { return press_action_name_; }

}  // namespace verlumo
