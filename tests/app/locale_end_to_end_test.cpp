// The scripts' regional settings through the binary: the environment decides, --locale wins
// over it, and an unknown --locale is a bad argument.
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

class LocaleEndToEndTest : public ::testing::Test {
 protected:
  fs::path dir_ = fs::temp_directory_path() / ("sw_locale_e2e_" + std::to_string(getpid()));
  fs::path project_ = dir_ / "game";

  void SetUp() override {
    fs::remove_all(dir_);
    sw::ProjectWriter w(project_);
    const sw::ProjectInfo info = sw::testing::SmallGameInfo("Regional", "LocaleEndToEnd");
    w.WriteGeneral(info);
    w.WriteTexts(0);
    w.WriteVariables({}, {});
    w.WriteProcedures("", true, info.SettingsSection);
    sw::FrameFile start;
    start.FrameBackground = "0";
    start.ScriptEnabled = true;
    start.ScriptText = sw::Variant(
        std::string("Message CStr(1.5) & | | & MonthName(3) & | | & GetLocale() & | | & "
                    "FormatDateTime(DateSerial(2026, 3, 15), 2)"));
    w.WriteFrame("Start", start);
    std::ofstream(dir_ / "walk.txt") << "wait 100\ndialog-press OK\nwait 50\n";
  }
  void TearDown() override { fs::remove_all(dir_); }

  // The text of the start frame's message when the player runs with `options` in
  // `environment`.
  std::string Shown(const std::string& options, const std::string& environment) {
    const auto r = sw::testing::RunPlayer(
        dir_,
        "--headless --script walk.txt --dump end.json " + options + " '" + project_.string() + "'",
        environment);
    EXPECT_EQ(r.status, 0) << r.err;
    const auto end = nlohmann::json::parse(sw::testing::ReadFile(dir_ / "end.json"));
    if (end["messages"].empty()) return "";
    return end["messages"][0]["text"];
  }
};

TEST_F(LocaleEndToEndTest, EnvironmentThenOptionChooseTheScriptsLocale) {
  EXPECT_EQ(Shown("", "LC_ALL=C.UTF-8"), "1.5 March 1033 3/15/2026");
  EXPECT_EQ(Shown("", "LC_ALL= LC_NUMERIC= LANG=de_DE.UTF-8"), "1,5 März 1031 15.03.2026");
  EXPECT_EQ(Shown("", "LC_ALL=fr_FR.UTF-8 LANG=de_DE.UTF-8"), "1,5 mars 1036 15/03/2026");
  EXPECT_EQ(Shown("--locale 2057", "LC_ALL=de_DE.UTF-8"), "1.5 March 2057 15/03/2026");
  EXPECT_EQ(Shown("--locale ja-JP", ""), "1.5 3月 1041 2026/03/15");
}

TEST_F(LocaleEndToEndTest, UnknownLocaleIsABadArgument) {
  const auto r =
      sw::testing::RunPlayer(dir_, "--headless --locale xx-yy '" + project_.string() + "'");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err,
            "scenewright: unknown locale 'xx-yy' (give a name such as de-DE or a Windows locale "
            "ID such as 1031)\n");
}

}  // namespace
