#include "scripting/host/game_script_host.h"

#include <gtest/gtest.h>

#include <fstream>

#include "authoring/project_writer.h"
#include "test_support/headless_game.h"

namespace sw {
namespace {

class GameScriptHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ProjectWriter w(game.project());
    ProjectInfo info;
    ResetProjectInfo(info);
    info.SettingsSection = "ScriptHostTest";
    info.Title = "Script Test";
    info.StartFrame = "Start";
    info.FrameWidth = 64;
    info.FrameHeight = 48;
    info.StartAtOnce = true;
    w.WriteGeneral(info);
    w.WriteFrame("Start", FrameFile{});
    w.WriteRaw("Config/Procedures",
               "header 1\r\nheader 2\r\nheader 3\r\n"
               "Function Twice(x)\r\n  Twice = x * 2\r\nEnd Function");
    auto host = std::make_unique<GameScriptHost>(game.runtime);
    host_ = host.get();
    game.runtime.subsystems().scripts = std::move(host);
    ASSERT_TRUE(game.Start());
  }

  HeadlessGame game;
  GameScriptHost* host_ = nullptr;
};

TEST_F(GameScriptHostTest, ScriptsSeeProceduresAndLeaveRequestsInAction) {
  EXPECT_FALSE(host_->ExecuteVBScript("Action.GoToFrame \"Hall\", Twice(1.5), 4", true));
  EXPECT_EQ(host_->action().sFrameToLoad, "Hall");
  EXPECT_DOUBLE_EQ(host_->action().dTransitionDuration, 3.0);
  EXPECT_EQ(host_->action().iTransitionNumber, 4);
  // Members are also reachable without the object's name.
  EXPECT_FALSE(host_->ExecuteVBScript("Quit", true));
  EXPECT_TRUE(host_->Requests().stopGame);
  host_->ResetActionModule();
  EXPECT_FALSE(host_->Requests().stopGame);
  EXPECT_EQ(host_->action().iTransitionNumber, 1);
  EXPECT_TRUE(game.messages().empty());
}

TEST_F(GameScriptHostTest, SyntaxErrorShowsTheFailureMessageAndLeavesActionAlone) {
  host_->action().sFrameToLoad = "Kept";
  EXPECT_TRUE(host_->ExecuteVBScript("Action.GoToFrame \"Lost\", 0, 0\r\nIf Then", true));
  EXPECT_EQ(host_->action().sFrameToLoad, "Kept");
  ASSERT_EQ(game.messages().size(), 1u);
  const auto& m = game.messages()[0];
  EXPECT_EQ(m.title, "Error");
  EXPECT_EQ(m.icon, "critical");
  const std::string lead =
      "An error has occurred. The program may not work properly. Press 'Esc' and the click "
      "'Exit' to quit. Error description:\r\n\r\nError executing script. The Scripting Engine "
      "returned the following error message:\r\n\r\n";
  EXPECT_EQ(m.text.substr(0, lead.size()), lead);
  EXPECT_GT(m.text.size(), lead.size());  // the engine's description follows
}

TEST_F(GameScriptHostTest, EachRunStartsWithFreshGlobals) {
  EXPECT_FALSE(
      host_->ExecuteVBScript("Dim Seen : Seen = 5 : Action.sFrameToLoad = CStr(Seen)", true));
  EXPECT_EQ(host_->action().sFrameToLoad, "5");
  EXPECT_FALSE(host_->ExecuteVBScript("Action.sFrameToLoad = \"[\" & Seen & \"]\"", true));
  EXPECT_EQ(host_->action().sFrameToLoad, "[]");
}

TEST_F(GameScriptHostTest, RunTimeErrorAndStoppedGame) {
  EXPECT_TRUE(host_->ExecuteVBScript("x = 1 / 0", true));
  ASSERT_EQ(game.messages().size(), 1u);
  EXPECT_NE(game.messages()[0].text.find("Division by zero"), std::string::npos);
  game.runtime.StopRequested = true;
  EXPECT_FALSE(host_->ExecuteVBScript("x = 1 / 0", true));  // nothing runs once stopped
  EXPECT_EQ(game.messages().size(), 1u);
}

TEST_F(GameScriptHostTest, MsgBoxUsesTheGameTitleAndAnswers) {
  EXPECT_FALSE(host_->ExecuteVBScript(
      "If MsgBox(\"Ready?\", vbYesNo + vbQuestion) = vbYes Then Action.sFrameToLoad = \"yes\"",
      true));
  ASSERT_EQ(game.messages().size(), 1u);
  EXPECT_EQ(game.messages()[0].title, "Script Test");
  EXPECT_EQ(game.messages()[0].text, "Ready?");
  EXPECT_EQ(game.messages()[0].icon, "question");
  EXPECT_EQ(host_->action().sFrameToLoad, "yes");  // Enter pressed the default button, Yes
}

}  // namespace
}  // namespace sw

