// Building the status texts by the bilingual rule.
#include "view/status_texts.h"

#include "core/paths.h"
#include "core/texts.h"

namespace verlumo {

std::string LevelCounterHint(int language, int level, bool solved) {
  std::string hint = Bilingual(language, "Stufe ", "Level ");
  hint += std::to_string(level);
  hint += ": ";
  hint += solved ? Bilingual(language, "gelöst", "solved") : Bilingual(language, "ungelöst", "unsolved");
  return hint;
}

std::string CaptionText(int language, const std::string& current_game_file) {
  std::string caption = kProductCaption;
  if (!current_game_file.empty()) {
    caption += Bilingual(language, " - Spiel ", " - Game ");
    caption += FileNameOf(current_game_file);
  }
  return caption;
}

}  // namespace verlumo
