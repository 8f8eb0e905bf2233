// The help layer's texts and small text rules, free of any window-system header so that they are
// tested natively: the names of help commands, the lines of the diagnostic trace, the error
// texts, the help path handed to HTML Help, the %SYSTEMROOT% rule for the registered location of
// the help control, and the command-line switch of the trace. All texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace verlumo::hh {

// Help commands an application's help handler receives (the WinHelp command numbers).
constexpr std::uint16_t kHelpContext = 1;
constexpr std::uint16_t kHelpContextPopup = 8;
constexpr std::uint16_t kHelpSetPopupPos = 13;

// The name of a help command in the trace, "??" for a number we do not know.
std::string HelpCommandName(std::uint16_t command);

// Trace lines, without the time of day in front.
std::string CreateTraceLine(const std::string& help_file, const std::string& window_name, int mode);
std::string HelpHookTraceLine(std::uint16_t command, std::int32_t data);
std::string HHHelpContextTraceLine(const std::string& help_file, int context,
                                   const std::string& window_name, int mode);
std::string ShowContextTraceLine(const std::string& help_path, int mode);
std::string ReturnedTraceLine(int code);
std::string ShowErrorTraceLine(int code, const std::string& message);
constexpr const char* kDestroyTraceLine = "THookHelpSystem.Destroy";

// A trace line as written to the file: the time of day, three blanks, the text.
std::string TimedTraceLine(const std::string& time_of_day, const std::string& text);

// Result codes of a help request and what the player is told about a failed one; the texts are
// English whatever the game's language.
constexpr int kHelpShown = 0;
constexpr int kHtmlHelpNotInstalled = 1;
std::string HelpErrorText(int code);

// The path HTML Help gets for a help file and a window definition: "%20" becomes a blank in
// both, blanks at either end go, and a window name that is left is appended after a ">".
std::string HelpPath(const std::string& help_file, const std::string& window_name);

// A registered location that starts with "%SYSTEMROOT%" (any case) has those twelve characters
// replaced by the Windows directory, given without a trailing backslash.
std::string ReplaceSystemRoot(const std::string& location, const std::string& windows_directory);

// True for a command-line argument that switches the trace on: "/debug" or "-debug", any case.
bool IsTraceArgument(std::string_view argument);

}  // namespace verlumo::hh
