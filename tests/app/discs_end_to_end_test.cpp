// A game on two discs copied beside its folder, played headless by a script: the prompt for
// each disc is answered in its window and the game goes on; Cancel stops it to its menus.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "authoring/disc_writer.h"
#include "authoring/project_writer.h"
#include "platform/picture.h"
#include "player_run.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kTitle = "Two Discs";

class DiscsEndToEndTest : public ::testing::Test {
 protected:
  fs::path dir_ =
      fs::temp_directory_path() /
      (std::string("sw_discs_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
       "_" + std::to_string(getpid()));
  fs::path project_ = dir_ / "Game";

  // The hall (a blue picture on disc 1) changes after a second to the cellar (a green picture
  // on disc 2). The game folder holds neither picture.
  void SetUp() override {
    fs::remove_all(dir_);
    sw::ProjectWriter writer(project_);
    sw::ProjectInfo info;
    info.Title = kTitle;
    info.SettingsSection = "DiscsEndToEnd";
    info.StartFrame = "Hall";
    info.FrameWidth = 640;
    info.FrameHeight = 480;
    info.StartAtOnce = true;
    writer.WriteGeneral(info);
    writer.WriteTexts(0);
    writer.WriteVariables({});
    sw::FrameFile hall;
    hall.FrameKind = 1;
    hall.FrameBackground = "hall.bmp";
    hall.TimerEnabled = true;
    hall.TimerDelay = sw::Variant(std::string("1"));
    hall.TimerTarget = "Cellar";
    writer.WriteFrame("Hall", hall);
    sw::FrameFile cellar;
    cellar.FrameKind = 1;
    cellar.FrameBackground = "cellar.bmp";
    writer.WriteFrame("Cellar", cellar);
    sw::CDContents contents;
    contents.CDCount = 2;
    contents.Entries = {{"hall.bmp", 1, 1}, {"cellar.bmp", 2, 1}};
    sw::WriteRunFromCD(writer);
    sw::WriteCDContents(writer, contents);
    const auto colour = [](uint32_t rgb) {
      return sw::MakeBmp(640, 480, [rgb](int, int) { return rgb; });
    };
    sw::DiscWriter(dir_ / "CD1", kTitle)
        .WriteFile(sw::CDFileKind::kFrames, "hall.bmp", colour(0x0000FF), true);
    sw::DiscWriter(dir_ / "CD2", kTitle)
        .WriteFile(sw::CDFileKind::kFrames, "cellar.bmp", colour(0x00FF00), true);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Line(const std::string& disc) { return (dir_ / disc).string() + " (Hard Drive)"; }

  sw::testing::RunResult Play(const std::string& script) {
    const fs::path file = dir_ / "script.txt";
    std::ofstream(file) << script;
    // Settings of their own, so that no disc folder is remembered from another run.
    return sw::testing::RunPlayer(
        dir_, "--headless --script '" + file.string() + "' '" + project_.string() + "'",
        "XDG_CONFIG_HOME='" + (dir_ / "config").string() + "'");
  }
  nlohmann::json Dump(const std::string& name) {
    return nlohmann::json::parse(sw::testing::ReadFile(dir_ / name));
  }
  uint32_t Centre(const std::string& shot) {
    return sw::platform::DecodePictureFile(dir_ / shot).pixels().Pixel(320, 240);
  }
};

TEST_F(DiscsEndToEndTest, EachDiscIsAskedForAndTheGameGoesOn) {
  auto r = Play(
      "wait 100\n"
      "dump first.json\n"
      "dialog-select " +
      Line("CD1") +
      "\n"
      "dialog-press OK\n"
      "wait 200\n"
      "screenshot hall.png\n"
      "wait 1200\n"
      "dump second.json\n"
      "dialog-select " +
      Line("CD2") +
      "\n"
      "dialog-press OK\n"
      "wait 200\n"
      "dump after.json\n"
      "screenshot cellar.png\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const nlohmann::json first = Dump("first.json");
  EXPECT_EQ(first["cd"]["on"], true);
  EXPECT_EQ(first["cd"]["count"], 2);
  EXPECT_EQ(first["cd"]["prompt"], 1);
  EXPECT_EQ(Centre("hall.png"), 0xFF0000FFu) << "the hall picture from disc 1";
  const nlohmann::json second = Dump("second.json");
  EXPECT_EQ(second["cd"]["prompt"], 2);
  EXPECT_EQ(second["cd"]["drive"], (dir_ / "CD1").string());
  const nlohmann::json after = Dump("after.json");
  EXPECT_EQ(after["frame"], "Cellar");
  EXPECT_EQ(after["cd"]["prompt"], 0);
  EXPECT_EQ(after["cd"]["drive"], (dir_ / "CD2").string());
  EXPECT_EQ(after["flags"]["stopRequested"], false);
  EXPECT_TRUE(after["messages"].empty()) << after["messages"].dump();
  EXPECT_EQ(Centre("cellar.png"), 0xFF00FF00u) << "the cellar picture from disc 2";
}

TEST_F(DiscsEndToEndTest, CancelStopsTheGameToItsMenus) {
  auto r = Play(
      "wait 100\n"
      "dialog-press Cancel\n"
      "wait 1500\n"
      "dump after.json\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const nlohmann::json after = Dump("after.json");
  EXPECT_EQ(after["window"], "game");
  EXPECT_EQ(after["flags"]["stopRequested"], true);
  EXPECT_EQ(after["menus"]["visible"], true);
  EXPECT_EQ(after["cd"]["prompt"], 0);
  EXPECT_EQ(after["timers"]["frame"]["enabled"], false) << "the hall never leads on";
  EXPECT_TRUE(after["messages"].empty()) << after["messages"].dump();
}

TEST_F(DiscsEndToEndTest, AScriptEndingWhileThePromptIsOpenEndsTheProgram) {
  auto r = Play("wait 100\n");
  EXPECT_EQ(r.status, 0) << r.err;
}

}  // namespace
