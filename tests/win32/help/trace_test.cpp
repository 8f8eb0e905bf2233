// The diagnostic trace: where its file goes, that an old file goes away at every start, what
// switches it on, and the header and lines a rules request leaves in it.
#include <sstream>
#include <vector>

#include "shell/help/system_facts.h"
#include "shell/platform/wide_files.h"
#include "tests/win32/help/help_test_support.h"

namespace verlumo::hh {
namespace {

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

using TraceTest = HelpLayerTest;

TEST_F(TraceTest, AtEveryStartTheFilesPlaceIsChosenAndAnOldTraceThereDeleted) {
  ScratchFolder folder;
  EXPECT_EQ(PrepareTraceFile(folder.Folder()), folder.File(L"HHDebug.txt"));
  EXPECT_FALSE(FileExists(folder.File(L"$_Temp_$.$$$"))) << "the test file goes again";
  wchar_t temporary[MAX_PATH + 1] = L"";
  GetTempPathW(MAX_PATH + 1, temporary);
  EXPECT_EQ(PrepareTraceFile(folder.Folder() + L"missing\\"),
            std::wstring(temporary) + L"HHDebug.txt");

  const std::wstring old_trace = folder.Write(L"HHDebug.txt", "yesterday's trace");
  SetFileAttributesW(old_trace.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  const std::wstring program = folder.File(L"verlumo.exe");
  StartHelpLayer(program, Quoted(program));
  EXPECT_FALSE(TraceIsOn());
  EXPECT_FALSE(FileExists(old_trace));
  THookHelpSystem hook("C:\\nowhere\\vlmo.chm", "", HelpMode::kDirectCall);
  hook.set_context_callback([](std::int32_t) {});
  HelpContext(1);
  EXPECT_FALSE(FileExists(old_trace)) << "nothing is written while the trace is off";
}

TEST_F(TraceTest, ADebugFileOrADebugArgumentSwitchesTheTraceOn) {
  ScratchFolder folder;
  const std::wstring program = folder.File(L"verlumo.exe");
  for (const wchar_t* on : {L" /Debug", L" -debug", L" level7 -DEBUG"}) {
    StartHelpLayer(program, Quoted(program) + on);
    EXPECT_TRUE(TraceIsOn()) << Utf8(on);
  }
  for (const wchar_t* off : {L"", L" debug", L" /debugger", L" \"-debug \""}) {
    StartHelpLayer(program, Quoted(program) + off);
    EXPECT_FALSE(TraceIsOn()) << Utf8(off);
  }
  const std::wstring named_like_the_switch = folder.File(L"-debug");
  StartHelpLayer(named_like_the_switch, named_like_the_switch);
  EXPECT_FALSE(TraceIsOn()) << "the program's own name is no argument";
  folder.Write(L"debug.debug");
  StartHelpLayer(program, Quoted(program));
  EXPECT_TRUE(TraceIsOn());
}

TEST_F(TraceTest, ARulesRequestLeavesTheHeaderAndTheLinesOfItsWayToHtmlHelp) {
  ScratchFolder folder;
  const std::wstring program = folder.File(L"verlumo.exe");
  const std::wstring command_line = Quoted(program) + L" -DEBUG";
  StartHelpLayer(program, command_line);
  const std::string rules = Utf8(BuiltRulesFile());
  {
    THookHelpSystem hook(rules, "", HelpMode::kDirectCall);
    ASSERT_TRUE(HelpContext(2));
    EXPECT_NE(FindHelpWindow(), nullptr);
  }

  std::stringstream file;
  file << std::ifstream(fs::path(folder.File(L"HHDebug.txt")), std::ios::binary).rdbuf();
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) {
    ASSERT_TRUE(line.ends_with('\r')) << line;
    lines.push_back(line.substr(0, line.size() - 1));
  }
  const auto separator = std::find(lines.begin(), lines.end(), std::string(60, '-'));
  ASSERT_NE(separator, lines.end());
  const std::string header = [&] {
    std::string joined;
    for (auto line = lines.begin(); line != separator; ++line) joined += *line + "\n";
    return joined;
  }();
  EXPECT_TRUE(header.starts_with("Verlumo help trace\n")) << header;
  for (const std::string& fact : std::vector<std::string>{
           "Trace file:      " + Utf8(folder.File(L"HHDebug.txt")) + "\n",
           "Program:         " + Utf8(program) + "\nProgram version: none\n",
           "Command line:    " + Utf8(command_line) + "\n",
           "HTML Help:       " + Utf8(LocateControlFile()) + ", version ", "\nDate:            ",
           "\nSystem:          ", "\nLocale:          0x", "\nWeb browser:     "})
    EXPECT_NE(header.find(fact), std::string::npos) << fact << "\nnot in\n" << header;

  const std::vector<std::string> expected = {
      "THookHelpSystem.Create(\"" + rules + "\",\"\", 0)",
      "THookHelpSystem.HelpHook(1 (HELP_CONTEXT), 2)",
      "HHHelpContext(\"" + rules + "\", 2, \"\", 0)",
      "ShowContext(\"" + rules + "\", 0)",
      "  returned - 0",
      "THookHelpSystem.Destroy",
  };
  ASSERT_EQ(lines.end() - separator - 1, std::ssize(expected));
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const std::string& line = *(separator + 1 + i);
    const std::size_t blanks = line.find("   ");
    ASSERT_NE(blanks, std::string::npos) << line;
    EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(line[0])) &&
                line.substr(0, blanks).find(':') != std::string::npos)
        << "the time of day first: " << line;
    EXPECT_EQ(line.substr(blanks + 3), expected[i]);
  }
}

}  // namespace
}  // namespace verlumo::hh
