// Splitting a command line.
#include "shell/help/command_line.h"

namespace verlumo::hh {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// The end of the program's own name.
std::size_t SkipProgramName(const std::wstring& line) {
  if (!line.empty() && line[0] == L'"') {
    const std::size_t quote = line.find(L'"', 1);
    return quote == std::wstring::npos ? line.size() : quote + 1;
  }
  std::size_t at = 0;
  while (at < line.size() && !IsBlank(line[at])) ++at;
  return at;
}

}  // namespace

std::vector<std::wstring> CommandLineArguments(const std::wstring& line) {
  std::vector<std::wstring> arguments;
  std::size_t at = SkipProgramName(line);
  for (;;) {
    while (at < line.size() && IsBlank(line[at])) ++at;
    if (at >= line.size()) return arguments;
    std::wstring argument;
    bool quoted = false;
    while (at < line.size() && (quoted || !IsBlank(line[at]))) {
      if (line[at] == L'\\') {
        std::size_t backslashes = 0;
        while (at < line.size() && line[at] == L'\\') ++backslashes, ++at;
        if (at < line.size() && line[at] == L'"') {
          argument.append(backslashes / 2, L'\\');
          if (backslashes % 2 == 1) {
            argument += L'"';
            ++at;
          }
        } else {
          argument.append(backslashes, L'\\');
        }
      } else if (line[at] == L'"') {
        if (quoted && at + 1 < line.size() && line[at + 1] == L'"') {
          argument += L'"';
          at += 2;
          quoted = false;
        } else {
          quoted = !quoted;
          ++at;
        }
      } else {
        argument += line[at++];
      }
    }
    arguments.push_back(std::move(argument));
  }
}

}  // namespace verlumo::hh
