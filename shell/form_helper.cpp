// Restoring and storing the main window's position, and the explode effect.
#include "shell/form_helper.h"

#include <algorithm>

#include "shell/placement.h"
#include "shell/screen_canvas.h"

namespace verlumo {
namespace {

constexpr const char* kSection = "common";
constexpr const char* kKey = "MainForm";
constexpr DWORD kExplodePause = 4;  // milliseconds before each of the 80 rectangles

}  // namespace

void FormHelper::Restore(HWND window) {
  RECT outer{};
  GetWindowRect(window, &outer);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(window, &placement);

  RECT normal{};
  if (const std::optional<Position> stored = ParseStoredPosition(settings_.ReadString(kSection, kKey, ""))) {
    const Rect desktop{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                       GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                       GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    const Rect kept = KeepOnDesktop(*stored, width, height, desktop);
    normal = {kept.left, kept.top, kept.right, kept.bottom};
  } else {
    const Position centre = CentreOnScreen(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), width, height);
    normal = {centre.left, centre.top, centre.left + width, centre.top + height};
  }
  // The window keeps its show state; only its normal position changes. A hidden window reports
  // SW_SHOWNORMAL, which would show and activate it at once, before its opening effect.
  placement.rcNormalPosition = normal;
  if (!IsWindowVisible(window)) placement.showCmd = SW_HIDE;
  SetWindowPlacement(window, &placement);
}

void FormHelper::Explode(HWND window, const std::function<bool()>& work_while_waiting) {
  POINT pointer{};
  GetCursorPos(&pointer);
  RECT outer{};
  GetWindowRect(window, &outer);
  const Rect target{outer.left, outer.top, outer.right, outer.bottom};
  // Every rectangle lies between the pointer and the window's outline.
  const RECT area{std::min(pointer.x, outer.left), std::min(pointer.y, outer.top),
                  std::max(pointer.x + 1, outer.right), std::max(pointer.y + 1, outer.bottom)};
  ScreenCanvas screen(area);
  bool work_left = true;
  // Each dotted rectangle inverts what it covers, so the second pass erases the first.
  for (int pass = 0; pass < 2; ++pass) {
    for (int step = 1; step <= kExplodeSteps; ++step) {
      const DWORD pause_began = GetTickCount();
      if (work_left) work_left = work_while_waiting();
      PauseShowingDrawing(pause_began, kExplodePause);
      const Rect frame = ExplodeRectangle(step, pointer.x, pointer.y, target);
      screen.DrawFocusRect(RECT{frame.left, frame.top, frame.right, frame.bottom});
    }
  }
}

SettingsWriteResult FormHelper::Save(HWND window) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(window, &placement);
  const RECT& normal = placement.rcNormalPosition;
  SettingsWriteResult result = settings_.WriteString(
      kSection, kKey,
      FormatStoredPosition(placement.flags, placement.showCmd, {normal.left, normal.top, normal.right, normal.bottom}));
  // The helper keeps only the position: values for a colour and a font are removed.
  for (const char* unused : {"MainFormColor", "MainFormFont"}) {
    const SettingsWriteResult deleted = settings_.DeleteValue(kSection, unused);
    if (result.ok()) result = deleted;
  }
  return result;
}

}  // namespace verlumo
