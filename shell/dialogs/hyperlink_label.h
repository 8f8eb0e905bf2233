// A label that works as a link: blue underlined text under a hand pointer. Pressing the left
// button on it turns the text to the label's active colour for the rest of the run; a click
// hands the target to the desktop shell, and when the shell cannot open it the label disables
// itself for good.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "shell/forms/click_tracker.h"
#include "shell/forms/window.h"
#include "shell/placement.h"

namespace verlumo {

class LazyLibrary;

// What a click opens: the target text, trimmed, when it is not blank; otherwise the caption,
// with "mailto:" before it when it is an e-mail address (contains "@").
std::wstring LinkTarget(const std::wstring& caption, const std::wstring& target_text);

// Opens a target through the desktop shell and returns the shell's answer: above 32 when it
// opened. The game uses ShellOpen; tests put in their own.
using ShellOpener = std::function<INT_PTR(HWND owner, const std::wstring& target)>;
// The shell's default action for the target, without verb or parameters, in a normal window.
// The shell library is loaded with the first link opened; when it cannot be loaded the answer
// is SE_ERR_DLLNOTFOUND, an error like any other the shell gives.
INT_PTR ShellOpen(HWND owner, const std::wstring& target);
INT_PTR ShellOpenWith(LazyLibrary& shell, HWND owner, const std::wstring& target);

class HyperlinkLabel final : public Window {
 public:
  static constexpr COLORREF kLinkColour = RGB(0, 0, 255);

  struct Settings {
    std::wstring caption;
    std::wstring target_text;  // blank: the caption is the target
    COLORREF active_colour = kLinkColour;
    bool multi_line = false;  // wraps at the given width; a single line takes its text's width
  };

  // Creates the label as a child of parent; font is borrowed and must outlive the label.
  bool Create(HWND parent, const WindowBox& bounds, Settings settings, HFONT font);

  void set_opener(ShellOpener opener) { opener_ = std::move(opener); }

  // Blue until the left button is first pressed on the label, the active colour from then on.
  COLORREF text_colour() const { return colour_; }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnPaint(HDC dc) override;
  void Click();
  UINT TextFormat() const;

  Settings settings_;
  HFONT font_ = nullptr;
  COLORREF colour_ = kLinkColour;
  ClickTracker clicks_;
  ShellOpener opener_ = ShellOpen;
};

}  // namespace verlumo
