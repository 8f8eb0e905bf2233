// The process-wide language setting `tongue`: -1 not chosen yet, 0 English, 1 German. One object
// holds it; the windows that word themselves by it listen for its changes.
#pragma once

#include <functional>
#include <vector>

#include "core/texts.h"

namespace verlumo {

class Language {
 public:
  int value() const { return value_; }
  // Takes the new value and, when it differs from the old one, tells every listener in the
  // order they came.
  void Set(int value);
  void AddListener(std::function<void()> listener) { listeners_.push_back(std::move(listener)); }

 private:
  int value_ = kLanguageUnset;
  std::vector<std::function<void()>> listeners_;
};

}  // namespace verlumo
