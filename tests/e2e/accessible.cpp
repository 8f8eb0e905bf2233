// Asking a control's accessible object, and hearing the game's events.
#include "tests/e2e/accessible.h"

#include <algorithm>
#include <cwchar>

namespace verlumo::e2e {
namespace {

VARIANT Self() {
  VARIANT self;
  VariantInit(&self);
  V_VT(&self) = VT_I4;
  V_I4(&self) = CHILDID_SELF;
  return self;
}

std::wstring Take(HRESULT result, BSTR text) {
  wchar_t failure[32];
  swprintf(failure, 32, L"failure 0x%08lX", static_cast<unsigned long>(result));
  std::wstring taken = SUCCEEDED(result) && text != nullptr ? std::wstring(text, SysStringLen(text)) : failure;
  SysFreeString(text);
  return taken;
}

template <typename Question>
std::wstring Ask(IAccessible* object, Question question) {
  if (object == nullptr) return L"no object";
  BSTR text = nullptr;
  const HRESULT result = (object->*question)(Self(), &text);
  return Take(result, text);
}

LONG AskNumber(IAccessible* object, HRESULT (STDMETHODCALLTYPE IAccessible::*question)(VARIANT, VARIANT*)) {
  VARIANT number;
  VariantInit(&number);
  if (object == nullptr || FAILED((object->*question)(Self(), &number)) || V_VT(&number) != VT_I4) return -1;
  return V_I4(&number);
}

}  // namespace

Accessible::Accessible(HWND control) {
  AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object));
}

Accessible::~Accessible() {
  if (object != nullptr) object->Release();
}

std::wstring Accessible::Name() const { return Ask(object, &IAccessible::get_accName); }
std::wstring Accessible::Description() const { return Ask(object, &IAccessible::get_accDescription); }
std::wstring Accessible::Value() const { return Ask(object, &IAccessible::get_accValue); }
std::wstring Accessible::DefaultAction() const { return Ask(object, &IAccessible::get_accDefaultAction); }
LONG Accessible::Role() const { return AskNumber(object, &IAccessible::get_accRole); }
LONG Accessible::State() const { return AskNumber(object, &IAccessible::get_accState); }
HRESULT Accessible::Press() const { return object != nullptr ? object->accDoDefaultAction(Self()) : E_POINTER; }

HeardEvents::HeardEvents(DWORD process_id, DWORD first, DWORD last)
    : hook_(SetWinEventHook(first, last, nullptr, Hear, process_id, 0, WINEVENT_OUTOFCONTEXT)) {
  heard().clear();
}

HeardEvents::~HeardEvents() { UnhookWinEvent(hook_); }

int HeardEvents::Count(DWORD event, HWND window) const {
  return static_cast<int>(std::count(heard().begin(), heard().end(), std::make_pair(event, window)));
}

bool HeardEvents::Heard(DWORD event, HWND window) const {
  return Eventually([&] { return Count(event, window) > 0; });
}

std::vector<std::pair<DWORD, HWND>>& HeardEvents::heard() {
  static std::vector<std::pair<DWORD, HWND>> events;
  return events;
}

void CALLBACK HeardEvents::Hear(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
  if (object == OBJID_CLIENT && child == CHILDID_SELF) heard().emplace_back(event, window);
}

}  // namespace verlumo::e2e
