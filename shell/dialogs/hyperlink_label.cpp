// Link labels: target rule, painting, pressing and clicking.
#include "shell/dialogs/hyperlink_label.h"

#include <shellapi.h>

#include "shell/forms/gdi_handles.h"
#include "platform/win32/lazy_library.h"

namespace verlumo {
namespace {

const WindowClass kClass{L"THyperlinkLabel", IDC_HAND};
constexpr wchar_t kMailTo[] = L"mailto:";
constexpr INT_PTR kShellFailureLimit = 32;  // the shell's answers up to this one are errors

// Blanks and control characters count as blank.
std::wstring Trimmed(const std::wstring& text) {
  const auto blank = [](wchar_t c) { return c <= L' '; };
  size_t first = 0;
  size_t last = text.size();
  while (first < last && blank(text[first])) ++first;
  while (last > first && blank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

bool StartsWithMailTo(const std::wstring& text) {
  const size_t length = std::char_traits<wchar_t>::length(kMailTo);
  return text.size() >= length &&
         CompareStringOrdinal(text.c_str(), static_cast<int>(length), kMailTo, static_cast<int>(length), TRUE) ==
             CSTR_EQUAL;
}

}  // namespace

std::wstring LinkTarget(const std::wstring& caption, const std::wstring& target_text) {
  std::wstring target = Trimmed(target_text);
  if (!target.empty()) return target;
  // An address already written as a mail link keeps its one prefix.
  if (caption.find(L'@') != std::wstring::npos && !StartsWithMailTo(caption)) return kMailTo + caption;
  return caption;
}

INT_PTR ShellOpen(HWND owner, const std::wstring& target) {
  return ShellOpenWith(ShellLibrary(), owner, target);
}

INT_PTR ShellOpenWith(LazyLibrary& shell, HWND owner, const std::wstring& target) {
  using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
  const auto execute = shell.Entry<ShellExecuteFunction>("ShellExecuteW");
  // Without the shell nothing can be opened: the answer is the shell's own for a missing library.
  if (execute == nullptr) return SE_ERR_DLLNOTFOUND;
  return reinterpret_cast<INT_PTR>(execute(owner, nullptr, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
}

bool HyperlinkLabel::Create(HWND parent, const WindowBox& bounds, Settings settings, HFONT font) {
  settings_ = std::move(settings);
  font_ = font;
  int width = bounds.width;
  if (!settings_.multi_line) {
    // A one-line link is as wide as its text, so that only the text is clickable.
    HDC dc = GetDC(parent);
    {
      SelectedObject selected(dc, font_);
      RECT text{0, 0, 0, 0};
      DrawTextW(dc, settings_.caption.c_str(), static_cast<int>(settings_.caption.size()), &text,
                DT_CALCRECT | TextFormat());
      width = text.right;
    }
    ReleaseDC(parent, dc);
  }
  return CreateOwnWindow(kClass, 0, settings_.caption.c_str(), WS_CHILD | WS_VISIBLE,
                         {bounds.left, bounds.top, bounds.left + width, bounds.top + bounds.height}, parent);
}

UINT HyperlinkLabel::TextFormat() const {
  return DT_LEFT | DT_TOP | DT_NOPREFIX | (settings_.multi_line ? DT_WORDBREAK : DT_SINGLELINE);
}

LRESULT HyperlinkLabel::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  // A click is a press and a release on the label; releasing elsewhere opens nothing.
  switch (clicks_.Track(handle(), message, lparam)) {
    case ClickTracker::Step::kNotMine:
      break;
    case ClickTracker::Step::kPressed:
      colour_ = settings_.active_colour;
      InvalidateRect(handle(), nullptr, TRUE);
      return 0;
    case ClickTracker::Step::kClicked:
      Click();
      return 0;
    case ClickTracker::Step::kNothing:
    case ClickTracker::Step::kCancelled:
      return 0;
  }
  if (message == WM_ENABLE) {
    InvalidateRect(handle(), nullptr, TRUE);
    return 0;
  }
  return DefaultHandling(message, wparam, lparam);
}

void HyperlinkLabel::OnPaint(HDC dc) {
  SelectedObject font(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  RECT area;
  GetClientRect(handle(), &area);
  const int length = static_cast<int>(settings_.caption.size());
  if (IsWindowEnabled(handle())) {
    SetTextColor(dc, colour_);
    DrawTextW(dc, settings_.caption.c_str(), length, &area, TextFormat());
    return;
  }
  // A dead link is drawn the way the system draws disabled text: etched into the face.
  RECT light = area;
  OffsetRect(&light, 1, 1);
  SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
  DrawTextW(dc, settings_.caption.c_str(), length, &light, TextFormat());
  SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  DrawTextW(dc, settings_.caption.c_str(), length, &area, TextFormat());
}

void HyperlinkLabel::Click() {
  const std::wstring target = LinkTarget(settings_.caption, settings_.target_text);
  const INT_PTR answer = opener_ ? opener_(GetAncestor(handle(), GA_ROOT), target) : 0;
  if (answer <= kShellFailureLimit) EnableWindow(handle(), FALSE);
}

}  // namespace verlumo
