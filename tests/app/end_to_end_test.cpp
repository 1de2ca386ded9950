// The scenewright binary run headless with scripts: exit statuses, messages on standard
// error, the state dump and screenshots.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "authoring/project_writer.h"
#include "platform/picture.h"
#include "player_run.h"

namespace {

namespace fs = std::filesystem;

using sw::testing::RunResult;

class EndToEndTest : public ::testing::Test {
 protected:
  fs::path dir_ =
      fs::temp_directory_path() /
      (std::string("sw_e2e_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
       "_" + std::to_string(getpid()));  // concurrent runs of the suite must not collide
  fs::path project_ = dir_ / "Game Folder";

  void SetUp() override {
    fs::remove_all(dir_);
    // A game of one red frame that starts without the welcome window.
    sw::ProjectWriter writer(project_);
    sw::ProjectInfo info;
    info.Title = "End to end";
    info.SettingsSection = "EndToEnd";
    info.StartFrame = "Start";
    info.FrameWidth = 640;
    info.FrameHeight = 480;
    info.StartAtOnce = true;
    writer.WriteGeneral(info);
    writer.WriteTexts(0);
    writer.WriteVariables({"Door"}, {"Score"});
    sw::FrameFile start;
    start.FrameBackground = std::to_string(0x0000FF);  // red in the game's colour order
    writer.WriteFrame("Start", start);
  }

  static std::string Read(const fs::path& p) { return sw::testing::ReadFile(p); }

  fs::path Script(const std::string& text) {
    fs::path p = dir_ / "script.txt";
    std::ofstream(p) << text;
    return p;
  }

  RunResult Run(const std::string& args, const std::string& environment = "") {
    return sw::testing::RunPlayer(dir_, args, environment);
  }

  std::string Quoted(const fs::path& p) { return "'" + p.string() + "'"; }
};

TEST_F(EndToEndTest, HeadlessScriptWritesDumpAndScreenshotAndEndsNormally) {
  auto script = Script(
      "# smoke run\n"
      "wait 200\n"
      "click 10 10\n"
      "screenshot shot.png\n"
      "dump during.json\n"
      "quit\n");
  RunResult r =
      Run("--headless --script " + Quoted(script) + " --dump end.json " + Quoted(project_));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  nlohmann::json during = nlohmann::json::parse(Read(dir_ / "during.json"));
  EXPECT_EQ(during["window"], "game");
  EXPECT_EQ(during["frame"], "Start");
  EXPECT_TRUE(during["messages"].is_array());
  EXPECT_EQ(during["menus"]["visible"], false);
  EXPECT_TRUE(during["menus"]["items"].is_object());
  // At exit the game window has been closed as closing the window would.
  nlohmann::json end = nlohmann::json::parse(Read(dir_ / "end.json"));
  EXPECT_EQ(end["window"], "none");
  EXPECT_EQ(end["history"], during["history"]);
  sw::platform::Picture shot = sw::platform::DecodePictureFile(dir_ / "shot.png");
  EXPECT_EQ(shot.width(), 640);
  EXPECT_EQ(shot.height(), 480);
  EXPECT_EQ(shot.pixels().Pixel(320, 240), 0xFFFF0000u) << "the frame's background colour";
}

TEST_F(EndToEndTest, ScriptFromStandardInputAndTheEndOfTheScriptQuits) {
  fs::path input = dir_ / "stdin.txt";
  std::ofstream(input) << "wait 10\n";
  fs::path out = dir_ / "o.txt";
  std::string command = "SDL_VIDEODRIVER=dummy timeout 60 '" + std::string(SW_BINARY_DIR) +
                        "/bin/scenewright' --headless --script - --dump " +
                        Quoted(dir_ / "d.json") + " " + Quoted(project_) + " <" + Quoted(input) +
                        " >" + Quoted(out) + " 2>&1";
  int raw = std::system(command.c_str());
  EXPECT_EQ(WEXITSTATUS(raw), 0) << Read(out);
  EXPECT_TRUE(fs::exists(dir_ / "d.json"));
}

TEST_F(EndToEndTest, MalformedOrFailingScriptsExitWithThreeNamingTheLine) {
  RunResult bad = Run("--headless --script " + Quoted(Script("wait 10\n\nclick ten 5\n")) + " " +
                      Quoted(project_));
  EXPECT_EQ(bad.status, 3);
  EXPECT_EQ(bad.err, "scenewright: script line 3: 'ten' is not a number\n");

  RunResult failing = Run("--headless --script " + Quoted(Script("wait 10\ndialog-press OK\n")) +
                          " --dump end.json " + Quoted(project_));
  EXPECT_EQ(failing.status, 3);
  EXPECT_EQ(failing.err, "scenewright: script line 2: no dialog is open\n");
  EXPECT_TRUE(fs::exists(dir_ / "end.json")) << "the dump is written at exit all the same";
}

TEST_F(EndToEndTest, BadArgumentsAndUnusableProjectFoldersExitWithTwo) {
  std::ofstream(dir_ / "file.txt") << "x";
  for (const std::string& args :
       {std::string("--frobnicate"), std::string("--script"),
        std::string("--headless no-such-folder"), std::string("--headless file.txt"),
        std::string("--codepage '' ") + Quoted(project_), std::string("one two"),
        std::string("--headless --scale=blurry ") + Quoted(project_)}) {
    RunResult r = Run(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << args << ": " << r.err;
    EXPECT_EQ(r.err.rfind("scenewright: ", 0), 0u) << r.err;
  }
}

// The mistakes a new user makes on the command line are bad arguments with a hint.
TEST_F(EndToEndTest, CommandLineMistakesSayWhatToDo) {
  RunResult missing = Run("--headless --script nowhere.txt " + Quoted(project_));
  EXPECT_EQ(missing.status, 2) << "an unreadable script is a bad argument";
  EXPECT_EQ(missing.err, "scenewright: cannot read script 'nowhere.txt'\n");

  RunResult codepage = Run("--headless --codepage KLINGON " + Quoted(project_));
  EXPECT_EQ(codepage.status, 2);
  EXPECT_EQ(codepage.err,
            "scenewright: unknown code page 'KLINGON' ('iconv -l' lists the names)\n");

  RunResult unnamed = Run("--headless");  // the executable's folder holds no game
  EXPECT_EQ(unnamed.status, 2);
  EXPECT_EQ(unnamed.err,
            "scenewright: no game named: give the game's folder, as in 'scenewright "
            "~/games/my-game' (see --help)\n");
}

TEST_F(EndToEndTest, HelpAndVersionEndNormally) {
  RunResult help = Run("--help");
  EXPECT_EQ(help.status, 0);
  for (const char* option :
       {"--headless", "--virtual-clock", "--script", "--dump", "--codepage", "--scale",
        "PROJECT_DIR",
        // exit statuses, the keys of a game and an example
        "Exit status:", "  2  bad arguments", "  3  an automation command", "Esc, right-click",
        "Ctrl+S / Ctrl+L", "Ctrl+Q", "Alt+Enter", "Example:\n  scenewright "})
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  RunResult version = Run("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("scenewright ", 0), 0u);
}

TEST_F(EndToEndTest, WindowedRunWithTheVirtualClockUsesTheSamePaths) {
  RunResult r = Run("--virtual-clock --script " + Quoted(Script("wait 30\nscreenshot w.png\n")) +
                        " " + Quoted(project_),
                    "SCENEWRIGHT_INVISIBLE_WINDOW=1");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(sw::platform::DecodePictureFile(dir_ / "w.png").width(), 640);
}

// Without a display the window would be invisible: the player says so and ends.
TEST_F(EndToEndTest, NoDisplayWithoutHeadlessIsABadStart) {
  RunResult r = Run(Quoted(project_));  // SDL's dummy video driver is all there is
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "scenewright: no display: set DISPLAY or use --headless\n");
  // SDL tries every driver it has; the libraries it loads may say more before our line.
  RunResult none = Run(Quoted(project_), "env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=");
  EXPECT_EQ(none.status, 2);
  const std::string line = "scenewright: no display: set DISPLAY or use --headless\n";
  ASSERT_GE(none.err.size(), line.size()) << none.err;
  EXPECT_EQ(none.err.substr(none.err.size() - line.size()), line);
}

}  // namespace
