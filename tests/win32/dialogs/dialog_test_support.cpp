// The stand-in main window, the player and the input helpers of the dialog tests.
#include "tests/win32/dialogs/dialog_test_support.h"

#include "shell/resource_ids.h"

namespace verlumo::test_support {
namespace {

constexpr wchar_t kMainClass[] = L"TStandInMainForm";
constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr UINT kStepMilliseconds = 120;
constexpr int kIdleTicksBeforeClosing = 40;

Player* playing = nullptr;

}  // namespace

StandInMainWindow::StandInMainWindow(int left, int top) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  if (!GetClassInfoExW(instance, kMainClass, &window_class)) {
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.hInstance = instance;
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = kMainClass;
    RegisterClassExW(&window_class);
  }
  RECT outer{0, 0, 520, 409};
  AdjustWindowRectEx(&outer, kMainStyle, FALSE, 0);
  window_ = CreateWindowExW(0, kMainClass, L"Verlumo", kMainStyle, left, top, outer.right - outer.left,
                            outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
}

void StandInMainWindow::MoveTo(int left, int top) {
  SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TestContext::TestContext(HWND main_window) {
  context.main_window = main_window;
  context.icon = static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAINICON), IMAGE_ICON, 32, 32, 0));
  context.language = &language;
  language.AddListener([this] { ++languages_applied; });
}

Player& Player::Then(std::function<void()> step) {
  steps_.push_back(std::move(step));
  return *this;
}

int Player::Play(const std::function<int()>& modal_call) {
  playing = this;
  next_ = 0;
  idle_ticks_ = 0;
  had_to_close_ = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, kStepMilliseconds, Tick);
  const int result = modal_call();
  KillTimer(nullptr, timer);
  playing = nullptr;
  // A tick already queued must not reach the next player.
  MSG stale;
  while (PeekMessageW(&stale, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) {
  }
  return result;
}

void CALLBACK Player::Tick(HWND, UINT, UINT_PTR, DWORD) {
  Player* player = playing;
  if (player == nullptr) return;
  if (player->next_ < player->steps_.size()) {
    // The index moves on first: a step may open a dialog whose loop runs the next ones.
    const size_t step = player->next_++;
    player->steps_[step]();
  } else if (++player->idle_ticks_ == kIdleTicksBeforeClosing) {
    player->had_to_close_ = true;
    // Only a dialog: closing the stand-in main window would destroy it.
    HWND active = GetActiveWindow();
    if (GetWindow(active, GW_OWNER) != nullptr) PostMessageW(active, WM_CLOSE, 0, 0);
  }
}

void PressKey(WORD key) {
  INPUT input[2] = {};
  input[0].type = INPUT_KEYBOARD;
  input[0].ki.wVk = key;
  input[1] = input[0];
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
}

void ClickOn(HWND window) {
  const RECT rect = WindowRect(window);
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  INPUT input[2] = {};
  input[0].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1] = input[0];
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof(INPUT));
}

std::wstring WindowText(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

}  // namespace verlumo::test_support
