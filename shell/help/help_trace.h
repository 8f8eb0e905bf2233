// The help layer's diagnostic trace, HHDebug.txt: off unless asked for at start, it then records
// the machine's facts and every help request with its result, so that a player whose rules do
// not open can send us the file.
#pragma once

#include <string>
#include <vector>

namespace verlumo::hh {

constexpr const wchar_t* kTraceFileName = L"HHDebug.txt";
constexpr const wchar_t* kTraceSwitchFileName = L"debug.debug";

// True when the trace is asked for: a file debug.debug in the program directory (given with its
// trailing separator), or a /debug or -debug argument.
bool TraceRequested(const std::wstring& program_directory,
                    const std::vector<std::wstring>& arguments);

// Run at every start, trace on or off: the trace file's place is the program directory when it
// exists and takes a test file, else the user's temporary folder, else c:\. An old trace file
// there loses its attributes and is deleted. Returns the trace file's full path.
std::wstring PrepareTraceFile(const std::wstring& program_directory);

// What the help layer knows for the trace file's header; the rest it finds out itself.
struct TraceHeaderFacts {
  std::wstring program_file;
  std::wstring command_line;
  std::string html_help;  // where the control is and its version, or why it is missing
};

// Switches the trace on or off for the rest of the run. When on, the file is created afresh and
// begins with the header of environment facts; a file that cannot be created leaves it off.
void StartTrace(const std::wstring& trace_file, bool on, const TraceHeaderFacts& facts);

bool TraceIsOn();

// Appends a line with the time of day in front while the trace is on. A failing write is lost
// quietly: the trace must never disturb the game.
void Trace(const std::string& text);

}  // namespace verlumo::hh
