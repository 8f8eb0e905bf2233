// The core's file test for the wide paths the Windows side holds.
#pragma once

#include <string>

#include "core/file_io.h"
#include "platform/win32/utf16.h"

namespace verlumo {

// True for an existing file that is not a folder.
inline bool FileExists(const std::wstring& path) { return FileExists(WideToUtf8(path)); }

}  // namespace verlumo
