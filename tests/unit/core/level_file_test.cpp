// Reading the level file: counting complete records, refusing unknown tile codes, and the blank
// fallback level that keeps the game playable when the file is missing or unusable.
#include "core/level_file.h"

#include <cerrno>

#include "tests/unit/core/test_support.h"

namespace verlumo {
namespace {

Bytes Records(std::size_t count, std::size_t extra_bytes = 0) {  // record k holds code k % 200
  Bytes bytes(count * kRecordSize + extra_bytes);
  for (std::size_t i = 0; i < bytes.size(); ++i)
    bytes[i] = static_cast<std::uint8_t>(i / kRecordSize % 200);
  return bytes;
}

TEST(LevelRecords, OnlyCompleteRecordsUpToFiveHundredCount) {
  for (auto [records, extra, levels] : {std::tuple{1, 0, 1},
                                        {1, 62, 1},
                                        {2, 1, 2},
                                        {499, 62, 499},
                                        {500, 62, 500},
                                        {600, 0, 500},
                                        {0, 0, 0},
                                        {0, 62, 0}}) {
    const LevelFileContents contents = ParseLevelRecords(Records(records, extra));
    EXPECT_EQ(std::ssize(contents.levels), levels) << records << " + " << extra;
    EXPECT_EQ(contents.error, levels == 0 ? kLevelFileWithoutLevels : 0);
  }
  EXPECT_EQ(ParseLevelRecords(Records(600)).levels[499][0], 499 % 200);
}

TEST_F(GameTest, AGoodLevelFileIsReadSilentlyRecordForRecord) {
  ScratchFolder folder;
  game.state.program_directory = folder.Folder();
  game.state.current_level = 7;  // brought into range later, by the level selector
  const Bytes bytes = Records(10, 30);
  WriteBytes(folder.File("vlmo.dat"), bytes);
  files.ReadLevelFile();
  EXPECT_TRUE(host.log.empty());
  ASSERT_EQ(game.state.level_count(), 10);
  for (int level = 0; level < 10; ++level)
    EXPECT_TRUE(std::equal(game.state.levels[level].begin(), game.state.levels[level].end(),
                           bytes.begin() + level * kRecordSize))
        << "level " << level + 1;
  EXPECT_EQ(game.state.current_level, 7);

  WriteBytes(folder.File("vlmo.dat"), Records(600));
  EXPECT_EQ(ReadLevelFile(folder.Folder()).levels.size(), 500u);
}

TEST_F(GameTest, UnknownTileCodesEndTheLevelsAndAreReported) {
  ScratchFolder folder;
  game.state.program_directory = folder.Folder();
  game.state.language.Set(kLanguageGerman);
  Bytes bytes = Records(5);
  bytes[kRecordSize + 9] = 199;      // level 2, byte 9: column 1, row 2
  bytes[2 * kRecordSize + 9] = 200;  // record 3
  WriteBytes(folder.File("vlmo.dat"), bytes);
  files.ReadLevelFile();
  ASSERT_EQ(game.state.level_count(), 2);
  EXPECT_EQ(game.state.levels[1][CellIndex(1, 2)], 199);
  EXPECT_EQ(host.log,
            Log{"ShowErrorMessage Dateifehler 101 bei Datei " + folder.Folder() + "VLMO.DAT."});
}

TEST_F(GameTest, AMissingLevelFileGivesOneBlankLevelThatNeitherHangsNorSwaps) {
  ScratchFolder folder;
  game.state.program_directory = folder.Folder();
  game.state.current_level = 7;
  files.ReadLevelFile();
  EXPECT_EQ(host.log, Log{"ShowErrorMessage Fileerror " + std::to_string(ENOENT) + " with file " +
                          folder.Folder() + "VLMO.DAT."});
  ASSERT_EQ(game.state.level_count(), 1);
  EXPECT_EQ(game.state.levels[0], Board{});
  EXPECT_EQ(game.state.current_level, 1);

  game.StartLevel(1);  // every cell movable, none selectable
  EXPECT_FALSE(game.state.has_selected_cell);
  host.log.clear();
  for (int x = 0; x < 520; x += 13) PressAt(x, CellY(3));
  EXPECT_TRUE(host.log.empty());
}

}  // namespace
}  // namespace verlumo
