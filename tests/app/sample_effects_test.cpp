// The sample game's cove played headless by an automation script: the tower fades into the
// cove, the water ripples, the gull flaps, and each path slides to its frame and back.
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

class SampleEffectsTest : public ::testing::Test {
 protected:
  fs::path dir_ = fs::temp_directory_path() / ("sw_sample_effects_" + std::to_string(getpid()));
  fs::path game_ = dir_ / "sample";

  void SetUp() override {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::copy(fs::path(SW_BINARY_DIR) / "examples" / "sample", game_, fs::copy_options::recursive);
  }
  void TearDown() override { fs::remove_all(dir_); }
  nlohmann::json Dump(const char* name) { return nlohmann::json::parse(ReadFile(dir_ / name)); }
  sw::platform::Pixmap Shot(const char* name) {
    return sw::platform::DecodePictureFile(dir_ / name).pixels();
  }
};

TEST_F(SampleEffectsTest, TheCoveFadesInRipplesAndSlidesToItsPaths) {
  std::ofstream(dir_ / "walk.txt") << "wait 100\n"
                                      "click 160 80\n"  // "Start New Game"
                                      "wait 300\n"
                                      "click 120 400\n"  // the boat sails to the sea
                                      "wait 300\n"
                                      "click 450 135\n"  // the lamp: the tower door shows
                                      "wait 300\n"
                                      "click 450 280\n"  // into the tower
                                      "wait 4500\n"      // its timer, then the fade into the cove
                                      "dump cove.json\n"
                                      "screenshot cove1.png\n"
                                      "wait 200\n"
                                      "screenshot cove2.png\n"
                                      "dump cove2.json\n"
                                      "click 30 150\n"  // the path on the left: a slide
                                      "wait 2000\n"
                                      "dump cliff.json\n"
                                      "click 600 200\n"  // back from the right
                                      "wait 2000\n"
                                      "click 300 30\n"  // up to the sky
                                      "wait 2000\n"
                                      "dump sky.json\n"
                                      "click 300 440\n"  // down to the cove
                                      "wait 2000\n"
                                      "dump back.json\n"
                                      "click 320 260\n"  // the lighthouse's path to the hut
                                      "wait 2000\n"
                                      "dump hut.json\n"
                                      "click 70 280\n"  // the hut's door opens on the cove
                                      "wait 300\n"
                                      "dump out.json\n";
  const auto r = RunPlayer(dir_, "--headless --script walk.txt '" + game_.string() + "'");
  ASSERT_EQ(r.status, 0) << r.err;

  const auto cove = Dump("cove.json");
  ASSERT_EQ(cove["frame"], "Cove");
  EXPECT_EQ(cove["transition"]["lastKind"], 1);
  EXPECT_GT(cove["transition"]["steps"], 100);
  EXPECT_EQ(cove["ripple"]["active"], true);
  EXPECT_EQ(cove["ripple"]["rectangle"],
            nlohmann::json({{"left", 0}, {"top", 300}, {"width", 640}, {"height", 180}}));
  ASSERT_EQ(cove["animations"].size(), 1u);
  EXPECT_EQ(cove["animations"][0]["visible"], true);
  EXPECT_EQ(cove["animations"][0]["images"], 4);
  // 200 ms later the water and the gull have moved; the sky has not.
  const auto cove2 = Dump("cove2.json");
  EXPECT_GT(cove2["ripple"]["phase"].get<double>(), cove["ripple"]["phase"].get<double>());
  const sw::platform::Pixmap a = Shot("cove1.png");
  const sw::platform::Pixmap b = Shot("cove2.png");
  int waterChanged = 0;
  for (int y = 300; y < 480; y += 3)
    for (int x = 0; x < 640; x += 3) waterChanged += a.Pixel(x, y) != b.Pixel(x, y);
  EXPECT_GT(waterChanged, 100);
  for (int x = 150; x < 500; x += 7) EXPECT_EQ(a.Pixel(x, 20), b.Pixel(x, 20));

  EXPECT_EQ(Dump("cliff.json")["frame"], "Cliff");
  EXPECT_EQ(Dump("cliff.json")["transition"]["lastKind"], 2);
  EXPECT_EQ(Dump("sky.json")["frame"], "Sky");
  EXPECT_EQ(Dump("sky.json")["transition"]["lastKind"], 4);
  const auto back = Dump("back.json");
  EXPECT_EQ(back["frame"], "Cove");
  EXPECT_EQ(back["transition"]["lastKind"], 5);
  EXPECT_EQ(back["ripple"]["active"], true);
  EXPECT_EQ(back["history"].back(), "Cove");
  // The cove is where the player comes back to: the hut and the cove lead to each other.
  const auto hut = Dump("hut.json");
  EXPECT_EQ(hut["frame"], "Hut");
  EXPECT_EQ(hut["transition"]["lastKind"], 1);
  EXPECT_EQ(Dump("out.json")["frame"], "Cove");
}

}  // namespace
