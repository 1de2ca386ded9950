// A game driven by its own scripts, played twice through the binary: frame scripts, hotspot
// scripts with the Action object, timed events, per-user parameters and INI files that carry
// over from one run to the next, and quitting from a script.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "authoring/frame_data_writer.h"
#include "authoring/project_writer.h"
#include "player_run.h"
#include "small_game.h"

namespace {

namespace fs = std::filesystem;

class ScriptsEndToEndTest : public ::testing::Test {
 protected:
  fs::path dir_ = fs::temp_directory_path() / ("sw_scripts_e2e_" + std::to_string(getpid()));
  fs::path project_ = dir_ / "game";

  void SetUp() override {
    fs::remove_all(dir_);
    sw::ProjectWriter w(project_);
    const sw::ProjectInfo info = sw::testing::SmallGameInfo("Scripted", "ScriptsEndToEnd");
    w.WriteGeneral(info);
    w.WriteTexts(0);
    w.WriteVariables({"Visits"}, {"Best"});
    w.WriteProcedures("Function Greeting(n)\r\n  Greeting = \"Visit \" & n\r\nEnd Function", true,
                      info.SettingsSection);

    sw::FrameFile start;
    start.FrameBackground = "0";
    start.ScriptEnabled = true;
    start.ScriptText = sw::Variant(
        std::string("Visits = CInt(|0| & ReadINI(|state.ini|, |Game|, |Visits|)) + 1\r\n"
                    "WriteINI |state.ini|, |Game|, |Visits|, Visits\r\n"
                    "Best = LoadParameter(|Best|, 0)\r\n"
                    "SaveParameter |Best|, Best + 10\r\n"
                    "CreateTimedEvent 0.5, |Visits = Visits + 100|, False\r\n"
                    "CreateTimedEvent 0.2, |Best = Best & ||+|||, True"));
    w.WriteFrame("Start", start);
    sw::FrameFile hall;
    hall.FrameBackground = "255";
    w.WriteFrame("Hall", hall);

    sw::HotspotSpec left, right;
    left.Width = right.Width = right.Left = 100;
    left.Height = right.Height = 150;
    sw::WriteHotspots(w, "Start", {left, right});
    sw::WriteHotspots(w, "Hall", {left});
    sw::ActionSpec greet;
    greet.ScriptEnabled = true;
    greet.ScriptText =
        "Hotspot(2).Visible = False\r\n"
        "Message Greeting(Visits) & | / | & DDir(GetPath() & |*.ini|, 0) & | / | & "
        "Hotspot(2).Visible\r\n"
        "GoToFrame |Hall|, 0.5, 3";
    sw::WriteActions(w, "Start", {greet, sw::ActionSpec{}});
    sw::ActionSpec leave;
    leave.ScriptEnabled = true;
    leave.ScriptText = "Quit\r\nMessage |Still here: | & LoadParameter(|Best|, |none|)";
    sw::WriteActions(w, "Hall", {leave});

    std::ofstream(dir_ / "walk.txt") << "wait 100\n"
                                        "dump start.json\n"
                                        "wait 550\n"
                                        "dump events.json\n"
                                        "click 50 75\n"
                                        "dialog-press OK\n"
                                        "wait 600\n"  // the half-second slide into the hall
                                        "dump hall.json\n"
                                        "click 50 75\n"
                                        "dialog-press OK\n"
                                        "wait 300\n";
  }
  void TearDown() override { fs::remove_all(dir_); }

  nlohmann::json Play() {
    const auto r = sw::testing::RunPlayer(
        dir_, "--headless --script walk.txt --dump end.json '" + project_.string() + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    return nlohmann::json::parse(sw::testing::ReadFile(dir_ / "end.json"));
  }
  nlohmann::json Dump(const char* name) {
    return nlohmann::json::parse(sw::testing::ReadFile(dir_ / name));
  }
  static nlohmann::json Variables(int visits) {
    return nlohmann::json::array({{{"name", "Visits"}, {"value", visits}}});
  }
};

TEST_F(ScriptsEndToEndTest, ScriptsDriveTheGameAcrossTwoRuns) {
  nlohmann::json end = Play();
  nlohmann::json start = Dump("start.json");
  EXPECT_EQ(start["variables"], Variables(1));
  EXPECT_EQ(start["variants"][0]["value"], "0");
  EXPECT_EQ(start["timers"]["timedEvents"], nlohmann::json::parse(R"([
      {"index":1,"interval":500,"enabled":true,"active":true,"repeat":false},
      {"index":2,"interval":200,"enabled":true,"active":true,"repeat":true}])"));
  nlohmann::json events = Dump("events.json");
  EXPECT_EQ(events["variables"], Variables(101)) << "the single event fired once";
  EXPECT_EQ(events["variants"][0]["value"], "0+++") << "the repeating one every 0.2 s";
  EXPECT_EQ(events["timers"]["timedEvents"][0]["active"], false);
  EXPECT_EQ(events["timers"]["timedEvents"][1]["active"], true);

  nlohmann::json hall = Dump("hall.json");
  EXPECT_EQ(hall["frame"], "Hall");
  EXPECT_EQ(hall["history"], nlohmann::json::array({"Start", "Hall"}));
  EXPECT_EQ(hall["timers"]["timedEvents"], nlohmann::json::array()) << "the frame change ends them";

  EXPECT_EQ(end["window"], "none") << "Quit ended the game after the script";
  const auto& messages = end["messages"];
  ASSERT_EQ(messages.size(), 2u) << messages.dump();
  EXPECT_EQ(messages[0]["text"], "Visit 101 / state.ini / False");
  EXPECT_EQ(messages[1]["text"], "Still here: 10") << "the script went on after Quit";

  // The second run reads what the first one left: the INI file and the parameter.
  end = Play();
  start = Dump("start.json");
  // state.ini holds 1: the first run wrote it before its timed event added 100.
  EXPECT_EQ(start["variables"], Variables(2));
  EXPECT_EQ(start["variants"][0]["value"], "10");
  EXPECT_EQ(end["messages"][1]["text"], "Still here: 20");
  EXPECT_EQ(end["messages"][0]["text"], "Visit 102 / state.ini / False");
}

}  // namespace
