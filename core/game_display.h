// What the rules show of a game, and who shows it: the board area and its status displays
// (the view), the two sounds (the sound player), and the window's texts and level selector
// (the main window). The rules only tell; nothing here answers or calls back.
#pragma once

namespace verlumo {

constexpr int kSolvedSound = 1;
constexpr int kClickSound = 2;

class BoardDisplay {
 public:
  virtual ~BoardDisplay() = default;
  virtual void DrawCell(int column, int row) = 0;
  virtual void levelboxPaint() = 0;
  // The caption, and the level counter once more.
  virtual void UpdateCaption() = 0;
  virtual void DrawProgressGauge() = 0;
};

class GameSounds {
 public:
  virtual ~GameSounds() = default;
  virtual void PlaySound(int sound) = 0;
};

class ControlsDisplay {
 public:
  virtual ~ControlsDisplay() = default;
  // The language-dependent texts of the window, then UpdateCaption.
  virtual void ApplyLanguage() = 0;
  // The level selector shows positions 1 to last, and the given position. Showing a position
  // starts nothing: the rules start the level themselves.
  virtual void SetLevelSelectorRange(int last) = 0;
  virtual void SetLevelSelector(int position) = 0;
};

// The display role: each part is done by the object that does that work.
struct GameDisplay {
  BoardDisplay& board;
  GameSounds& sounds;
  ControlsDisplay& controls;
};

}  // namespace verlumo
