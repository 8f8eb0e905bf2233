// Game files on disk: loading solved flags, saving them without ever losing the previous file,
// and the dialogs and messages around both.
#include <cerrno>

#include "core/file_io.h"
#include "tests/unit/core/test_support.h"

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

namespace verlumo {
namespace {

class GameFileTest : public GameTest {
 protected:
  GameFileTest() {
    UseLevels(3);
    game.state.program_directory = folder.Folder();
  }
  ScratchFolder folder;
};

TEST_F(GameFileTest, ShortFilesSetTheFirstFlagsAndOddValuesAreSavedBackAsRead) {
  const Bytes ten = {1, 0, 7, 1, 1, 0, 0, 255, 1, 1};
  WriteBytes(folder.File("ten.vlm"), ten);
  game.state.solved_flags.fill(9);
  files.LoadCurrentGameFile(folder.File("ten.vlm"));
  Bytes expected = ten;
  expected.resize(500);
  EXPECT_EQ(Flags(), expected);

  host.save_choices = {folder.File("copy")};
  files.SaveGame();
  EXPECT_EQ(ReadBytes(folder.File("copy.vlm")), expected);
  EXPECT_EQ(game.state.current_game_file, folder.File("copy.vlm"));
  EXPECT_EQ(host.log, (Log{"ChooseSaveFile " + folder.Folder() + " ten.vlm", "UpdateCaption"}));

  files.LoadCurrentGameFile(folder.File("new.vlm"));  // not there yet: all 0, but it is the game
  EXPECT_EQ(Flags(), Bytes(500, 0));
  EXPECT_EQ(game.state.current_game_file, folder.File("new.vlm"));
}

TEST_F(GameFileTest, LoadingReplacesTheFlagsOrOnlyRenamesTheGame) {
  game.state.current_game_file = folder.File("old.vlm");
  game.state.solved_flags.fill(1);
  files.LoadGame();  // cancelled
  host.open_choice = "";
  files.LoadGame();
  host.open_choice = folder.File("new.vlm");  // does not exist: the flags stay
  files.LoadGame();
  EXPECT_EQ(Flags(), Bytes(500, 1));
  WriteBytes(folder.File("empty.vlm"), {});
  host.open_choice = folder.File("empty.vlm");
  files.LoadGame();
  EXPECT_EQ(Flags(), Bytes(500, 0));
  EXPECT_EQ(game.state.current_game_file, folder.File("empty.vlm"));
  const std::string open = "ChooseOpenFile " + folder.File("old.vlm");
  EXPECT_EQ(host.log, (Log{open, open, open, "UpdateCaption", "DrawProgressGauge",
                           "ChooseOpenFile " + folder.File("new.vlm"), "UpdateCaption",
                           "DrawProgressGauge"}));
}

TEST_F(GameFileTest, SavingAsksBeforeOverwritingAndOffersTheDialogAgainAfterNo) {
  WriteBytes(folder.File("abc.vlm"), {1, 2, 3});
  game.state.current_game_file = folder.File("gone.vlm");
  game.state.solved_flags[0] = 1;
  host.save_choices = {folder.File("abc.txt"), folder.File("def"), folder.File("abc")};
  host.overwrite_answers = {false, true};
  game.state.language.Set(kLanguageGerman);
  files.SaveGame();
  EXPECT_EQ(host.log, (Log{"ChooseSaveFile " + folder.Folder() + " (as before)",
                           "AskYesNoWarning Spiel abc.vlm existiert bereits. \xC3\x9C"
                           "berschreiben?",
                           "ChooseSaveFile " + folder.Folder() + " abc.txt", "UpdateCaption"}));
  EXPECT_EQ(ReadBytes(folder.File("abc.vlm")), (Bytes{1, 2, 3}));
  EXPECT_EQ(ReadBytes(folder.File("def.vlm")), Flags());

  files.SaveGame();  // Yes replaces the old file
  EXPECT_EQ(ReadBytes(folder.File("abc.vlm")), Flags());
  EXPECT_EQ(game.state.current_game_file, folder.File("abc.vlm"));
  host.log.clear();
  files.SaveGame();  // cancelled: nothing written, caption untouched
  EXPECT_EQ(host.log, Log{"ChooseSaveFile " + folder.Folder() + " abc.vlm"});
  EXPECT_EQ(folder.EntryCount(), 2);
}

TEST_F(GameFileTest, AFailedSaveIsReportedAndLeavesNoTemporaryFile) {
  game.state.current_game_file = folder.File("mine.vlm");
  game.state.language.Set(kLanguageGerman);
  fs::create_directory(PathOf(folder.File("taken.vlm")));  // a folder cannot become a file
  host.save_choices = {folder.File("no folder/x.vlm"), folder.File("taken.vlm")};
  files.SaveGame();
  files.SaveGame();
  const std::string tail = " nicht speichern. Datentr\xC3\xA4ger voll oder nicht beschreibbar.";
  EXPECT_EQ(host.log[1], "ShowErrorMessage Kann Spiel x.vlm" + tail);
  EXPECT_EQ(host.log[4], "ShowErrorMessage Kann Spiel taken.vlm" + tail);
  EXPECT_EQ(host.log[5], "UpdateCaption");
  EXPECT_EQ(game.state.current_game_file, folder.File("mine.vlm"));
  EXPECT_EQ(folder.EntryCount(), 1);
}

#ifndef _WIN32
TEST_F(GameFileTest, AWriteThatFailsHalfwayLeavesThePreviousFileIntact) {
  WriteBytes(folder.File("full.vlm"), Bytes(500, 3));
  game.state.current_game_file = folder.File("mine.vlm");
  host.save_choices = {folder.File("full.vlm")};
  host.overwrite_answers = {true};
  // At most 100 bytes per file, as on a nearly full drive; SIGXFSZ would end the process.
  rlimit saved_limit{};
  getrlimit(RLIMIT_FSIZE, &saved_limit);
  rlimit limit = saved_limit;
  limit.rlim_cur = 100;
  const auto saved_handler = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &limit);
  const int fits = ReplaceFileContents(folder.File("small.vlm"), Bytes(100, 1));
  // 500 bytes wait in the file's buffer and fail when it is flushed; 100000 fail while written.
  const int flush_fails = ReplaceFileContents(folder.File("full.vlm"), Bytes(500, 1));
  const int write_fails = ReplaceFileContents(folder.File("full.vlm"), Bytes(100000, 1));
  files.SaveGame();
  setrlimit(RLIMIT_FSIZE, &saved_limit);
  std::signal(SIGXFSZ, saved_handler);

