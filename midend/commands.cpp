// The help context of the rules and the level selector's requests turned into positions.
#include "midend/commands.h"

#include "core/texts.h"

namespace verlumo {

int RulesHelpContext(int language) { return language == kLanguageGerman ? 1 : 2; }

int SelectorTarget(SelectorRequest request, int shown, int tracked, int last) {
  switch (request) {
    case SelectorRequest::kLineLeft: return shown - 1;
    case SelectorRequest::kLineRight: return shown + 1;
    case SelectorRequest::kPageLeft: return shown - kSelectorPageStep;
    case SelectorRequest::kPageRight: return shown + kSelectorPageStep;
    case SelectorRequest::kFirst: return 1;
    case SelectorRequest::kLast: return last;
    case SelectorRequest::kTrack: return tracked;
  }
  return shown;
}

}  // namespace verlumo
