// The game library's list file: most recent first, no duplicates, absolute folders, and
// what it shows of each game folder.
#include "launcher/game_library.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "authoring/project_writer.h"
#include "player_run.h"
#include "test_support/temp_dir.h"

namespace sw::launcher {
namespace {

namespace fs = std::filesystem;

TEST(GameLibrary, MostRecentFirstWithoutDuplicatesAndSurvivesAReload) {
  TempDir dir;
  GameLibrary library(dir.path() / "config" / "games");
  library.Load();
  EXPECT_TRUE(library.folders().empty()) << "no file yet";
  library.MoveToFront(dir.path() / "a");
  library.MoveToFront(dir.path() / "b" / ".." / "c" / "");
  library.MoveToFront(dir.path() / "a");
  library.MoveToFront(dir.path() / "two\nlines");  // cannot be one line of the file
  ASSERT_TRUE(library.Save());
  GameLibrary again(dir.path() / "config" / "games");
  again.Load();
  EXPECT_EQ(again.folders(),
            (std::vector<std::string>{(dir.path() / "a").string(), (dir.path() / "c").string()}));
  again.Remove((dir.path() / "a").string());
  EXPECT_EQ(again.folders(), std::vector<std::string>{(dir.path() / "c").string()});
}

TEST(GameLibrary, IgnoresLinesThatAreNoFoldersAndKeepsABoundedList) {
  TempDir dir;
  {
    std::ofstream out(dir.path() / "games");
    out << "relative/path\r\n\r\n/one\r\n/one\n";
    for (size_t i = 0; i < kMaxGames + 10; ++i) out << "/game" << i << "\n";
  }
  GameLibrary library(dir.path() / "games");
  library.Load();
  ASSERT_EQ(library.folders().size(), kMaxGames);
  EXPECT_EQ(library.folders()[0], "/one");
  EXPECT_EQ(library.folders()[1], "/game0");
}

TEST(GameLibrary, AGameFolderIsKnownByItsConfigInAnyLetterCaseAndShowsItsTitle) {
  TempDir dir;
  ProjectWriter game(dir.path() / "game");
  ProjectInfo info;
  ResetProjectInfo(info);
  info.Title = "Caf\xC3\xA9 du Port";  // written in Windows-1252, read back as UTF-8
  game.WriteGeneral(info);
  fs::rename(dir.path() / "game" / "Config", dir.path() / "game" / "CONFIG");
  fs::rename(dir.path() / "game" / "CONFIG" / "General",
             dir.path() / "game" / "CONFIG" / "general");
  EXPECT_TRUE(IsGameFolder(dir.path() / "game"));
  EXPECT_FALSE(IsGameFolder(dir.path()));
  const GameEntry entry = DescribeGame((dir.path() / "game").string());
  EXPECT_EQ(entry.title, "Caf\xC3\xA9 du Port");
  EXPECT_FALSE(entry.missing);

  fs::remove(dir.path() / "game" / "CONFIG" / "general");
  EXPECT_TRUE(DescribeGame((dir.path() / "game").string()).missing) << "no game any more";
  EXPECT_EQ(DescribeGame((dir.path() / "game").string()).title, "game");
}

}  // namespace
}  // namespace sw::launcher
