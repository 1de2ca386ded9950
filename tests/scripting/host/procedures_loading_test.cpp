#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "script_game_fixture.h"

namespace sw::testing {
namespace {

class ProceduresLoadingTest : public ScriptGameFixture {};

TEST_F(ProceduresLoadingTest, ProcEncrMustBeNumericallyOne) {
  const std::string source = "Function Twice(x)\r\n  Twice = x * 2 ' {}\tcafé\r\nEnd Function";
  EXPECT_THROW(writer.WriteProcedures("' ~", true), std::invalid_argument)
      << "'~' cannot be scrambled";
  writer.WriteProcedures(source, true, info.SettingsSection);
  for (const char* flag : {"1.0", "01", "1"}) {
    writer.WriteMoreSetting("General", "ProcEncr", flag);
    Start();
    EXPECT_EQ(host_->procedures(), source) << flag;
    EXPECT_FALSE(Run("Action.sFrameToLoad = Twice(21)")) << flag;
    EXPECT_EQ(action().sFrameToLoad, "42");
  }
  for (const char* flag : {"2", ""}) {
    writer.WriteMoreSetting("General", "ProcEncr", flag);
    Start();
    EXPECT_NE(host_->procedures(), source) << flag << ": read as plain text";
  }
  // A plain file is read as it stands.
  writer.WriteProcedures(source);
  Start();
  EXPECT_EQ(host_->procedures(), source);
  EXPECT_TRUE(messages().empty());
}

TEST_F(ProceduresLoadingTest, ScrambledForAnotherProjectFailsAtTheFirstRun) {
  writer.WriteProcedures("Sub Hello\r\nEnd Sub", true, "Some Other Game");
  Start();
  EXPECT_TRUE(Run("Hello"));
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_NE(messages()[0].text.find("Error executing script."), std::string::npos);
}

TEST_F(ProceduresLoadingTest, HeaderOnlyFileIsReportedAndScriptsStillRun) {
  writer.WriteRaw("Config/Procedures", "one\r\ntwo\r\nthree\r\n");
  Start();
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].text, "Error loading projet procedures.");
  EXPECT_EQ(messages()[0].title, "Error");
  EXPECT_EQ(messages()[0].icon, "critical");
  EXPECT_EQ(host_->procedures(), "");
  EXPECT_FALSE(Run("Action.sFrameToLoad = 1 + 1"));
  EXPECT_EQ(action().sFrameToLoad, "2");
}

TEST_F(ProceduresLoadingTest, PipeOrEndlessDeviceIsReportedWithoutBlocking) {
  namespace fs = std::filesystem;
  const fs::path file = game.project() / "Config" / "Procedures";
  // A pipe nobody writes to blocked the start for ever; a link to an endless device would
  // read until memory ran out.
  fs::remove(file);
  ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
  Start();
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].text, "Error loading projet procedures.");
  fs::remove(file);
  fs::create_symlink("/dev/zero", file);
  Start();
  EXPECT_EQ(messages().size(), 2u);
  EXPECT_EQ(host_->procedures(), "");
  EXPECT_FALSE(Run("Action.sFrameToLoad = 3 * 3"));
  EXPECT_EQ(action().sFrameToLoad, "9");
}

TEST_F(ProceduresLoadingTest, ScriptTimeOutComesFromMore) {
  writer.WriteProcedures("Sub Forever\r\n  Do : Loop\r\nEnd Sub");
  writer.WriteMoreSetting("General", "ScriptTimeOut", "1");
  Start();
  EXPECT_TRUE(Run("Forever"));
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_NE(messages()[0].text.find("Script timed out"), std::string::npos);
}

}  // namespace
}  // namespace sw::testing
