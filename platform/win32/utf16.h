// The game keeps its texts in UTF-8; the wide Windows functions take UTF-16. Malformed input
// becomes U+FFFD.
#pragma once

#include <optional>
#include <string>

namespace verlumo {

// Nothing only for a text too long for the system converter's int sizes.
std::optional<std::wstring> Widen(const std::string& text);
std::optional<std::string> Narrow(const std::wstring& wide);

// The same, with an over-long text read as empty: for the texts of windows and messages.
inline std::wstring Utf8ToWide(const std::string& text) { return Widen(text).value_or(std::wstring()); }
inline std::string WideToUtf8(const std::wstring& wide) { return Narrow(wide).value_or(std::string()); }

// For the few "A" functions: characters the ANSI code page lacks become its default character.
std::string Utf8ToAnsi(const std::string& text);

}  // namespace verlumo
