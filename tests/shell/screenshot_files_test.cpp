// The screenshot key's folder (environment, user-dirs.dirs, the usual fallback) and its file
// names, which must stay one harmless file-name component whatever a game's title holds.
#include "shell/screenshot_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "test_support/temp_dir.h"

namespace sw::shell {
namespace {

namespace fs = std::filesystem;

std::tm When() {
  std::tm t{};
  t.tm_year = 2026 - 1900;
  t.tm_mon = 11;
  t.tm_mday = 8;
  t.tm_hour = 9;
  t.tm_min = 5;
  t.tm_sec = 7;
  return t;
}

std::string Name(std::string_view title) {
  return ScreenshotFileName(title, When());
}

TEST(ScreenshotFileName, TitleAndTimeMadeIntoOneSafeComponent) {
  EXPECT_EQ(Name("The Lighthouse"), "The Lighthouse 2026-12-08 09-05-07.png");
  // Separators, parent-folder tricks, characters other systems refuse: never a path.
  EXPECT_EQ(Name("../../etc/passwd"), "etc_passwd 2026-12-08 09-05-07.png");
  EXPECT_EQ(Name("a/b\\c:d*e?f\"g<h>i|j"), "a_b_c_d_e_f_g_h_i_j 2026-12-08 09-05-07.png");
  EXPECT_EQ(Name("Tab\tNew\nline\x7F"), "Tab_New_line_ 2026-12-08 09-05-07.png");
  // Hidden files and names of nothing but dots, spaces or refused characters.
  EXPECT_EQ(Name(".hidden"), "hidden 2026-12-08 09-05-07.png");
  EXPECT_EQ(Name(".."), "Scenewright 2026-12-08 09-05-07.png");
  EXPECT_EQ(Name(""), "Scenewright 2026-12-08 09-05-07.png");
  EXPECT_EQ(Name("///"), "Scenewright 2026-12-08 09-05-07.png");
  EXPECT_EQ(Name("  Title.  "), "Title 2026-12-08 09-05-07.png");
  // Letters of any language stay; broken UTF-8 does not reach the file system.
  EXPECT_EQ(Name("\xC3\x89vasion \xE2\x80\x94 \xE6\xB5\xB7"),
            "\xC3\x89vasion \xE2\x80\x94 \xE6\xB5\xB7 2026-12-08 09-05-07.png");
  EXPECT_EQ(Name("A\xFF\xC3"), "A_ 2026-12-08 09-05-07.png");
  EXPECT_EQ(Name("B\xC0\xAF"), "B_ 2026-12-08 09-05-07.png") << "an overlong \"/\"";
  EXPECT_EQ(Name("C\xED\xA0\x80"), "C_ 2026-12-08 09-05-07.png") << "a surrogate";
}

TEST(ScreenshotFileName, LongTitlesAreCutAtACharacterBoundary) {
  const std::string title(79, 'x');
  const std::string name = Name(title + "\xC3\xA9\xC3\xA9 and more");
  EXPECT_EQ(name, title + " 2026-12-08 09-05-07.png") << "the two-byte letter would pass 80";
  EXPECT_LE(Name(std::string(5000, 'y')).size(), 80u + 24u);
}

TEST(ScreenshotFolder, EnvironmentThenUserDirsThenPicturesInHome) {
  TempDir dir;
  const fs::path home = dir.path() / "home";
  std::map<std::string, std::string> vars{{"HOME", home.string()}};
  const EnvironmentLookup env = [&](const char* name) -> std::optional<std::string> {
    auto it = vars.find(name);
    if (it == vars.end()) return std::nullopt;
    return it->second;
  };
  EXPECT_EQ(ScreenshotFolder(env), home / "Pictures" / "scenewright");

  fs::create_directories(home / ".config");
  std::ofstream(home / ".config" / "user-dirs.dirs")
      << "# written by the desktop\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
         "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n";
  EXPECT_EQ(ScreenshotFolder(env), home / "Bilder" / "scenewright");

  // XDG_CONFIG_HOME says where the file lives; relative values are ignored.
  const fs::path config = dir.path() / "config";
  fs::create_directories(config);
  std::ofstream(config / "user-dirs.dirs") << "XDG_PICTURES_DIR=\"/srv/shots\"\n";
  vars["XDG_CONFIG_HOME"] = config.string();
  EXPECT_EQ(ScreenshotFolder(env), fs::path("/srv/shots/scenewright"));
  vars["XDG_CONFIG_HOME"] = "relative/config";
  EXPECT_EQ(ScreenshotFolder(env), home / "Bilder" / "scenewright");

  vars["XDG_PICTURES_DIR"] = "/data/pictures";
  EXPECT_EQ(ScreenshotFolder(env), fs::path("/data/pictures/scenewright"));
  vars["XDG_PICTURES_DIR"] = "not/absolute";
  EXPECT_EQ(ScreenshotFolder(env), home / "Bilder" / "scenewright");
}

TEST(ScreenshotFolder, UserDirsLines) {
  const fs::path home = "/home/ann";
  EXPECT_EQ(PicturesDirFromUserDirs("XDG_PICTURES_DIR=\"$HOME/Fotos\"", home),
            fs::path("/home/ann/Fotos"));
  EXPECT_EQ(PicturesDirFromUserDirs("  XDG_PICTURES_DIR=\"/mnt/p/\"\n", home), fs::path("/mnt/p"));
  // Commented out, unquoted, relative or unterminated values name nothing.
  EXPECT_EQ(PicturesDirFromUserDirs("#XDG_PICTURES_DIR=\"$HOME/Fotos\"", home), std::nullopt);
  EXPECT_EQ(PicturesDirFromUserDirs("XDG_PICTURES_DIR=$HOME/Fotos", home), std::nullopt);
  EXPECT_EQ(PicturesDirFromUserDirs("XDG_PICTURES_DIR=\"Fotos\"", home), std::nullopt);
  EXPECT_EQ(PicturesDirFromUserDirs("XDG_PICTURES_DIR=\"$HOME/Fotos", home), std::nullopt);
  EXPECT_EQ(PicturesDirFromUserDirs("XDG_MUSIC_DIR=\"$HOME/Music\"", home), std::nullopt);
  // The home folder itself is how the file says the folder is not wanted.
  EXPECT_EQ(PicturesDirFromUserDirs("XDG_PICTURES_DIR=\"$HOME/\"", home), std::nullopt);
  EXPECT_EQ(PicturesDirFromUserDirs("XDG_PICTURES_DIR=\"$HOME\"", home), std::nullopt);
  // The last line wins, as in a shell.
  EXPECT_EQ(
      PicturesDirFromUserDirs("XDG_PICTURES_DIR=\"$HOME/a\"\nXDG_PICTURES_DIR=\"$HOME/b\"", home),
      fs::path("/home/ann/b"));
}

TEST(ScreenshotFolder, UnusedPathNumbersRepeatedNames) {
  TempDir dir;
  EXPECT_EQ(UnusedPath(dir.path(), "a 1.png"), dir.path() / "a 1.png");
  std::ofstream(dir.path() / "a 1.png") << "x";
  EXPECT_EQ(UnusedPath(dir.path(), "a 1.png"), dir.path() / "a 1 (2).png");
  std::ofstream(dir.path() / "a 1 (2).png") << "x";
  EXPECT_EQ(UnusedPath(dir.path(), "a 1.png"), dir.path() / "a 1 (3).png");
}

}  // namespace
}  // namespace sw::shell
