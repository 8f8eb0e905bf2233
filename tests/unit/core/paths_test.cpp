// Path arithmetic on the names the file dialogs and the settings store hand us: only the last
// component holds a file name and its extension.
#include "core/paths.h"

#include <gtest/gtest.h>

namespace verlumo {
namespace {

TEST(Paths, OnlyTheLastComponentCarriesTheNameAndItsExtension) {
  struct Case {
    const char* path;
    const char* folder;
    const char* name;
    const char* as_game_file;
  };
  for (const Case& c : {
           Case{"D:\\my.games\\abc", "D:\\my.games\\", "abc", "D:\\my.games\\abc.vlm"},
           Case{"D:\\my.games\\abc.txt", "D:\\my.games\\", "abc.txt", "D:\\my.games\\abc.vlm"},
           Case{"C:/Spiele/x.y.z", "C:/Spiele/", "x.y.z", "C:/Spiele/x.y.vlm"},
           Case{"C:\\a.b/c", "C:\\a.b/", "c", "C:\\a.b/c.vlm"},
           Case{"mine.vlm", "", "mine.vlm", "mine.vlm"},
           Case{"mine", "", "mine", "mine.vlm"},
           Case{"D:\\games\\.txt", "D:\\games\\", ".txt", "D:\\games\\.vlm"},
       }) {
    EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
    EXPECT_EQ(FileNameOf(c.path), c.name) << c.path;
    EXPECT_EQ(ChangeExtension(c.path, ".vlm"), c.as_game_file) << c.path;
  }
}

}  // namespace
}  // namespace verlumo
