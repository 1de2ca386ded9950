// Start-up with damaged project files: absurd frame sizes and project files that are devices
// or pipes are refused with the start-up message instead of taking the memory or blocking.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "authoring/project_writer.h"
#include "test_support/headless_game.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

class DamagedProjectTest : public ::testing::Test {
 protected:
  void Write(int16_t width, int16_t height) {
    ProjectWriter w(game.project());
    ProjectInfo info;
    ResetProjectInfo(info);
    info.Title = "Damaged";
    info.StartFrame = "Start";
    info.FrameWidth = width;
    info.FrameHeight = height;
    w.WriteGeneral(info);
    w.WriteFrame("Start", FrameFile{});
  }
  int StartupMessages() {
    int n = 0;
    for (const auto& m : game.messages())
      n += m.text.find(" Error loading project information.") != std::string::npos;
    return n;
  }

  HeadlessGame game;
};

TEST_F(DamagedProjectTest, AbsurdFrameSizesAreRefusedWithTheStartupMessage) {
  Write(32767, 32767);
  ASSERT_TRUE(game.Start());
  EXPECT_EQ(StartupMessages(), 1);
  EXPECT_EQ(game.runtime.info.FrameWidth, 0);
  EXPECT_EQ(game.runtime.info.FrameHeight, 0);
  EXPECT_EQ(game.runtime.info.Title, "Damaged") << "what was read before stays";
}

TEST_F(DamagedProjectTest, NegativeAndPlayableSizes) {
  Write(-640, 480);
  ASSERT_TRUE(game.Start());
  EXPECT_EQ(StartupMessages(), 1);
  EXPECT_TRUE(IsPlayableFrameSize(1024, 768));
  EXPECT_TRUE(IsPlayableFrameSize(0, 0));
  EXPECT_TRUE(IsPlayableFrameSize(8192, 2048));
  EXPECT_FALSE(IsPlayableFrameSize(8193, 10));
  EXPECT_FALSE(IsPlayableFrameSize(8192, 4096));
}

TEST_F(DamagedProjectTest, ProjectFilesThatAreDevicesOrPipesNeverBlock) {
  Write(100, 60);
  // The texts are a pipe nobody writes to, the project information an endless device.
  fs::remove(game.project() / "Config" / "Texts");
  ASSERT_EQ(mkfifo((game.project() / "Config" / "Texts").c_str(), 0600), 0);
  fs::remove(game.project() / "Config" / "General");
  fs::create_symlink("/dev/zero", game.project() / "Config" / "General");
  ASSERT_TRUE(game.Start());
  EXPECT_EQ(StartupMessages(), 1);
}

}  // namespace
}  // namespace sw
