// The end of the program and of its scripts: objects whose terminators call the player end
// while the game still exists, and a script that keeps asking after the window was closed
// is stopped instead of filling memory.
#include <gtest/gtest.h>

#include <optional>

#include "authoring/project_writer.h"
#include "scripting/host/game_script_host.h"
#include "scripting/host/timed_events.h"
#include "test_support/headless_game.h"

namespace sw {
namespace {

// Closes the window as soon as a dialog opens.
class CloseAtFirstDialog : public platform::InputSource {
 public:
  bool Poll(platform::Platform& platform) override {
    if (platform.desktop().top_modal() == nullptr) return false;
    platform.events().RequestQuit();
    return true;
  }
};

class ShutdownTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ProjectWriter w(dir.path() / "game");
    ProjectInfo info;
    ResetProjectInfo(info);
    info.SettingsSection = "ShutdownTest";
    info.StartFrame = "Start";
    info.FrameWidth = 64;
    info.FrameHeight = 48;
    info.StartAtOnce = true;
    w.WriteGeneral(info);
    w.WriteFrame("Start", FrameFile{});
    w.WriteRaw("Config/Procedures",
               "h\r\nh\r\nh\r\n"
               "Dim keep\r\n"
               "Class Bye\r\n"
               "  Sub Class_Terminate\r\n"
               "    MsgBox \"bye \" & CreateTimedEvent(1, \"x = 1\", False) & \" \" & "
               "GetCurrentFrameName() & \" \" & Hotspot.Count\r\n"
               "    StopEverything\r\n"
               "  End Sub\r\n"
               "End Class");
    runtime.emplace(platform, files, settings);
    auto host = std::make_unique<GameScriptHost>(*runtime);
    host_ = host.get();
    runtime->subsystems().scripts = std::move(host);
    runtime->subsystems().timedEvents = std::make_unique<TimedEvents>(*runtime);
    platform.events().SetInputSource(&answers);
    ASSERT_TRUE(Startup(*runtime, (dir.path() / "game").string()).WelcomeLoad());
  }
  void TearDown() override { platform.events().SetInputSource(nullptr); }

  TempDir dir;
  platform::Platform platform{platform::PlatformOptions{}};
  PathResolver files;
  UserSettings settings{dir.path() / "settings.ini"};
  AnswerDialogsWithEnter answers;
  std::optional<GameRuntime> runtime;
  GameScriptHost* host_ = nullptr;
};

TEST_F(ShutdownTest, TerminatorsRunWhileTheGameStillExists) {
  ASSERT_FALSE(host_->ExecuteVBScript("Set keep = New Bye", true));
  ASSERT_TRUE(platform.messages().records().empty());
  runtime.reset();
  const auto& records = platform.messages().records();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].text, "bye 1 Start 0");
}

TEST_F(ShutdownTest, AQuestionLoopEndsOnceTheWindowIsClosed) {
  CloseAtFirstDialog closer;
  platform.events().SetInputSource(&closer);
  host_->SetTimeoutSeconds(600);
  EXPECT_FALSE(
      host_->ExecuteVBScript("Do : a = MsgBox(\"Really?\", vbYesNo) : Loop Until a = vbYes\r\n"
                             "MsgBox \"not reached\"",
                             true));
  const auto& records = platform.messages().records();
  ASSERT_GE(records.size(), 1u);
  EXPECT_LE(records.size(), 2u);
  EXPECT_EQ(records[0].text, "Really?");
  // Nothing is reported for a script the program stopped, and nothing runs afterwards.
  for (const auto& r : records) EXPECT_EQ(r.text, "Really?");
}

}  // namespace
}  // namespace sw
