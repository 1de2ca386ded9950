// The player's screenshot key run end to end: F12 in a game whose title would make a path,
// with the game's own banner showing; where the picture goes and what the player says.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "authoring/frame_data_writer.h"
#include "authoring/project_writer.h"
#include "platform/picture.h"
#include "player_run.h"
#include "test_support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using sw::testing::ReadFile;
using sw::testing::RunPlayer;

constexpr uint32_t kRed = 0xFFFF0000u;
constexpr uint32_t kBannerBlack = 0xFF000000u;
constexpr uint32_t kNoticeGrey = 0xFF303030u;

class ScreenshotKeyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sw::ProjectWriter writer(game_);
    sw::ProjectInfo info;
    info.Title = "../../\xC3\x89vasion: x/y*?";
    info.SettingsSection = "ScreenshotKey";
    info.StartFrame = "Start";
    info.FrameWidth = 640;
    info.FrameHeight = 480;
    info.StartAtOnce = true;
    writer.WriteGeneral(info);
    writer.WriteTexts(0);
    writer.WriteVariables({}, {});
    sw::FrameFile start;
    start.FrameBackground = std::to_string(0x0000FF);  // red in the game's colour order
    writer.WriteFrame("Start", start);
    // The left half shows the game's own banner.
    sw::HotspotSpec half;
    half.Width = 320;
    half.Height = 480;
    sw::ActionSpec say;
    say.ShowMessage = true;
    say.MessageInFrame = true;
    say.MessageText = "The game's own banner, with a long text so that it stays a while.";
    sw::WriteHotspots(writer, "Start", {half});
    sw::WriteActions(writer, "Start", {say});
    fs::create_directories(home_);
  }

  sw::testing::RunResult Run(const std::string& script, const std::string& environment) {
    std::ofstream(dir_.path() / "script.txt") << script;
    return RunPlayer(dir_.path(), "--headless --script script.txt '" + game_.string() + "'",
                     "HOME='" + home_.string() + "' " + environment);
  }

  nlohmann::json Dump(const char* name) {
    return nlohmann::json::parse(ReadFile(dir_.path() / name));
  }

  // The files a folder holds, by name.
  static std::vector<std::string> Files(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder, ec)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  sw::TempDir dir_;
  fs::path game_ = dir_.path() / "game";
  fs::path home_ = dir_.path() / "home";
};

TEST_F(ScreenshotKeyTest, F12SavesTheFrameBesideTheGamesBannerAndSaysSoForAMoment) {
  const fs::path pictures = dir_.path() / "pictures";
  auto r =
      Run("wait 100\n"
          "click 100 100\n"  // the game's banner
          "wait 100\n"
          "key F12\n"
          "wait 100\n"
          "dump saved.json\n"
          "screenshot window.png\n"
          "wait 3000\n"
          "dump later.json\n",
          "XDG_PICTURES_DIR='" + pictures.string() + "'");
  ASSERT_EQ(r.status, 0) << r.err;

  // One picture, inside the folder, named after the game made safe, and the time.
  const std::vector<std::string> saved = Files(pictures / "scenewright");
  ASSERT_EQ(saved.size(), 1u);
  const std::string name = saved[0];
  EXPECT_EQ(name.rfind("\xC3\x89vasion_ x_y_ 20", 0), 0u) << name;
  EXPECT_EQ(name.substr(name.size() - 4), ".png");
  EXPECT_EQ(Files(pictures), std::vector<std::string>{"scenewright"});
  EXPECT_EQ(Files(dir_.path()),
            (std::vector<std::string>{"err.txt", "game", "home", "later.json", "out.txt",
                                      "pictures", "saved.json", "script.txt", "window.png"}));

  // The picture is the frame as it was: the game's banner in it, the notice not yet.
  const sw::platform::Picture shot =
      sw::platform::DecodePictureFile(pictures / "scenewright" / name);
  ASSERT_EQ(shot.width(), 640);
  ASSERT_EQ(shot.height(), 480);
  EXPECT_EQ(shot.pixels().Pixel(600, 20), kRed);
  EXPECT_EQ(shot.pixels().Pixel(2, 478), kBannerBlack);
  int y = 479;
  while (y > 0 && shot.pixels().Pixel(2, y) == kBannerBlack) --y;
  const int bannerTop = y + 1;
  EXPECT_GT(bannerTop, 400);
  EXPECT_EQ(shot.pixels().Pixel(2, bannerTop - 1), kRed) << "no notice in the picture";

  // The notice shows just above the game's banner, which stays as the game left it.
  const auto during = Dump("saved.json");
  EXPECT_EQ(during["notice"],
            nlohmann::json({{"visible", true}, {"text", "Screenshot saved: " + name}}));
  EXPECT_EQ(during["banner"]["visible"], true);
  EXPECT_EQ(during["banner"]["text"],
            "The game's own banner, with a long text so that it stays a while.");
  const sw::platform::Picture window = sw::platform::DecodePictureFile(dir_.path() / "window.png");
  EXPECT_EQ(window.pixels().Pixel(2, 478), kBannerBlack);
  EXPECT_EQ(window.pixels().Pixel(2, bannerTop - 1), kNoticeGrey);
  EXPECT_EQ(window.pixels().Pixel(2, 20), kRed);
  for (const auto& m : during["messages"]) EXPECT_NE(m["icon"], "critical") << m["text"];

  const auto later = Dump("later.json");
  EXPECT_EQ(later["notice"], nlohmann::json({{"visible", false}, {"text", ""}}));
}

TEST_F(ScreenshotKeyTest, TheUserDirsFileNamesThePicturesFolderAndRepeatedShotsKeepEachOther) {
  const fs::path config = dir_.path() / "config";
  fs::create_directories(config);
  std::ofstream(config / "user-dirs.dirs") << "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n";
  auto r = Run("wait 100\nkey F12\nkey F12\nkey F12\nwait 50\n",
               "XDG_CONFIG_HOME='" + config.string() + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  // Within one second the names would be equal: the later ones are numbered.
  const std::vector<std::string> saved = Files(home_ / "Bilder" / "scenewright");
  ASSERT_EQ(saved.size(), 3u);
  EXPECT_FALSE(fs::exists(home_ / "Pictures"));
  // The notice of one press is not in the picture of the next.
  for (const std::string& name : saved) {
    const sw::platform::Picture shot =
        sw::platform::DecodePictureFile(home_ / "Bilder" / "scenewright" / name);
    EXPECT_EQ(shot.pixels().Pixel(320, 470), kRed) << name;
  }
}

TEST_F(ScreenshotKeyTest, AFolderThatCannotBeMadeIsSaidAndTheGameGoesOn) {
  std::ofstream(dir_.path() / "plain-file") << "x";
  auto r = Run("wait 100\nkey F12\nwait 50\ndump failed.json\n",
               "XDG_PICTURES_DIR='" + (dir_.path() / "plain-file").string() + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  const auto failed = Dump("failed.json");
  EXPECT_EQ(failed["window"], "game");
  EXPECT_EQ(failed["notice"]["visible"], true);
  EXPECT_EQ(failed["notice"]["text"], "The screenshot could not be saved in " +
                                          (dir_.path() / "plain-file" / "scenewright").string());
}

}  // namespace
