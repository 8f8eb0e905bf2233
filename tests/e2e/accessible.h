// What a screen reader reads of the running game, asked from this process as Narrator or NVDA
// ask from theirs: a control's accessible object through AccessibleObjectFromWindow, and the
// events the game raises, heard by an out-of-process WinEvent hook.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>
#include <utility>
#include <vector>

namespace verlumo::e2e {

// The control's accessible object, as AccessibleObjectFromWindow gives it to any process. A
// text is the failure's code when the question fails.
struct Accessible {
  explicit Accessible(HWND control);
  ~Accessible();
  Accessible(const Accessible&) = delete;
  Accessible& operator=(const Accessible&) = delete;

  std::wstring Name() const;
  std::wstring Description() const;
  std::wstring Value() const;
  std::wstring DefaultAction() const;
  LONG Role() const;  // -1 when it cannot be read
  LONG State() const;
  HRESULT Press() const;

  IAccessible* object = nullptr;
};

// Waits until the condition holds, for at most timeout_ms, taking in the events meanwhile.
template <typename Condition>
bool Eventually(Condition condition, DWORD timeout_ms = 2000) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeout_ms) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  return true;
}

// The events from first to last that the game's process raises about a window's own object, in
// the order heard. One hook at a time: the system's callback has no room for its hook's object.
class HeardEvents {
 public:
  HeardEvents(DWORD process_id, DWORD first, DWORD last);
  ~HeardEvents();
  HeardEvents(const HeardEvents&) = delete;
  HeardEvents& operator=(const HeardEvents&) = delete;

  bool hooked() const { return hook_ != nullptr; }
  // How many such events were heard so far, without waiting.
  int Count(DWORD event, HWND window) const;
  // True once such an event is heard, waiting up to two seconds.
  bool Heard(DWORD event, HWND window) const;

 private:
  static void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD);
  static std::vector<std::pair<DWORD, HWND>>& heard();

  HWINEVENTHOOK hook_;
};

}  // namespace verlumo::e2e
