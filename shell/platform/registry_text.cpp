// Reading registry text values of any length, also while another program changes them.
#include "shell/platform/registry_text.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "shell/platform/registry_key.h"

namespace verlumo {
namespace {

// A value that keeps changing size between asking for its size and reading it (another program
// writing it at that moment) counts as absent after this many tries, rather than looping on.
constexpr int kReadAttempts = 4;

bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

}  // namespace

std::optional<std::wstring> QueryText(HKEY key, const std::wstring& name) {
  DWORD type = REG_NONE;
  DWORD size = 0;
  LSTATUS status = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
  for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
    if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA) return std::nullopt;
    if (!IsText(type)) return std::nullopt;
    // One spare character keeps the buffer from being empty: a read into no buffer would only
    // report the size again.
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1);
    const size_t capacity = buffer.size() * sizeof(wchar_t);
    if (capacity > MAXDWORD) return std::nullopt;
    size = static_cast<DWORD>(capacity);
    status = RegQueryValueExW(key, name.c_str(), nullptr, &type,
                              reinterpret_cast<BYTE*>(buffer.data()), &size);
    if (status == ERROR_SUCCESS) {
      if (!IsText(type)) return std::nullopt;
      const std::wstring_view data(buffer.data(),
                                   std::min<size_t>(size, capacity) / sizeof(wchar_t));
      return std::wstring(data.substr(0, data.find(L'\0')));
    }
    // ERROR_MORE_DATA: the value grew since its size was asked; `size` holds the new size.
  }
  return std::nullopt;
}

std::optional<std::wstring> ReadRegistryText(HKEY root, const std::wstring& key_path,
                                             const std::wstring& name) {
  RegistryKey key;
  if (key.Open(root, key_path, KEY_QUERY_VALUE) != ERROR_SUCCESS) return std::nullopt;
  return QueryText(key.get(), name);
}

}  // namespace verlumo
