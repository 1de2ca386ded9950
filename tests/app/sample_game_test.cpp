// The bundled sample game played by automation scripts, as a person would: the welcome window,
// Start, a frame timer, a hotspot, the menu bar, quitting back; and its walkthrough to the end.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "platform/picture.h"
#include "player_run.h"

namespace {

namespace fs = std::filesystem;
using sw::testing::ReadFile;
using sw::testing::RunPlayer;

class SampleGameTest : public ::testing::Test {
 protected:
  fs::path dir_ = fs::temp_directory_path() / ("sw_sample_game_test_" + std::to_string(getpid()));
  fs::path game_ = dir_ / "sample";

  void SetUp() override {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    // A copy, so that what the game writes stays out of the build tree.
    fs::copy(fs::path(SW_BINARY_DIR) / "examples" / "sample", game_, fs::copy_options::recursive);
  }
  void TearDown() override { fs::remove_all(dir_); }

  nlohmann::json Dump(const char* name) { return nlohmann::json::parse(ReadFile(dir_ / name)); }

  // True when one of the media players of the dump plays the file.
  static bool Playing(const nlohmann::json& dump, const std::string& file) {
    for (const auto& p : dump["players"])
      if (p["file"] == file && p["playing"] == true) return true;
    return false;
  }
};

TEST_F(SampleGameTest, WelcomeStartPlayMenusAndQuitBackToWelcome) {
  std::ofstream(dir_ / "walk.txt") << "wait 100\n"
                                      "dump welcome.json\n"
                                      "screenshot welcome.png\n"
                                      "click 160 80\n"  // "Start New Game"
                                      "wait 200\n"
                                      "dump harbour.json\n"
                                      "click 540 90\n"  // the sign: a message box
                                      "wait 200\n"
                                      "dialog-press OK\n"
                                      "wait 1900\n"  // the tide's timed event
                                      "dump tide.json\n"
                                      "click 120 400\n"  // the boat sails to the sea
                                      "wait 200\n"
                                      "click 450 135\n"  // the lamp: its object timer
                                      "wait 1200\n"
                                      "dump sea.json\n"
                                      "key Q ctrl\n"
                                      "wait 100\n"
                                      "dialog-press Yes\n"
                                      "wait 500\n"
                                      "dump back.json\n";
  const auto r = RunPlayer(dir_, "--headless --script walk.txt '" + game_.string() + "'");
  ASSERT_EQ(r.status, 0) << r.err;

  const auto welcome = Dump("welcome.json");
  EXPECT_EQ(welcome["window"], "welcome");
  EXPECT_TRUE(fs::exists(dir_ / "welcome.png"));

  const auto harbour = Dump("harbour.json");
  EXPECT_EQ(harbour["window"], "game");
  EXPECT_EQ(harbour["frame"], "Harbour");
  EXPECT_EQ(harbour["menus"]["visible"], true);  // the sample runs in a window

  // The frame script shows a variable in a text and schedules the tide.
  EXPECT_EQ(harbour["texts"][2]["caption"], "Visits to the harbour: 1");
  EXPECT_EQ(harbour["timers"]["timedEvents"][0]["interval"], 2000);
  EXPECT_EQ(harbour["texts"][1]["caption"], "Click the boat to sail, or the sign to read it.");
  const auto tide = Dump("tide.json");
  EXPECT_EQ(tide["texts"][1]["caption"], "The tide is coming in.");
  EXPECT_EQ(tide["timers"]["timedEvents"][0]["active"], false) << "it fires once";
  const auto sea = Dump("sea.json");
  EXPECT_EQ(sea["variables"][0], nlohmann::json({{"name", "LampLit"}, {"value", 1}}));
  EXPECT_EQ(sea["timers"]["objectTimers"],
            nlohmann::json::parse(R"([{"index":1,"interval":500,"enabled":true}])"));
  EXPECT_EQ(sea["timers"]["timedEvents"], nlohmann::json::array()) << "gone with the harbour";
  EXPECT_EQ(sea["frame"], "Sea");
  EXPECT_EQ(sea["history"], nlohmann::json::array({"Harbour", "Sea"}));
  ASSERT_GE(sea["messages"].size(), 1u);
  EXPECT_EQ(sea["messages"][0]["text"], "Harbour of Saint Agnes. The lighthouse keeper is away.");

  const auto back = Dump("back.json");
  EXPECT_EQ(back["window"], "welcome");
  const auto& messages = back["messages"];
  ASSERT_GE(messages.size(), 2u);
  EXPECT_EQ(messages.back()["text"], "Do you really want to quit?");
  EXPECT_EQ(messages.back()["title"], "The Lighthouse");
}

TEST_F(SampleGameTest, WalkthroughCombineTwoItemsHangTheLanternAndWin) {
  std::ofstream(dir_ / "hut.txt") << "wait 100\n"
                                     "click 160 80\n"  // "Start New Game"
                                     "wait 200\n"
                                     "move 300 440\n"  // the harbour's water
                                     "dump water.json\n"
                                     "move 120 400\n"  // over the boat
                                     "dump boat.json\n"
                                     "click 390 245\n"  // the hut on the quay
                                     "wait 300\n"
                                     "click 275 410\n"  // the oil can: picked up, the bar pops open
                                     "wait 3000\n"      // ... and closes again
                                     "dump oil.json\n"
                                     "click 490 232\n"  // the wick
                                     "wait 3000\n"
                                     "move 5 5\n"  // the handle opens the bar
                                     "wait 500\n"
                                     "screenshot bar.png\n"
                                     "dump picked.json\n"
                                     "drag 26 26 68 26\n"  // oil on wick: a lantern
                                     "wait 300\n"
                                     "dump combined.json\n"
                                     "drag 26 26 334 130\n"  // the lantern on the hook
                                     "wait 3000\n"
                                     "dump end.json\n"
                                     "click 334 178\n"  // the lit lantern: the night passes
                                     "wait 2500\n"
                                     "dump dawn.json\n"
                                     "screenshot dawn.png\n"
                                     "click 320 300\n"  // anywhere ends the game
                                     "wait 500\n"
                                     "dump over.json\n";
  const auto r = RunPlayer(dir_, "--headless --script hut.txt '" + game_.string() + "'");
  ASSERT_EQ(r.status, 0) << r.err;

  // The goal is stated at the start; the hand pointer shows what can be clicked.
  const auto water = Dump("water.json");
  EXPECT_EQ(water["texts"][3]["caption"],
            "Your goal: light the keeper's hut, so that his boat finds its way home.");
  EXPECT_EQ(water["pointer"], nlohmann::json({{"kind", 0}, {"width", 0}, {"height", 0}}));
  EXPECT_EQ(Dump("boat.json")["pointer"],
            nlohmann::json({{"kind", 99}, {"width", 32}, {"height", 32}}));
  // The harbour's music.
  EXPECT_TRUE(Playing(water, "Frames/shanty.mid")) << water["players"];

  const auto oil = Dump("oil.json");
  EXPECT_EQ(oil["frame"], "Hut");
  EXPECT_EQ(oil["inventory"], nlohmann::json({"Oil"}));
  EXPECT_EQ(oil["inventoryBar"]["open"], false) << "the pop-up has closed by itself";
  EXPECT_EQ(oil["inventoryBar"]["handleVisible"], true);

  const auto picked = Dump("picked.json");
  EXPECT_EQ(picked["inventory"], nlohmann::json({"Oil", "Wick"}));
  EXPECT_EQ(picked["inventoryBar"],
            nlohmann::json::parse(R"({"top":0,"height":52,"open":true,"handleVisible":true,
                                      "poppedOpen":false})"));
  EXPECT_EQ(picked["disappeared"],
            nlohmann::json::parse(R"([{"frame":"Hut","index":1},{"frame":"Hut","index":2}])"));
  // The icons at their grid places in the open bar: 10 pixels in, 42 pixels apart.
  const sw::platform::Picture bar = sw::platform::DecodePictureFile(dir_ / "bar.png");
  EXPECT_EQ(bar.pixels().Pixel(10 + 16, 10 + 20), 0xFFB8281Cu) << "the oil can";
  EXPECT_EQ(bar.pixels().Pixel(52 + 16, 10 + 16), 0xFFF4F0E0u) << "the wick";
  EXPECT_EQ(bar.pixels().Pixel(10 + 2, 10 + 2), 0xFFE8DCB8u) << "the icon's parchment";
  EXPECT_NE(bar.pixels().Pixel(94 + 2, 10 + 2), 0xFFE8DCB8u) << "no third icon";

  const auto combined = Dump("combined.json");
  EXPECT_EQ(combined["inventory"], nlohmann::json({"Lantern"}));
  EXPECT_EQ(combined["texts"][1]["caption"], "You made a lantern. Hang it on the hook.")
      << "the combination's script ran";

  const auto end = Dump("end.json");
  EXPECT_EQ(end["inventory"], nlohmann::json::array()) << "the lantern is used up";
  EXPECT_EQ(end["variables"][2], nlohmann::json({{"name", "HutLit"}, {"value", 1}}));
  EXPECT_EQ(end["hotspots"][4]["visible"], true) << "the lit lantern shows";
  EXPECT_EQ(end["inventoryBar"]["open"], false);
  EXPECT_EQ(end["inventoryBar"]["handleVisible"], false);
  EXPECT_EQ(end["messages"].back()["text"], "The lantern hangs from the hook and lights the hut.");
  EXPECT_EQ(end["texts"][1]["caption"],
            "Its light shines out to sea. Click the lantern to keep watch.");

  // The ending says the game is won, with music of its own.
  const auto dawn = Dump("dawn.json");
  EXPECT_EQ(dawn["frame"], "Dawn");
  EXPECT_EQ(dawn["texts"][0]["caption"], "You have won!");
  EXPECT_EQ(dawn["texts"][2]["caption"], "Click to end the game.");
  EXPECT_TRUE(Playing(dawn, "Frames/fanfare.mid")) << dawn["players"];
  EXPECT_FALSE(Playing(dawn, "Frames/shanty.mid"));
  EXPECT_EQ(dawn["pointer"]["kind"], 99);
  const sw::platform::Picture shot = sw::platform::DecodePictureFile(dir_ / "dawn.png");
  EXPECT_EQ(shot.pixels().Pixel(160, 280), 0xFFFFE28Cu) << "the rising sun";
  for (const auto& m : dawn["messages"]) EXPECT_NE(m["icon"], "critical") << m["text"];

  const auto over = Dump("over.json");
  EXPECT_EQ(over["window"], "welcome");
}

}  // namespace
