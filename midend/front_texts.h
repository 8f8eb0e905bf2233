// Every text a front end shows around the board, in German and in English: the toolbar's hints
// and level label, the message dialogs, the language dialog, the info dialog and the maker's
// details. Each text is chosen when it is asked for, German when the language is 1, English
// for any other value. All texts are UTF-8.
#pragma once

#include <string>
#include <vector>

#include "midend/commands.h"
#include "midend/layout.h"

namespace verlumo {

// A button's tooltip (the hint, the game's own words) and the name a screen reader calls it by,
// which says what it does.
struct ToolbarHint {
  Command button;
  std::string text;
  std::string name;
  bool operator==(const ToolbarHint&) const = default;
};

// What a screen reader adds to a control's name: its hint, unless that only says the name again.
std::string AccessibleDescription(const std::string& name, const std::string& hint);

struct ToolbarTexts {
  // In the order the window sets them: the buttons' hints, the selector's, the label, and last
  // the language button's, the one hint in the other language.
  std::vector<ToolbarHint> hints;
  std::string level_selector_hint;
  std::string level_label;
  std::string tongue_hint;
  std::string tongue_name;
  // What a screen reader calls a press of a button.
  std::string press_action;
  bool operator==(const ToolbarTexts&) const = default;
};

ToolbarTexts ToolbarTextsFor(int language);

// The game's five message dialogs.
enum class Message { kSolved, kAllSolved, kRestart, kGiveUp, kEndGame };

struct MessageTexts {
  std::string message;
  // The questions' two buttons; the announcements' one button says "OK" in both languages.
  std::string yes;
  std::string no;
};

bool IsQuestion(Message message);
MessageTexts MessageTextsFor(Message message, int language);

// The language dialog's two buttons, each in the language it chooses.
constexpr const char* kSpeakEnglish = "I speak english.";
constexpr const char* kSpeakGerman = "Ich spreche deutsch.";

struct InfoTexts {
  std::string caption;
  std::string coded_in;
  std::string member_of;
  std::string program;
  std::string tongue_button;
};

InfoTexts InfoTextsFor(int language);

// What only the page says: its own save dialog and message boxes (the Windows game has the
// system's, worded by the system), and the notices it shows under the game when the browser
// lets it down.
struct PageTexts {
  std::string save_as_caption;
  std::string file_name_label;
  std::string save;
  std::string cancel;
  std::string error_caption;
  std::string warning_caption;
  std::string close;  // the close box's hint
  std::string storage_refused;
  std::string storage_full;
  std::string game_ended;
  std::string no_web_assembly;
  std::string cannot_start;       // followed by the reason
  std::string assets_unreadable;  // followed by the reason
  std::string goal;               // what a newcomer is to do, the first time the page is visited
  std::string hold_for_hint;      // on a touch screen, how to read a button's hint
  std::string language_code;      // the language's tag on the page, and the other one's
  std::string other_language_code;
};

PageTexts PageTextsFor(int language);

// The page's level chooser on touch screens, which reaches any level in a few taps: the levels in
// blocks of fifty, a block's levels, which are solved and which is current. In the words a
// screen reader says, {first}, {last}, {solved} and {level} stand for the numbers.
struct LevelChooserTexts {
  std::string caption;       // the chooser's title, and the name of the level display that opens it
  std::string block;         // a block of levels: its range and how many of them are solved
  std::string level;         // a level's button
  std::string solved_level;  // a solved level's button
  std::string solved;        // the legend's words for the marks
  std::string current;
};

LevelChooserTexts LevelChooserTextsFor(int language);

// The words of a control of the dialog in the language; the message of a message dialog is its
// own, and the page's message boxes are given theirs when they ask (blank here).
std::string WordsOf(const ControlText& text, DialogName dialog, int language);

// The maker and the association, the same in both languages.
namespace maker {
constexpr const char* kProductName = "Verlumo";
constexpr const char* kProgrammingTool = "C++";
constexpr const char* kAuthor = "Ralf Verhoeven";
constexpr const char* kStreet = "Lindenweg 12";
constexpr const char* kTown = "35037 Marburg";
constexpr const char* kEmail = "verlumo@zorbelgames.example";
constexpr const char* kHomePage = "https://zorbelgames.example";
constexpr const char* kAssociation = "Programmierer-Meisterkreis";
constexpr const char* kAssociationPage = "https://www.pmk.example";
constexpr const char* kAssociationShort = "pmk";
// The toolbar's last button opens this page.
constexpr const char* kMakerHomePage = "https://www.zorbelgames.example/";
}  // namespace maker

}  // namespace verlumo
