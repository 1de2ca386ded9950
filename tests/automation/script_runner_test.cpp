// Running scripts through the event loop: input at frame coordinates, waits on the virtual
// clock, dialogs answered from nested modal loops, failures with exit status 3, and the end
// of the script ending the program.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "automation/script_runner.h"
#include "platform/image.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/timer.h"

namespace sw::automation {
namespace {

using platform::Element;
using platform::MouseArgs;
using platform::PixelsToTwips;

std::vector<Command> Commands(const std::string& text) {
  auto parsed = ParseScript(text);
  EXPECT_TRUE(std::holds_alternative<std::vector<Command>>(parsed));
  return std::get<std::vector<Command>>(parsed);
}

class RunnerTest : public ::testing::Test {
 protected:
  platform::Platform platform_;
  std::shared_ptr<platform::Form> game_ = platform_.CreateForm("Game");
  platform::PictureBoxElement& frame_ = game_->Add<platform::PictureBoxElement>("PictureBox");
  std::ostringstream errors_;
  std::vector<std::string> log_;

  void SetUp() override {
    game_->SetSize(PixelsToTwips(800), PixelsToTwips(600));
    frame_.Move(PixelsToTwips(80), PixelsToTwips(60), PixelsToTwips(640), PixelsToTwips(480));
    game_->Show();
    platform_.desktop().SetFrameElement(&frame_);
  }

