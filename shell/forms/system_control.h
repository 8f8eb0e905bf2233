// A control of one of the system's classes (the level selector's scroll bar), adopted so that it
// can answer a screen reader with facts of its owner's; it keeps its class's own behaviour.
#pragma once

#include <windows.h>

#include "shell/forms/window.h"

namespace verlumo {

class SystemControl final : public Window {
 public:
  // A child of parent at bounds with the given control id and no text; false when the system
  // refuses it.
  bool Create(const wchar_t* class_name, DWORD style, const RECT& bounds, HWND parent, int id);
};

}  // namespace verlumo
