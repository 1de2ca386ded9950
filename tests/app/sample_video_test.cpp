// The sample game's cut scene in a headless run: after the harbour the storm's frame plays its
// video in a rectangle of the frame; a screenshot shows the picture due, Esc ends it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "platform/picture.h"
#include "player_run.h"

namespace {

namespace fs = std::filesystem;
using sw::testing::ReadFile;
using sw::testing::RunPlayer;

TEST(SampleVideoTest, TheStormPlaysInItsRectangleAndEscapeEndsIt) {
  const fs::path dir = fs::temp_directory_path() / ("sw_sample_video_" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  fs::copy(fs::path(SW_BINARY_DIR) / "examples" / "sample", dir / "sample",
           fs::copy_options::recursive);
  std::ofstream(dir / "walk.txt") << "wait 100\n"
                                     "click 160 80\n"  // "Start New Game"
                                     "wait 200\n"
                                     "wait 3500\n"  // the harbour's timer opens the storm
                                     "dump playing.json\n"
                                     "screenshot storm.png\n"
                                     "key Escape\n"
                                     "wait 100\n"
                                     "dump stopped.json\n"
                                     "wait 1500\n"
                                     "dump after.json\n";
  const auto r = RunPlayer(dir, "--headless --script walk.txt '" + (dir / "sample").string() + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  auto dump = [&](const char* name) { return nlohmann::json::parse(ReadFile(dir / name)); };

  const auto playing = dump("playing.json");
  EXPECT_EQ(playing["frame"], "Storm");
  EXPECT_EQ(playing["video"]["status"], "playing");
  EXPECT_EQ(playing["video"]["file"], "Frames/storm.avi");
  EXPECT_EQ(playing["video"]["container"], "PictureBox");
  EXPECT_EQ(playing["video"]["rectangle"],
            (nlohmann::json{{"left", 80}, {"top", 60}, {"width", 480}, {"height", 360}}));
  const int shown = playing["video"]["frame"];
  EXPECT_GT(shown, 0);
  EXPECT_LT(shown, 75);

  // The storm's sky fills the rectangle's top; outside it the frame's dark colour shows.
  const sw::platform::Picture shot = sw::platform::DecodePictureFile(dir / "storm.png");
  EXPECT_EQ(shot.pixels().Pixel(40, 240), 0xFF14141Eu) << std::hex << shot.pixels().Pixel(40, 240);
  const sw::platform::Argb sky = shot.pixels().Pixel(100, 70);
  EXPECT_NE(sky, 0xFF14141Eu);
  EXPECT_LT((sky >> 16) & 0xFF, (sky & 0xFF)) << "a blue night sky" << std::hex << sky;

  const auto stopped = dump("stopped.json");
  EXPECT_EQ(stopped["video"]["status"], "");
  EXPECT_TRUE(stopped["video"]["devices"].empty());
  EXPECT_EQ(dump("after.json")["frame"], "Sea");
  fs::remove_all(dir);
}

}  // namespace
