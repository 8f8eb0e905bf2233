// The page's description, written from the layout tables and the bilingual texts.
#include "midend/description_json.h"

#include "core/game_state.h"
#include "core/modal_result.h"
#include "core/texts.h"
#include "midend/board_cursor.h"
#include "midend/board_words.h"
#include "midend/front_texts.h"
#include "midend/json_writer.h"
#include "midend/layout.h"
#include "verlumo_version.h"
#include "view/board_geometry.h"

namespace verlumo {
namespace {

const char* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::kBevel: return "bevel";
    case ControlKind::kIcon: return "icon";
    case ControlKind::kPicture: return "picture";
    case ControlKind::kLabel: return "label";
    case ControlKind::kMessage: return "message";
    case ControlKind::kButton: return "button";
    case ControlKind::kLink: return "link";
    case ControlKind::kField: return "field";
  }
  return "";
}

const char* StyleName(TextStyle style) {
  switch (style) {
    case TextStyle::kOneLine: return "oneLine";
    case TextStyle::kWrapped: return "wrapped";
    case TextStyle::kRight: return "right";
    case TextStyle::kAutoSized: return "autoSized";
    case TextStyle::kProductName: return "productName";
  }
  return "";
}

void WriteBox(JsonWriter& json, const Box& box) {
  json.BeginArray().Number(box.left).Number(box.top).Number(box.width).Number(box.height).EndArray();
}

void WritePicture(JsonWriter& json, const Picture& picture) {
  json.Key("picture").String(picture.stem).Key("images").Number(picture.images);
}

// A blank address means the text is the address; an e-mail address is opened as mail.
std::string LinkAddress(const Control& link) {
  if (*link.address != '\0') return link.address;
  const std::string text = link.text.fixed;
  return text.find('@') != std::string::npos ? "mailto:" + text : text;
}

void WriteToolbar(JsonWriter& json, int language) {
  const ToolbarLayout& toolbar = kToolbarLayout;
  const ToolbarTexts texts = ToolbarTextsFor(language);
  const auto hint_of = [&texts](Command command) {
    if (command == Command::Tongue) return ToolbarHint{command, texts.tongue_hint, texts.tongue_name};
    for (const ToolbarHint& hint : texts.hints) {
      if (hint.button == command) return hint;
    }
    return ToolbarHint{command, "", ""};
  };
  json.BeginObject().Key("width").Number(toolbar.width).Key("height").Number(toolbar.height);
  json.Key("buttons").BeginArray();
  for (const ToolbarButton& button : toolbar.buttons) {
    json.BeginObject()
        .Key("command").Number(static_cast<int>(button.command))
        .Key("box");
    WriteBox(json, button.box);
    WritePicture(json, button.picture);
    // The hint is the tooltip; a screen reader calls the button by its name, and hears the hint
    // after it when it says more.
    const ToolbarHint hint = hint_of(button.command);
    json.Key("toggle").Bool(button.toggle).Key("hint").String(hint.text).Key("name").String(hint.name);
    json.Key("description").String(AccessibleDescription(hint.name, hint.text));
    // The language button's hint speaks the other language.
    if (button.command == Command::Tongue) json.Key("hintLang").String(PageTextsFor(language).other_language_code);
    json.EndObject();
  }
  json.EndArray();
  json.Key("levelShape");
  WriteBox(json, toolbar.level_shape);
  json.Key("levelBevel");
  WriteBox(json, toolbar.level_bevel);
  json.Key("levelLabel").BeginObject().Key("box");
  WriteBox(json, toolbar.level_label);
  json.Key("text").String(texts.level_label).EndObject();
  json.Key("levelCounter");
  WriteBox(json, toolbar.level_counter);
  json.Key("levelSelector").BeginObject().Key("box");
  WriteBox(json, toolbar.level_selector);
  // A screen reader names the selector by its hint.
  json.Key("hint").String(texts.level_selector_hint).Key("name").String(texts.level_selector_hint).EndObject();
  json.EndObject();
}

void WriteControl(JsonWriter& json, const DialogLayout& layout, DialogName dialog, const Control& control,
                  int language) {
  json.BeginObject().Key("kind").String(KindName(control.kind));
  if (*control.name != '\0') json.Key("name").String(control.name);
  json.Key("box");
  WriteBox(json, control.box);
  if (!control.picture.none()) WritePicture(json, control.picture);
  if (control.text.id != TextId::kNone) json.Key("text").String(WordsOf(control.text, dialog, language));
  if (control.kind == ControlKind::kLabel || control.kind == ControlKind::kLink) {
    json.Key("style").String(StyleName(control.style));
  }
  if (control.kind == ControlKind::kLink) json.Key("address").String(LinkAddress(control));
  // The language dialog's buttons each speak their own language.
  if (dialog == DialogName::kLanguage && control.kind == ControlKind::kButton) {
    json.Key("lang").String(PageTextsFor(control.name == std::string("german") ? kLanguageGerman : kLanguageEnglish)
                                .language_code);
  }
  if (control.kind == ControlKind::kButton) {
    json.Key("result").Number(control.result)
        .Key("default").Bool(control.name == std::string(layout.default_button))
        .Key("cancel").Bool(control.name == std::string(layout.cancel_button));
  }
  json.EndObject();
}

