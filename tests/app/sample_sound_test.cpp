// The sample game's sounds in a headless run: the harbour's tune and its surf fading in, the
// sign's bell, and the surf cross-fading into the wind out at sea, on the game clock.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "player_run.h"

namespace {

namespace fs = std::filesystem;
using sw::testing::ReadFile;
using sw::testing::RunPlayer;

TEST(SampleSoundTest, MusicHotspotSoundAndCrossFadeBetweenFrames) {
  const fs::path dir = fs::temp_directory_path() / ("sw_sample_sound_" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  fs::copy(fs::path(SW_BINARY_DIR) / "examples" / "sample", dir / "sample",
           fs::copy_options::recursive);
  std::ofstream(dir / "walk.txt") << "wait 100\n"
                                     "click 160 80\n"  // "Start New Game"
                                     "wait 200\n"
                                     "dump start.json\n"
                                     "wait 1500\n"
                                     "click 540 90\n"  // the sign rings its bell
                                     "wait 100\n"
                                     "dialog-press OK\n"
                                     "dump sign.json\n"
                                     "click 120 400\n"  // to the sea
                                     "wait 300\n"
                                     "dump crossing.json\n"
                                     "wait 2000\n"
                                     "dump sea.json\n";
  const auto r = RunPlayer(dir, "--headless --script walk.txt '" + (dir / "sample").string() + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  auto dump = [&](const char* name) { return nlohmann::json::parse(ReadFile(dir / name)); };

  const auto start = dump("start.json");
  EXPECT_EQ(start["players"][6]["file"], "Frames/shanty.mid");
  EXPECT_EQ(start["players"][6]["volume"], -800);
  EXPECT_EQ(start["players"][6]["playCount"], 1);
  EXPECT_EQ(start["players"][0]["file"], "Areas/surf.wav");
  EXPECT_EQ(start["channels"][0]["fade"], true);
  EXPECT_LT(start["players"][0]["volume"], -3000) << "the surf starts quiet";

  const auto sign = dump("sign.json");
  EXPECT_EQ(sign["channels"][0]["fade"], false);
  EXPECT_EQ(sign["players"][0]["volume"], -1200) << "the surf at level 7";
  EXPECT_EQ(sign["players"][5]["file"], "Areas/bell.wav");
  EXPECT_EQ(sign["players"][5]["playCount"], 1);

  const auto crossing = dump("crossing.json");
  EXPECT_EQ(crossing["frame"], "Sea");
  EXPECT_EQ(crossing["channels"][0]["player"], 2);
  EXPECT_EQ(crossing["channels"][0]["outgoing"], 1);
  EXPECT_EQ(crossing["players"][1]["file"], "Areas/wind.wav");
  EXPECT_LT(crossing["players"][1]["volume"], crossing["players"][0]["volume"]);

  const auto sea = dump("sea.json");
  EXPECT_EQ(sea["channels"][0]["outgoing"], 0);
  EXPECT_EQ(sea["players"][0]["playing"], false) << "the surf has faded out";
  EXPECT_EQ(sea["players"][1]["playing"], true);
  EXPECT_EQ(sea["players"][1]["volume"], -800);
  EXPECT_EQ(sea["channels"][1]["player"], 1) << "channel 2 took the surf's old player";
  fs::remove_all(dir);
}

}  // namespace
