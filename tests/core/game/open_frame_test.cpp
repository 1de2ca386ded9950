#include <gtest/gtest.h>

#include "authoring/project_writer.h"
#include "test_support/headless_game.h"

namespace sw {
namespace {

constexpr uint32_t kRed = 0xC81E1E;  // 0xRRGGBB as pictures are drawn
constexpr uint32_t kTileA = 0x10A020;
constexpr uint32_t kTileB = 0x2040F0;

// Pixel of the game's screenshot as 0xRRGGBB.
uint32_t Rgb(const platform::Pixmap& shot, int x, int y) {
  return shot.Pixel(x, y) & 0xFFFFFFu;
}

class OpenFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ProjectWriter w(game.project());
    info.SettingsSection = "OpenFrameTest";
    info.Title = "Fixture";
    info.StartFrame = "Blue";
    info.FrameWidth = 100;
    info.FrameHeight = 60;
    info.StartAtOnce = true;
    info.RunInWindow = true;
    w.WriteGeneral(info);
    FrameFile blue;
    blue.FrameBackground = std::to_string(0xFF0000);  // VB colour order: blue
    blue.TimerEnabled = true;
    blue.TimerDelay = Variant(std::string("2.5"));
    blue.TimerTarget = "Picture";
    w.WriteFrame("Blue", blue);
    FrameFile picture;
    picture.FrameKind = 1;
    picture.FrameBackground = "red.bmp";
    picture.TimerEnabled = true;
    picture.TimerDelay = Variant(std::string("1"));
    picture.TimerTarget = "[last visited frame]";
    w.WriteFrame("Picture", picture);
    // A 10 x 10 picture, stretched over the whole frame.
    w.WriteRaw("Frames/RED.BMP", MakeBmp(10, 10, [](int, int) { return kRed; }));
    FrameFile tiles;
    tiles.FrameKind = 1;
    tiles.FrameBackground = "tile.bmp";
    tiles.FrameTiled = true;
    w.WriteFrame("Tiles", tiles);
    // 30 x 25 tile: left half A, right half B, so tile edges show in the frame.
    w.WriteRaw("Frames/tile.bmp",
               MakeBmp(30, 25, [](int x, int) { return x < 15 ? kTileA : kTileB; }));
    w.WriteFrame("Bare", picture, 3);
  }

  HeadlessGame game;
  ProjectInfo info;
};

TEST_F(OpenFrameTest, StartAtOnceOpensTheInitialFrameWithItsColourAndTimer) {
  ASSERT_TRUE(game.Start());
  GameWindow* window = game.runtime.game();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(game.runtime.CurrentFrameName, "Blue");
  EXPECT_EQ(game.runtime.FramesHistory.names(), std::vector<std::string>{"Blue"});
  EXPECT_TRUE(window->Timer1.enabled());
  EXPECT_EQ(window->Timer1.interval(), 2500);
  EXPECT_EQ(window->Timer1.tag(), "Picture");
  const platform::Pixmap shot = game.platform.Screenshot();
  ASSERT_EQ(shot.width(), 100);
  ASSERT_EQ(shot.height(), 60);
  EXPECT_EQ(Rgb(shot, 0, 0), 0x0000FFu);
  EXPECT_EQ(Rgb(shot, 99, 59), 0x0000FFu);
  EXPECT_TRUE(game.messages().empty());
}

TEST_F(OpenFrameTest, TimerMovesOnAndComesBackToTheLastVisitedFrame) {
  ASSERT_TRUE(game.Start());
  game.Wait(2400);
  EXPECT_EQ(game.runtime.CurrentFrameName, "Blue");
  game.Wait(200);
  EXPECT_EQ(game.runtime.CurrentFrameName, "Picture");
  // The picture is stretched over the whole frame (the file's name differs in letter case).
  const platform::Pixmap shot = game.platform.Screenshot();
  EXPECT_EQ(Rgb(shot, 0, 0), kRed);
  EXPECT_EQ(Rgb(shot, 99, 59), kRed);
  game.Wait(1100);
  EXPECT_EQ(game.runtime.CurrentFrameName, "Blue");
  EXPECT_EQ(game.runtime.FramesHistory.names(), std::vector<std::string>{"Blue"});
  EXPECT_TRUE(game.messages().empty());
}

