// Splitting the program's command line into its arguments, by the rules Windows programs follow
// for their argv. The help layer reads it at every start for its trace switch; doing it here
// spares loading the shell library, which has a splitter of its own, before the first window.
#pragma once

#include <string>
#include <vector>

namespace verlumo::hh {

// The arguments after the program's own name. The name is the text up to the first blank, or,
// when it starts with a quote, up to the next quote. In the arguments, blanks outside quotes
// separate; quotes group and are dropped; 2n backslashes before a quote give n backslashes and
// the quote groups, 2n + 1 give n backslashes and a literal quote; inside quotes, two quotes in
// a row give one literal quote and end the quoting; other backslashes are kept.
std::vector<std::wstring> CommandLineArguments(const std::wstring& command_line);

}  // namespace verlumo::hh
