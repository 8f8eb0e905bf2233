// All of the game's dialog windows, created once after the main window and kept to the end of
// the run, with one call per showing for the main window. Every Show call is modal and returns
// the modal result: 1 OK, 2 cancel (also the title-bar close), 6 yes, 7 no. Only 6 is consent.
#pragma once

#include "shell/dialogs/dialog_context.h"
#include "shell/dialogs/info_dialog.h"
#include "shell/dialogs/message_dialog.h"
#include "shell/dialogs/splash.h"
#include "shell/dialogs/tongue_dialog.h"

namespace verlumo {

class GameDialogs {
 public:
  // The windows are created in the start-up order: splash, all solved, end game, give up, info,
  // restart, solved, language. The context's language and icon must outlive the dialogs.
  //
  // Creates the next window in that order; true while more remain. False once all exist, or
  // when the system refused one; no window is made after a refusal.
  bool CreateNext(const DialogContext& context);
  // Creates those not made yet; true when all exist.
  bool CreateAll(const DialogContext& context);
  // Why the creation stopped: the dialog that was refused says; nothing while none was.
  CreationFailure creation_failure() const;

  int ShowSolved() { return solved_.ShowModal(); }
  int ShowAllSolved() { return all_solved_.ShowModal(); }
  int ShowRestart() { return restart_.ShowModal(); }
  int ShowGiveUp() { return give_up_.ShowModal(); }
  int ShowEndGame() { return end_game_.ShowModal(); }
  int ShowSplash() { return splash_.ShowModal(); }
  // Sets the language when the player picks one.
  int ShowLanguage() { return language_.ShowModal(); }
  int ShowInfo() { return info_.ShowModal(); }

  Splash& splash() { return splash_; }
  MessageDialog& solved() { return solved_; }
  MessageDialog& all_solved() { return all_solved_; }
  MessageDialog& restart() { return restart_; }
  MessageDialog& give_up() { return give_up_; }
  MessageDialog& end_game() { return end_game_; }
  TongueDialog& language() { return language_; }
  InfoDialog& info() { return info_; }

 private:
  // The info dialog refers to the language dialog, which therefore goes last.
  Splash splash_;
  MessageDialog all_solved_{MessageKind::kAllSolved};
  MessageDialog end_game_{MessageKind::kEndGame};
  MessageDialog give_up_{MessageKind::kGiveUp};
  InfoDialog info_;
  MessageDialog restart_{MessageKind::kRestart};
  MessageDialog solved_{MessageKind::kSolved};
  TongueDialog language_;
  int created_ = 0;  // how many of the eight exist, in their order
  const Form* refused_ = nullptr;  // the dialog the system refused, after which none is made
};

}  // namespace verlumo
