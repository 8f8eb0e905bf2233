// The help layer's texts: trace lines exactly as a trace file must show them, the error texts,
// the help path handed to HTML Help, the %SYSTEMROOT% rule and the trace switch.
#include "shell/help/help_texts.h"

#include <gtest/gtest.h>

namespace verlumo::hh {
namespace {

TEST(HelpTexts, HelpHookLinesNameEveryKnownCommandAndMarkOthers) {
  EXPECT_EQ(HelpHookTraceLine(1, 2), "THookHelpSystem.HelpHook(1 (HELP_CONTEXT), 2)");
  EXPECT_EQ(HelpHookTraceLine(13, -65536),
            "THookHelpSystem.HelpHook(13 (HELP_SETPOPUP_POS), -65536)");
  EXPECT_EQ(HelpHookTraceLine(7, 0), "THookHelpSystem.HelpHook(7 (?\?), 0)");
  for (auto [command, name] : {std::pair<std::uint16_t, const char*>{1, "HELP_CONTEXT"},
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
                               {515, "HELP_SETWINPOS"}})
    EXPECT_EQ(HelpCommandName(command), name) << command;
  for (std::uint16_t unknown : {0, 6, 7, 14, 256, 259, 514, 516, 65535})
    EXPECT_EQ(HelpCommandName(unknown), "??") << unknown;
}

TEST(HelpTexts, TraceLinesKeepTheirFormatsAndTakePercentSignsLiterally) {
  const std::string file = "C:\\Spiele\\100%s Verlumo\\vlmo.chm";
  EXPECT_EQ(CreateTraceLine(file, "", 0),
            "THookHelpSystem.Create(\"C:\\Spiele\\100%s Verlumo\\vlmo.chm\",\"\", 0)");
  EXPECT_EQ(HHHelpContextTraceLine(file, 2, "main", 0),
            "HHHelpContext(\"C:\\Spiele\\100%s Verlumo\\vlmo.chm\", 2, \"main\", 0)");
  EXPECT_EQ(ShowContextTraceLine("c:\\x.chm>main", 0), "ShowContext(\"c:\\x.chm>main\", 0)");
  EXPECT_EQ(ReturnedTraceLine(0), "  returned - 0");
  EXPECT_EQ(ShowErrorTraceLine(1, HelpErrorText(1)),
            "HHShowError(1), \"MS Html Help is not installed on this PC.\"");
  EXPECT_STREQ(kDestroyTraceLine, "THookHelpSystem.Destroy");
  EXPECT_EQ(TimedTraceLine("14:05:09", "THookHelpSystem.Destroy"),
            "14:05:09   THookHelpSystem.Destroy");
}

TEST(HelpTexts, ErrorTextsAreEnglishWithOneTextForEveryUnknownCode) {
  EXPECT_EQ(HelpErrorText(kHtmlHelpNotInstalled), "MS Html Help is not installed on this PC.");
  EXPECT_EQ(HelpErrorText(2), "System file KeyHH.EXE was not found in the Windows folder.");
  EXPECT_EQ(HelpErrorText(3), "System file HH.EXE was not found in the Windows folder.");
  for (int other : {4, -1, 99})
    EXPECT_EQ(HelpErrorText(other), "Unknown error returned by HHHelpContext");
}

TEST(HelpTexts, HelpPathDecodesBlanksTrimsAndAppendsTheWindowName) {
  EXPECT_EQ(HelpPath("C:\\Spiele\\vlmo.chm", ""), "C:\\Spiele\\vlmo.chm");
  EXPECT_EQ(HelpPath("C:\\Meine%20Spiele\\Verlumo%20V2\\vlmo.chm", ""),
            "C:\\Meine Spiele\\Verlumo V2\\vlmo.chm");
  EXPECT_EQ(HelpPath("  C:\\vlmo.chm ", " main "), "C:\\vlmo.chm>main");
  EXPECT_EQ(HelpPath("C:\\vlmo.chm", "big%20window"), "C:\\vlmo.chm>big window");
  EXPECT_EQ(HelpPath("%20C:\\vlmo.chm%20%20", "%20"), "C:\\vlmo.chm");  // decoded, then trimmed
  EXPECT_EQ(HelpPath("C:\\100%2\\vlmo.chm", ""), "C:\\100%2\\vlmo.chm");
  EXPECT_EQ(HelpPath("", ""), "");
}

TEST(HelpTexts, SystemRootIsReplacedOnlyAtTheStartInAnyCase) {
  const std::string windows = "C:\\WINDOWS";
  EXPECT_EQ(ReplaceSystemRoot("%SystemRoot%\\System32\\hhctrl.ocx", windows),
            "C:\\WINDOWS\\System32\\hhctrl.ocx");
  EXPECT_EQ(ReplaceSystemRoot("%systemroot%\\hhctrl.ocx", windows), "C:\\WINDOWS\\hhctrl.ocx");
  EXPECT_EQ(ReplaceSystemRoot("%SYSTEMROOT%", windows), "C:\\WINDOWS");
  EXPECT_EQ(ReplaceSystemRoot("D:\\%SYSTEMROOT%\\hhctrl.ocx", windows),
            "D:\\%SYSTEMROOT%\\hhctrl.ocx");
  EXPECT_EQ(ReplaceSystemRoot("%SYSTEMROOT\\hhctrl.ocx", windows), "%SYSTEMROOT\\hhctrl.ocx");
  EXPECT_EQ(ReplaceSystemRoot("%WINDIR%\\hhctrl.ocx", windows), "%WINDIR%\\hhctrl.ocx");
  EXPECT_EQ(ReplaceSystemRoot("", windows), "");
}

TEST(HelpTexts, OnlyTheTwoDebugSwitchesInAnyCaseTurnTheTraceOn) {
  for (const char* on : {"/debug", "-debug", "-DEBUG", "/Debug"}) EXPECT_TRUE(IsTraceArgument(on));
  for (const char* off : {"debug", "--debug", "/debugx", "-debu", "",
                          "/d\xC3\xA9"
                          "bug"})
    EXPECT_FALSE(IsTraceArgument(off)) << off;
}

}  // namespace
}  // namespace verlumo::hh
