// What the game session asks of the front end that shows it: the one way back from the rules and
// the session to a window or a page. The front end is told what its controls now read and show,
// what to repaint, which question to ask and which request only it can carry out; it never has
// to ask the session what changed.
#pragma once

#include <string>

#include "core/game_questions.h"
#include "midend/front_texts.h"

namespace verlumo {

class FrontEnd : public GameQuestions {
 public:
  // What the toolbar and the window read now. Each is told only when it differs from what was
  // told last.
  virtual void ShowTexts(const ToolbarTexts& texts) = 0;
  virtual void ShowCaption(const std::string& caption) = 0;
  virtual void ShowLevelCounterHint(const std::string& hint) = 0;
  // The level selector shows positions 1 to last.
  virtual void ShowLevelSelectorRange(int last) = 0;
  // The selector's thumb at position; showing it starts nothing.
  virtual void ShowLevelSelector(int position) = 0;
  virtual void ShowSoundSwitch(bool on) = 0;
  // The keyboard's cell cursor stands on (column, row), and the words say what lies there; told
  // when either changed. A front end shows it over the board, never in the board's pixels, and
  // only while the board has the keyboard.
  virtual void ShowBoardCursor(int column, int row, const std::string& words) = 0;
  // Words a screen reader says once, without breaking off what it is saying: what a swap did, a
  // level that started or was solved, the loose road ends asked for.
  virtual void Announce(const std::string& words) = 0;

  // The buttons for the next and the previous unsolved level repaint at once, next one first.
  virtual void RepaintLevelButtons() = 0;

  // The game's questions come through GameQuestions; these are the rest.
  virtual void ShowSplash() = 0;
  // The language question; the texts follow the answer through the language.
  virtual void AskLanguage() = 0;
  virtual void ShowInfo() = 0;
  // A sound the system refused, once the event that played it has ended.
  virtual void ReportSoundFailure(const std::string& text) = 0;

  // What only the front end can do.
  // The close request: the front end closes through the session's close when it can.
  virtual void RequestClose() = 0;
  // The rules page of the help context: 1 the German rules, 2 the English ones.
  virtual void OpenRules(int help_context) = 0;
  virtual void OpenMakerPage() = 0;
};

}  // namespace verlumo
