// An open registry key owned by one object and closed when that object goes, so that no path
// through the settings store, early returns included, leaves a key handle open.
#pragma once

#include <windows.h>

#include <string>

namespace verlumo {

class RegistryKey {
 public:
  RegistryKey() = default;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey() { Close(); }

  // Opens an existing key; never creates one. Returns the registry's status.
  LSTATUS Open(HKEY parent, const std::wstring& path, REGSAM access) {
    HKEY opened = nullptr;
    const LSTATUS status = RegOpenKeyExW(parent, path.c_str(), 0, access, &opened);
    if (status == ERROR_SUCCESS) Hold(opened);
    return status;
  }

  // Opens a key, creating it and every missing key above it. Returns the registry's status.
  LSTATUS Create(HKEY parent, const std::wstring& path, REGSAM access) {
    HKEY opened = nullptr;
    const LSTATUS status =
        RegCreateKeyExW(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                        &opened, nullptr);
    if (status == ERROR_SUCCESS) Hold(opened);
    return status;
  }

  HKEY get() const { return key_; }

 private:
  void Hold(HKEY key) {
    Close();
    key_ = key;
  }

  void Close() {
    if (key_ != nullptr) RegCloseKey(key_);
    key_ = nullptr;
  }

  HKEY key_ = nullptr;
};

}  // namespace verlumo
