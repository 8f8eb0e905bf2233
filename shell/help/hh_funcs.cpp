// The hook layer: detecting HTML Help, the help hook, and the one HTML Help call it makes.
#include "shell/help/hh_funcs.h"

#include <optional>
#include <vector>

#include "shell/help/command_line.h"
#include "shell/help/help_texts.h"
#include "shell/help/help_trace.h"
#include "shell/help/hh.h"
#include "shell/help/system_facts.h"
#include "shell/platform/program_path.h"
#include "platform/win32/utf16.h"
#include "shell/platform/wide_files.h"

namespace verlumo::hh {
namespace {

bool html_help_installed = false;
std::wstring control_file;                   // where detection looked
std::optional<FileVersion> control_version;  // what it found there

int ModeNumber(HelpMode mode) { return static_cast<int>(mode); }

std::string HtmlHelpDescription() {
  const std::string file = WideToUtf8(control_file);
  if (control_version) return file + ", version " + VersionText(*control_version);
  return file + (FileExists(control_file) ? ", without version information" : ", missing") +
         ": not installed";
}

// Window-system help data is 16 bits a coordinate, each signed.
PopupPosition PopupPositionFrom(std::int32_t data) {
  const auto bits = static_cast<std::uint32_t>(data);
  return {static_cast<std::int16_t>(bits & 0xFFFF), static_cast<std::int16_t>(bits >> 16)};
}

}  // namespace

void StartHelpLayer(const std::wstring& program_file, const std::wstring& command_line) {
  const std::wstring program_directory = ProgramDirectoryOf(program_file);
  DetectHtmlHelp();
  const bool on = TraceRequested(program_directory, CommandLineArguments(command_line));
  const std::wstring trace_file = PrepareTraceFile(program_directory);
  StartTrace(trace_file, on, {program_file, command_line, HtmlHelpDescription()});
}

bool DetectHtmlHelp(HKEY classes_root) {
  control_file = LocateControlFile(classes_root);
  control_version = ReadFileVersion(control_file);
  html_help_installed = control_version.has_value();
  return html_help_installed;
}

bool HtmlHelpInstalled() { return html_help_installed; }

THookHelpSystem::THookHelpSystem(std::string help_file, std::string window_name, HelpMode mode)
    : help_file_(std::move(help_file)), window_name_(std::move(window_name)), mode_(mode) {
  Trace(CreateTraceLine(help_file_, window_name_, ModeNumber(mode_)));
  previous_handler_ =
      ExchangeHelpHandler([this](std::uint16_t command, std::int32_t data, bool& call_help) {
        return HelpHook(command, data, call_help);
      });
}

THookHelpSystem::~THookHelpSystem() {
  // Help shown by direct calls opens windows of this process, which must not outlive the game.
  HHCloseAll();
  ExchangeHelpHandler(std::move(previous_handler_));
  Trace(kDestroyTraceLine);
}

bool THookHelpSystem::HelpHook(std::uint16_t command, std::int32_t data, bool& call_help) {
  bool result = true;
  Trace(HelpHookTraceLine(command, data));
  if (chain_ && previous_handler_) result = previous_handler_(command, data, call_help);
  call_help = false;
  switch (command) {
    case kHelpContext:
      ShowHelpContext(data);
      break;
    case kHelpContextPopup:
      if (popup_callback_)
        popup_callback_(data, popup_position_);
      else
        ShowHelpContext(data);
      break;
    case kHelpSetPopupPos:
      popup_position_ = PopupPositionFrom(data);
      break;
    default:
      call_help = true;
      break;
  }
  return result;
}

void THookHelpSystem::ShowHelpContext(std::int32_t context) const {
  if (context_callback_) {
    context_callback_(context);
    return;
  }
  HHShowError(HHHelpContext(help_file_, context, window_name_, mode_));
}

int HHHelpContext(const std::string& help_file, int context, const std::string& window_name,
                  HelpMode mode) {
  Trace(HHHelpContextTraceLine(help_file, context, window_name, ModeNumber(mode)));
  const int code = ShowContext(HelpPath(help_file, window_name), context, mode);
  Trace(ReturnedTraceLine(code));
  return code;
}

int ShowContext(const std::string& help_path, int context, HelpMode mode) {
  Trace(ShowContextTraceLine(help_path, ModeNumber(mode)));
  const HtmlHelpAFunction html_help = HtmlHelpEntry();
  if (!html_help_installed || html_help == nullptr) return kHtmlHelpNotInstalled;
  const std::string ansi_path = Utf8ToAnsi(help_path);
  HWND help_window = html_help(GetDesktopWindow(), ansi_path.c_str(), kHhHelpContext,
                               static_cast<DWORD_PTR>(context));
  if (help_window != nullptr) SetForegroundWindow(help_window);
  return kHelpShown;
}

void HHShowError(int code) {
  if (code == kHelpShown) return;
  const std::string message = HelpErrorText(code);
  Trace(ShowErrorTraceLine(code, message));
  MessageBoxW(GetActiveWindow(), Utf8ToWide(message).c_str(), kApplicationTitle,
              MB_OK | MB_ICONEXCLAMATION);
}

void HHCloseAll() {
  const HtmlHelpAFunction html_help = HtmlHelpEntry();
  if (HelpLibrary() == nullptr || html_help == nullptr) return;
  html_help(nullptr, nullptr, kHhCloseAll, 0);
  // Lets HTML Help's own thread take the windows down before the caller goes on.
  Sleep(0);
}

}  // namespace verlumo::hh
