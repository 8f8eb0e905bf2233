// The IAccessible a control of ours gives a screen reader: name, role, state and default action
// from the control, the rest from the system's standard proxy for the window.
#include "shell/forms/accessible_control.h"

#include <oleacc.h>

#include "shell/forms/window.h"

namespace verlumo {

// One COM object per window. It lives while anybody holds it (the control, or a screen reader
// through the window's answer); Disconnect cuts it off from a control that goes.
class AccessibleObject final : public IAccessible {
 public:
  // Null when the system gives no standard proxy for the window.
  static AccessibleObject* Make(HWND window, AccessibleFacts& facts) {
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&standard)))) {
      return nullptr;
    }
    return new AccessibleObject(standard, facts);
  }

  void Disconnect() {
    facts_ = nullptr;
    if (standard_ != nullptr) standard_->Release();
    standard_ = nullptr;
  }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
      Disconnect();
      delete this;
    }
    return left;
  }

  // IDispatch: screen readers call IAccessible itself; there is no type information to give.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  // What the control tells about itself. A part of the control (a scroll bar's arrows and
  // thumb) is the standard proxy's to describe.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!Connected()) return RPC_E_DISCONNECTED;
    if (!IsSelf(child)) return standard_->get_accName(child, name);
    return GiveText(facts_->AccessibleName(), name);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!Connected()) return RPC_E_DISCONNECTED;
    if (!IsSelf(child)) return standard_->get_accRole(child, role);
    if (role == nullptr) return E_POINTER;
    V_VT(role) = VT_I4;
    V_I4(role) = facts_->AccessibleRole();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (!Connected()) return RPC_E_DISCONNECTED;
    const HRESULT result = standard_->get_accState(child, state);
    if (!IsSelf(child) || FAILED(result)) return result;
    const LONG system_state = V_VT(state) == VT_I4 ? V_I4(state) : 0;
    VariantClear(state);
    V_VT(state) = VT_I4;
    V_I4(state) = facts_->AccessibleState(system_state);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (!Connected()) return RPC_E_DISCONNECTED;
    if (!IsSelf(child)) return standard_->get_accDefaultAction(child, action);
    const std::wstring text = facts_->DefaultActionName();
    if (text.empty()) {
      if (action != nullptr) *action = nullptr;
      return S_FALSE;
    }
    return GiveText(text, action);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    if (!Connected()) return RPC_E_DISCONNECTED;
    if (!IsSelf(child)) return standard_->accDoDefaultAction(child);
    return facts_->DoDefaultAction() ? S_OK : DISP_E_MEMBERNOTFOUND;
  }

  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    if (!Connected()) return RPC_E_DISCONNECTED;
    const std::wstring text = IsSelf(child) ? facts_->AccessibleValue() : std::wstring();
    return text.empty() ? standard_->get_accValue(child, value) : GiveText(text, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    if (!Connected()) return RPC_E_DISCONNECTED;
    const std::wstring text = IsSelf(child) ? facts_->AccessibleDescription() : std::wstring();
    return text.empty() ? standard_->get_accDescription(child, description) : GiveText(text, description);
  }

  // What the window shows: the standard proxy's.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return Connected() ? standard_->get_accParent(parent) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    return Connected() ? standard_->get_accChildCount(count) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return Connected() ? standard_->get_accChild(child, object) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return Connected() ? standard_->get_accHelp(child, help) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return Connected() ? standard_->get_accHelpTopic(file, child, topic) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return Connected() ? standard_->get_accKeyboardShortcut(child, shortcut) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    return Connected() ? standard_->get_accFocus(focus) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    return Connected() ? standard_->get_accSelection(selection) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG how, VARIANT child) override {
    return Connected() ? standard_->accSelect(how, child) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
    return Connected() ? standard_->accLocation(left, top, width, height, child) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return Connected() ? standard_->accNavigate(direction, start, end) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    return Connected() ? standard_->accHitTest(x, y, child) : RPC_E_DISCONNECTED;
  }
  // A screen reader does not rename the game's controls.
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return Connected() ? standard_->put_accValue(child, value) : RPC_E_DISCONNECTED;
  }

 private:
  AccessibleObject(IAccessible* standard, AccessibleFacts& facts) : standard_(standard), facts_(&facts) {}
  ~AccessibleObject() = default;

  bool Connected() const { return facts_ != nullptr; }
  static bool IsSelf(const VARIANT& child) { return V_VT(&child) == VT_I4 && V_I4(&child) == CHILDID_SELF; }
  static HRESULT GiveText(const std::wstring& text, BSTR* out) {
    if (out == nullptr) return E_POINTER;
    *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
  }

  LONG references_ = 1;
  IAccessible* standard_;
  AccessibleFacts* facts_;
};

std::wstring NamedControl::AccessibleName() const { return words_.NameOf(control_.handle()); }

std::wstring NamedControl::AccessibleDescription() const { return words_.DescriptionOf(control_.handle()); }

LONG NamedControl::AccessibleState(LONG system_state) const {
  if (GetWindowLongPtrW(control_.handle(), GWL_STYLE) & WS_TABSTOP) return system_state;
  return system_state & ~(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED);
}

AccessibleControl::~AccessibleControl() {
  if (object_ == nullptr) return;
  object_->Disconnect();
  object_->Release();
}

bool AccessibleControl::Answer(HWND window, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  // The object id arrives in the low 32 bits, as a signed number.
  if (static_cast<LONG>(static_cast<DWORD>(lparam)) != OBJID_CLIENT) return false;
  if (object_ == nullptr) object_ = AccessibleObject::Make(window, facts_);
  if (object_ == nullptr) return false;
  // The result carries a reference of its own to the asker (across processes, a marshalled one).
  result = LresultFromObject(__uuidof(IAccessible), wparam, static_cast<IAccessible*>(object_));
  // A failure comes back as a negative HRESULT.
  return result > 0;
}

}  // namespace verlumo
