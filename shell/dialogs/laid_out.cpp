// The pictures of the layout, each a resource of verlumo.rc.
#include "shell/dialogs/laid_out.h"

#include "shell/resource_ids.h"

namespace verlumo {

RECT ToRect(const Box& box) { return {box.left, box.top, box.left + box.width, box.top + box.height}; }

int PictureResource(Picture picture) {
  switch (picture) {
    case Picture::kNone: return 0;
    case Picture::kNewGame: return IDB_NEWGAME;
    case Picture::kRestart: return IDB_RESTART;
    case Picture::kLoad: return IDB_LOAD;
    case Picture::kSave: return IDB_SAVE;
    case Picture::kSound: return IDB_SOUND;
    case Picture::kExit: return IDB_EXIT;
    case Picture::kPrevious: return IDB_PREVIOUS;
    case Picture::kNext: return IDB_NEXT;
    case Picture::kTongue: return IDB_TONGUE;
    case Picture::kRules: return IDB_RULES;
    case Picture::kInfo: return IDB_INFO;
    case Picture::kZorbel: return IDB_ZORBEL;
    case Picture::kSmile: return IDB_SMILE;
    case Picture::kAgain: return IDB_AGAIN;
    case Picture::kCross: return IDB_CROSS;
    case Picture::kTick: return IDB_TICK;
    case Picture::kFlagsEnglish: return IDB_FLAGS_ENGLISH;
    case Picture::kFlagsGerman: return IDB_FLAGS_GERMAN;
    case Picture::kLogo: return IDB_LOGO;
    case Picture::kAssociation: return IDB_ASSOCIATION;
    case Picture::kSplash: return IDB_SPLASH;
  }
  return 0;
}

}  // namespace verlumo
