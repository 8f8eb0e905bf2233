// The application's help handler slot and the requests that go through it.
#include "shell/help/application_help.h"

#include <utility>

#include "shell/help/help_texts.h"

namespace verlumo {
namespace {

HelpHandler& CurrentHelpHandler() {
  static HelpHandler handler;
  return handler;
}

}  // namespace

HelpHandler ExchangeHelpHandler(HelpHandler handler) {
  return std::exchange(CurrentHelpHandler(), std::move(handler));
}

bool HelpCommand(std::uint16_t command, std::int32_t data) {
  // A copy, so that a handler that exchanges the slot while it runs is not destroyed under it.
  const HelpHandler handler = CurrentHelpHandler();
  if (!handler) return false;
  bool call_help = true;
  const bool served = handler(command, data, call_help);
  return served && !call_help;
}

bool HelpContext(int context) { return HelpCommand(hh::kHelpContext, context); }

}  // namespace verlumo
