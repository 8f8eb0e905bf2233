// The help layer's texts. The trace lines keep their format strings literally, so that a trace
// file reads the same as the ones we compare it with.
#include "shell/help/help_texts.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace verlumo::hh {
namespace {

struct CommandName {
  std::uint16_t command;
  const char* name;
};

constexpr CommandName kCommandNames[] = {
    {1, "HELP_CONTEXT"},
    {2, "HELP_QUIT"},
    {3, "HELP_INDEX or HELP_CONTENTS"},
    {4, "HELP_HELPONHELP"},
    {5, "HELP_SETINDEX or HELP_SETCONTENTS"},
    {8, "HELP_CONTEXTPOPUP"},
    {9, "HELP_FORCEFILE"},
    {10, "HELP_CONTEXTMENU"},
    {11, "HELP_FINDER"},
    {12, "HELP_WM_HELP"},
    {13, "HELP_SETPOPUP_POS"},
    {257, "HELP_KEY"},
    {258, "HELP_COMMAND"},
    {261, "HELP_PARTIALKEY"},
    {513, "HELP_MULTIKEY"},
    {515, "HELP_SETWINPOS"},
};

__attribute__((format(printf, 1, 2))) std::string Format(const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  std::va_list measuring;
  va_copy(measuring, arguments);
  const int length = std::vsnprintf(nullptr, 0, format, measuring);
  va_end(measuring);
  std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
  if (length > 0) std::vsnprintf(text.data(), text.size() + 1, format, arguments);
  va_end(arguments);
  return text;
}

std::string ReplaceAll(const std::string& text, std::string_view from, std::string_view to) {
  std::string result;
  std::size_t start = 0;
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, start)) {
    result.append(text, start, at - start).append(to);
    start = at + from.size();
  }
  return result.append(text, start);
}

std::string TrimBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

}  // namespace

std::string HelpCommandName(std::uint16_t command) {
  for (const CommandName& entry : kCommandNames)
    if (entry.command == command) return entry.name;
  return "??";
}

std::string CreateTraceLine(const std::string& help_file, const std::string& window_name,
                            int mode) {
  return Format("THookHelpSystem.Create(\"%s\",\"%s\", %d)", help_file.c_str(), window_name.c_str(),
                mode);
}

std::string HelpHookTraceLine(std::uint16_t command, std::int32_t data) {
  const std::string described = std::to_string(command) + " (" + HelpCommandName(command) + ")";
  return Format("THookHelpSystem.HelpHook(%s, %d)", described.c_str(), static_cast<int>(data));
}

std::string HHHelpContextTraceLine(const std::string& help_file, int context,
                                   const std::string& window_name, int mode) {
  return Format("HHHelpContext(\"%s\", %d, \"%s\", %d)", help_file.c_str(), context,
                window_name.c_str(), mode);
}

std::string ShowContextTraceLine(const std::string& help_path, int mode) {
  return Format("ShowContext(\"%s\", %d)", help_path.c_str(), mode);
}

std::string ReturnedTraceLine(int code) { return Format("  returned - %d", code); }

std::string ShowErrorTraceLine(int code, const std::string& message) {
  return Format("HHShowError(%d), \"%s\"", code, message.c_str());
}

std::string TimedTraceLine(const std::string& time_of_day, const std::string& text) {
  return time_of_day + "   " + text;
}

std::string HelpErrorText(int code) {
  switch (code) {
    case kHtmlHelpNotInstalled:
      return "MS Html Help is not installed on this PC.";
    case 2:
      return "System file KeyHH.EXE was not found in the Windows folder.";
    case 3:
      return "System file HH.EXE was not found in the Windows folder.";
    default:
      return "Unknown error returned by HHHelpContext";
  }
}

std::string HelpPath(const std::string& help_file, const std::string& window_name) {
  std::string path = TrimBlanks(ReplaceAll(help_file, "%20", " "));
  const std::string window = TrimBlanks(ReplaceAll(window_name, "%20", " "));
  if (!window.empty()) path += ">" + window;
  return path;
}

std::string ReplaceSystemRoot(const std::string& location, const std::string& windows_directory) {
  constexpr std::string_view kSystemRoot = "%SYSTEMROOT%";
  if (location.size() < kSystemRoot.size() ||
      !EqualIgnoringAsciiCase(std::string_view(location).substr(0, kSystemRoot.size()),
                              kSystemRoot))
    return location;
  return windows_directory + location.substr(kSystemRoot.size());
}

bool IsTraceArgument(std::string_view argument) {
  return EqualIgnoringAsciiCase(argument, "/debug") || EqualIgnoringAsciiCase(argument, "-debug");
}

}  // namespace verlumo::hh
