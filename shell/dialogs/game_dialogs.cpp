// Creating the game's dialogs in their start-up order.
#include "shell/dialogs/game_dialogs.h"

namespace verlumo {

bool GameDialogs::CreateAll(const DialogContext& context) {
  return splash_.Create(context) && all_solved_.Create(context) && end_game_.Create(context) &&
         give_up_.Create(context) && info_.Create(context, language_) && restart_.Create(context) &&
         solved_.Create(context) && language_.Create(context);
}

CreationFailure GameDialogs::creation_failure() const {
  const Form* const in_order[] = {&splash_, &all_solved_, &end_game_, &give_up_,
                                  &info_,   &restart_,    &solved_,   &language_};
  for (const Form* dialog : in_order) {
    if (!dialog->creation_failure().what.empty()) return dialog->creation_failure();
  }
  return {};
}

}  // namespace verlumo
