// Telling the listeners of a language change.
#include "core/language.h"

namespace verlumo {

void Language::Set(int value) {
  if (value == value_) return;
  value_ = value;
  for (const auto& listener : listeners_) listener();
}

}  // namespace verlumo
