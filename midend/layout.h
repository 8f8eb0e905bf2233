// Where everything around the board lies: the toolbar and every dialog, as the Windows game has
// always laid them out. The Windows toolbar and dialogs, the page (through the description in
// description_json.h) and the art generator's toolbar mock all read these tables, so a control
// moves for every front end at once or for none.
#pragma once

#include <span>
#include <vector>

#include "midend/commands.h"
#include "view/board_geometry.h"

namespace verlumo {

// A rectangle in the toolbar's or a dialog's client area.
struct Box {
  int left, top, width, height;
};

// A picture around the board: the art generator's file "<stem>.bmp". The Windows game embeds it
// as a bitmap resource named by its stem, the page loads it by its stem; a new picture is one
// line below and its drawing in the art generator.
struct Picture {
  const char* stem;  // empty for no picture
  int images;        // 2 where a greyed second image stands beside the normal one

  constexpr bool none() const { return stem[0] == '\0'; }
};

namespace pictures {
inline constexpr Picture kNone{"", 0};
inline constexpr Picture kNewGame{"btn_newgame", 1};
inline constexpr Picture kRestart{"btn_restart", 2};
inline constexpr Picture kLoad{"btn_load", 2};
inline constexpr Picture kSave{"btn_save", 2};
inline constexpr Picture kSound{"btn_sound", 2};
inline constexpr Picture kExit{"btn_exit", 1};
inline constexpr Picture kPrevious{"btn_prev", 2};
inline constexpr Picture kNext{"btn_next", 2};
inline constexpr Picture kTongue{"btn_tongue", 1};
inline constexpr Picture kRules{"btn_rules", 1};
inline constexpr Picture kInfo{"btn_info", 1};
inline constexpr Picture kZorbel{"btn_zorbel", 1};
inline constexpr Picture kSmile{"dlg_smile", 1};
inline constexpr Picture kAgain{"dlg_again", 2};
inline constexpr Picture kCross{"dlg_cross", 2};
inline constexpr Picture kTick{"dlg_tick", 2};
inline constexpr Picture kFlagsEnglish{"flags_english", 1};
inline constexpr Picture kFlagsGerman{"flags_german", 1};
inline constexpr Picture kLogo{"logo", 1};
inline constexpr Picture kAssociation{"association", 1};
inline constexpr Picture kSplash{"splash", 1};
}  // namespace pictures

// The toolbar ------------------------------------------------------------------------------

struct ToolbarButton {
  Command command;
  Box box;
  Picture picture;
  bool toggle;  // stays down until pressed again (the sound switch)
};

// Written here rather than in layout.cpp: the main window's client size is worked out from it
// at compile time.
struct ToolbarLayout {
  int width, height;
  ToolbarButton buttons[kCommandCount];  // in Command order, which is left to right
  Box level_shape;     // the level display's black box
  Box level_bevel;     // its lowered frame
  Box level_label;     // "Level:", in yellow on the black
  Box level_counter;   // the digits and the face
  Box level_selector;  // the scroll bar
};

// clang-format off
inline constexpr ToolbarLayout kToolbarLayout = {
    kBoardAreaWidth, 33,
    {
        {Command::NewGame, {4, 4, 25, 25}, pictures::kNewGame, false},
        {Command::Restart, {32, 4, 25, 25}, pictures::kRestart, false},
        {Command::Load, {60, 4, 25, 25}, pictures::kLoad, false},
        {Command::Save, {88, 4, 25, 25}, pictures::kSave, false},
        {Command::Sound, {116, 4, 25, 25}, pictures::kSound, true},
        {Command::Exit, {144, 4, 25, 25}, pictures::kExit, false},
        {Command::Down, {280, 7, 16, 20}, pictures::kPrevious, false},
        {Command::Up, {381, 7, 16, 20}, pictures::kNext, false},
        {Command::Tongue, {400, 4, 25, 25}, pictures::kTongue, false},
        {Command::Rules, {429, 4, 25, 25}, pictures::kRules, false},
        {Command::Info, {457, 4, 25, 25}, pictures::kInfo, false},
        {Command::Zorbel, {485, 4, 30, 25}, pictures::kZorbel, false},
    },
    {172, 5, 105, 24},
    {172, 4, 105, 26},
    {176, 12, 45, 16},
    {212, 7, kLevelCounterWidth, kLevelCounterHeight},
    {297, 8, 84, 19},
};
// clang-format on

// The dialogs -------------------------------------------------------------------------------

// Every dialog a front end shows; the first five are the rules' message dialogs in the order of
// Message, the last three only the page draws (the Windows game has the system's own).
enum class DialogName {
  kSolved, kAllSolved, kRestart, kGiveUp, kEndGame, kLanguage, kInfo, kSplash, kSaveAs, kError, kWarning,
};
constexpr int kDialogLayoutCount = 11;

enum class ControlKind {
  kBevel,    // a lowered frame
  kIcon,     // the game's icon, 32 x 32
  kPicture,  // a picture, whole, from the box's top-left corner
  kLabel,    // a text in the style below
  kMessage,  // the dialog's message: bold, centred, wrapped
  kButton,   // a push button with a picture and a text
  kLink,     // a text that opens an address
  kField,    // a line the player types into
};

enum class TextStyle {
  kOneLine,      // left aligned, cut at the box
  kWrapped,      // left aligned, wrapped at the box's width
  kRight,        // right aligned, one line
  kAutoSized,    // one line from the box's top-left corner, as wide as its text
  kProductName,  // the product's name, large and bold
};

// The words of a control: one of the texts below, in the language of the moment, or a fixed
// text that is the same in both languages.
enum class TextId {
  kNone,
  kFixed,
  kMessage,  // the dialog's own message; the page's boxes show the text they are asked with
  kYes, kNo,
  kInfoCaption, kCodedIn, kMemberOf, kProgram, kTongueButton,
  kSaveAsCaption, kFileNameLabel, kSave, kCancel, kErrorCaption, kWarningCaption,
};

struct ControlText {
  TextId id = TextId::kNone;
  const char* fixed = "";
};

// How a link looks once pressed: the maker's own addresses, shown as they are, or a named page.
enum class LinkKind { kAddress, kNamedPage };

// A button that closes nothing: it acts while its dialog stays open.
constexpr int kNoResult = -1;

struct Control {
  ControlKind kind;
  const char* name;  // the key a front end finds the control by; "" when none looks for it
  Box box;
  Picture picture = pictures::kNone;
  ControlText text = {};
  TextStyle style = TextStyle::kOneLine;  // labels and links
  int result = kNoResult;                 // buttons: the dialog's result when clicked
  const char* address = "";               // links: blank when the text is the address
  LinkKind link = LinkKind::kAddress;
};

// Windows, buttons among them, are listed in their tab order; painted controls in the order they
// are drawn, each over the ones before.
struct DialogLayout {
  const char* name;   // the page's key
  ControlText caption;
  int width, height;  // the client area
  bool bold;          // the whole dialog in the bold font, buttons included
  int close_result;   // what the close box gives
  const char* default_button;  // the first focus; Enter presses it
  const char* cancel_button;   // Escape presses it; "" when Escape does nothing
  std::span<const Control> controls;
};

const DialogLayout& DialogLayoutOf(DialogName dialog);

// Every picture the toolbar and the dialogs place, each once, toolbar first: what the art
// generator must draw, the Windows game embed and the page load.
std::vector<Picture> LaidOutPictures();
// The toolbar's alone, each once: what the page's first board shows, and its module holds.
std::vector<Picture> ToolbarPictures();

// The board's animation ticks at this pace; the splash stays at most this long.
constexpr int kTimerInterval = 75;  // milliseconds
constexpr int kSplashTime = 3000;   // milliseconds

}  // namespace verlumo
