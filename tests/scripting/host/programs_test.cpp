// OpenExeFileAndWait starts only the game's own programs, and only after the player allowed
// this game to start programs; the answer is kept in the game's settings.
#include <gtest/gtest.h>

#include <fstream>

#include "authoring/project_writer.h"
#include "scripting/host/game_script_host.h"
#include "test_support/headless_game.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

class ProgramsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ProjectWriter w(game.project());
    ProjectInfo info;
    ResetProjectInfo(info);
    info.SettingsSection = "ProgramsTest" + std::to_string(getpid());
    info.Title = "Programs";
    info.StartFrame = "Start";
    info.FrameWidth = 64;
    info.FrameHeight = 48;
    info.StartAtOnce = true;
    w.WriteGeneral(info);
    w.WriteFrame("Start", FrameFile{});
    // A program of the game that leaves a mark beside itself.
    w.WriteRaw("Tools/mark.sh", "#!/bin/sh\necho ran >> \"$(dirname \"$0\")/marks.txt\"\n");
    fs::permissions(game.project() / "Tools" / "mark.sh", fs::perms::owner_all);
    auto host = std::make_unique<GameScriptHost>(game.runtime);
    host_ = host.get();
    game.runtime.subsystems().scripts = std::move(host);
    ASSERT_TRUE(game.Start());
  }

  std::string Marks() {
    std::ifstream in(game.project() / "Tools" / "marks.txt");
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  HeadlessGame game;
  GameScriptHost* host_ = nullptr;
};

TEST_F(ProgramsTest, ProgramsOutsideTheGameNeverStart) {
  const fs::path outside = game.dir.path() / "outside.txt";
  ASSERT_FALSE(host_->ExecuteVBScript(
      "OpenExeFileAndWait \"\\bin\\sh -c 'touch " + outside.string() + "'\"\r\n" +
          "OpenExeFileAndWait \"sh -c 'touch " + outside.string() + "'\"",
      true));
  EXPECT_FALSE(fs::exists(outside));
  const auto& m = game.messages();
  ASSERT_EQ(m.size(), 2u);  // no question: there is nothing to allow
  EXPECT_NE(m[0].text.find("Error opening the file titled '\\bin\\sh -c"), std::string::npos);
  EXPECT_NE(m[0].text.find("Permission denied"), std::string::npos);
  // A bare name is not looked for in PATH.
  EXPECT_NE(m[1].text.find("Error opening the file titled '" + game.runtime.folders.ProjectFolder +
                           "sh -c"),
            std::string::npos);
  EXPECT_NE(m[1].text.find("File not found"), std::string::npos);
}

TEST_F(ProgramsTest, TheGamesOwnProgramsStartOnceThePlayerAllowedIt) {
  // Enter answers the question with its default button, No: nothing starts, and the answer
  // is kept, so the next call does not ask again.
  ASSERT_FALSE(host_->ExecuteVBScript("OpenExeFileAndWait \"Tools\\mark.sh\"", true));
  EXPECT_EQ(Marks(), "");
  ASSERT_EQ(game.messages().size(), 2u);
  EXPECT_EQ(game.messages()[0].icon, "question");
  EXPECT_NE(game.messages()[0].text.find("Tools\\mark.sh"), std::string::npos);
  EXPECT_NE(game.messages()[1].text.find("Permission denied"), std::string::npos);
  EXPECT_EQ(game.runtime.GetSetting("AllowPrograms", ""), "0");
  ASSERT_FALSE(host_->ExecuteVBScript("OpenExeFileAndWait \"Tools\\mark.sh\"", true));
  EXPECT_EQ(game.messages().size(), 3u);
  // Once allowed, the game's program starts and the script waits for its end.
  game.runtime.SaveSetting("AllowPrograms", "1");
  ASSERT_FALSE(host_->ExecuteVBScript(
      "OpenExeFileAndWait \"tools\\MARK.sh\" : OpenExeFileAndWait GetPath() & \"Tools\\mark.sh\"",
      true));
  EXPECT_EQ(Marks(), "ran\nran\n");
  EXPECT_EQ(game.messages().size(), 3u);
}

}  // namespace
}  // namespace sw
