// The front ends' texts, each a German and an English constant.
#include "midend/front_texts.h"

#include "core/texts.h"

namespace verlumo {

ToolbarTexts ToolbarTextsFor(int language) {
  struct Hint {
    Command button;
    const char* german;
    const char* english;
    const char* german_name;
    const char* english_name;
  };
  static constexpr Hint kHints[] = {
      {Command::Load, "Ich hol mir einen alten Spielstand.", "I want to continue an old game.", "Spiel laden",
       "Load game"},
      {Command::Save, "Einmal zu oft gesichert ist besser als einmal zuwenig", "Save often, save always.",
       "Spiel speichern", "Save game"},
      {Command::NewGame, "Ich fang ein neues Spiel an.", "I want to play a new game.", "Neues Spiel", "New game"},
      {Command::Restart, "Ich probier's nochmal.", "I try it again.", "Stufe neu beginnen", "Restart level"},
      // A switch: its pressed state says whether the sound is on.
      {Command::Sound, "Die Geräusche mag ich nicht immer.", "I dont like the sound always.", "Ton", "Sound"},
      {Command::Rules, "Worum geht's da eigentlich?", "What's to do here?", "Spielregeln", "Rules"},
      {Command::Exit, "Ich hab genug!", "I have enough!", "Beenden", "Quit"},
      {Command::Info, "Wer hat diese Spiele nur verbrochen?", "Who did these ZORBEL GAME?", "Über Verlumo",
       "About Verlumo"},
      {Command::Zorbel, "Hurra, es gibt noch mehr Zorbel Games.", "Hurrah, there are more ZORBEL GAMES.",
       "Webseite von Zorbel Games", "Zorbel Games web page"},
      {Command::Up, "nächsthöhere ungelöste Stufe", "Next unsolved level", "Nächste ungelöste Stufe",
       "Next unsolved level"},
      {Command::Down, "nächstniedere ungelöste Stufe", "Previous unsolved level", "Vorige ungelöste Stufe",
       "Previous unsolved level"},
  };
  ToolbarTexts texts;
  for (const Hint& hint : kHints) {
    texts.hints.push_back({hint.button, Bilingual(language, hint.german, hint.english),
                           Bilingual(language, hint.german_name, hint.english_name)});
  }
  texts.level_selector_hint = Bilingual(language, "Stufe wählen", "Select level");
  texts.level_label = Bilingual(language, "Stufe:", "Level:");
  // It names the language the button leads away from.
  texts.tongue_hint = Bilingual(language, "I don't speak german.", "Ich spreche nicht englisch.");
  texts.tongue_name = Bilingual(language, "Sprache", "Language");
  texts.press_action = Bilingual(language, "Drücken", "Press");
  return texts;
}

std::string AccessibleDescription(const std::string& name, const std::string& hint) {
  return hint == name ? std::string() : hint;
}

bool IsQuestion(Message message) { return message != Message::kSolved && message != Message::kAllSolved; }

MessageTexts MessageTextsFor(Message message, int language) {
  struct Text {
    const char* german;
    const char* english;
  };
  // In the order of Message.
  static constexpr Text kMessages[] = {
      {"Hurra, geschafft!", "Hurrah, you did it!"},
      {"Gratulation, Du hast alle Stufen gelöst.", "Congratulation, you solved all levels."},
      {"Willst Du die Stufe wirklich aufgeben?", "Do you really want to give up the level?"},
      {"Willst Du das Spiel wirklich von vorne beginnen?", "Do you really want to start at the beginning?"},
      {"Willst Du wirklich schon aufhören?", "Do you really want to go?"},
  };
  const Text& text = kMessages[static_cast<int>(message)];
  MessageTexts texts{Bilingual(language, text.german, text.english), "OK", ""};
  if (IsQuestion(message)) {
    texts.yes = Bilingual(language, "Ja", "Yes");
    texts.no = Bilingual(language, "Nein", "No");
  }
  return texts;
}

InfoTexts InfoTextsFor(int language) {
  return {Bilingual(language, "Info über ...", "Info about ..."),
          std::string(Bilingual(language, "programmiert in ", "coded in ")) + maker::kProgrammingTool,
          Bilingual(language, "Mitglied der", "Member of the"), Bilingual(language, "Programm 053", "Program 053"),
          Bilingual(language, "Sprache", "Tongue")};
}

PageTexts PageTextsFor(int language) {
  const auto words = [language](const char* german, const char* english) { return Bilingual(language, german, english); };
  return {words("Speichern unter", "Save as"),
          words("Dateiname:", "File name:"),
          words("Speichern", "Save"),
          words("Abbrechen", "Cancel"),
          words("Fehler", "Error"),
          words("Warnung", "Warning"),
          words("Schließen", "Close"),
          words("Dieser Browser verweigert das Speichern: Dein Spielstand bleibt nur, bis Du die Seite schließt.",
                "This browser refuses to keep your progress: it lasts until you close the page."),
          words("Der Speicher des Browsers ist voll: Dein Spielstand wird nicht mehr gespeichert.",
                "The browser's storage is full: your progress is no longer kept."),
          words("Verlumo ist beendet; lade die Seite neu, um weiterzuspielen.",
                "Verlumo has ended; reload the page to play again."),
          words("Dieser Browser kann Verlumo nicht spielen: ihm fehlt WebAssembly.",
                "This browser cannot run Verlumo: it has no WebAssembly."),
          words("Verlumo kann nicht starten: ", "Verlumo cannot start: "),
          words("Die Bilder und Geräusche des Spiels können nicht gelesen werden: ",
                "The game's pictures and sounds cannot be read: "),
          words("Tausche die Teile, bis jede Straße an ihre Nachbarn anschließt und keine vom Spielfeld führt.",
                "Swap the tiles until every road joins its neighbour and none runs off the board."),
          words("Halte einen Finger auf eine Schaltfläche, um zu lesen, was sie tut.",
                "Hold a finger on a button to read what it does."),
          words("de", "en"),
          words("en", "de")};
}

LevelChooserTexts LevelChooserTextsFor(int language) {
  const auto words = [language](const char* german, const char* english) { return Bilingual(language, german, english); };
  return {words("Stufe auswählen", "Choose a level"),
          words("Stufen {first} bis {last}, {solved} davon gelöst", "Levels {first} to {last}, {solved} of them solved"),
          words("Stufe {level}", "Level {level}"),
          words("Stufe {level}, gelöst", "Level {level}, solved"),
          words("gelöst", "solved"),
          words("aktuelle Stufe", "current level")};
}

std::string WordsOf(const ControlText& text, DialogName dialog, int language) {
  switch (text.id) {
    case TextId::kNone: return "";
    case TextId::kFixed: return text.fixed;
    case TextId::kMessage:
      if (dialog > DialogName::kEndGame) return "";
      return MessageTextsFor(static_cast<Message>(dialog), language).message;
    // Every question says yes and no alike.
    case TextId::kYes: return MessageTextsFor(Message::kRestart, language).yes;
    case TextId::kNo: return MessageTextsFor(Message::kRestart, language).no;
    case TextId::kInfoCaption: return InfoTextsFor(language).caption;
    case TextId::kCodedIn: return InfoTextsFor(language).coded_in;
    case TextId::kMemberOf: return InfoTextsFor(language).member_of;
    case TextId::kProgram: return InfoTextsFor(language).program;
    case TextId::kTongueButton: return InfoTextsFor(language).tongue_button;
    case TextId::kSaveAsCaption: return PageTextsFor(language).save_as_caption;
    case TextId::kFileNameLabel: return PageTextsFor(language).file_name_label;
    case TextId::kSave: return PageTextsFor(language).save;
    case TextId::kCancel: return PageTextsFor(language).cancel;
    case TextId::kErrorCaption: return PageTextsFor(language).error_caption;
    case TextId::kWarningCaption: return PageTextsFor(language).warning_caption;
  }
  return "";
}

}  // namespace verlumo
