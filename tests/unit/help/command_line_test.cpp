// Splitting the command line the way Windows programs split their argv: the trace switch must
// be found, or not found, exactly where the system's own splitter would put it.
#include "shell/help/command_line.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

namespace verlumo::hh {
namespace {

using Arguments = std::vector<std::wstring>;

TEST(CommandLineTest, TheProgramNameIsNoArgumentQuotedOrNot) {
  EXPECT_EQ(CommandLineArguments(L""), Arguments{});
  EXPECT_EQ(CommandLineArguments(L"C:\\Games\\verlumo.exe"), Arguments{});
  EXPECT_EQ(CommandLineArguments(L"\"C:\\My Games\\-debug.exe\""), Arguments{});
  // In the name a backslash before the closing quote is an ordinary character.
  EXPECT_EQ(CommandLineArguments(L"\"C:\\Games\\\" -debug"), Arguments{L"-debug"});
  EXPECT_EQ(CommandLineArguments(L"verlumo.exe  /Debug\tlevel7 "), (Arguments{L"/Debug", L"level7"}));
}

TEST(CommandLineTest, QuotesGroupAndBackslashesEscapeOnlyBeforeAQuote) {
  EXPECT_EQ(CommandLineArguments(L"v.exe \"-debug \""), Arguments{L"-debug "});
  EXPECT_EQ(CommandLineArguments(L"v.exe a\"b c\"d e"), (Arguments{L"ab cd", L"e"}));
  EXPECT_EQ(CommandLineArguments(L"v.exe C:\\dir\\ x"), (Arguments{L"C:\\dir\\", L"x"}));
  EXPECT_EQ(CommandLineArguments(L"v.exe a\\\\\"b c\""), Arguments{L"a\\b c"});
  EXPECT_EQ(CommandLineArguments(L"v.exe a\\\\\\\"b c"), (Arguments{L"a\\\"b", L"c"}));
  // Two quotes inside quotes are a literal quote that ends the quoting; the next one reopens it.
  EXPECT_EQ(CommandLineArguments(L"v.exe \"a\"\"b\" c"), Arguments{L"a\"b c"});
  EXPECT_EQ(CommandLineArguments(L"v.exe \"a\"\"b c"), (Arguments{L"a\"b", L"c"}));
  EXPECT_EQ(CommandLineArguments(L"v.exe \"\" x"), (Arguments{L"", L"x"}));
  // An unclosed quote runs to the end of the line.
  EXPECT_EQ(CommandLineArguments(L"v.exe \"-debug x"), Arguments{L"-debug x"});
}

#ifdef _WIN32
// The system's splitter is the reference; the game only avoids loading its library at start.
TEST(CommandLineTest, SplitsAsTheSystemDoes) {
  for (const wchar_t* line :
       {L"verlumo.exe", L"\"C:\\My Games\\verlumo.exe\" /debug", L"v.exe  -DEBUG  level7",
        L"v.exe \"-debug \"", L"v.exe a\"b c\"d e", L"v.exe a\\\\\"b c\"", L"v.exe a\\\\\\\"b c",
        L"v.exe C:\\dir\\ x", L"v.exe \"\" x", L"v.exe \"a\"\"b\" c", L"v.exe \"a\"\"b c", L"v.exe \"-debug x"}) {
    int count = 0;
    LPWSTR* split = CommandLineToArgvW(line, &count);
    ASSERT_NE(split, nullptr);
    const Arguments expected(split + 1, split + count);
    LocalFree(split);
    EXPECT_EQ(CommandLineArguments(line), expected) << line;
  }
}
#endif

}  // namespace
}  // namespace verlumo::hh
