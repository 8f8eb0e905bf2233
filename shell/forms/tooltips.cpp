// Tooltips through the common controls' tooltip window; each control is a tool of its own.
#include "shell/forms/tooltips.h"

#include <commctrl.h>

namespace verlumo {
namespace {

constexpr wchar_t kOwnerProperty[] = L"VerlumoTooltips";

}  // namespace

bool Tooltips::Create(HWND owner) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  owner_ = owner;
  HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
  return tooltip != nullptr && Adopt(tooltip, kOwnerProperty);
}

TOOLINFOW Tooltips::Tool(HWND control) const {
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  return tool;
}

void Tooltips::SetHint(HWND control, const std::wstring& text) {
  TOOLINFOW tool = Tool(control);
  tool.lpszText = const_cast<wchar_t*>(text.c_str());
  TOOLINFOW existing = tool;
  existing.lpszText = nullptr;
  if (SendMessageW(handle(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&existing))) {
    SendMessageW(handle(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  } else {
    SendMessageW(handle(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

std::wstring Tooltips::Hint(HWND control) const {
  // The longest text a tooltip keeps.
  wchar_t text[INFOTIPSIZE] = {};
  TOOLINFOW tool = Tool(control);
  tool.lpszText = text;
  SendMessageW(handle(), TTM_GETTEXTW, INFOTIPSIZE, reinterpret_cast<LPARAM>(&tool));
  return text;
}

}  // namespace verlumo
