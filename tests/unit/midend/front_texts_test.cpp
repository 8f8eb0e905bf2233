// Each language's texts are in that language: every text around the board, as the page's
// description carries it in German and in English (the Windows game words its toolbar and dialogs
// from the same texts), against a table of both wordings.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/texts.h"
#include "midend/commands.h"
#include "midend/description_json.h"
#include "tests/unit/midend/json_checker.h"

namespace verlumo {
namespace {

struct Wording {
  const char* german;
  const char* english;
};

// German first, as the player reads each text in each language. A new text belongs here too.
constexpr Wording kWordings[] = {
    // The toolbar: each button's hint, then its name.
    {"Ich hol mir einen alten Spielstand.", "I want to continue an old game."},
    {"Spiel laden", "Load game"},
    {"Einmal zu oft gesichert ist besser als einmal zuwenig", "Save often, save always."},
    {"Spiel speichern", "Save game"},
    {"Ich fang ein neues Spiel an.", "I want to play a new game."},
    {"Neues Spiel", "New game"},
    {"Ich probier's nochmal.", "I try it again."},
    {"Stufe neu beginnen", "Restart level"},
    {"Die Geräusche mag ich nicht immer.", "I dont like the sound always."},
    {"Ton", "Sound"},
    {"Worum geht's da eigentlich?", "What's to do here?"},
    {"Spielregeln", "Rules"},
    {"Ich hab genug!", "I have enough!"},
    {"Beenden", "Quit"},
    {"Wer hat diese Spiele nur verbrochen?", "Who did these ZORBEL GAME?"},
    {"Über Verlumo", "About Verlumo"},
    {"Hurra, es gibt noch mehr Zorbel Games.", "Hurrah, there are more ZORBEL GAMES."},
    {"Webseite von Zorbel Games", "Zorbel Games web page"},
    {"nächsthöhere ungelöste Stufe", "Next unsolved level"},
    {"Nächste ungelöste Stufe", "Next unsolved level"},
    {"nächstniedere ungelöste Stufe", "Previous unsolved level"},
    {"Vorige ungelöste Stufe", "Previous unsolved level"},
    {"I don't speak german.", "Ich spreche nicht englisch."},  // the language button speaks the other one
    {"Sprache", "Language"},
    {"Stufe wählen", "Select level"},
    {"Stufe:", "Level:"},
    {"Drücken", "Press"},
    // The message dialogs.
    {"Hurra, geschafft!", "Hurrah, you did it!"},
    {"Gratulation, Du hast alle Stufen gelöst.", "Congratulation, you solved all levels."},
    {"Willst Du die Stufe wirklich aufgeben?", "Do you really want to give up the level?"},
    {"Willst Du das Spiel wirklich von vorne beginnen?", "Do you really want to start at the beginning?"},
    {"Willst Du wirklich schon aufhören?", "Do you really want to go?"},
    {"Ja", "Yes"},
    {"Nein", "No"},
    // The info dialog.
    {"Info über ...", "Info about ..."},
    {"programmiert in C++", "coded in C++"},
    {"Mitglied der", "Member of the"},
    {"Programm 053", "Program 053"},
    {"Sprache", "Tongue"},
    // The page's own save dialog, message boxes and notices, and the board as a screen reader names it.
    {"Speichern unter", "Save as"},
    {"Dateiname:", "File name:"},
    {"Speichern", "Save"},
    {"Abbrechen", "Cancel"},
    {"Fehler", "Error"},
    {"Warnung", "Warning"},
    {"Schließen", "Close"},
    {"Dieser Browser verweigert das Speichern: Dein Spielstand bleibt nur, bis Du die Seite schließt.",
     "This browser refuses to keep your progress: it lasts until you close the page."},
    {"Der Speicher des Browsers ist voll: Dein Spielstand wird nicht mehr gespeichert.",
     "The browser's storage is full: your progress is no longer kept."},
    {"Verlumo ist beendet; lade die Seite neu, um weiterzuspielen.",
     "Verlumo has ended; reload the page to play again."},
    {"Dieser Browser kann Verlumo nicht spielen: ihm fehlt WebAssembly.",
     "This browser cannot run Verlumo: it has no WebAssembly."},
    {"Verlumo kann nicht starten: ", "Verlumo cannot start: "},
    {"Die Bilder und Geräusche des Spiels können nicht gelesen werden: ",
     "The game's pictures and sounds cannot be read: "},
    {"Spielfeld: Pfeiltasten wählen ein Feld, Eingabe oder Leertaste tauscht es mit dem Auto, L nennt die offenen "
     "Straßenenden",
     "Board: the arrow keys choose a cell, Enter or Space swaps it with the car, L tells the loose road ends"},
    // The page's level chooser.
    {"Stufe auswählen", "Choose a level"},
    {"Stufen {first} bis {last}, {solved} davon gelöst", "Levels {first} to {last}, {solved} of them solved"},
    {"Stufe {level}", "Level {level}"},
    {"Stufe {level}, gelöst", "Level {level}, solved"},
    {"gelöst", "solved"},
    {"aktuelle Stufe", "current level"},
    {"Tausche die Teile, bis jede Straße an ihre Nachbarn anschließt und keine vom Spielfeld führt.",
     "Swap the tiles until every road joins its neighbour and none runs off the board."},
    {"Halte einen Finger auf eine Schaltfläche, um zu lesen, was sie tut.",
     "Hold a finger on a button to read what it does."},
};

void CollectStrings(const json_test::Value& value, std::set<std::string>& strings) {
  strings.insert(value.string);
  for (const json_test::Value& item : value.array) CollectStrings(item, strings);
  for (const auto& [key, member] : value.object) CollectStrings(member, strings);
}

std::set<std::string> StringsOfTheDescription(int language) {
  std::set<std::string> strings;
  CollectStrings(json_test::Parse(FrontEndDescriptionJson(language)), strings);
  return strings;
}

TEST(FrontTexts, EachLanguageShowsEveryTextInItsOwnWordingOnly) {
  const std::set<std::string> german = StringsOfTheDescription(kLanguageGerman);
  const std::set<std::string> english = StringsOfTheDescription(kLanguageEnglish);
  for (const Wording& wording : kWordings) {
    EXPECT_EQ(german.count(wording.german), 1u) << "missing in German: " << wording.german;
    EXPECT_EQ(german.count(wording.english), 0u) << "English in German: " << wording.english;
    EXPECT_EQ(english.count(wording.english), 1u) << "missing in English: " << wording.english;
    EXPECT_EQ(english.count(wording.german), 0u) << "German in English: " << wording.german;
  }
}

// A screen reader calls a toolbar button by its name, then reads its hint, unless the hint only
// says the name again.
TEST(FrontTexts, AButtonsHintIsReadAfterItsNameOnlyWhenItSaysMore) {
  const auto next_unsolved = [](int language) {
    const json_test::Value description = json_test::Parse(FrontEndDescriptionJson(language));
    for (const json_test::Value& button : description["toolbar"]["buttons"].array) {
      if (button["command"].number == static_cast<int>(Command::Up)) return button;
    }
    return json_test::Value();
  };
  EXPECT_EQ(next_unsolved(kLanguageEnglish)["name"].string, "Next unsolved level");
  EXPECT_EQ(next_unsolved(kLanguageEnglish)["description"].string, "");
  EXPECT_EQ(next_unsolved(kLanguageGerman)["description"].string, "nächsthöhere ungelöste Stufe");
}

}  // namespace
}  // namespace verlumo