  // Runs the script to its end; returns the exit status.
  int Run(const std::string& script) {
    ScriptRunner runner(Commands(script), errors_);
    platform_.events().SetInputSource(&runner);
    platform_.events().Run();
    platform_.events().SetInputSource(nullptr);
    return platform_.events().exit_code();
  }
};

TEST_F(RunnerTest, ClicksAndDragsLandAtFramePixels) {
  auto& hotspot = game_->Add<platform::ImageElement>("Area", &frame_);
  hotspot.Move(PixelsToTwips(100), PixelsToTwips(50), PixelsToTwips(40), PixelsToTwips(40));
  hotspot.on.mouse_down = [this](Element& e, const MouseArgs& a) {
    log_.push_back(e.name() + " down " + std::to_string(a.button) + " " + std::to_string(a.x) +
                   "," + std::to_string(a.y));
    if (a.button == platform::kLeftButton && a.x > 300) e.Drag(1);
  };
  frame_.on.drag_drop = [this](Element& target, Element& source, int x, int y) {
    log_.push_back(source.name() + " dropped on " + target.name() + " at " + std::to_string(x) +
                   "," + std::to_string(y));
  };
  EXPECT_EQ(Run("click 101 52\nclick 110 60 right\ndrag 125 75 300 200\n"), 0);
  EXPECT_EQ(log_, (std::vector<std::string>{"Area down 1 15,30", "Area down 2 150,150",
                                            "Area down 1 375,375",
                                            "Area dropped on PictureBox at 4500,3000"}));
}

TEST_F(RunnerTest, WaitAdvancesTheVirtualClockInTenMillisecondPasses) {
  auto& timer = game_->Add<platform::TimerElement>("Timer1");
  timer.SetInterval(100);
  timer.SetEnabled(true);
  int ticks = 0;
  timer.on.timer = [&](Element&) { ++ticks; };
  std::uint64_t before = platform_.events().passes();
  EXPECT_EQ(Run("wait 1005\ndump " +
                (std::filesystem::temp_directory_path() / "sw_runner_wait.json").string() + "\n"),
            0);
  EXPECT_EQ(platform_.clock().NowMs(), 1005);
  EXPECT_EQ(ticks, 10);
  EXPECT_GE(platform_.events().passes() - before, 101u);
}

TEST_F(RunnerTest, DialogCommandsAnswerTheModalLoopOpenedByAClick) {
  std::vector<platform::MessageResult> answers;
  std::optional<std::string> typed;
  frame_.on.click = [&](Element&) {
    answers.push_back(platform::ShowMessageBox(platform_, "Really quit?", "Game",
                                               platform::MessageStyleFromVb(4 + 32)));
    typed = platform::ShowInputBox(platform_, "Name?", "Game", "x");
    answers.push_back(platform::ShowMessageBox(platform_, "Saved", "Game", {}));
  };
  EXPECT_EQ(Run("click 5 5\n"
                "dialog-press no\n"
                "dialog-type Sir Robin\n"
                "dialog-press OK\n"
                "wait 50\n"
                "dialog-press ok\n"),
            0);
  EXPECT_EQ(answers, (std::vector<platform::MessageResult>{platform::MessageResult::kNo,
                                                           platform::MessageResult::kOk}));
  EXPECT_EQ(typed, std::optional<std::string>("Sir Robin"));
  nlohmann::json messages = platform_.state().Collect()["messages"];
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[0]["icon"], "question");
  EXPECT_EQ(messages[0]["text"], "Really quit?");
}

TEST_F(RunnerTest, KeysReachTheFormWithCodeAndShiftState) {
  game_->SetKeyPreview(true);
  game_->on.key_down = [this](platform::Form&, platform::KeyArgs& k) {
    log_.push_back(std::to_string(k.key_code) + "/" + std::to_string(k.shift));
  };
  EXPECT_EQ(Run("key S ctrl\nkey Escape\nkey F6 shift alt\n"), 0);
  EXPECT_EQ(log_, (std::vector<std::string>{"83/2", "27/0", "117/5"}));
}

TEST_F(RunnerTest, CommandsThatCannotApplyFailWithExitThreeAndTheLine) {
  EXPECT_EQ(Run("wait 10\n\ndialog-press OK\nquit\n"), kScriptFailureExit);
  EXPECT_EQ(errors_.str(), "scenewright: script line 3: no dialog is open\n");
}

TEST_F(RunnerTest, MissingButtonsEntriesAndFieldsFail) {
  struct Case {
    const char* command;
    const char* message;
  };
  for (Case c : {Case{"dialog-press Maybe", "no button 'Maybe' in the open dialog"},
                 Case{"dialog-select Slot 9", "no list entry 'Slot 9' in the open dialog"},
                 Case{"dialog-type hello", "the open dialog has no text field"}}) {
    platform::Platform platform;
    auto game = platform.CreateForm("Game");
    game->Show();
    game->client().on.click = [&](Element&) {
      platform::ShowMessageBox(platform, "?", "t", {platform::MessageButtons::kYesNo});
    };
    std::ostringstream errors;
    ScriptRunner runner(Commands(std::string("click 1 1\n") + c.command + "\n"), errors);
    platform.events().SetInputSource(&runner);
    platform.events().Run();
    platform.events().SetInputSource(nullptr);
    EXPECT_EQ(platform.events().exit_code(), kScriptFailureExit) << c.command;
    EXPECT_EQ(errors.str(), std::string("scenewright: script line 2: ") + c.message + "\n");
    ASSERT_TRUE(runner.failure().has_value());
    EXPECT_EQ(runner.failure()->line, 2);
  }
}

TEST_F(RunnerTest, TheEndOfTheScriptEndsTheProgramAndCancelsOpenDialogs) {
  platform::MessageResult answer = platform::MessageResult::kYes;
  frame_.on.click = [&](Element&) {
    answer = platform::ShowMessageBox(platform_, "Quit?", "t", {platform::MessageButtons::kYesNo});
  };
  EXPECT_EQ(Run("click 1 1\n"), 0);
  EXPECT_EQ(answer, platform::MessageResult::kNo);
}

TEST_F(RunnerTest, QuitRunsTheCloseHandlerFirst) {
  bool closed = false;
  game_->on.close = [&](platform::Form&) { closed = true; };
  EXPECT_EQ(Run("quit\nclick 1 1\n"), 0);
  EXPECT_TRUE(closed);
}

TEST_F(RunnerTest, ScreenshotAndDumpWriteFiles) {
  frame_.SetBackColor(platform::VbRgb(255, 0, 0));
  auto dir = std::filesystem::temp_directory_path() / "sw_runner_files";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  platform_.SetWindowRole("game");
  EXPECT_EQ(
      Run("screenshot " + (dir / "s.png").string() + "\ndump " + (dir / "d.json").string() + "\n"),
      0);
  platform::Picture shot = platform::DecodePictureFile(dir / "s.png");
  EXPECT_EQ(shot.width(), 640);
  EXPECT_EQ(shot.height(), 480);
  EXPECT_EQ(shot.pixels().Pixel(0, 0), 0xFFFF0000u);
  std::ifstream in(dir / "d.json");
  EXPECT_EQ(nlohmann::json::parse(in)["window"], "game");
}

TEST_F(RunnerTest, UnwritableScreenshotFails) {
  EXPECT_EQ(Run("screenshot /nonexistent-dir/x.png\n"), kScriptFailureExit);
  EXPECT_NE(errors_.str().find("line 1:"), std::string::npos);
}

}  // namespace
}  // namespace sw::automation
