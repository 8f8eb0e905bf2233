// Reading UTF-8 strictly, for the file names the core hands to the system on Windows: a byte
// sequence that is not well-formed UTF-8 names no file, rather than some other file.
#pragma once

#include <optional>
#include <string>

namespace verlumo {

// UTF-16 code units, surrogate pairs for characters beyond U+FFFF. Nothing for a stray or
// missing continuation byte, an over-long form, an encoded surrogate or a value above U+10FFFF.
std::optional<std::u16string> Utf8ToUtf16(const std::string& text);

}  // namespace verlumo
