// Passing the game's roles on to the page's script (web/page_imports.js).
#include "web/page_bridge.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "core/file_io.h"
#include "core/paths.h"
#include "core/modal_result.h"
#include "midend/commands.h"
#include "midend/description_json.h"
#include "midend/layout.h"

// The page's script; those that wait for the player are suspended calls.
extern "C" {
void vl_page_set_caption(const char* text);
void vl_page_set_counter_hint(const char* text);
void vl_page_describe(const char* json);
void vl_page_show_sound_switch(int on);
void vl_page_show_board_cursor(int column, int row, const char* words);
void vl_page_announce(const char* words);
void vl_page_show_splash();
void vl_page_set_selector_range(int last);
void vl_page_set_selector(int position);
int vl_page_ask_message(int message, const char* dialog);
char* vl_page_choose_save_file(const char* file_name);
char* vl_page_choose_open_file();
int vl_page_ask_yes_no(const char* text);
void vl_page_show_error(const char* text);
int vl_page_ask_language();
void vl_page_show_info();
void vl_page_open_rules(const char* address);
void vl_page_open_maker_page(const char* address);
int vl_page_audio_ready();
int vl_page_play_wave(const std::uint8_t* image);
void vl_page_stop_wave();
}

namespace verlumo {
namespace {

// A text the page made for us, taken over and freed; nothing for a cancelled dialog.
std::optional<std::string> TakePageText(char* text) {
  if (text == nullptr) return std::nullopt;
  std::string taken(text);
  std::free(text);
  return taken;
}

DialogName DialogNameOf(Dialog dialog) {
  switch (dialog) {
    case Dialog::Solved: return DialogName::kSolved;
    case Dialog::AllSolved: return DialogName::kAllSolved;
    case Dialog::Restart: return DialogName::kRestart;
    case Dialog::GiveUp: return DialogName::kGiveUp;
    case Dialog::EndGame: return DialogName::kEndGame;
  }
  return DialogName::kEndGame;
}

}  // namespace

void PageBridge::ShowTexts(const ToolbarTexts&) {
  vl_page_describe(FrontEndDescriptionJson(session_->state().language.value()).c_str());
}

void PageBridge::ShowCaption(const std::string& caption) { vl_page_set_caption(caption.c_str()); }

void PageBridge::ShowLevelCounterHint(const std::string& hint) { vl_page_set_counter_hint(hint.c_str()); }

void PageBridge::ShowLevelSelectorRange(int last) { vl_page_set_selector_range(last); }

void PageBridge::ShowLevelSelector(int position) { vl_page_set_selector(position); }

void PageBridge::ShowSoundSwitch(bool on) { vl_page_show_sound_switch(on ? 1 : 0); }

void PageBridge::ShowBoardCursor(int column, int row, const std::string& words) {
  vl_page_show_board_cursor(column, row, words.c_str());
}

void PageBridge::Announce(const std::string& words) { vl_page_announce(words.c_str()); }

void PageBridge::ShowSplash() { vl_page_show_splash(); }

// The page finds a message dialog by its number in Message, which the layout's dialogs share.
int PageBridge::ShowModal(Dialog dialog) {
  const DialogName name = DialogNameOf(dialog);
  return vl_page_ask_message(static_cast<int>(name), DialogLayoutOf(name).name);
}

// The page's save dialog asks for a name only; every game file lies in the game folder, and
// the page hands a saved one to the browser as a download.
std::optional<std::string> PageBridge::ChooseSaveFile(const std::string&, const std::optional<std::string>& file_name) {
  const std::optional<std::string> name =
      TakePageText(vl_page_choose_save_file(file_name.value_or(kDefaultGameFileName).c_str()));
  if (!name || name->empty()) return std::nullopt;
  chosen_save_ = kGameFolder + FileNameOf(*name);
  return chosen_save_;
}

std::optional<std::string> PageBridge::TakeSavedGame() {
  std::optional<std::string> chosen = std::exchange(chosen_save_, std::nullopt);
  if (!chosen) return std::nullopt;
  const std::string path = ChangeExtension(*chosen, kGameFileExtension);
  const SolvedFlags& flags = session_->state().solved_flags;
  const FileRead written = ReadFilePrefix(path, flags.size() + 1);
  if (written.error != 0 || !std::equal(written.bytes.begin(), written.bytes.end(), flags.begin(), flags.end())) {
    return std::nullopt;
  }
  return path;
}

// The page puts the file the player picked into the game folder and names it.
std::optional<std::string> PageBridge::ChooseOpenFile(const std::string&) {
  return TakePageText(vl_page_choose_open_file());
}

bool PageBridge::AskYesNoWarning(const std::string& text) { return vl_page_ask_yes_no(text.c_str()) == kModalYes; }

void PageBridge::ShowErrorMessage(const std::string& text) { vl_page_show_error(text.c_str()); }

void PageBridge::AskLanguage() {
  const int chosen = vl_page_ask_language();
  if (chosen != kLanguageUnset) session_->language().Set(chosen);
}

// The rules pages lie beside the page, as the help file holds them.
void PageBridge::OpenRules(int help_context) {
  vl_page_open_rules(help_context == RulesHelpContext(kLanguageGerman) ? "help/regeln.htm" : "help/rules.htm");
}

void PageBridge::ShowInfo() { vl_page_show_info(); }

void PageBridge::OpenMakerPage() { vl_page_open_maker_page(maker::kMakerHomePage); }

unsigned PageBridge::DeviceCount() { return vl_page_audio_ready() != 0 ? 1 : 0; }

bool PageBridge::PlayImage(const std::uint8_t* image) { return vl_page_play_wave(image) != 0; }

void PageBridge::Stop(bool) { vl_page_stop_wave(); }

}  // namespace verlumo
