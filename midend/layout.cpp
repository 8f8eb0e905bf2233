// The toolbar's and the dialogs' tables, in the Windows game's pixels.
#include "midend/layout.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "core/modal_result.h"
#include "core/texts.h"
#include "midend/front_texts.h"
#include "verlumo_version.h"

namespace verlumo {

// clang-format off
namespace {

constexpr ControlText Fixed(const char* text) { return {TextId::kFixed, text}; }
constexpr ControlText Words(TextId id) { return {id, ""}; }

// The message dialogs share their frame, icon and button row; they differ in the message's box
// and in their buttons.
constexpr Control kSolvedControls[] = {
    {ControlKind::kBevel, "", {8, 8, 245, 49}},
    {ControlKind::kIcon, "icon", {16, 16, 32, 32}},
    {ControlKind::kMessage, "message", {60, 28, 181, 17}, pictures::kNone, Words(TextId::kMessage)},
    {ControlKind::kButton, "ok", {92, 68, 77, 27}, pictures::kSmile, Fixed("OK"), TextStyle::kOneLine, kModalOk},
};
constexpr Control kAllSolvedControls[] = {
    {ControlKind::kBevel, "", {8, 8, 245, 49}},
    {ControlKind::kIcon, "icon", {16, 16, 32, 32}},
    {ControlKind::kMessage, "message", {68, 14, 165, 41}, pictures::kNone, Words(TextId::kMessage)},
    {ControlKind::kButton, "ok", {92, 68, 77, 27}, pictures::kSmile, Fixed("OK"), TextStyle::kOneLine, kModalOk},
};
constexpr Control kRestartControls[] = {
    {ControlKind::kBevel, "", {8, 8, 245, 49}},
    {ControlKind::kIcon, "icon", {16, 16, 32, 32}},
    {ControlKind::kMessage, "message", {56, 20, 189, 26}, pictures::kNone, Words(TextId::kMessage)},
    {ControlKind::kButton, "ok", {40, 68, 77, 27}, pictures::kAgain, Words(TextId::kYes), TextStyle::kOneLine, kModalYes},
    {ControlKind::kButton, "cancel", {128, 68, 77, 27}, pictures::kCross, Words(TextId::kNo), TextStyle::kOneLine, kModalNo},
};
constexpr Control kGiveUpControls[] = {
    {ControlKind::kBevel, "", {8, 8, 245, 49}},
    {ControlKind::kIcon, "icon", {16, 16, 32, 32}},
    {ControlKind::kMessage, "message", {56, 20, 189, 26}, pictures::kNone, Words(TextId::kMessage)},
    {ControlKind::kButton, "ok", {40, 68, 77, 27}, pictures::kNewGame, Words(TextId::kYes), TextStyle::kOneLine, kModalYes},
    {ControlKind::kButton, "cancel", {136, 68, 77, 27}, pictures::kCross, Words(TextId::kNo), TextStyle::kOneLine, kModalCancel},
};
constexpr Control kEndGameControls[] = {
    {ControlKind::kBevel, "", {8, 8, 245, 49}},
    {ControlKind::kIcon, "icon", {16, 16, 32, 32}},
    {ControlKind::kMessage, "message", {72, 20, 153, 29}, pictures::kNone, Words(TextId::kMessage)},
    {ControlKind::kButton, "ok", {40, 68, 77, 27}, pictures::kExit, Words(TextId::kYes), TextStyle::kOneLine, kModalYes},
    {ControlKind::kButton, "cancel", {136, 68, 77, 27}, pictures::kCross, Words(TextId::kNo), TextStyle::kOneLine, kModalCancel},
};

// Each button is worded in the language it chooses, and gives that language's number.
constexpr Control kLanguageControls[] = {
    {ControlKind::kBevel, "", {8, 8, 305, 77}},
    {ControlKind::kIcon, "icon", {28, 28, 32, 32}},
    {ControlKind::kButton, "english", {84, 16, 221, 27}, pictures::kFlagsEnglish, Fixed(kSpeakEnglish),
     TextStyle::kOneLine, kLanguageEnglish},
    {ControlKind::kButton, "german", {84, 48, 221, 27}, pictures::kFlagsGerman, Fixed(kSpeakGerman),
     TextStyle::kOneLine, kLanguageGerman},
};

// The upper frame holds the product and its maker, the lower one the membership.
constexpr Control kInfoControls[] = {
    {ControlKind::kButton, "ok", {216, 290, 89, 27}, pictures::kTick, Fixed("OK"), TextStyle::kOneLine, kModalOk},
    {ControlKind::kButton, "tongue", {120, 290, 89, 27}, pictures::kTongue, Words(TextId::kTongueButton)},
    {ControlKind::kLink, "email", {112, 155, 92, 15}, pictures::kNone, Fixed(maker::kEmail)},
    {ControlKind::kLink, "homePage", {112, 174, 122, 15}, pictures::kNone, Fixed(maker::kHomePage)},
    {ControlKind::kLink, "member", {135, 225, 153, 15}, pictures::kNone, Fixed(maker::kAssociation),
     TextStyle::kWrapped, kNoResult, maker::kAssociationPage, LinkKind::kNamedPage},
    {ControlKind::kBevel, "", {4, 4, 301, 197}},
    {ControlKind::kPicture, "logo", {8, 8, 100, 75}, pictures::kLogo},
    {ControlKind::kLabel, "productName", {112, 8, 189, 25}, pictures::kNone, Fixed(maker::kProductName), TextStyle::kProductName},
    {ControlKind::kLabel, "version", {112, 32, 189, 13}, pictures::kNone, Fixed("Version  V" VERLUMO_VERSION)},
    {ControlKind::kLabel, "codedIn", {112, 48, 181, 13}, pictures::kNone, Words(TextId::kCodedIn)},
    {ControlKind::kIcon, "icon", {36, 96, 32, 32}},
    {ControlKind::kLabel, "copyright", {100, 104, 0, 0}, pictures::kNone, Fixed("\u00A9"), TextStyle::kAutoSized},
    {ControlKind::kLabel, "author", {116, 104, 0, 0}, pictures::kNone, Fixed(maker::kAuthor), TextStyle::kAutoSized},
    {ControlKind::kLabel, "street", {116, 120, 0, 0}, pictures::kNone, Fixed(maker::kStreet), TextStyle::kAutoSized},
    {ControlKind::kLabel, "town", {116, 136, 0, 0}, pictures::kNone, Fixed(maker::kTown), TextStyle::kAutoSized},
    {ControlKind::kLabel, "", {44, 155, 62, 21}, pictures::kNone, Fixed("E-Mail:"), TextStyle::kRight},
    {ControlKind::kLabel, "", {21, 174, 85, 21}, pictures::kNone, Fixed("Homepage:"), TextStyle::kRight},
    {ControlKind::kBevel, "", {4, 206, 301, 77}},
    {ControlKind::kPicture, "association", {8, 210, 119, 68}, pictures::kAssociation},
    {ControlKind::kLabel, "memberOf", {135, 210, 153, 13}, pictures::kNone, Words(TextId::kMemberOf), TextStyle::kWrapped},
    {ControlKind::kLabel, "associationShort", {135, 242, 105, 21}, pictures::kNone, Fixed(maker::kAssociationShort), TextStyle::kWrapped},
    {ControlKind::kLabel, "program", {131, 262, 109, 17}, pictures::kNone, Words(TextId::kProgram), TextStyle::kWrapped},
};

constexpr Control kSplashControls[] = {
    {ControlKind::kPicture, "splash", {0, 0, 200, 150}, pictures::kSplash},
};

// The page's own dialogs, drawn up like the system's message boxes: the text or the name field
// above, the buttons 75 x 23 at the right of the bottom row.
constexpr Control kSaveAsControls[] = {
    {ControlKind::kLabel, "", {16, 2, 268, 14}, pictures::kNone, Words(TextId::kFileNameLabel)},
    {ControlKind::kField, "fileName", {16, 18, 268, 20}},
    {ControlKind::kButton, "save", {126, 56, 75, 23}, pictures::kNone, Words(TextId::kSave), TextStyle::kOneLine, kModalOk},
    {ControlKind::kButton, "cancel", {209, 56, 75, 23}, pictures::kNone, Words(TextId::kCancel), TextStyle::kOneLine,
     kModalCancel},
};
constexpr Control kErrorControls[] = {
    {ControlKind::kMessage, "message", {16, 14, 268, 40}, pictures::kNone, Words(TextId::kMessage)},
    {ControlKind::kButton, "ok", {217, 56, 75, 23}, pictures::kNone, Fixed("OK"), TextStyle::kOneLine, kModalOk},
};
constexpr Control kWarningControls[] = {
    {ControlKind::kMessage, "message", {16, 14, 268, 40}, pictures::kNone, Words(TextId::kMessage)},
    {ControlKind::kButton, "yes", {134, 56, 75, 23}, pictures::kNone, Words(TextId::kYes), TextStyle::kOneLine, kModalYes},
    {ControlKind::kButton, "no", {217, 56, 75, 23}, pictures::kNone, Words(TextId::kNo), TextStyle::kOneLine, kModalNo},
};

constexpr ControlText kProductCaption = Fixed(VERLUMO_PRODUCT_CAPTION);

// In the order of DialogName. The message dialogs' close box gives Cancel, whatever Escape gives.
const DialogLayout kDialogs[] = {
    {"solved", Fixed("Verlumo"), 261, 103, true, kModalCancel, "ok", "", kSolvedControls},
    {"allSolved", Fixed("Verlumo"), 261, 103, true, kModalCancel, "ok", "", kAllSolvedControls},
    {"restart", Fixed("Verlumo"), 261, 103, false, kModalCancel, "ok", "cancel", kRestartControls},
    {"giveUp", Fixed("Verlumo"), 261, 103, false, kModalCancel, "ok", "cancel", kGiveUpControls},
    {"endGame", Fixed("Verlumo"), 261, 103, false, kModalCancel, "ok", "cancel", kEndGameControls},
    // Closing the language dialog chooses no language.
    {"language", kProductCaption, 320, 91, false, kLanguageUnset, "english", "", kLanguageControls},
    {"info", Words(TextId::kInfoCaption), 309, 322, false, kModalCancel, "ok", "", kInfoControls},
    {"splash", {}, 200, 150, false, kModalCancel, "", "", kSplashControls},
    {"saveAs", Words(TextId::kSaveAsCaption), 300, 90, false, kModalCancel, "save", "cancel", kSaveAsControls},
    {"error", Words(TextId::kErrorCaption), 300, 90, false, kModalOk, "ok", "ok", kErrorControls},
    {"warning", Words(TextId::kWarningCaption), 300, 90, false, kModalNo, "yes", "no", kWarningControls},
};
static_assert(std::size(kDialogs) == kDialogLayoutCount);
// clang-format on

}  // namespace

const DialogLayout& DialogLayoutOf(DialogName dialog) { return kDialogs[static_cast<int>(dialog)]; }

namespace {

// Adds a picture to the list unless it is none or listed already.
void AddOnce(std::vector<Picture>& pictures, const Picture& picture) {
  const auto same = [&picture](const Picture& known) { return std::string_view(known.stem) == picture.stem; };
  if (!picture.none() && std::none_of(pictures.begin(), pictures.end(), same)) pictures.push_back(picture);
}

}  // namespace

std::vector<Picture> ToolbarPictures() {
  std::vector<Picture> pictures;
  for (const ToolbarButton& button : kToolbarLayout.buttons) AddOnce(pictures, button.picture);
  return pictures;
}

std::vector<Picture> LaidOutPictures() {
  std::vector<Picture> laid_out = ToolbarPictures();
  for (int dialog = 0; dialog < kDialogLayoutCount; ++dialog) {
    for (const Control& control : DialogLayoutOf(static_cast<DialogName>(dialog)).controls) AddOnce(laid_out, control.picture);
  }
  return laid_out;
}

}  // namespace verlumo
