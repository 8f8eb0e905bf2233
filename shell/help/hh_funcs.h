// The hook layer between the game and HTML Help. THookHelpSystem takes over the application's
// help requests and turns a context request into one HTML Help call; the free functions are the
// steps of that call, the error report and the closing of all help windows.
//
// Wiring: at program start, after LoadHelpLibrary and before the main window exists, call
// StartHelpLayer; the main window's creation makes the one THookHelpSystem for
// program directory + "vlmo.chm"; the rules button asks HelpContext(1 or 2); the close step
// destroys the hook and runs HHCloseAll once more; ReleaseHelpLibrary ends the run.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "shell/help/application_help.h"

namespace verlumo::hh {

// How help is shown. The game only calls HTML Help directly; its help windows then belong to
// this process.
enum class HelpMode : std::uint8_t { kDirectCall = 0 };

struct PopupPosition {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const PopupPosition&) const = default;
};

// Program start: detects HTML Help (DetectHtmlHelp on HKEY_CLASSES_ROOT), decides whether the
// trace is on (debug.debug beside the program, or a /debug or -debug argument in the command
// line), prepares its file and, when on, writes its header.
void StartHelpLayer(const std::wstring& program_file, const std::wstring& command_line);

// HTML Help counts as installed when the control file found at its registered location (see
// LocateControlFile) carries a file version. Remembers and returns the result.
bool DetectHtmlHelp(HKEY classes_root = HKEY_CLASSES_ROOT);
bool HtmlHelpInstalled();

class THookHelpSystem {
 public:
  // Replaces the default handling of context requests, and of context pop-up requests.
  using ContextCallback = std::function<void(std::int32_t context)>;
  using PopupCallback = std::function<void(std::int32_t context, PopupPosition position)>;

  // Installs HelpHook as the application's help handler, remembering the one it replaces.
  THookHelpSystem(std::string help_file, std::string window_name, HelpMode mode);
  // Closes the help windows, puts the previous handler back and notes it in the trace.
  ~THookHelpSystem();
  THookHelpSystem(const THookHelpSystem&) = delete;
  THookHelpSystem& operator=(const THookHelpSystem&) = delete;

  // Serves a help command: HELP_CONTEXT and HELP_CONTEXTPOPUP open the help file at the context
  // in data, HELP_SETPOPUP_POS stores data's signed 16-bit halves (x low, y high) as the pop-up
  // position; any other command is left to the application (call_help true).
  bool HelpHook(std::uint16_t command, std::int32_t data, bool& call_help);

  void set_context_callback(ContextCallback callback) { context_callback_ = std::move(callback); }
  void set_popup_callback(PopupCallback callback) { popup_callback_ = std::move(callback); }
  // When set, the previous handler sees every command first and its result is returned.
  void set_chain(bool chain) { chain_ = chain; }

  const std::string& help_file() const { return help_file_; }
  PopupPosition popup_position() const { return popup_position_; }

 private:
  void ShowHelpContext(std::int32_t context) const;

  HelpHandler previous_handler_;
  std::string help_file_;    // UTF-8
  std::string window_name_;  // HTML Help window definition; empty for the file's default
  HelpMode mode_;
  PopupPosition popup_position_;
  ContextCallback context_callback_;
  PopupCallback popup_callback_;
  bool chain_ = false;
};

// Opens help_file at a context number in the given window definition; returns the result code.
int HHHelpContext(const std::string& help_file, int context, const std::string& window_name,
                  HelpMode mode);

// The HTML Help call itself. Returns kHtmlHelpNotInstalled when HTML Help was not found at start,
// and also when its control could not be loaded or lacks HtmlHelpA, so that a missing entry is
// never called and the player learns why no rules appear. Otherwise the help window comes to
// the foreground and the result is kHelpShown: a missing file or topic is HTML Help's to report.
int ShowContext(const std::string& help_path, int context, HelpMode mode);

// Tells the player about a failed help request; code kHelpShown shows nothing.
void HHShowError(int code);

// Closes every help window the process opened; does nothing while no library is loaded.
void HHCloseAll();

}  // namespace verlumo::hh
