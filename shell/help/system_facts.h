// Small readers of facts about the machine that the help layer needs: whether a file exists,
// a text value from the registry, and a file's version information.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>

namespace verlumo::hh {

bool IsExistingFile(const std::wstring& path);

// A REG_SZ or REG_EXPAND_SZ value as stored (nothing expanded); empty when the key, the value
// or its text is missing. A null value name reads the key's default value.
std::wstring ReadRegistryText(HKEY root, const wchar_t* key_path, const wchar_t* value_name);

// The four numbers of a file version: major, minor, release, build.
using FileVersion = std::array<unsigned, 4>;

// The file version from the file's version information; empty when the file is missing or
// carries none.
std::optional<FileVersion> ReadFileVersion(const std::wstring& path);

std::string VersionText(const FileVersion& version);  // "5.2.3790.2847"

}  // namespace verlumo::hh
