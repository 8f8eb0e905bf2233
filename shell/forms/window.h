// One window, one C++ object. A window of a class of our own finds its object from its first
// message on (the object is handed over with WM_NCCREATE); a control the system makes from one
// of its own classes (a push button, the tooltip window) is subclassed to find it. Either way
// the window's messages reach the object's HandleMessage, and one ownership rule holds: the
// object's destructor destroys its window, and the window's final message (WM_NCDESTROY) makes
// the object forget it. So a window destroyed with its parent or owner never reaches an object
// that has gone, and an object that goes first never leaves a window behind that still points
// at it, nor destroys a handle that may name another window by then.
#pragma once

#include <windows.h>

#include <memory>

#include "shell/forms/accessible_control.h"

namespace verlumo {

// A class of our own: its name, cursor and background brush (null: the window paints every
// pixel itself).
struct WindowClass {
  const wchar_t* name;
  LPCWSTR cursor = IDC_ARROW;
  HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
};

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Null before creation and once the window is gone.
  HWND handle() const { return window_; }

  // From now on the window answers a screen reader with these facts, which must outlive the
  // object.
  void MakeAccessible(AccessibleFacts& facts);

 protected:
  // Registers the class with the shared window procedure on first use; false when the system
  // refuses it.
  static bool EnsureClass(const WindowClass& window_class);
  // Creates this object's window of a class of our own at bounds (the parent's client
  // coordinates, or the screen's for a top-level window); id is a child's control id. False when
  // the system refuses the class or the window.
  bool CreateOwnWindow(const WindowClass& window_class, DWORD ex_style, const wchar_t* text, DWORD style,
                       const RECT& bounds, HWND parent, int id = 0);
  // Takes over a window the system made from one of its own classes. owner_property names this
  // object in the window, for those that have only the handle. When the window cannot be taken
  // over it is destroyed and the result is false, with the system's last error kept.
  bool Adopt(HWND window, const wchar_t* owner_property);

  // The object's message handling; the default is DefaultHandling.
  virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  // What a window does with a message its object leaves: a window of our own paints through
  // OnPaint and leaves the rest to the system; an adopted control does what its class does.
  // A kind of window with handlers of its own for more messages (the forms) extends it.
  virtual LRESULT DefaultHandling(UINT message, WPARAM wparam, LPARAM lparam);
  virtual void OnPaint(HDC) {}

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK AdoptedProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                      UINT_PTR id, DWORD_PTR self);
  LRESULT Dispatch(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  // Cuts the window off from the object: no message of the window reaches it from now on.
  void Forget();

  HWND window_ = nullptr;
  const wchar_t* owner_property_ = nullptr;  // set while an adopted control is ours
  std::unique_ptr<AccessibleControl> accessible_;
};

// A child window at bounds in its parent with the given control id; param reaches WM_NCCREATE.
HWND CreateChildWindow(const wchar_t* class_name, DWORD ex_style, const wchar_t* text, DWORD style,
                       const RECT& bounds, HWND parent, int id, void* param = nullptr);

}  // namespace verlumo
