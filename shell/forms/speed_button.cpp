// The flat toolbar button: painting, hover tracking and clicks.
#include "shell/forms/speed_button.h"

#include <oleacc.h>

#include "shell/forms/glyph_button.h"

namespace verlumo {
namespace {

const WindowClass kClass{L"TSpeedButton"};

}  // namespace

bool SpeedButton::Create(HWND parent, int id, RECT bounds, HBITMAP glyph, int images, bool toggle,
                         const ControlWords& words) {
  glyph_ = glyph;
  images_ = images;
  toggle_ = toggle;
  words_ = &words;
  if (!CreateOwnWindow(kClass, 0, L"", WS_CHILD | WS_VISIBLE, bounds, parent, id)) return false;
  MakeAccessible(*this);
  return true;
}

void SpeedButton::set_down(bool down) {
  down_ = down;
  InvalidateRect(handle(), nullptr, TRUE);
  // A screen reader says the switch's new state.
  NotifyWinEvent(EVENT_OBJECT_STATECHANGE, handle(), OBJID_CLIENT, CHILDID_SELF);
}

void SpeedButton::RepaintNow() { RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

LRESULT SpeedButton::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (clicks_.Track(handle(), message, lparam)) {
    case ClickTracker::Step::kNotMine:
      break;
    case ClickTracker::Step::kNothing:
      return 0;
    case ClickTracker::Step::kClicked:
      InvalidateRect(handle(), nullptr, TRUE);
      Clicked();
      return 0;
    case ClickTracker::Step::kPressed:
    case ClickTracker::Step::kCancelled:
      InvalidateRect(handle(), nullptr, TRUE);
      return 0;
  }
  switch (message) {
    case BM_CLICK:
      // A press a screen reader asked for goes on as a mouse click does once it is released.
      if (!IsWindowEnabled(handle())) return 0;
      InvalidateRect(handle(), nullptr, TRUE);
      Clicked();
      return 0;
    case WM_MOUSEMOVE:
      if (!hot_) {
        hot_ = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, handle(), 0};
        TrackMouseEvent(&track);
        InvalidateRect(handle(), nullptr, TRUE);
      }
      return 0;
    case WM_MOUSELEAVE:
      hot_ = false;
      InvalidateRect(handle(), nullptr, TRUE);
      return 0;
  }
  return DefaultHandling(message, wparam, lparam);
}

void SpeedButton::Clicked() {
  if (toggle_) set_down(!down_);
  HWND button = handle();
  SendMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

std::wstring SpeedButton::AccessibleName() const { return words_->NameOf(handle()); }

std::wstring SpeedButton::AccessibleDescription() const { return words_->DescriptionOf(handle()); }

LONG SpeedButton::AccessibleRole() const { return ROLE_SYSTEM_PUSHBUTTON; }

LONG SpeedButton::AccessibleState(LONG system_state) const {
  // The buttons never take the keyboard (the level selector does), whatever the system assumes
  // of a window.
  LONG state = system_state & ~(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED);
  if (!IsWindowEnabled(handle())) state |= STATE_SYSTEM_UNAVAILABLE;
  if (down_) state |= STATE_SYSTEM_PRESSED;
  return state;
}

std::wstring SpeedButton::DefaultActionName() const { return words_->PressActionName(); }

bool SpeedButton::DoDefaultAction() {
  if (!IsWindowEnabled(handle())) return false;
  // Posted: the click may ask a question in a modal dialog, and a screen reader in another
  // process waits for its call to come back. The call returns at once; the click follows from
  // the message loop, as a mouse click does.
  return PostMessageW(handle(), BM_CLICK, 0, 0) != FALSE;
}

void SpeedButton::OnPaint(HDC dc) {
  RECT client;
  GetClientRect(handle(), &client);
  const bool pressed = clicks_.pressed();
  const bool sunken = pressed || down_;
  if (down_ && !pressed) {
    // A button that stays down shows a lighter face, as toolbar toggles do.
    HBRUSH light = CreateSolidBrush(GetSysColor(COLOR_3DHILIGHT));
    FillRect(dc, &client, light);
    DeleteObject(light);
  }
  if (sunken) {
    DrawEdge(dc, &client, BDR_SUNKENOUTER, BF_RECT);
  } else if (hot_) {
    DrawEdge(dc, &client, BDR_RAISEDINNER, BF_RECT);
  }
  BITMAP info{};
  if (glyph_ == nullptr || !GetObjectW(glyph_, sizeof info, &info)) return;
  const int width = info.bmWidth / images_;
  const int shift = sunken ? 1 : 0;
  const int image = !IsWindowEnabled(handle()) && images_ > 1 ? 1 : 0;
  DrawGlyph(dc, glyph_, image, images_, (client.right - width) / 2 + shift,
            (client.bottom - info.bmHeight) / 2 + shift);
}

}  // namespace verlumo
