// The help hook: taking over the application's help requests and giving them back, what each
// command does, and the HTML Help call that opens Wine's help window on the built rules file.
#include <vector>

#include "shell/help/system_facts.h"
#include "shell/platform/wide_files.h"
#include "platform/win32/utf16.h"
#include "tests/win32/help/help_test_support.h"

namespace verlumo::hh {
namespace {

using HookTest = HelpLayerTest;
using Contexts = std::vector<std::int32_t>;

TEST_F(HookTest, TakesOverHelpRequestsLeavesUnknownCommandsAndRestoresThePreviousHandler) {
  Contexts previous;  // what reaches the handler that was there before the hook
  ExchangeHelpHandler([&previous](std::uint16_t, std::int32_t data, bool& call_help) {
    previous.push_back(data);
    call_help = false;
    return false;
  });
  {
    THookHelpSystem hook("C:\\nowhere\\vlmo.chm", "", HelpMode::kDirectCall);
    Contexts served;
    hook.set_context_callback([&served](std::int32_t context) { served.push_back(context); });
    EXPECT_TRUE(HelpContext(2));
    EXPECT_EQ(served, Contexts{2});
    EXPECT_TRUE(previous.empty()) << "without the chain flag the previous handler sees nothing";
    for (std::uint16_t command : {2, 3, 11, 257, 515, 7}) {
      bool call_help = false;
      EXPECT_TRUE(hook.HelpHook(command, 0, call_help));
      EXPECT_TRUE(call_help) << "command " << command << " is the application's";
      EXPECT_FALSE(HelpCommand(command, 0)) << "which has no help of its own";
    }

    hook.set_chain(true);
    bool call_help = true;
    EXPECT_FALSE(hook.HelpHook(kHelpContext, 1, call_help)) << "the previous handler's answer";
    EXPECT_FALSE(call_help);
    EXPECT_EQ(previous, Contexts{1});
    EXPECT_EQ(served, (Contexts{2, 1})) << "and the hook serves the request as well";
  }
  EXPECT_FALSE(HelpContext(3));
  EXPECT_EQ(previous, (Contexts{1, 3}));
}

TEST_F(HookTest, PopupRequestsUseTheSignedPositionAndTheirCallbackOrElseServeTheContext) {
  THookHelpSystem hook("C:\\nowhere\\vlmo.chm", "", HelpMode::kDirectCall);
  const auto position_from = [&hook](int x, int y) {
    EXPECT_TRUE(HelpCommand(kHelpSetPopupPos, MAKELONG(x, y)));
    return hook.popup_position();
  };
  EXPECT_EQ(position_from(120, 340), (PopupPosition{120, 340}));
  EXPECT_EQ(position_from(-5, 300), (PopupPosition{-5, 300}));
  EXPECT_EQ(position_from(0x7FFF, 0x8000), (PopupPosition{32767, -32768}));
  EXPECT_EQ(position_from(0xFFFF, 0xFFFF), (PopupPosition{-1, -1}));

  Contexts served;
  hook.set_context_callback([&served](std::int32_t context) { served.push_back(context); });
  EXPECT_TRUE(HelpCommand(kHelpContextPopup, 7));
  EXPECT_EQ(served, Contexts{7});
  std::vector<std::pair<std::int32_t, PopupPosition>> popups;
  hook.set_popup_callback(
      [&](std::int32_t context, PopupPosition at) { popups.emplace_back(context, at); });
  EXPECT_TRUE(HelpCommand(kHelpContextPopup, 8));
  EXPECT_EQ(popups, (std::vector<std::pair<std::int32_t, PopupPosition>>{{8, {-1, -1}}}));
  EXPECT_EQ(served, Contexts{7});
}

TEST_F(HookTest, WithoutHtmlHelpOrItsEntryARequestEndsAsNotInstalledAndCallsNothing) {
  const std::string rules = Utf8(BuiltRulesFile());
  FakeClassesRoot root;
  root.RegisterControlAt(BuiltRulesFile());  // a file without version information
  ASSERT_FALSE(DetectHtmlHelp(root.get()));
  EXPECT_EQ(ShowContext(rules, 2, HelpMode::kDirectCall), kHtmlHelpNotInstalled);

  ASSERT_TRUE(DetectHtmlHelp());
  ReleaseHelpLibrary();  // installed, but the control did not load
  EXPECT_EQ(ShowContext(rules, 2, HelpMode::kDirectCall), kHtmlHelpNotInstalled);
  EXPECT_EQ(FindHelpWindow(), nullptr);
}

TEST_F(HookTest, BothContextsOfTheBuiltRulesFileOpenTheHelpWindowAndCloseAllEndsIt) {
  const std::string rules = Utf8(BuiltRulesFile());
  ASSERT_TRUE(FileExists(BuiltRulesFile())) << "vlmo.chm is built beside the tests";
  for (int context : {1, 2}) {
    EXPECT_EQ(ShowContext(rules, context, HelpMode::kDirectCall), kHelpShown);
    HWND help_window = FindHelpWindow();
    ASSERT_NE(help_window, nullptr) << "context " << context;
    EXPECT_TRUE(IsWindowVisible(help_window));
    wchar_t caption[64] = L"";
    GetWindowTextW(help_window, caption, 64);
    EXPECT_STREQ(caption, L"Verlumo - Spielregeln / Rules");
    HHCloseAll();
    EXPECT_FALSE(IsWindow(help_window)) << "context " << context;
  }
  // The file maps exactly these two: HTML Help opens nothing for another number.
  const std::string path = Utf8ToAnsi(rules);
  EXPECT_EQ(HtmlHelpEntry()(GetDesktopWindow(), path.c_str(), kHhHelpContext, 3), nullptr);
}

TEST_F(HookTest, AnEncodedBlankInTheFolderNameIsDecodedAndTheHookClosesItsWindow) {
  ScratchFolder folder(L"Verlumo Regeln");
  ASSERT_TRUE(CopyFileW(BuiltRulesFile().c_str(), folder.File(L"vlmo.chm").c_str(), FALSE));
  std::string encoded = Utf8(folder.File(L"vlmo.chm"));
  encoded.replace(encoded.find("Verlumo Regeln"), 14, "Verlumo%20Regeln");
  HWND help_window = nullptr;
  {
    THookHelpSystem hook(encoded, "", HelpMode::kDirectCall);
    EXPECT_TRUE(HelpContext(1));
    help_window = FindHelpWindow();
    ASSERT_NE(help_window, nullptr);
  }
  EXPECT_FALSE(IsWindow(help_window));
}

}  // namespace
}  // namespace verlumo::hh
