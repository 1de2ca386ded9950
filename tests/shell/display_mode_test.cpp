#include <gtest/gtest.h>

#include "shell/display_mode.h"
#include "shell_fixture.h"

namespace sw::shell {
namespace {

class DisplayModeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game.player = std::make_unique<PlayerShell>(game.platform, game.files, game.settings,
                                                game.project().string());
    GameRuntime& rt = game.runtime();
    rt.ScreenWidthPixels = rt.SavedScreenWidth = 640;
    rt.ScreenHeightPixels = rt.SavedScreenHeight = 480;
  }
  testing::ShellGame game;
};

TEST_F(DisplayModeTest, ChangesOnlyToAnotherKnownWidth) {
  DisplayModes modes(game.runtime());
  EXPECT_FALSE(modes.ChangeToProjectResolution(1)) << "already 640 wide";
  EXPECT_FALSE(modes.ChangeToProjectResolution(0));
  EXPECT_FALSE(modes.ChangeToProjectResolution(4));
  EXPECT_FALSE(modes.changed());
  EXPECT_FALSE(modes.RestoreDisplayMode()) << "nothing changed, nothing to put back";
  EXPECT_TRUE(modes.ChangeToProjectResolution(3));
  EXPECT_EQ(game.runtime().ScreenWidthPixels, 1024);
  EXPECT_EQ(game.runtime().ScreenHeightPixels, 768);
  EXPECT_TRUE(modes.changed());
  EXPECT_TRUE(modes.RestoreDisplayMode());
  EXPECT_EQ(game.runtime().ScreenWidthPixels, 640);
  EXPECT_EQ(game.runtime().ScreenHeightPixels, 480);
}

TEST_F(DisplayModeTest, ModeChangeAlwaysReportsSuccess) {
  DisplayModes modes(game.runtime());
  EXPECT_EQ(modes.SetDisplayMode(800, 600, true), kDisplayChangeSuccessful);
  EXPECT_TRUE(game.messages().empty());
}

TEST(SmallFonts, SixteenPixelsIsStillSmall) {
  EXPECT_TRUE(IsSmallFonts(13));
  EXPECT_TRUE(IsSmallFonts(16));
  EXPECT_FALSE(IsSmallFonts(17));
}

TEST_F(DisplayModeTest, InterfaceFontPassesTheCheck) {
  EXPECT_TRUE(game.player->welcome().IsSmallFonts());
}

}  // namespace
}  // namespace sw::shell
