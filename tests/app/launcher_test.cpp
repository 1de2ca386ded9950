// The player started without a game opens the game library: a game is added through the
// folder chooser, played to its end, left back to the library, and found first at the next
// start.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "player_run.h"
#include "test_support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using sw::testing::ReadFile;
using sw::testing::RunPlayer;

class LauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(game_.parent_path());
    fs::copy(fs::path(SW_BINARY_DIR) / "examples" / "sample", game_, fs::copy_options::recursive);
    fs::create_directories(config_);
  }

  sw::testing::RunResult Run(const std::string& script) {
    std::ofstream(dir_.path() / "script.txt") << script;
    // Neither a game folder nor a game beside the executable: the library opens.
    return RunPlayer(
        dir_.path(), "--headless --script script.txt",
        "XDG_CONFIG_HOME='" + config_.string() + "' HOME='" + dir_.path().string() + "'");
  }

  nlohmann::json Dump(const char* name) {
    return nlohmann::json::parse(ReadFile(dir_.path() / name));
  }

  sw::TempDir dir_;
  fs::path game_ = dir_.path() / "games" / "lighthouse";
  fs::path config_ = dir_.path() / "config";
};

TEST_F(LauncherTest, AddPlayToTheEndBackToTheLibraryAndFindTheGameFirstNextTime) {
  auto first =
      Run("wait 100\n"
          "dump empty.json\n"
          "dialog-press Add game\xE2\x80\xA6\n"
          "wait 50\n"
          "dialog-type " +
          dir_.path().string() +
          "/games\n"
          "dialog-press Open\n"
          "dialog-select lighthouse   (game)\n"
          "dialog-press Add\n"
          "wait 50\n"
          "dump added.json\n"
          "dialog-press Play\n"
          "wait 200\n"
          "dump welcome.json\n"
          "click 160 80\n"  // "Start New Game"
          "wait 200\n"
          "dump game.json\n"
          // The walkthrough: into the hut, take the oil and the wick, make a lantern of them,
          // hang it on the hook, and watch from the lit hut until dawn.
          "click 390 245\n"
          "wait 300\n"
          "click 275 410\n"
          "wait 3000\n"
          "click 490 232\n"
          "wait 3000\n"
          "move 5 5\n"
          "wait 500\n"
          "drag 26 26 68 26\n"
          "wait 300\n"
          "drag 26 26 334 130\n"
          "wait 3000\n"
          "click 334 178\n"
          "wait 2500\n"
          "dump won.json\n"
          "click 320 300\n"  // the end of the game: back to the welcome window
          "wait 500\n"
          "dump ended.json\n"
          "key Escape\n"  // leaves the welcome window
          "wait 200\n"
          "dump back.json\n"
          "dialog-press Quit\n");
  ASSERT_EQ(first.status, 0) << first.err;

  const auto empty = Dump("empty.json");
  EXPECT_EQ(empty["window"], "library");
  EXPECT_EQ(empty["library"]["games"], nlohmann::json::array());

  const auto added = Dump("added.json");
  ASSERT_EQ(added["library"]["games"].size(), 1u);
  EXPECT_EQ(added["library"]["games"][0]["folder"], game_.string());
  EXPECT_EQ(added["library"]["games"][0]["title"], "The Lighthouse");
  EXPECT_EQ(added["library"]["selected"], 0);

  EXPECT_EQ(Dump("welcome.json")["window"], "welcome");
  const auto game = Dump("game.json");
  EXPECT_EQ(game["window"], "game");
  EXPECT_EQ(game["frame"], "Harbour");
  const auto won = Dump("won.json");
  EXPECT_EQ(won["frame"], "Dawn");
  EXPECT_EQ(won["texts"][0]["caption"], "You have won!");
  EXPECT_EQ(Dump("ended.json")["window"], "welcome");
  EXPECT_EQ(Dump("back.json")["window"], "library");
  EXPECT_EQ(ReadFile(config_ / "scenewright" / "games"), game_.string() + "\n");

  // The next start lists it first; a folder that has gone is shown as such and can be removed.
  std::ofstream(config_ / "scenewright" / "games", std::ios::app) << "/nowhere/gone\n";
  auto second =
      Run("wait 100\n"
          "dump next.json\n"
          "dialog-select /nowhere/gone (missing)\n"
          "dialog-press Remove from list\n"
          "dump removed.json\n"
          "dialog-press Quit\n");
  ASSERT_EQ(second.status, 0) << second.err;
  const auto next = Dump("next.json");
  ASSERT_EQ(next["library"]["games"].size(), 2u);
  EXPECT_EQ(next["library"]["games"][0]["folder"], game_.string());
  EXPECT_EQ(next["library"]["games"][0]["missing"], false);
  EXPECT_EQ(next["library"]["games"][1],
            nlohmann::json({{"folder", "/nowhere/gone"}, {"title", "gone"}, {"missing", true}}));
  EXPECT_EQ(Dump("removed.json")["library"]["games"].size(), 1u);
  EXPECT_EQ(ReadFile(config_ / "scenewright" / "games"), game_.string() + "\n");
}

TEST_F(LauncherTest, TheChooserAcceptsOnlyGameFoldersAndTheScriptsEndEndsTheProgram) {
  fs::create_directories(dir_.path() / "empty");
  auto r =
      Run("wait 100\n"
          "dialog-press Add game\xE2\x80\xA6\n"
          "dialog-type " +
          (dir_.path() / "empty").string() +
          "\n"
          "dialog-press Add\n"  // no game there: the chooser stays open
          "dialog-type " +
          game_.string() +
          "\n"
          "dialog-press Add\n"
          "dump added.json\n"
          "dialog-press Play\n"
          "wait 200\n"
          "dump welcome.json\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Dump("added.json")["library"]["games"][0]["folder"], game_.string());
  EXPECT_EQ(Dump("welcome.json")["window"], "welcome");
}

}  // namespace
