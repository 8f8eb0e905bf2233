// Converting between UTF-8 and UTF-16 with the system's converter.
#include "platform/win32/utf16.h"

#include <windows.h>

#include <climits>

namespace verlumo {

std::optional<std::wstring> Widen(const std::string& text) {
  if (text.empty()) return std::wstring();
  if (text.size() > static_cast<size_t>(INT_MAX)) return std::nullopt;
  const int length = static_cast<int>(text.size());
  const int wide_length = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
  if (wide_length <= 0) return std::nullopt;
  std::wstring wide(static_cast<size_t>(wide_length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide.data(), wide_length);
  return wide;
}

namespace {

std::optional<std::string> NarrowTo(const std::wstring& wide, UINT code_page) {
  if (wide.empty()) return std::string();
  if (wide.size() > static_cast<size_t>(INT_MAX)) return std::nullopt;
  const int length = static_cast<int>(wide.size());
  const int narrow_length =
      WideCharToMultiByte(code_page, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (narrow_length <= 0) return std::nullopt;
  std::string text(static_cast<size_t>(narrow_length), '\0');
  WideCharToMultiByte(code_page, 0, wide.data(), length, text.data(), narrow_length, nullptr,
                      nullptr);
  return text;
}

}  // namespace

std::optional<std::string> Narrow(const std::wstring& wide) { return NarrowTo(wide, CP_UTF8); }

std::string Utf8ToAnsi(const std::string& text) {
  return NarrowTo(Utf8ToWide(text), CP_ACP).value_or(std::string());
}

}  // namespace verlumo