void WriteDialogs(JsonWriter& json, int language) {
  json.BeginObject();
  for (int index = 0; index < kDialogLayoutCount; ++index) {
    const auto dialog = static_cast<DialogName>(index);
    const DialogLayout& layout = DialogLayoutOf(dialog);
    json.Key(layout.name).BeginObject()
        .Key("caption").String(WordsOf(layout.caption, dialog, language))
        .Key("width").Number(layout.width)
        .Key("height").Number(layout.height)
        .Key("bold").Bool(layout.bold)
        .Key("closeResult").Number(layout.close_result)
        .Key("controls").BeginArray();
    for (const Control& control : layout.controls) WriteControl(json, layout, dialog, control, language);
    json.EndArray().EndObject();
  }
  json.EndObject();
}

void WriteTexts(JsonWriter& json, int language) {
  const PageTexts texts = PageTextsFor(language);
  json.BeginObject()
      .Key("close").String(texts.close)
      .Key("pressAction").String(ToolbarTextsFor(language).press_action)
      .Key("storageRefused").String(texts.storage_refused)
      .Key("storageFull").String(texts.storage_full)
      .Key("gameEnded").String(texts.game_ended)
      .Key("noWebAssembly").String(texts.no_web_assembly)
      .Key("cannotStart").String(texts.cannot_start)
      .Key("assetsUnreadable").String(texts.assets_unreadable)
      .Key("boardName").String(BoardName(language))
      .Key("goal").String(texts.goal)
      .Key("holdForHint").String(texts.hold_for_hint)
      .Key("language").String(texts.language_code);
  // The level chooser's words, each named for what it words.
  const LevelChooserTexts chooser = LevelChooserTextsFor(language);
  json.Key("chooseLevel").String(chooser.caption)
      .Key("levelBlock").String(chooser.block)
      .Key("levelName").String(chooser.level)
      .Key("solvedLevelName").String(chooser.solved_level)
      .Key("solvedMark").String(chooser.solved)
      .Key("currentMark").String(chooser.current)
      .EndObject();
}

}  // namespace

std::string FrontEndDescriptionJson(int language) {
  JsonWriter json;
  json.BeginObject();
  json.Key("board").BeginObject().Key("width").Number(kBoardAreaWidth).Key("height").Number(kBoardAreaHeight).EndObject();
  json.Key("cells").BeginObject().Key("left").Number(kBoardLeft).Key("top").Number(kBoardTop)
      .Key("size").Number(kTileSize).Key("columns").Number(kColumns).Key("rows").Number(kRows).EndObject();
  json.Key("counter").BeginObject().Key("width").Number(kLevelCounterWidth).Key("height").Number(kLevelCounterHeight)
      .EndObject();
  json.Key("timerInterval").Number(kTimerInterval).Key("splashTime").Number(kSplashTime);
  json.Key("modal").BeginObject().Key("ok").Number(kModalOk).Key("cancel").Number(kModalCancel)
      .Key("yes").Number(kModalYes).Key("no").Number(kModalNo).EndObject();
  json.Key("unset").Number(kLanguageUnset);
  json.Key("selectorRequests").BeginObject();
  const char* requests[] = {"lineLeft", "lineRight", "pageLeft", "pageRight", "first", "last", "track"};
  for (int request = 0; request <= static_cast<int>(SelectorRequest::kTrack); ++request) {
    json.Key(requests[request]).Number(request);
  }
  json.EndObject();
  // The board's keys, by the names a front end gives them.
  json.Key("boardKeys").BeginObject();
  const char* keys[] = {"left", "right", "up", "down", "rowStart", "rowEnd", "columnTop", "columnBottom",
                        "firstCell", "lastCell", "press", "looseEnds"};
  for (int key = 0; key <= static_cast<int>(BoardKey::kLooseEnds); ++key) json.Key(keys[key]).Number(key);
  json.EndObject();
  json.Key("defaultGameFile").String(kDefaultGameFileName);
  json.Key("caption").String(VERLUMO_PRODUCT_CAPTION);
  json.Key("toolbar");
  WriteToolbar(json, language);
  json.Key("dialogs");
  WriteDialogs(json, language);
  json.Key("texts");
  WriteTexts(json, language);
  json.EndObject();
  return json.text();
}

}  // namespace verlumo
