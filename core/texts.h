// The texts the puzzle core shows the player, each a German and an English constant chosen at
// the moment it is used: German when the language is 1, English for every other value (the
// unset -1 included). All texts are UTF-8.
#pragma once

#include <string>

namespace verlumo {

constexpr int kLanguageUnset = -1;
constexpr int kLanguageEnglish = 0;
constexpr int kLanguageGerman = 1;

inline const char* Bilingual(int language, const char* german, const char* english) {
  return language == kLanguageGerman ? german : english;
}

std::string LevelFileErrorText(int language, int error, const std::string& program_directory);
std::string OverwriteQuestionText(int language, const std::string& file_name);
std::string SaveErrorText(int language, const std::string& file_name);
std::string LoadErrorText(int language, const std::string& full_path);

}  // namespace verlumo
