// Laying out and painting the toolbar.
#include "shell/toolbar.h"

#include <oleacc.h>

#include "midend/front_texts.h"
#include "midend/layout.h"
#include "platform/win32/utf16.h"
#include "shell/dialogs/laid_out.h"
#include "shell/forms/painting.h"
#include "shell/forms/window.h"

namespace verlumo {

Toolbar::Toolbar()
    : level_scroll_name_(*this, level_scroll_, ROLE_SYSTEM_SCROLLBAR),
      level_counter_name_(*this, level_counter_, ROLE_SYSTEM_STATICTEXT) {}

bool Toolbar::Create(HWND main_window, PaintBox::PaintHandler paint_level_counter) {
  if (!tooltips_.Create(main_window)) return false;
  label_font_ = CreateUiFont(L"MS Sans Serif", -12);
  for (int i = 0; i < kToolButtonCount; ++i) {
    const ToolbarButton& place = kToolbarLayout.buttons[i];
    pictures_[i].reset(LoadPictureResource(place.picture));
    if (!buttons_[i].Create(main_window, kFirstToolButtonId + i, ToRect(place.box),
                            static_cast<HBITMAP>(pictures_[i].get()), place.picture.images,
                            place.toggle, *this)) {
      return false;
    }
  }
  if (!level_counter_.Create(main_window, ToRect(kToolbarLayout.level_counter), std::move(paint_level_counter))) {
    return false;
  }
  level_counter_.MakeAccessible(level_counter_name_);
  if (!level_scroll_.Create(L"SCROLLBAR", WS_CHILD | WS_VISIBLE | WS_TABSTOP | SBS_HORZ,
                            ToRect(kToolbarLayout.level_selector), main_window, kLevelScrollId)) {
    return false;
  }
  level_scroll_.MakeAccessible(level_scroll_name_);
  // The label is transparent and lies beneath the counter, clipped by it: the level display is
  // drawn black box, frame, label, counter, each over the one before, whatever repaints it.
  level_label_ = CreateChildWindow(L"STATIC", WS_EX_TRANSPARENT, L"",
                                   WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_LEFT | SS_NOPREFIX, ToRect(kToolbarLayout.level_label),
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
  DrawRaisedBevel(dc, RECT{0, 0, kToolbarLayout.width, kToolbarLayout.height});
  FillSolid(dc, ToRect(kToolbarLayout.level_shape), RGB(0, 0, 0));
  DrawLoweredBevel(dc, ToRect(kToolbarLayout.level_bevel));
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
  // The hint names the level selector and the counter and describes a button: a screen reader
  // that keeps what it has read hears of the change.
  const DWORD change = ButtonIndex(control) < 0 ? EVENT_OBJECT_NAMECHANGE : EVENT_OBJECT_DESCRIPTIONCHANGE;
  NotifyWinEvent(change, control, OBJID_CLIENT, CHILDID_SELF);
}

void Toolbar::SetSpokenWords(ToolButton which, const std::string& name, const std::string& hint) {
  SpokenWords words{Utf8ToWide(name), Utf8ToWide(AccessibleDescription(name, hint))};
  SpokenWords& spoken = spoken_[static_cast<int>(which)];
  const bool renamed = words.name != spoken.name;
  spoken = std::move(words);
  if (renamed) NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, button(which).handle(), OBJID_CLIENT, CHILDID_SELF);
}

int Toolbar::ButtonIndex(HWND control) const {
  const int index = GetDlgCtrlID(control) - kFirstToolButtonId;
  if (index < 0 || index >= kToolButtonCount || buttons_[index].handle() != control) return -1;
  return index;
}

void Toolbar::SetLevelLabel(const std::string& text) {
  const std::wstring wide = Utf8ToWide(text);
  wchar_t shown[16] = {};
  GetWindowTextW(level_label_, shown, 16);
  if (wide == shown) return;
  SetWindowTextW(level_label_, wide.c_str());
  // A transparent label cannot erase its old text: the black box beneath is drawn again, and the
  // label and the counter over it.
  RECT area = ToRect(kToolbarLayout.level_label);
  RedrawWindow(GetParent(level_label_), &area, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Toolbar::ShowTexts(const ToolbarTexts& texts) {
  for (const ToolbarHint& hint : texts.hints) {
    SetSpokenWords(hint.button, hint.name, hint.text);
    SetHint(button(hint.button).handle(), hint.text);
  }
  SetHint(level_scroll(), texts.level_selector_hint);
  SetLevelLabel(texts.level_label);
  SetSpokenWords(ToolButton::Tongue, texts.tongue_name, texts.tongue_hint);
  SetHint(button(ToolButton::Tongue).handle(), texts.tongue_hint);
  press_action_name_ = Utf8ToWide(texts.press_action);
}

void Toolbar::ShowLevelSelectorRange(int last) { SetScrollRange(level_scroll(), SB_CTL, 1, last, TRUE); }

void Toolbar::ShowLevelSelector(int position) { SetScrollPos(level_scroll(), SB_CTL, position, TRUE); }

std::wstring Toolbar::NameOf(HWND control) const {
  const int index = ButtonIndex(control);
  return index < 0 ? tooltips_.Hint(control) : spoken_[index].name;
}

std::wstring Toolbar::DescriptionOf(HWND control) const {
  const int index = ButtonIndex(control);
  return index < 0 ? std::wstring() : spoken_[index].description;
}

std::wstring Toolbar::PressActionName() const { return press_action_name_; }

}  // namespace verlumo
