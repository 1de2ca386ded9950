// The locale the game's scripts start in: the player's option, else the game's "Locale"
// setting, else the environment; chosen again when the game is reset.
#include <gtest/gtest.h>

#include "authoring/project_writer.h"
#include "scripting/host/game_script_host.h"
#include "test_support/headless_game.h"

namespace sw {
namespace {

class ScriptLocaleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ProjectWriter w(game.project());
    ProjectInfo info;
    ResetProjectInfo(info);
    info.SettingsSection = "ScriptLocaleTest";
    info.Title = "Locale Test";
    info.StartFrame = "Start";
    info.FrameWidth = 64;
    info.FrameHeight = 48;
    info.StartAtOnce = true;
    w.WriteGeneral(info);
    w.WriteFrame("Start", FrameFile{});
    w.WriteRaw(
        "Config/Procedures",
        "header 1\r\nheader 2\r\nheader 3\r\nFunction Half(x)\r\n  Half = x / 2\r\nEnd Function");
    auto host = std::make_unique<GameScriptHost>(game.runtime);
    host_ = host.get();
    game.runtime.subsystems().scripts = std::move(host);
  }

  void Setting(const std::string& value) {
    game.settings.Set("Software", "ScriptLocaleTest", "Locale", value);
  }
  // True when the script ran without an error.
  bool Runs(const std::string& script) { return !host_->ExecuteVBScript(script, true); }

  HeadlessGame game;
  GameScriptHost* host_ = nullptr;
};

TEST_F(ScriptLocaleTest, EnvironmentWhenNothingElseIsGiven) {
  host_->SetLocaleChoice({0, 1036});
  Setting("nonsense");  // an unknown setting is passed over
  ASSERT_TRUE(game.Start());
  EXPECT_EQ(host_->locale(), 1036);
  EXPECT_TRUE(Runs("If CStr(Half(1)) <> \"0,5\" Or GetLocale() <> 1036 Then Err.Raise 5"));
  EXPECT_TRUE(game.messages().empty());
}

TEST_F(ScriptLocaleTest, SettingWinsOverTheEnvironmentAndOptionOverBoth) {
  host_->SetLocaleChoice({0, 1036});
  Setting("de-DE");
  ASSERT_TRUE(game.Start());
  EXPECT_EQ(host_->locale(), 1031);
  EXPECT_TRUE(Runs("If MonthName(3) <> \"März\" Then Err.Raise 5"));

  host_->SetLocaleChoice({2057, 1036});
  host_->LoadProcedures();  // as ResetAll does
  EXPECT_EQ(host_->locale(), 2057);
  EXPECT_TRUE(Runs("If CStr(DateSerial(2026, 3, 15)) <> \"15/03/2026\" Then Err.Raise 5"));

  Setting("1041");
  host_->SetLocaleChoice({0, 1033});
  host_->LoadProcedures();
  EXPECT_EQ(host_->locale(), 1041);
}

TEST_F(ScriptLocaleTest, SetLocaleLastsUntilTheGameIsReset) {
  host_->SetLocaleChoice({0, 1033});
  ASSERT_TRUE(game.Start());
  EXPECT_TRUE(Runs("SetLocale \"de-de\""));
  EXPECT_TRUE(Runs("If GetLocale() <> 1031 Then Err.Raise 5"));
  host_->LoadProcedures();
  EXPECT_TRUE(Runs("If GetLocale() <> 1033 Or CStr(1.5) <> \"1.5\" Then Err.Raise 5"));
  EXPECT_TRUE(game.messages().empty());
}

}  // namespace
}  // namespace sw
