// A canvas over part of the screen for the explode effect. The effect inverts dotted rectangles
// on the screen; drawing straight into the screen's device context does not reach the screen
// everywhere (under Wine the desktop's drawing goes nowhere, and on Windows GDI may hold it back
// in the thread's batch). The canvas therefore takes a still picture of the area, shows it in a
// topmost window that takes no input and no activation, and inverts the rectangles on that
// picture: the player sees exactly what inverting them on the screen would show.
#pragma once

#include <windows.h>

#include <memory>

#include "shell/forms/window.h"
#include "view/win32/gdi_surface.h"

namespace verlumo {

class ScreenCanvas final : public Window {
 public:
  // area: screen coordinates. When the canvas cannot be made, drawing does nothing.
  explicit ScreenCanvas(const RECT& area);

  // Inverts the dotted outline of the rectangle (screen coordinates) and puts it on the screen
  // at once.
  void DrawFocusRect(const RECT& rectangle);

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void Show() const;

  RECT area_;
  // In the window's 32-bit format: it holds every screen colour and inverts alike, and its
  // memory is the process's own, given back whole when the effect ends (Wine puts a bitmap
  // compatible with the screen in the C library's heap, which keeps some of it). A member goes
  // before the base destroys the window, which by then never paints from it.
  std::unique_ptr<GdiBitmapSurface> picture_;
};

// Waits until the given time has passed since `since` (a GetTickCount value). Unlike Sleep it
// lets the window system put what was drawn on the screen meanwhile (Wine copies a window's
// pixels to the display only when its thread waits this way).
void PauseShowingDrawing(DWORD since, DWORD milliseconds);

}  // namespace verlumo
