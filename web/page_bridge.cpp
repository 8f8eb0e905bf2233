// Passing the game's roles on to the page's script (web/page_imports.js).
#include "web/page_bridge.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "core/file_io.h"
#include "core/paths.h"
#include "view/status_texts.h"
#include "midend/front_texts.h"
#include "verlumo_version.h"

// The page's script; those that wait for the player are suspended calls.
extern "C" {
void vl_page_set_caption(const char* text);
void vl_page_set_counter_hint(const char* text);
void vl_page_apply_texts(const char* json);
void vl_page_show_sound_switch(int on);
void vl_page_show_splash();
void vl_page_set_selector_range(int last);
void vl_page_set_selector(int position);
int vl_page_ask_message(int message);
char* vl_page_choose_save_file(const char* file_name);
char* vl_page_choose_open_file();
int vl_page_ask_yes_no(const char* text);
void vl_page_show_error(const char* text);
int vl_page_ask_language();
void vl_page_show_info();
void vl_page_open_rules(int help_context);
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

void AppendJsonString(std::string& json, const std::string& text) {
  json += '"';
  for (const char c : text) {
    if (c == '"' || c == '\\') json += '\\';
    json += c;
  }
  json += '"';
}

void AppendField(std::string& json, const char* name, const std::string& text) {
  if (json.size() > 1) json += ',';
  AppendJsonString(json, name);
  json += ':';
  AppendJsonString(json, text);
}

}  // namespace

void PageBridge::ShowTexts(const ToolbarTexts&) { vl_page_apply_texts(TextsJson().c_str()); }

void PageBridge::ShowCaption(const std::string& caption) { vl_page_set_caption(caption.c_str()); }

void PageBridge::ShowLevelCounterHint(const std::string& hint) { vl_page_set_counter_hint(hint.c_str()); }

void PageBridge::ShowLevelSelectorRange(int last) { vl_page_set_selector_range(last); }

void PageBridge::ShowLevelSelector(int position) { vl_page_set_selector(position); }

void PageBridge::ShowSoundSwitch(bool on) { vl_page_show_sound_switch(on ? 1 : 0); }

void PageBridge::ShowSplash() { vl_page_show_splash(); }

int PageBridge::ShowModal(Dialog dialog) {
  switch (dialog) {
    case Dialog::Solved: return vl_page_ask_message(static_cast<int>(Message::kSolved));
    case Dialog::AllSolved: return vl_page_ask_message(static_cast<int>(Message::kAllSolved));
    case Dialog::Restart: return vl_page_ask_message(static_cast<int>(Message::kRestart));
    case Dialog::GiveUp: return vl_page_ask_message(static_cast<int>(Message::kGiveUp));
    case Dialog::EndGame: return vl_page_ask_message(static_cast<int>(Message::kEndGame));
  }
  return kModalCancel;
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

bool PageBridge::AskYesNoWarning(const std::string& text) { return vl_page_ask_yes_no(text.c_str()) != 0; }

void PageBridge::ShowErrorMessage(const std::string& text) { vl_page_show_error(text.c_str()); }

void PageBridge::AskLanguage() {
  const int chosen = vl_page_ask_language();
  if (chosen != kLanguageUnset) session_->language().Set(chosen);
}

void PageBridge::OpenRules(int help_context) { vl_page_open_rules(help_context); }

void PageBridge::ShowInfo() { vl_page_show_info(); }

void PageBridge::OpenMakerPage() { vl_page_open_maker_page(maker::kMakerHomePage); }

unsigned PageBridge::DeviceCount() { return vl_page_audio_ready() != 0 ? 1 : 0; }

bool PageBridge::PlayImage(const std::uint8_t* image) { return vl_page_play_wave(image) != 0; }

void PageBridge::Stop(bool) { vl_page_stop_wave(); }

std::string PageBridge::TextsJson() const {
  const int language = session_->state().language.value();
  std::string json = "{";
  const ToolbarTexts toolbar = ToolbarTextsFor(language);
  for (const ToolbarHint& hint : toolbar.hints) {
    AppendField(json, ("hint" + std::to_string(static_cast<int>(hint.button))).c_str(), hint.text);
  }
  AppendField(json, ("hint" + std::to_string(static_cast<int>(Command::Tongue))).c_str(), toolbar.tongue_hint);
  AppendField(json, "selectorHint", toolbar.level_selector_hint);
  AppendField(json, "levelLabel", toolbar.level_label);
  for (int message = 0; message <= static_cast<int>(Message::kEndGame); ++message) {
    const MessageTexts texts = MessageTextsFor(static_cast<Message>(message), language);
    const std::string key = "message" + std::to_string(message);
    AppendField(json, key.c_str(), texts.message);
    AppendField(json, (key + "Yes").c_str(), texts.yes);
    AppendField(json, (key + "No").c_str(), texts.no);
  }
  const InfoTexts info = InfoTextsFor(language);
  AppendField(json, "infoCaption", info.caption);
  AppendField(json, "infoCoded", info.coded_in);
  AppendField(json, "infoMemberOf", info.member_of);
  AppendField(json, "infoProgram", info.program);
  AppendField(json, "infoTongue", info.tongue_button);
  AppendField(json, "speakEnglish", kSpeakEnglish);
  AppendField(json, "speakGerman", kSpeakGerman);
  AppendField(json, "productCaption", kProductCaption);
  AppendField(json, "version", std::string("Version  V") + VERLUMO_VERSION);
  AppendField(json, "productName", maker::kProductName);
  AppendField(json, "author", maker::kAuthor);
  AppendField(json, "street", maker::kStreet);
  AppendField(json, "town", maker::kTown);
  AppendField(json, "email", maker::kEmail);
  AppendField(json, "homePage", maker::kHomePage);
  AppendField(json, "association", maker::kAssociation);
  AppendField(json, "associationPage", maker::kAssociationPage);
  AppendField(json, "associationShort", maker::kAssociationShort);
  return json + "}";
}

}  // namespace verlumo