  EXPECT_EQ(fits, 0);
  EXPECT_EQ(ReadBytes(folder.File("small.vlm")), Bytes(100, 1));
  EXPECT_EQ(flush_fails, EFBIG);
  EXPECT_EQ(write_fails, EFBIG);
  EXPECT_EQ(host.log[2], "ShowErrorMessage Cannot save game full.vlm. Drive full or not writable.");
  EXPECT_EQ(ReadBytes(folder.File("full.vlm")), Bytes(500, 3));
  EXPECT_EQ(folder.EntryCount(), 2);
  EXPECT_EQ(game.state.current_game_file, folder.File("mine.vlm"));

  fs::create_directory(PathOf(folder.File("taken.vlm")));  // the system's own reason comes back
  EXPECT_EQ(ReplaceFileContents(folder.File("taken.vlm"), Bytes(500, 1)), EISDIR);
}
#endif

TEST_F(GameFileTest, EveryFileReadIsClosedSoThatItCanBeReplacedAtOnce) {
  // Windows (and Wine) refuse to replace a file that is still open; Linux lists open handles.
#ifdef __linux__
  const auto open_handles = [] {
    return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator());
  };
  const auto handles_before = open_handles();
#endif
  const std::string path = folder.File("mine.vlm");
  WriteBytes(path, Bytes(500, 1));
  WriteBytes(folder.File("vlmo.dat"), Bytes(2 * kRecordSize, 1));
  files.LoadCurrentGameFile(path);
  host.open_choice = path;
  files.LoadGame();
  files.ReadLevelFile();
#ifdef __linux__
  EXPECT_EQ(open_handles(), handles_before);
#endif
  EXPECT_EQ(ReplaceFileContents(folder.File("vlmo.dat"), Bytes(kRecordSize, 2)), 0);
  game.state.solved_flags[0] = 5;
  host.save_choices = {path};
  host.overwrite_answers = {true};
  files.SaveGame();
  for (const std::string& call : host.log)
    EXPECT_EQ(call.find("ShowErrorMessage"), std::string::npos) << call;
  EXPECT_EQ(ReadBytes(path)[0], 5);
}

#ifdef __linux__
TEST_F(GameFileTest, AnUnreadableGameFileIsReportedAndLeavesEveryFlagUnsolved) {
  game.state.solved_flags.fill(1);
  files.LoadCurrentGameFile("/proc/self/mem");  // opens, but reading address 0 fails
  EXPECT_EQ(host.log, Log{"ShowErrorMessage Error occured while loading file /proc/self/mem!"});
  EXPECT_EQ(Flags(), Bytes(500, 0));
}
#endif

}  // namespace
}  // namespace verlumo
