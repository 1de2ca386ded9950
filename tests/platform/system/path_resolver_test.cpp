#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "platform/system/dir_search.h"
#include "platform/system/file_io.h"
#include "platform/system/path_resolver.h"
#include "platform/system/private_profile.h"
#include "platform/system/test_dir.h"

namespace sw {
namespace {

namespace fs = std::filesystem;
using sw::testing::TestDir;

// Makes a folder look as if it last changed an hour ago, whatever was done to it since.
fs::file_time_type MakeOld(const fs::path& folder) {
  auto stamp = fs::file_time_type::clock::now() - std::chrono::hours(1);
  fs::last_write_time(folder, stamp);
  return stamp;
}

TEST(PathResolver, MatchesEveryComponentWithoutRegardToCase) {
  TestDir dir;
  dir.Put("Frames/Hall.FME", "x");
  dir.Put("Config/General", "x");
  PathResolver resolver;
  EXPECT_EQ(resolver.Resolve(dir.game() + "frames\\hall.fme"), dir.path() / "Frames/Hall.FME");
  EXPECT_EQ(resolver.Resolve(dir.game() + "CONFIG\\GENERAL"), dir.path() / "Config/General");
  EXPECT_EQ(resolver.Resolve(dir.path().string() + "/fRaMeS/HALL.fme"),
            dir.path() / "Frames/Hall.FME");
  EXPECT_EQ(resolver.Resolve(dir.game() + "Frames\\\\.\\hall.fme"),
            dir.path() / "Frames/./Hall.FME");
  EXPECT_TRUE(resolver.IsFile(dir.game() + "FRAMES\\HALL.FME"));
  EXPECT_TRUE(resolver.IsDirectory(dir.game() + "frames"));
  EXPECT_FALSE(resolver.IsFile(dir.game() + "frames"));
  EXPECT_TRUE(resolver.Exists(dir.game() + "frames\\"));
}

TEST(PathResolver, KeepsTheRestAsGivenFromTheFirstMissingComponent) {
  TestDir dir;
  dir.Put("Frames/Hall.fme", "x");
  PathResolver resolver;
  EXPECT_EQ(resolver.Resolve(dir.game() + "frames\\Sub\\Pic.BMP"),
            dir.path() / "Frames/Sub/Pic.BMP");
  EXPECT_EQ(resolver.Resolve(dir.game() + "FRAMES\\Cellar.fme"), dir.path() / "Frames/Cellar.fme");
  EXPECT_FALSE(resolver.Exists(dir.game() + "frames\\Sub\\Pic.BMP"));
  EXPECT_FALSE(resolver.IsFile(dir.game() + "FRAMES\\Cellar.fme"));
  // A file used as a folder is missing too.
  EXPECT_FALSE(resolver.Exists(dir.game() + "frames\\hall.fme\\x"));
  EXPECT_EQ(resolver.Lookup(dir.game() + "frames\\hall.fme\\x"), "");
}

TEST(PathResolver, IgnoresBlanksAndDotsAtTheEndOfANameAsWindowsDoes) {
  TestDir dir;
  dir.Put("Areas/door.wav", "x");
  dir.Put("Areas/odd. ", "a name Linux allows");
  PathResolver resolver;
  EXPECT_EQ(resolver.Resolve(dir.game() + "areas \\DOOR.WAV. "), dir.path() / "Areas/door.wav");
  EXPECT_EQ(resolver.Lookup(dir.game() + "areas\\door.wav  "), "door.wav");
  EXPECT_EQ(resolver.Lookup(dir.game() + "areas\\ODD. "), "odd. ") << "a name found as given wins";
  EXPECT_EQ(resolver.Lookup(dir.game() + "areas\\door.wa"), "");
  EXPECT_EQ(resolver.Lookup(dir.game() + "areas\\ . "), "");
}

TEST(PathResolver, PrefersTheExactNameWhenSeveralDifferOnlyInCase) {
  TestDir dir;
  dir.Put("a.txt", "lower");
  dir.Put("A.TXT", "upper");
  PathResolver resolver;
  EXPECT_EQ(resolver.Resolve(dir.game() + "a.txt").filename(), "a.txt");
  EXPECT_EQ(resolver.Resolve(dir.game() + "A.TXT").filename(), "A.TXT");
  // Neither is exact: the first in name order.
  EXPECT_EQ(resolver.Resolve(dir.game() + "a.TXT").filename(), "A.TXT");
}

TEST(PathResolver, LookupGivesTheNameOnDiskOfNormalFiles) {
  TestDir dir;
  dir.Put("Frames/Hall.FME", "x");
  dir.Put("Frames/Attic.fme", "x");
  fs::create_directories(dir.path() / "Frames/Sub");
  PathResolver resolver;
  EXPECT_EQ(resolver.Lookup(dir.game() + "frames\\hall.fme"), "Hall.FME");
  EXPECT_EQ(resolver.Lookup(dir.game() + "frames\\cellar.fme"), "");
  EXPECT_EQ(resolver.Lookup(dir.game() + "frames\\sub"), "");  // folders are no normal files
  EXPECT_EQ(resolver.Lookup(dir.game() + "nowhere\\hall.fme"), "");
  EXPECT_EQ(resolver.Lookup(dir.game() + "frames\\*.FME"), "Attic.fme");
  EXPECT_EQ(resolver.Lookup(dir.game() + "frames\\"), "Attic.fme");  // the folder's first file
  EXPECT_EQ(resolver.Lookup(""), "");
}

TEST(PathResolver, ListsMatchesInNameOrderWithTheAttributeMask) {
  TestDir dir;
  for (const char* name : {"Saves/b.sav", "Saves/A.SAV", "Saves/c.SAV", "Saves/notes.txt",
                           "Saves/.hidden.sav", "Saves/README"}) {
    dir.Put(name, "x");
  }
  fs::create_directories(dir.path() / "Saves/folder.sav");
  PathResolver resolver;
  std::string saves = dir.game() + "saves\\";
  using V = std::vector<std::string>;
  EXPECT_EQ(resolver.List(saves + "*.sav"), (V{"A.SAV", "b.sav", "c.SAV"}));
  EXPECT_EQ(resolver.List(saves + "*.sav", file_attr::kDirectory),
            (V{"A.SAV", "b.sav", "c.SAV", "folder.sav"}));
  EXPECT_EQ(resolver.List(saves + "*.sav", file_attr::kHidden),
            (V{".hidden.sav", "A.SAV", "b.sav", "c.SAV"}));
  EXPECT_EQ(resolver.List(saves + "?.SAV"), (V{"A.SAV", "b.sav", "c.SAV"}));
  EXPECT_EQ(resolver.List(saves + "*.*"), (V{"A.SAV", "b.sav", "c.SAV", "notes.txt", "README"}));
  EXPECT_EQ(resolver.List(saves + "*.fme"), V{});
  EXPECT_EQ(resolver.List(dir.game() + "missing\\*.sav"), V{});
}

TEST(PathResolver, DirSearchContinuesWhereTheLastCallStopped) {
  TestDir dir;
  dir.Put("Data/one.dat", "x");
  dir.Put("Data/Two.dat", "x");
  dir.Put("Data/three.txt", "x");
  PathResolver resolver;
  DirSearch search;
  EXPECT_EQ(search.Next(resolver, dir.game() + "data\\*.DAT"), "one.dat");
  EXPECT_EQ(search.Next(resolver, ""), "Two.dat");
  EXPECT_EQ(search.Next(resolver, ""), "");
  EXPECT_EQ(search.Next(resolver, ""), "");
  // A new pattern starts over.
  EXPECT_EQ(search.Next(resolver, dir.game() + "data\\*"), "one.dat");
  EXPECT_EQ(search.Next(resolver, dir.game() + "*", file_attr::kDirectory), "Data");
}

TEST(PathResolver, UsesItsCacheUntilTheFolderChangesOrIsInvalidated) {
  TestDir dir;
  fs::path saves = dir.path() / "Saves";
  fs::create_directories(saves);
  auto old_stamp = MakeOld(saves);
  PathResolver resolver;
  std::string game = dir.game() + "saves\\";
  EXPECT_EQ(resolver.Lookup(game + "one.sav"), "");

  // A change within the resolution of the folder's time stamp is not seen by itself ...
  dir.Put("Saves/One.sav", "x");
  fs::last_write_time(saves, old_stamp);
  EXPECT_EQ(resolver.Lookup(game + "one.sav"), "");
  // ... but at once when a writer says so.
  resolver.NoteWritten(saves / "One.sav");
  EXPECT_EQ(resolver.Lookup(game + "one.sav"), "One.sav");

  dir.Put("Saves/Two.sav", "x");
  fs::last_write_time(saves, old_stamp);
  resolver.Invalidate(saves);
  EXPECT_EQ(resolver.Lookup(game + "TWO.sav"), "Two.sav");

  dir.Put("Saves/Three.sav", "x");
  fs::last_write_time(saves, old_stamp);
  resolver.InvalidateAll();
  EXPECT_EQ(resolver.Lookup(game + "three.sav"), "Three.sav");

  // A changed time stamp is enough: other programs change folders too.
  dir.Put("Saves/Four.sav", "x");
  fs::last_write_time(saves, old_stamp + std::chrono::minutes(1));
  EXPECT_EQ(resolver.Lookup(game + "four.sav"), "Four.sav");
}

TEST(PathResolver, RereadsOnAMissAFolderThatChangedJustBeforeItWasRead) {
  TestDir dir;
  fs::path saves = dir.path() / "Saves";
  fs::create_directories(saves);
  auto stamp = fs::last_write_time(saves);  // now: the folder may still be changing
  PathResolver resolver;
  EXPECT_EQ(resolver.Lookup(dir.game() + "saves\\new.sav"), "");
  dir.Put("Saves/New.sav", "x");
  fs::last_write_time(saves, stamp);
  EXPECT_EQ(resolver.Lookup(dir.game() + "saves\\new.sav"), "New.sav");
}

TEST(PathResolver, ItsOwnWritersAndDeletionsAreSeenAtOnce) {
  TestDir dir;
  fs::path config = dir.path() / "Config";
  fs::create_directories(config);
  auto old_stamp = MakeOld(config);
  PathResolver resolver;
  std::string ini = dir.game() + "config\\More";
  EXPECT_EQ(resolver.Lookup(ini), "");
  PrivateProfile(resolver).Write(ini, "General", "ProcEncr", "1");
  fs::last_write_time(config, old_stamp);
  EXPECT_EQ(resolver.Lookup(ini), "More");

  EXPECT_TRUE(resolver.DeleteIfExists(dir.game() + "CONFIG\\MORE"));
  fs::last_write_time(config, old_stamp);
  EXPECT_EQ(resolver.Lookup(ini), "");
  EXPECT_FALSE(fs::exists(config / "More"));
  EXPECT_FALSE(resolver.DeleteIfExists(ini));
  EXPECT_FALSE(resolver.DeleteIfExists(dir.game() + "config"));  // folders stay
  EXPECT_TRUE(fs::is_directory(config));
}

TEST(PathResolver, FindsNamesOnDiskInUtf8OrInTheGameCodePage) {
  TestDir dir;
  dir.Put("Saves/Caf\xC3\xA9.sav", "x");   // "Café.sav" as Linux writes it
  dir.Put("Saves/\xCF\xF0\xE8.sav", "y");  // "При.sav" copied from Windows in CP1251
  PathResolver resolver("CP1251");
  EXPECT_EQ(resolver.Resolve(dir.game() + "saves\\CAFÉ.SAV"), dir.path() / "Saves/Café.sav");
  EXPECT_EQ(resolver.Lookup(dir.game() + "saves\\café.sav"), "Café.sav");
  // Letter case of other scripts is ignored too.
  EXPECT_EQ(resolver.Resolve(dir.game() + "saves\\пРИ.sav"), dir.path() / "Saves/\xCF\xF0\xE8.sav");
  EXPECT_EQ(resolver.List(dir.game() + "saves\\*.sav"),
            (std::vector<std::string>{"Café.sav", "При.sav"}));  // names as the game has them
  // A new name is made in UTF-8.
  EXPECT_EQ(resolver.Resolve(dir.game() + "saves\\Thé.sav"), dir.path() / "Saves/Thé.sav");
}

TEST(PathResolver, ModificationTimesComeFromTheFile) {
  TestDir dir;
  fs::path file = dir.Put("Frames/Hall.fme", "x");
  auto stamp = fs::file_time_type::clock::now() - std::chrono::hours(30);
  fs::last_write_time(file, stamp);
  PathResolver resolver;
  auto time = resolver.ModificationTime(dir.game() + "FRAMES\\HALL.FME");
  ASSERT_TRUE(time.has_value());
  auto expected = std::chrono::file_clock::to_sys(stamp);
  EXPECT_EQ(std::chrono::duration_cast<std::chrono::milliseconds>(time->time_since_epoch()),
            std::chrono::duration_cast<std::chrono::milliseconds>(expected.time_since_epoch()));
  EXPECT_FALSE(resolver.ModificationTime(dir.game() + "frames\\none.fme").has_value());
}

}  // namespace
}  // namespace sw
