// Reading registry text values of any length, also while another program changes them.
#include "shell/platform/registry_text.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "shell/platform/registry_key.h"

namespace verlumo {
namespace {

// A value that keeps changing size between asking for its size and reading it (another program
// writing it at that moment) counts as absent after this many tries, rather than looping on.
constexpr int kReadAttempts = 4;

bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

}  // namespace

// The size is asked first, since a value may be of any length; only the bytes the registry
// reports are kept.
std::optional<RegistryData> QueryValue(HKEY key, const std::wstring& name) {
  DWORD type = REG_NONE;
  DWORD size = 0;
  LSTATUS status = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
  for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
    if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA) return std::nullopt;
    if (!IsText(type)) return RegistryData{false, {}};
    // One spare byte keeps the buffer from being empty: a read into no buffer would only report
    // the size again.
    std::vector<std::uint8_t> buffer(static_cast<size_t>(size) + 1);
    if (buffer.size() > MAXDWORD) return std::nullopt;
    size = static_cast<DWORD>(buffer.size());
    status = RegQueryValueExW(key, name.c_str(), nullptr, &type, buffer.data(), &size);
    if (status == ERROR_SUCCESS) {
      buffer.resize(std::min<size_t>(size, buffer.size()));
      return RegistryData{IsText(type), std::move(buffer)};
    }
    // ERROR_MORE_DATA: the value grew since its size was asked; `size` holds the new size.
  }
  return std::nullopt;
}

std::optional<std::wstring> QueryText(HKEY key, const std::wstring& name) {
  const std::optional<RegistryData> value = QueryValue(key, name);
  if (!value || !value->is_text) return std::nullopt;
  std::wstring text(value->bytes.size() / sizeof(wchar_t), L'\0');
  std::memcpy(text.data(), value->bytes.data(), text.size() * sizeof(wchar_t));
  return text.substr(0, text.find(L'\0'));
}

std::optional<std::wstring> ReadRegistryText(HKEY root, const std::wstring& key_path,
                                             const std::wstring& name) {
  RegistryKey key;
  if (key.Open(root, key_path, KEY_QUERY_VALUE) != ERROR_SUCCESS) return std::nullopt;
  return QueryText(key.get(), name);
}

}  // namespace verlumo
