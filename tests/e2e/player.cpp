// Acting on the game's windows from outside, through their messages.
#include "tests/e2e/player.h"

#include "tests/e2e/game_process.h"

namespace verlumo::e2e {
namespace {

struct ControlSearch {
  const std::wstring* caption;
  HWND found;
};

BOOL CALLBACK MatchCaption(HWND child, LPARAM search_address) {
  auto* search = reinterpret_cast<ControlSearch*>(search_address);
  if (WindowText(child) == *search->caption) {
    search->found = child;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND FindControl(HWND window, const std::wstring& caption) {
  ControlSearch search{&caption, nullptr};
  EnumChildWindows(window, MatchCaption, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void Click(HWND control, int x, int y) {
  // The pointer moves there and the button goes down and up, as a person's click does.
  POINT at{x, y};
  ClientToScreen(control, &at);
  SetCursorPos(at.x, at.y);
  INPUT clicks[2] = {};
  clicks[0].type = clicks[1].type = INPUT_MOUSE;
  clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, clicks, sizeof(INPUT));
  Sleep(100);
}

bool ClickButton(HWND window, const std::wstring& caption) {
  HWND button = FindControl(window, caption);
  if (button == nullptr) return false;
  RECT client{};
  GetClientRect(button, &client);
  Click(button, client.right / 2, client.bottom / 2);
  return true;
}

void PressKey(HWND control, WPARAM key) {
  PostMessageW(control, WM_KEYDOWN, key, 1);
  PostMessageW(control, WM_KEYUP, key, 0xC0000001);
}

void TypeKey(WORD key, bool with_control) {
  INPUT keys[4] = {};
  int count = 0;
  const auto add = [&](WORD virtual_key, DWORD flags) {
    keys[count].type = INPUT_KEYBOARD;
    keys[count].ki.wVk = virtual_key;
    keys[count].ki.dwFlags = flags;
    ++count;
  };
  if (with_control) add(VK_CONTROL, 0);
  add(key, 0);
  add(key, KEYEVENTF_KEYUP);
  if (with_control) add(VK_CONTROL, KEYEVENTF_KEYUP);
  SendInput(count, keys, sizeof(INPUT));
}

bool WaitUntilHidden(HWND window, DWORD timeout_ms) {
  const DWORD start = GetTickCount();
  while (IsWindow(window) && IsWindowVisible(window)) {
    if (GetTickCount() - start > timeout_ms) return false;
    Sleep(50);
  }
  return true;
}

void Pause(DWORD ms) { Sleep(ms); }

}  // namespace verlumo::e2e
