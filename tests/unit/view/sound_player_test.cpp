// The sound path through a stand-in for the system's wave output.
#include "view/sound_player.h"

#include <gtest/gtest.h>

#include "core/game.h"

namespace verlumo {
namespace {

class FakeWaveOutput : public WaveOutput {
 public:
  unsigned DeviceCount() override { return devices; }
  bool PlayImage(const std::uint8_t* image) override {
    played.push_back(image);
    return !refuse;
  }
  void Stop(bool memory_flag) override { stops.push_back(memory_flag); }
  std::uint32_t LastError() override { return error_code; }
  std::string ErrorText(std::uint32_t) override { return "The device is busy."; }

  unsigned devices = 1;
  bool refuse = false;
  std::uint32_t error_code = 5;
  std::vector<const std::uint8_t*> played;
  std::vector<bool> stops;
};

class SoundPlayerTest : public ::testing::Test {
 protected:
  std::array<std::vector<std::uint8_t>, 2> Sounds() { return {std::vector<std::uint8_t>{'R', 'I', 'F', 'F'}, std::vector<std::uint8_t>{'r'}}; }
  FakeWaveOutput output;
  bool switch_down = true;
};

TEST_F(SoundPlayerTest, PlaysTheNumberedSoundOnlyWithTheSwitchDownADeviceAndAnImage) {
  SoundPlayer player(output, Sounds(), [this] { return switch_down; });
  player.PlaySound(2);
  player.PlaySound(1);
  player.PlaySound(3);  // numbers without a sound play nothing
  player.PlaySound(-1);
  ASSERT_EQ(output.played.size(), 2u);
  EXPECT_EQ(*output.played[0], 'r');
  EXPECT_EQ(*output.played[1], 'R');

  switch_down = false;  // read at every play
  player.PlaySound(1);
  switch_down = true;
  output.devices = 0;
  player.PlaySound(1);
  EXPECT_EQ(output.played.size(), 2u);
  EXPECT_FALSE(player.TakeFailure());

  output.devices = 1;
  SoundPlayer silent(output, {}, [] { return true; });
  silent.PlaySound(1);
  EXPECT_EQ(output.played.size(), 2u) << "an empty sound plays nothing";
}

TEST_F(SoundPlayerTest, SoundsGivenLaterPlayFromThenOnAfterStoppingWhatTheOldImagesPlayed) {
  SoundPlayer player(output, {}, [] { return true; });
  player.PlaySound(2);
  EXPECT_TRUE(output.played.empty()) << "no sound before they are given";
  player.SetSounds(Sounds());
  EXPECT_EQ(output.stops, std::vector<bool>{true});
  player.PlaySound(2);
  ASSERT_EQ(output.played.size(), 1u);
  EXPECT_EQ(*output.played[0], 'r');
}

TEST_F(SoundPlayerTest, SoundZeroStopsAndReleasingTheListStopsAMemorySoundFirst) {
  {
    SoundPlayer player(output, Sounds(), [] { return true; });
    player.PlaySound(0);
    EXPECT_EQ(output.stops, std::vector<bool>{false});
  }
  EXPECT_EQ(output.stops, (std::vector<bool>{false, true}));
}

TEST_F(SoundPlayerTest, ARefusedSoundIsReportedOnceWithTheSystemsMessage) {
  SoundPlayer player(output, Sounds(), [] { return true; });
  output.refuse = true;
  player.PlaySound(2);
  player.PlaySound(1);
  EXPECT_EQ(player.TakeFailure(), "System Error.  Code: 5.\r\nThe device is busy.");
  EXPECT_FALSE(player.TakeFailure());

  output.error_code = 0;
  player.PlaySound(2);
  EXPECT_EQ(player.TakeFailure(), "A call to an OS function failed");
}

// A window whose sounds go through the player and whose announcements are counted.
class CountingWindow : public BoardDisplay, public ControlsDisplay, public GameQuestions {
 public:
  void DrawCell(int, int) override { ++cells_drawn; }
  void levelboxPaint() override {}
  void UpdateCaption() override {}
  void DrawProgressGauge() override {}
  void ApplyLanguage() override {}
  void SetLevelSelectorRange(int) override {}
  void SetLevelSelector(int) override {}
  int ShowModal(Dialog dialog) override {
    if (dialog == Dialog::Solved) ++solved_dialogs;
    return kModalOk;
  }
  std::optional<std::string> ChooseSaveFile(const std::string&, const std::optional<std::string>&) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseOpenFile(const std::string&) override { return std::nullopt; }
  bool AskYesNoWarning(const std::string&) override { return false; }
  void ShowErrorMessage(const std::string&) override {}

  int cells_drawn = 0;
  int solved_dialogs = 0;
};

TEST_F(SoundPlayerTest, ARefusedSoundCostsThePlayerNeitherTheSwapNorTheSolvedLevel) {
  SoundPlayer player(output, Sounds(), [] { return true; });
  CountingWindow host;
  Random random(3);
  GameState state;
  Game game(state, GameDisplay{host, player, host}, host, random);
  // A short vertical road: a dead end facing down, a straight piece, a dead end facing up.
  Board level{};
  level[CellIndex(4, 2)] = 41;
  level[CellIndex(4, 3)] = 1;
  level[CellIndex(4, 4)] = 40;
  game.state.levels.assign(1, level);
  game.StartLevel(1);
  // One swap from solved: the straight piece is carried in the top-left corner.
  game.state.board = level;
  game.state.board[CellIndex(4, 3)] = 0;
  game.state.board[CellIndex(0, 0)] = 1;
  game.state.selected_column = 0;
  game.state.selected_row = 0;

  output.refuse = true;
  game.PressCell(4, 3);
  EXPECT_EQ(host.cells_drawn, 63 + 2);
  ASSERT_TRUE(game.state.solved_state) << "the swap stopped at the refused click sound";
  EXPECT_EQ(host.solved_dialogs, 1);
  EXPECT_EQ(game.state.solved_flags[0], 1);
  EXPECT_EQ(player.TakeFailure(), "System Error.  Code: 5.\r\nThe device is busy.");
}

}  // namespace
}  // namespace verlumo
