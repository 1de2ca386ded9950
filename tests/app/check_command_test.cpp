// scenewright --check as an author runs it: findings on standard output, the exit status
// telling whether anything is wrong, and no window.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "player_run.h"
#include "test_support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using sw::testing::RunPlayer;

TEST(CheckCommand, CleanGameDamagedGameAndNoFolder) {
  sw::TempDir dir;
  const fs::path game = dir.path() / "game";
  fs::copy(fs::path(SW_BINARY_DIR) / "examples" / "sample", game, fs::copy_options::recursive);
  // No display is needed: the check opens no window.
  auto clean = RunPlayer(dir.path(), "--check game", "DISPLAY= SDL_VIDEODRIVER=none");
  EXPECT_EQ(clean.status, 0) << clean.err;
  EXPECT_EQ(clean.out, "");

  fs::rename(game / "Areas" / "surf.wav", game / "Areas" / "Surf.WAV");
  auto warned = RunPlayer(dir.path(), "--check game");
  EXPECT_EQ(warned.status, 0);
  EXPECT_NE(warned.out.find(": warning: sound 'Areas/surf.wav' is 'Areas/Surf.WAV' on disk"),
            std::string::npos)
      << warned.out;

  fs::remove(game / "Areas" / "Surf.WAV");
  auto broken = RunPlayer(dir.path(), "--check game");
  EXPECT_EQ(broken.status, 1);
  EXPECT_NE(broken.out.find("Frames/Harbour.fme:11: error: missing sound 'Areas/surf.wav'\n"),
            std::string::npos)
      << broken.out;

  auto none = RunPlayer(dir.path(), "--check nowhere");
  EXPECT_EQ(none.status, 2);
  EXPECT_NE(none.err.find("'nowhere' is not a directory"), std::string::npos) << none.err;
}

}  // namespace
