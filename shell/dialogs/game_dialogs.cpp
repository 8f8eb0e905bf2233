// Creating the game's dialogs in their start-up order.
#include "shell/dialogs/game_dialogs.h"

namespace verlumo {

namespace {

constexpr int kDialogCount = 8;

}  // namespace

bool GameDialogs::CreateNext(const DialogContext& context) {
  if (refused_ || created_ == kDialogCount) return false;
  bool made = false;
  switch (created_) {
    case 0: made = splash_.Create(context); break;
    case 1: made = all_solved_.Create(context); break;
    case 2: made = end_game_.Create(context); break;
    case 3: made = give_up_.Create(context); break;
    case 4: made = info_.Create(context, language_); break;
    case 5: made = restart_.Create(context); break;
    case 6: made = solved_.Create(context); break;
    case 7: made = language_.Create(context); break;
  }
  refused_ = !made;
  return made && ++created_ < kDialogCount;
}

bool GameDialogs::CreateAll(const DialogContext& context) {
  while (CreateNext(context)) {
  }
  return created_ == kDialogCount;
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
