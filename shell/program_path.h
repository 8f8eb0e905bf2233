// The full path of the running program file.
#pragma once

#include <string>

namespace verlumo {

std::wstring ProgramFile();

}  // namespace verlumo
