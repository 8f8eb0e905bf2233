// Owners for GDI objects and icons: each releases its handle when it goes, so a long session
// leaks nothing.
#pragma once

#include <windows.h>

#include <utility>

namespace verlumo {

template <typename Handle, BOOL(WINAPI* Release)(Handle)>
class OwnedHandle {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(Handle handle) : handle_(handle) {}
  ~OwnedHandle() { reset(); }
  OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  OwnedHandle& operator=(OwnedHandle&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void reset(Handle handle = nullptr) {
    if (handle_ != nullptr) Release(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

inline BOOL WINAPI DeleteGdiObject(HGDIOBJ object) { return DeleteObject(object); }

using OwnedFont = OwnedHandle<HGDIOBJ, DeleteGdiObject>;
using OwnedBitmap = OwnedHandle<HGDIOBJ, DeleteGdiObject>;
using OwnedIcon = OwnedHandle<HICON, DestroyIcon>;

// Selects an object into a device context for the lifetime of this guard.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() { SelectObject(dc_, previous_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace verlumo
