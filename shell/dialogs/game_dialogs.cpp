// Creating the game's dialogs in their start-up order.
#include "shell/dialogs/game_dialogs.h"

namespace verlumo {

bool GameDialogs::CreateAll(const DialogContext& context) {
  return splash_.Create(context) && all_solved_.Create(context) && end_game_.Create(context) &&
         give_up_.Create(context) && info_.Create(context, language_) && restart_.Create(context) &&
         solved_.Create(context) && language_.Create(context);
}

}  // namespace verlumo
