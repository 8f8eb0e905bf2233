// The running program file and the program directory beside it, where the level file, the help
// file and the default game file lie.
#pragma once

#include <string>

namespace verlumo {

std::wstring ProgramFile();

// The folder of a program file, with its trailing separator.
std::wstring ProgramDirectoryOf(const std::wstring& program_file);

// The running program's directory in UTF-8, with its trailing separator.
std::string ProgramDirectory();

}  // namespace verlumo
