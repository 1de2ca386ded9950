// Saving and loading through the binary, headless: a game saved with Ctrl+S loads back with
// Ctrl+L to the same state, in the same run and in a fresh one.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "authoring/frame_data_writer.h"
#include "authoring/inventory_writer.h"
#include "authoring/project_writer.h"
#include "player_run.h"
#include "small_game.h"

namespace {

namespace fs = std::filesystem;

class SavedGamesEndToEndTest : public ::testing::Test {
 protected:
  fs::path dir_ = fs::temp_directory_path() / ("sw_saves_e2e_" + std::to_string(getpid()));
  fs::path project_ = dir_ / "game";

  void SetUp() override {
    fs::remove_all(dir_);
    sw::ProjectWriter w(project_);
    const sw::ProjectInfo info = sw::testing::SmallGameInfo("Saving", "SavedGamesEndToEnd");
    w.WriteGeneral(info);
    w.WriteTexts(0);
    w.WriteVariables({"Door", "Lamp"}, {"Said", "Met", "Brave", "Gold", "Blank"});
    for (const char* item : {"Key", "Map"}) {
      w.WriteRaw(std::string("Areas/") + item + ".bmp",
                 sw::MakeBmp(16, 16, [](int, int) { return 0x3366CCu; }));
      sw::WriteItem(w, item, std::string(item) + ".bmp");
    }
    for (const char* frame : {"Start", "Hall", "Cellar"}) {
      sw::FrameFile f;
      f.FrameBackground = "0";
      w.WriteFrame(frame, f);
      sw::HotspotSpec all;
      all.Width = 200;
      all.Height = 150;
      sw::WriteHotspots(w, frame, {all});
    }
    sw::ActionSpec play;
    play.HotspotDisappears = true;
    play.ScriptEnabled = true;
    play.ScriptText =
        "Door = 7\r\nLamp = -1\r\nSaid = |yes, it's late|\r\nMet = DateSerial(2003, 3, 7)\r\n"
        "Brave = True\r\nGold = 12.75\r\nBlank = Empty\r\n"
        "AddItem |Key|, True\r\nAddItem |Map|, True\r\nGoToFrame |Hall|, 0, 1";
    sw::WriteActions(w, "Start", {play});
    sw::ActionSpec onward;
    onward.GoToFrame = true;
    onward.TargetFrame = "Cellar";
    sw::WriteActions(w, "Hall", {onward});
    sw::ActionSpec change;
    change.ScriptEnabled = true;
    change.ScriptText = "Door = 1\r\nSaid = |no|\r\nGoToFrame |Start|, 0, 1";
    sw::WriteActions(w, "Cellar", {change});
  }
  void TearDown() override {
    if (!HasFailure()) fs::remove_all(dir_);
  }

  void Play(const std::string& walk) {
    std::ofstream(dir_ / "walk.txt") << walk;
    const auto r =
        sw::testing::RunPlayer(dir_, "--headless --script walk.txt '" + project_.string() + "'",
                               "XDG_DATA_HOME='" + (dir_ / "data").string() + "'");
    EXPECT_EQ(r.status, 0) << r.err;
  }
  nlohmann::json Dump(const char* name) {
    return nlohmann::json::parse(sw::testing::ReadFile(dir_ / name));
  }
  // What a saved game restores.
  static nlohmann::json Restored(const nlohmann::json& dump) {
    nlohmann::json out;
    for (const char* key :
         {"frame", "history", "variables", "variants", "disappeared", "inventory"}) {
      out[key] = dump[key];
    }
    return out;
  }
};

TEST_F(SavedGamesEndToEndTest, SavedGameLoadsBackInTheSameAndInAFreshRun) {
  Play(
      "wait 100\n"
      "click 50 75\n"
      "wait 300\n"
      "click 50 75\n"
      "wait 300\n"
      "dump before.json\n"
      "key S ctrl\n"
      "dump saving.json\n"
      "dialog-type Run one\n"
      "dialog-press SAVE\n"
      "wait 100\n"
      "click 50 75\n"
      "wait 300\n"
      "dump changed.json\n"
      "key L ctrl\n"
      "dialog-select Run one\n"
      "dialog-press LOAD\n"
      "wait 2500\n"
      "dump same.json\n"
      "quit\n");
  const nlohmann::json before = Dump("before.json");
  EXPECT_EQ(before["frame"], "Cellar");
  EXPECT_EQ(before["inventory"], nlohmann::json::array({"Key", "Map"}));
  EXPECT_EQ(before["variants"][1]["type"], "Date");
  EXPECT_EQ(before["variants"][2]["type"], "Boolean");
  EXPECT_EQ(before["variants"][3]["type"], "Double");
  EXPECT_EQ(before["variants"][4]["type"], "Empty");
  EXPECT_EQ(before["disappeared"].size(), 1u);
  const nlohmann::json saving = Dump("saving.json");
  EXPECT_EQ(saving["saveDialog"], true);
  EXPECT_NE(Restored(Dump("changed.json")), Restored(before));
  const nlohmann::json same = Dump("same.json");
  EXPECT_EQ(Restored(same), Restored(before));
  EXPECT_EQ(same["savedGames"], nlohmann::json::array({"Run one"}));
  EXPECT_EQ(same["loadDialog"], false);
  EXPECT_EQ(same["messages"], nlohmann::json::array());

  const std::string file = sw::testing::ReadFile(project_ / "Run one.sav");
  EXPECT_EQ(file.rfind("\"Cellar\"\r\n2\r\n\"Door\"\r\n7\r\n\"Lamp\"\r\n-1\r\n", 0), 0u) << file;

  Play(
      "wait 100\n"
      "key L ctrl\n"
      "dialog-select run ONE\n"
      "dialog-press LOAD\n"
      "wait 2500\n"
      "dump fresh.json\n"
      "quit\n");
  EXPECT_EQ(Restored(Dump("fresh.json")), Restored(before));
}

}  // namespace
