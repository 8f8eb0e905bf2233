// What a screen reader learns of a control that the system cannot describe by itself: a toolbar
// button of our own class has no text and no role the system knows, a scroll bar or a paint box
// has a tooltip but no name. Such a window answers WM_GETOBJECT with an IAccessible of its own,
// which tells the control's name, description, value, role, state and default action and leaves
// everything the window itself shows (place, parent, neighbours, focus, parts) to the system's
// standard proxy.
// Narrator and NVDA read it through Active Accessibility, and UI Automation through its bridge.
#pragma once

#include <windows.h>

#include <string>

namespace verlumo {

class AccessibleObject;
class Window;

// The control's side: what it says about itself, asked afresh at every question, so that a name
// follows the language and a state the button at once.
class AccessibleFacts {
 public:
  virtual std::wstring AccessibleName() const = 0;
  // What a reader says after the name and role; empty leaves it to the standard proxy.
  virtual std::wstring AccessibleDescription() const { return {}; }
  // The control's value; empty leaves it to the standard proxy (a scroll bar's position).
  virtual std::wstring AccessibleValue() const { return {}; }
  virtual LONG AccessibleRole() const = 0;
  // The state the standard proxy reads from the window (unavailable, invisible, focusable ...),
  // adjusted by what only the control knows.
  virtual LONG AccessibleState(LONG system_state) const { return system_state; }
  // The name of the default action; empty for a control without one.
  virtual std::wstring DefaultActionName() const { return {}; }
  // Performs the default action; false when there is none.
  virtual bool DoDefaultAction() { return false; }

 protected:
  ~AccessibleFacts() = default;
};

// Where an owner that words its controls in the player's language keeps the words a screen
// reader says: a control's name (what it does), its description (its hint, as the tooltip shows
// it, unless that only says the name again) and the name of a press.
class ControlWords {
 public:
  virtual std::wstring NameOf(HWND control) const = 0;
  virtual std::wstring DescriptionOf(HWND control) const = 0;
  virtual std::wstring PressActionName() const = 0;

 protected:
  ~ControlWords() = default;
};

// A control that the system describes well but cannot name (a scroll bar, a paint box): named by
// its owner's words, in the role given, with nothing to do by default.
class NamedControl final : public AccessibleFacts {
 public:
  NamedControl(const ControlWords& words, const Window& control, LONG role)
      : words_(words), control_(control), role_(role) {}
  std::wstring AccessibleName() const override;
  std::wstring AccessibleDescription() const override;
  LONG AccessibleRole() const override { return role_; }
  // Focusable only when the keyboard can reach it: the level counter cannot, the selector can.
  LONG AccessibleState(LONG system_state) const override;

 private:
  const ControlWords& words_;
  const Window& control_;
  LONG role_;
};

// The accessible object of one window, made at the first question and kept for the window's
// life. A screen reader in another process may hold the object longer than the control lives:
// from the control's end on it answers every question with "not connected".
class AccessibleControl {
 public:
  explicit AccessibleControl(AccessibleFacts& facts) : facts_(facts) {}
  ~AccessibleControl();
  AccessibleControl(const AccessibleControl&) = delete;
  AccessibleControl& operator=(const AccessibleControl&) = delete;

  // The window's answer to WM_GETOBJECT for its client area; false for any other part of the
  // window, and when the object cannot be made, which the system answers then.
  bool Answer(HWND window, WPARAM wparam, LPARAM lparam, LRESULT& result);

 private:
  AccessibleFacts& facts_;
  AccessibleObject* object_ = nullptr;
};

}  // namespace verlumo