namespace sw {
namespace {

TEST_F(GameScriptHostTest, ActionMethodsForFilesSettingsAndVersion) {
  ProjectWriter w(game.project());
  w.WriteRaw("a1.dat", "x");
  w.WriteRaw("a2.dat", "y");
  EXPECT_FALSE(host_->ExecuteVBScript(
      "Dim r : r = GetScenewrightVersion() & \"|\" & DDir(GetPath() & \"a*.dat\", 0)\r\n"
      "r = r & \"|\" & DDir(\"\", 0) & \"|\" & DDir(\"\", 0) & \"|\"\r\n"
      "SaveParameter \"Level\", 10\r\n"
      "r = r & LoadParameter(\"Level\", 0) & \"|\" & LoadParameter(\"Other\", 7)\r\n"
      "WriteINI \"game.ini\", \"Main\", \"Key\", \"v1\"\r\n"
      "r = r & \"|\" & ReadINI(\"game.ini\", \"MAIN\", \"key\")\r\n"
      "Action.sFrameToLoad = r",
      true));
  EXPECT_EQ(host_->action().sFrameToLoad, "Version 3.3.0|a1.dat|a2.dat||10|7|v1");
  EXPECT_TRUE(game.messages().empty());
  // The parameter lives in the per-user settings, under "_" and the name.
  EXPECT_EQ(game.runtime.GetSetting("_Level", ""), "10");
}

TEST_F(GameScriptHostTest, GoToFrameThenResetModuleStays) {
  EXPECT_FALSE(host_->ExecuteVBScript("GoToFrame \"Hall\", 0, 0 : ResetModule", true));
  EXPECT_EQ(host_->action().sFrameToLoad, "");
}

}  // namespace
}  // namespace sw

namespace sw {
namespace {

TEST_F(GameScriptHostTest, ScriptFilesStayInsideTheGame) {
  const std::string outside = (game.dir.path() / "outside.txt").string();
  EXPECT_FALSE(
      host_->ExecuteVBScript("Set fso = CreateObject(\"Scripting.FileSystemObject\")\r\n"
                             "Set f = fso.CreateTextFile(GetPath() & \"LOG.TXT\", True)\r\n"
                             "f.WriteLine \"saved\" : f.Close\r\n"
                             "On Error Resume Next\r\n"
                             "Set g = fso.CreateTextFile(\"" +
                                 outside +
                                 "\", True)\r\n"
                                 "Action.sFrameToLoad = CStr(Err.Number)",
                             true));
  EXPECT_EQ(host_->action().sFrameToLoad, "70");
  EXPECT_FALSE(std::filesystem::exists(outside));
  std::ifstream log(game.project() / "LOG.TXT");
  std::string line;
  std::getline(log, line);
  EXPECT_EQ(line, "saved\r");
}

}  // namespace
}  // namespace sw

namespace sw {
namespace {

// A game script leaning on the library: dialogs, strings, numbers, dates, a Dictionary and a
// RegExp, run by the game's own script host in a headless player.
TEST_F(GameScriptHostTest, GameScriptUsesTheLibraryEndToEnd) {
  EXPECT_FALSE(host_->ExecuteVBScript(
      "Dim name, parts, d, re, total, k, r\r\n"
      "name = InputBox(\"Your name?\", , \"Ann Lee\")\r\n"
      "parts = Split(name, \" \")\r\n"
      "Set d = CreateObject(\"Scripting.Dictionary\")\r\n"
      "d.Add \"coins\", 1234.5 : d.Add \"keys\", 2\r\n"
      "For Each k In d.Keys : total = total + d(k) : Next\r\n"
      "Set re = New RegExp : re.Pattern = \"(\\w+) (\\w+)\"\r\n"
      "r = re.Replace(name, \"$2, $1\") & \"|\" & Replace(parts(0), \"n\", \"N\")\r\n"
      "r = r & \"|\" & FormatNumber(total, 2) & \"|\" & DateDiff(\"d\", #1/1/2024#, #3/1/2024#)\r\n"
      "MsgBox r, vbInformation\r\n"
      "Action.sFrameToLoad = r",
      true));
  EXPECT_EQ(host_->action().sFrameToLoad, "Lee, Ann|ANN|1,236.50|60");
  ASSERT_EQ(game.messages().size(), 2u);
  EXPECT_EQ(game.messages()[0].kind, "input");
  EXPECT_EQ(game.messages()[0].text, "Your name?");
  EXPECT_EQ(game.messages()[0].title, "Script Test");  // the game title by default
  EXPECT_EQ(game.messages()[1].text, "Lee, Ann|ANN|1,236.50|60");
  EXPECT_EQ(game.messages()[1].icon, "information");
}

}  // namespace
}  // namespace sw
