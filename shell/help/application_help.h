// The application's help request: one process-wide slot for the help handler that serves the
// game's help requests, and the request the rules button makes. The game itself has no help
// system of its own; whatever a handler leaves to the application goes unserved.
#pragma once

#include <cstdint>
#include <functional>

namespace verlumo {

// The application's title, the caption of the help layer's message boxes.
constexpr const wchar_t* kApplicationTitle = L"Verlumo";

// Serves a help command with its data. call_help arrives true; a handler that sets it false has
// taken the request over, one that leaves it true hands it back to the application.
// Returns whether the request was served.
using HelpHandler = std::function<bool(std::uint16_t command, std::int32_t data, bool& call_help)>;

// Installs a handler (an empty one removes it) and returns the one it replaces.
HelpHandler ExchangeHelpHandler(HelpHandler handler);

// Hands a help command to the current handler. False when there is none, or when the handler
// leaves the request to the application.
bool HelpCommand(std::uint16_t command, std::int32_t data);

// Asks for the help topic with this context number (help command HELP_CONTEXT).
bool HelpContext(int context);

}  // namespace verlumo
