// The messages of the level file and the game files, in German and English. The German texts
// hold umlauts and are kept as UTF-8.
#include "core/texts.h"

namespace verlumo {

std::string LevelFileErrorText(int language, int error, const std::string& program_directory) {
  // The program directory ends in a separator, so the file name follows it directly.
  return Bilingual(language, "Dateifehler ", "Fileerror ") + std::to_string(error) +
         Bilingual(language, " bei Datei ", " with file ") + program_directory + "VLMO.DAT.";
}

std::string OverwriteQuestionText(int language, const std::string& file_name) {
  return Bilingual(language, "Spiel ", "Game ") + file_name +
         Bilingual(language, " existiert bereits. Überschreiben?", " already existing. Overwrite?");
}

std::string SaveErrorText(int language, const std::string& file_name) {
  return Bilingual(language, "Kann Spiel ", "Cannot save game ") + file_name +
         Bilingual(language, " nicht speichern. Datenträger voll oder nicht beschreibbar.",
                   ". Drive full or not writable.");
}

std::string LoadErrorText(int language, const std::string& full_path) {
  return Bilingual(language, "Fehler beim Laden des Spiels ", "Error occured while loading file ") +
         full_path + "!";
}

}  // namespace verlumo
