// Confinement of script-given names to the game folder, its discs and the per-user data
// folder: relative names, letter case, links inside and out, dangling links, "..".
#include <gtest/gtest.h>

#include "base/vb_error.h"
#include "platform/system/confined_path.h"
#include "platform/system/test_dir.h"

namespace sw {
namespace {

namespace fs = std::filesystem;
using testing::TestDir;

class ConfinedPathTest : public ::testing::Test {
 protected:
  ConfinedPathTest() {
    fs::create_directories(game_.path() / "Data");
    fs::create_directories(outside_.path() / "dir");
    roots_.game_folder = game_.path().string() + "/";
    roots_.user_data = user_.path();
  }

  // The error number of a refused name, 0 when allowed.
  int Refusal(std::string_view name) {
    try {
      (void)ConfinedPath(resolver_, roots_, name);
      return 0;
    } catch (const VbError& e) {
      return e.number();
    }
  }

  TestDir game_, disc_, user_, outside_;
  AllowedRoots roots_;
  PathResolver resolver_;
};

TEST_F(ConfinedPathTest, RelativeNamesWithBackslashesLieInTheGameFolder) {
  game_.Put("Data/Opts.INI", "x");
  EXPECT_EQ(CompleteGamePath("/g/", "Data\\opts.ini"), "/g/Data\\opts.ini");
  EXPECT_EQ(CompleteGamePath("/g", "a.ini"), "/g/a.ini");
  EXPECT_EQ(CompleteGamePath("/g/", "\\etc\\x"), "\\etc\\x");
  EXPECT_EQ(CompleteGamePath("/g/", "C:\\x"), "C:\\x");
  const fs::path p = ConfinedPath(resolver_, roots_, "data\\opts.ini");
  EXPECT_EQ(p, fs::canonical(game_.path() / "Data" / "Opts.INI"));
  // A new file in the game folder is allowed too.
  EXPECT_EQ(ConfinedPath(resolver_, roots_, "Data\\new.txt").filename(), "new.txt");
}

TEST_F(ConfinedPathTest, NamesOutsideEveryRootAreRefused) {
  const fs::path secret = outside_.Put("secret.txt", "key");
  EXPECT_EQ(Refusal(secret.string()), vberr::kPermissionDenied);
  std::string windows = secret.string();
  for (char& c : windows)
    if (c == '/') c = '\\';
  EXPECT_EQ(Refusal(windows), vberr::kPermissionDenied);
  EXPECT_EQ(Refusal("..\\..\\..\\..\\..\\..\\etc\\passwd"), vberr::kPermissionDenied);
  EXPECT_EQ(Refusal("/etc/passwd"), vberr::kPermissionDenied);
  // The game folder's own neighbour, whose name starts the same.
  fs::create_directories(game_.path().string() + "x");
  EXPECT_EQ(Refusal(game_.path().string() + "x/f"), vberr::kPermissionDenied);
  fs::remove_all(game_.path().string() + "x");
  // Inside: the game, the discs, the user data folder.
  EXPECT_EQ(Refusal("Data\\..\\a.txt"), 0);
  EXPECT_EQ(Refusal((user_.path() / "save.txt").string()), 0);
  EXPECT_EQ(Refusal((disc_.path() / "f.txt").string()), vberr::kPermissionDenied);
  roots_.disc_roots.push_back(disc_.path().string() + "\\");
  EXPECT_EQ(Refusal((disc_.path() / "f.txt").string()), 0);
}

TEST_F(ConfinedPathTest, LinksAreFollowedOneComponentAtATime) {
  // A dangling link whose target lies outside: writing through it would create that file.
  fs::create_symlink(outside_.path() / "created.txt", game_.path() / "notes.txt");
  EXPECT_EQ(Refusal("notes.txt"), vberr::kPermissionDenied);
  // A folder link leading out, and a link chain that comes back in.
  fs::create_directory_symlink(outside_.path() / "dir", game_.path() / "out");
  EXPECT_EQ(Refusal("out\\x.txt"), vberr::kPermissionDenied);
  EXPECT_EQ(Refusal("out\\..\\..\\" + outside_.path().filename().string() + "\\x"),
            vberr::kPermissionDenied);
  fs::create_symlink(game_.path() / "Data", outside_.path() / "back");
  fs::create_directory_symlink(outside_.path() / "back", game_.path() / "via");
  EXPECT_EQ(ConfinedPath(resolver_, roots_, "via\\f.txt"),
            fs::canonical(game_.path() / "Data") / "f.txt");
  // A relative link inside the game folder.
  fs::create_symlink("Data", game_.path() / "rel");
  EXPECT_EQ(Refusal("rel\\f.txt"), 0);
  // A missing folder followed by ".." goes back to where links count again.
  EXPECT_EQ(Refusal("nothing\\..\\out\\x.txt"), vberr::kPermissionDenied);
  // A loop of links.
  fs::create_symlink(game_.path() / "b", game_.path() / "a");
  fs::create_symlink(game_.path() / "a", game_.path() / "b");
  EXPECT_EQ(Refusal("a"), vberr::kPermissionDenied);
  EXPECT_FALSE(RealLocation(game_.path() / "a").has_value());
}

TEST_F(ConfinedPathTest, AGameFolderReachedThroughALinkStillCounts) {
  TestDir links;
  fs::create_directory_symlink(game_.path(), links.path() / "game");
  roots_.game_folder = (links.path() / "game").string() + "/";
  EXPECT_EQ(Refusal("Data\\a.txt"), 0);
  EXPECT_TRUE(MayAccess(roots_, links.path() / "game" / "x"));
  EXPECT_TRUE(MayAccess(roots_, "relative.txt"));
  EXPECT_FALSE(MayAccess(roots_, outside_.path() / "x"));
}

}  // namespace
}  // namespace sw
