// A display and questions double that writes every call into a log ("DrawCell 3 4",
// "ShowModal Solved") and answers from scripts, so tests can check what the game asked of its
// window and in which order.
#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/game.h"

namespace verlumo {

class RecordingHost : public BoardDisplay,
                      public GameSounds,
                      public ControlsDisplay,
                      public GameQuestions {
 public:
  std::vector<std::string> log;
  std::deque<int> modal_results;                        // Cancel once used up
  std::deque<std::optional<std::string>> save_choices;  // cancel once used up
  std::deque<bool> overwrite_answers;                   // No once used up
  std::optional<std::string> open_choice;
  std::function<void(Dialog)> while_modal;  // runs while a dialog is open
  int selector_position = 1;                // what the level selector shows

  GameDisplay display() { return {*this, *this, *this}; }

  void DrawCell(int column, int row) override { Log("DrawCell " + N(column) + " " + N(row)); }
  void PlaySound(int sound) override { Log("PlaySound " + N(sound)); }
  void ApplyLanguage() override { Log("ApplyLanguage"); }
  void UpdateCaption() override { Log("UpdateCaption"); }
  void levelboxPaint() override { Log("levelboxPaint"); }
  void DrawProgressGauge() override { Log("DrawProgressGauge"); }
  int ShowModal(Dialog dialog) override {
    const char* const names[] = {"Solved", "AllSolved", "Restart", "GiveUp"};
    Log(std::string("ShowModal ") + names[static_cast<int>(dialog)]);
    if (while_modal) while_modal(dialog);
    return Take(modal_results, kModalCancel);
  }
  void SetLevelSelectorRange(int last) override { Log("SetLevelSelectorRange " + N(last)); }
  // The game shows the selector only at a new position, and that position's level starts
  // right after; the log names that start after the window's selector change handler.
  void SetLevelSelector(int position) override {
    selector_position = position;
    Log("SetLevelSelector " + N(position));
    Log("levelScrollChange " + N(position));
  }
  std::optional<std::string> ChooseSaveFile(const std::string& folder,
                                            const std::optional<std::string>& name) override {
    Log("ChooseSaveFile " + folder + " " + name.value_or("(as before)"));
    return Take(save_choices, std::optional<std::string>());
  }
  std::optional<std::string> ChooseOpenFile(const std::string& start_path) override {
    Log("ChooseOpenFile " + start_path);
    return open_choice;
  }
  bool AskYesNoWarning(const std::string& text) override {
    Log("AskYesNoWarning " + text);
    return Take(overwrite_answers, false);
  }
  void ShowErrorMessage(const std::string& text) override { Log("ShowErrorMessage " + text); }

  // The log without cell draws, whose 63 calls per level start would drown the rest.
  std::vector<std::string> LogWithoutCellDraws() const {
    std::vector<std::string> rest;
    for (const std::string& call : log) {
      if (call.rfind("DrawCell", 0) != 0) rest.push_back(call);
    }
    return rest;
  }
  int Count(const std::string& call) const {
    return static_cast<int>(std::count(log.begin(), log.end(), call));
  }

 private:
  static std::string N(int number) { return std::to_string(number); }
  void Log(const std::string& call) { log.push_back(call); }
  template <typename T>
  static T Take(std::deque<T>& script, T when_used_up) {
    if (script.empty()) return when_used_up;
    T answer = script.front();
    script.pop_front();
    return answer;
  }
};

}  // namespace verlumo
