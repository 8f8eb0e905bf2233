// A file's version information, as the help layer reports it.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>

namespace verlumo::hh {

// The four numbers of a file version: major, minor, release, build.
using FileVersion = std::array<unsigned, 4>;

// The file version from the file's version information; empty when the file is missing or
// carries none.
std::optional<FileVersion> ReadFileVersion(const std::wstring& path);

std::string VersionText(const FileVersion& version);  // "5.2.3790.2847"

}  // namespace verlumo::hh
