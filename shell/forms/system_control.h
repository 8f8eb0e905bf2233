// A control of one of the system's classes (the level selector's scroll bar), adopted so that it
// can answer a screen reader with facts of its owner's; it keeps its class's own behaviour, except
// for the keys its owner takes first.
#pragma once

#include <windows.h>

#include <functional>

#include "shell/forms/window.h"

namespace verlumo {

class SystemControl final : public Window {
 public:
  // Gives true for a key the owner took; the control never sees it then.
  using KeyFilter = std::function<bool(WPARAM key)>;

  // A child of parent at bounds with the given control id and no text; false when the system
  // refuses it.
  bool Create(const wchar_t* class_name, DWORD style, const RECT& bounds, HWND parent, int id);
  // Outside a dialog nothing moves the focus on from a control at Tab: its owner does.
  void FilterKeys(KeyFilter filter) { key_filter_ = std::move(filter); }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

  KeyFilter key_filter_;
};

}  // namespace verlumo