TEST_F(OpenFrameTest, TilesCoverTheFrameInWholeTiles) {
  ASSERT_TRUE(game.Start());
  game.runtime.game()->OpenFrame("Tiles", false, 0, 0);
  const platform::Pixmap shot = game.platform.Screenshot();
  EXPECT_EQ(Rgb(shot, 0, 0), kTileA);
  EXPECT_EQ(Rgb(shot, 20, 0), kTileB);
  EXPECT_EQ(Rgb(shot, 30, 0), kTileA);  // second tile starts at 30
  EXPECT_EQ(Rgb(shot, 80, 59), kTileB);
  EXPECT_EQ(Rgb(shot, 99, 59), kTileA);  // the tile at 90 is cut by the frame's edge
  EXPECT_FALSE(game.runtime.game()->Timer1.enabled());
}

TEST_F(OpenFrameTest, EmptyOrMissingFrameNamesShowExactMessages) {
  ASSERT_TRUE(game.Start());
  GameWindow& window = *game.runtime.game();
  window.OpenFrame("", false, 0, 0);
  window.OpenFrame("Cellar", false, 0, 0);
  ASSERT_EQ(game.messages().size(), 2u);
  const std::string lead =
      "An error has occurred. The program may not work properly. Press 'Esc' and the click "
      "'Exit' to quit.\r\n\r\nError description:";
  EXPECT_EQ(game.messages()[0].title, "Error");
  EXPECT_EQ(game.messages()[0].icon, "critical");
  EXPECT_EQ(game.messages()[0].text, lead + " A program link is broken.");
  EXPECT_EQ(game.messages()[1].text,
            lead +
                " A program link is broken. The frame named \"Cellar\" was not found. Verify "
                "that the 'Initial Frame' exists and that the 'Go to another frame' option in "
                "the Hotspot Properties is linked to an existing frame.");
  // Nothing changed: the old frame and its timer stay.
  EXPECT_EQ(game.runtime.CurrentFrameName, "Blue");
  EXPECT_TRUE(window.Timer1.enabled());
}

TEST_F(OpenFrameTest, HeaderOnlyFrameOpensWithoutTimerOrMessages) {
  ASSERT_TRUE(game.Start());
  game.runtime.game()->OpenFrame("Bare", false, 0, 0);
  EXPECT_EQ(game.runtime.CurrentFrameName, "Bare");
  EXPECT_FALSE(game.runtime.game()->Timer1.enabled());
  EXPECT_TRUE(game.messages().empty());
  EXPECT_EQ(Rgb(game.platform.Screenshot(), 50, 30), kRed);
}

TEST_F(OpenFrameTest, MissingPictureWarnsWithItsPathAndGoesOn) {
  ProjectWriter w(game.project());
  FrameFile lost;
  lost.FrameKind = 1;
  lost.FrameBackground = "gone.jpg";
  w.WriteFrame("Lost", lost);
  ASSERT_TRUE(game.Start());
  game.runtime.game()->OpenFrame("Lost", false, 0, 0);
  ASSERT_GE(game.messages().size(), 1u);
  EXPECT_EQ(game.messages()[0].icon, "warning");
  EXPECT_EQ(game.messages()[0].text.rfind("The following file is missing:\r\n", 0), 0u);
  EXPECT_NE(game.messages()[0].text.find("Frames/gone.jpg"), std::string::npos);
  EXPECT_EQ(game.runtime.CurrentFrameName, "Lost");
}

TEST_F(OpenFrameTest, MissingGeneralFileEndsTheProgram) {
  std::filesystem::remove(game.project() / "Config" / "General");
  EXPECT_FALSE(game.Start());
  ASSERT_EQ(game.messages().size(), 1u);
  EXPECT_EQ(game.messages()[0].icon, "warning");
  EXPECT_EQ(game.messages()[0].text,
            "The following file is missing: " + game.runtime.folders.ConfigFolder + "General");
}

}  // namespace
}  // namespace sw
