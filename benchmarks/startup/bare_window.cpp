// The floor of the start-up and memory benchmark: the least a Win32 program of the game's kind
// does. One fixed 520 x 409 window, painted in one colour, and a 75 ms timer that blits a
// 48 x 48 bitmap into it, as the game's marker does. Built with the game's flags, so that what
// the game costs beyond this is the game's own. Built with LOAD_HELP_CONTROL it also loads the
// HTML Help control before its window, as the game must: what that costs is not the game's to
// save.
#include <windows.h>

namespace {

constexpr wchar_t kClassName[] = L"TBareWindow";
constexpr int kClientWidth = 520;
constexpr int kClientHeight = 409;
constexpr int kCellSize = 48;
constexpr UINT_PTR kTimer = 1;
constexpr COLORREF kFill = RGB(0, 128, 96);

HDC cell_dc = nullptr;
int frame = 0;

void PaintWindow(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  HBRUSH fill = CreateSolidBrush(kFill);
  RECT client{0, 0, kClientWidth, kClientHeight};
  FillRect(dc, &client, fill);
  DeleteObject(fill);
  EndPaint(window, &paint);
}

void BlitCell(HWND window) {
  frame = (frame + 1) % 8;
  HDC dc = GetDC(window);
  BitBlt(dc, 22 + frame * kCellSize, 53, kCellSize, kCellSize, cell_dc, 0, 0, SRCCOPY);
  ReleaseDC(window, dc);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: PaintWindow(window); return 0;
    case WM_TIMER: BlitCell(window); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
#ifdef LOAD_HELP_CONTROL
  if (LoadLibraryW(L"hhctrl.ocx") == nullptr) return 1;
#endif
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  window_class.lpszClassName = kClassName;
  RegisterClassW(&window_class);

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT outer{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRect(&outer, style, FALSE);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  HWND window = CreateWindowW(kClassName, L"Floor", style, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                              (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr,
                              nullptr, instance, nullptr);
  if (window == nullptr) return 1;

  HDC screen = GetDC(nullptr);
  cell_dc = CreateCompatibleDC(screen);
  SelectObject(cell_dc, CreateCompatibleBitmap(screen, kCellSize, kCellSize));
  PatBlt(cell_dc, 0, 0, kCellSize, kCellSize, WHITENESS);
  ReleaseDC(nullptr, screen);

  SetTimer(window, kTimer, 75, nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
