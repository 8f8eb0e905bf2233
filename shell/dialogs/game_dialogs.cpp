// Creating the game's dialogs in their start-up order.
#include "shell/dialogs/game_dialogs.h"

namespace verlumo {

namespace {

constexpr int kDialogCount = 8;

}  // namespace

bool GameDialogs::CreateNext(const DialogContext& context) {
  if (refused_ != nullptr || created_ == kDialogCount) return false;
  // Makes one dialog; one the system refuses is kept to say why.
  const auto make = [this, &context](auto& dialog, auto&... more) {
    if (dialog.Create(context, more...)) return true;
    refused_ = &dialog;
    return false;
  };
  bool made = false;
  switch (created_) {
    case 0: made = make(splash_); break;
    case 1: made = make(all_solved_); break;
    case 2: made = make(end_game_); break;
    case 3: made = make(give_up_); break;
    case 4: made = make(info_, language_); break;
    case 5: made = make(restart_); break;
    case 6: made = make(solved_); break;
    case 7: made = make(language_); break;
  }
  return made && ++created_ < kDialogCount;
}

bool GameDialogs::CreateAll(const DialogContext& context) {
  while (CreateNext(context)) {
  }
  return created_ == kDialogCount;
}

CreationFailure GameDialogs::creation_failure() const {
  return refused_ != nullptr ? refused_->creation_failure() : CreationFailure{};
}

}  // namespace verlumo
