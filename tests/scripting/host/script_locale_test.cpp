// The locale the game's scripts start in: the player's option, else the game's "Locale"
// setting, else the environment; chosen again when the game is reset.
#include <gtest/gtest.h>

#include "script_game_fixture.h"

namespace sw::testing {
namespace {

class ScriptLocaleTest : public ScriptGameFixture {
 protected:
  ScriptLocaleTest() {
    writer.WriteProcedures("Function Half(x)\r\n  Half = x / 2\r\nEnd Function");
  }

  void Setting(const std::string& value) {
    game.settings.Set("Software", info.SettingsSection, "Locale", value);
  }
  // True when the script ran without an error.
  bool Runs(const std::string& script) { return !Run(script); }
};

TEST_F(ScriptLocaleTest, EnvironmentWhenNothingElseIsGiven) {
  host_->SetLocaleChoice({0, 1036});
  Setting("nonsense");  // an unknown setting is passed over
  Start();
  EXPECT_EQ(host_->locale(), 1036);
  EXPECT_TRUE(Runs("If CStr(Half(1)) <> \"0,5\" Or GetLocale() <> 1036 Then Err.Raise 5"));
  EXPECT_TRUE(messages().empty());
}

TEST_F(ScriptLocaleTest, SettingWinsOverTheEnvironmentAndOptionOverBoth) {
  host_->SetLocaleChoice({0, 1036});
  Setting("de-DE");
  Start();
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
  Start();
  EXPECT_TRUE(Runs("SetLocale \"de-de\""));
  EXPECT_TRUE(Runs("If GetLocale() <> 1031 Then Err.Raise 5"));
  host_->LoadProcedures();
  EXPECT_TRUE(Runs("If GetLocale() <> 1033 Or CStr(1.5) <> \"1.5\" Then Err.Raise 5"));
  EXPECT_TRUE(messages().empty());
}

}  // namespace
}  // namespace sw::testing
