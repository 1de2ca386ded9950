#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "base/vb_error.h"
#include "platform/system/child_process.h"
#include "platform/system/test_dir.h"
#include "platform/system/user_dirs.h"
#include "platform/system/user_settings.h"

namespace sw {
namespace {

namespace fs = std::filesystem;
using sw::testing::TestDir;

constexpr const char* kChildWrite = "SW_TEST_SETTINGS_WRITE";
constexpr const char* kChildCheck = "SW_TEST_SETTINGS_CHECK";
constexpr const char* kScript = "MsgBox \"a=b\"\r\nMsgBox [x] | \\ \té";

// Half of UserSettings.SurviveRestarts, run in a process of its own.
TEST(SettingsChildProcess, Writes) {
  const char* file = std::getenv(kChildWrite);
  if (file == nullptr) GTEST_SKIP() << "runs only as the child of SurviveRestarts";
  UserSettings settings(file);
  settings.Set("Software", "My Game", "_Score", "10");
  settings.Set("Software", "My Game", "ExecuteVBScriptCode", kScript);
  settings.Set("Software", "Other [Game|2]", "Path", "/games/other");
}

// The other half: checks what the parent process wrote.
TEST(SettingsChildProcess, Checks) {
  const char* file = std::getenv(kChildCheck);
  if (file == nullptr) GTEST_SKIP() << "runs only as the child of SurviveRestarts";
  UserSettings settings(file);
  EXPECT_EQ(settings.Get("Software", "My Game", "DisableTransitions", "False"), "True");
  EXPECT_EQ(settings.Get("Software", "My Game", "_Score", "0"), "11");
  EXPECT_EQ(settings.Get("Software", "Other [Game|2]", "Path"), "/games/other");
}

TEST(UserSettings, SurviveRestarts) {
  TestDir dir;
  fs::path file = dir.path() / "config/scenewright/settings.conf";
  ASSERT_TRUE(
      sw::testing::RunTestInChild("SettingsChildProcess.Writes", {{kChildWrite, file.string()}}));
  UserSettings settings(file);
  EXPECT_EQ(settings.Get("software", "MY GAME", "_score", "0"), "10");
  EXPECT_EQ(settings.Get("Software", "My Game", "ExecuteVBScriptCode"), kScript);
  EXPECT_EQ(settings.Get("Software", "other [game|2]", "PATH"), "/games/other");
  settings.Set("Software", "My Game", "DisableTransitions", "True");
  settings.Set("Software", "my game", "_SCORE", "11");
  EXPECT_TRUE(
      sw::testing::RunTestInChild("SettingsChildProcess.Checks", {{kChildCheck, file.string()}}));
}

TEST(UserSettings, DefaultsAndRemoval) {
  TestDir dir;
  UserSettings settings(dir.path() / "settings.conf");
  EXPECT_EQ(settings.Get("Software", "Game", "ChangeResolution", "1"), "1");
  EXPECT_EQ(settings.Get("Software", "Game", "DriveLetter"), "");
  EXPECT_FALSE(fs::exists(dir.path() / "settings.conf")) << "reading creates nothing";
  settings.Set("Software", "Game", "ChangeResolution", "0");
  settings.Set("Software", "Game", "Empty", "");
  settings.Set("Software", "Game", "#x=y", "not a comment");
  EXPECT_EQ(settings.Get("Software", "Game", "ChangeResolution", "1"), "0");
  EXPECT_EQ(settings.Get("Software", "Game", "Empty", "x"), "") << "an empty value is a value";
  EXPECT_EQ(settings.Get("Software", "Other", "ChangeResolution", "1"), "1");
  settings.Remove("SOFTWARE", "game", "changeresolution");
  EXPECT_EQ(settings.Get("Software", "Game", "ChangeResolution", "1"), "1");
  UserSettings later(dir.path() / "settings.conf");
  EXPECT_EQ(later.Get("Software", "Game", "Empty", "x"), "");
  EXPECT_EQ(later.Get("Software", "Game", "#X=Y"), "not a comment");
}

TEST(UserSettings, TwoPlayersOnOneFileKeepEachOthersValues) {
  TestDir dir;
  UserSettings first(dir.path() / "settings.conf");
  UserSettings second(dir.path() / "settings.conf");
  first.Set("Software", "A", "Key", "1");
  second.Set("Software", "B", "Key", "2");
  first.Set("Software", "A", "Other", "3");
  EXPECT_EQ(first.Get("Software", "B", "Key"), "2");
  EXPECT_EQ(second.Get("Software", "A", "Other"), "3");
  EXPECT_EQ(UserSettings(dir.path() / "settings.conf").Get("Software", "A", "Key"), "1");
  // Only the settings file is left in the folder: no temporary files.
  int files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, 1);
}

TEST(UserSettings, AFileThatCannotBeWrittenIsAnError) {
  TestDir dir;
  dir.Put("blocker", "a file where a folder should be");
  UserSettings settings(dir.path() / "blocker/settings.conf");
  try {
    settings.Set("Software", "Game", "Key", "1");
    FAIL() << "no error";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), vberr::kPathNotFound);
  }
}

TEST(UserDirs, FollowTheXdgVariables) {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  if (config != nullptr && config[0] == '/') {
    EXPECT_EQ(UserConfigDir(), fs::path(config) / "scenewright");
  } else if (home != nullptr && home[0] == '/') {
    EXPECT_EQ(UserConfigDir(), fs::path(home) / ".config/scenewright");
  }
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data != nullptr && data[0] == '/') {
    EXPECT_EQ(UserDataDir(), fs::path(data) / "scenewright");
  } else if (home != nullptr && home[0] == '/') {
    EXPECT_EQ(UserDataDir(), fs::path(home) / ".local/share/scenewright");
  }
  EXPECT_EQ(UserSettings::DefaultFile(), UserConfigDir() / "settings.conf");
}

}  // namespace
}  // namespace sw

namespace sw {
namespace {

TEST(UserSettings, ABurstOfChangesIsWrittenTogetherAndNothingIsLost) {
  TestDir dir;
  const fs::path file = dir.path() / "settings.conf";
  {
    UserSettings settings(file);
    for (int i = 0; i < 2000; ++i) settings.Set("Software", "Game", "_P", std::to_string(i));
    EXPECT_EQ(settings.Get("Software", "Game", "_P"), "1999");
    // Another player writes meanwhile; its value and ours both survive the next write.
    UserSettings(file).Set("Software", "Other", "Key", "theirs");
    settings.Set("Software", "Game", "_Q", "mine");
    settings.Flush();
    EXPECT_EQ(UserSettings(file).Get("Software", "Game", "_P"), "1999");
    EXPECT_EQ(UserSettings(file).Get("Software", "Other", "Key"), "theirs");
    for (int i = 0; i < 20; ++i) settings.Remove("Software", "Game", "_Q");
    settings.Set("Software", "Game", "_R", "last");
  }
  // What was still gathered is written when the store ends.
  UserSettings later(file);
  EXPECT_EQ(later.Get("Software", "Game", "_R"), "last");
  EXPECT_EQ(later.Get("Software", "Game", "_Q", "gone"), "gone");
  EXPECT_EQ(later.Get("Software", "Game", "_P"), "1999");
}

// Players running at once, each writing values of its own: a write that read the file just
// before another player replaced it must not put the older content back.
TEST(UserSettings, PlayersWritingAtTheSameTimeLoseNoValues) {
  TestDir dir;
  const fs::path file = dir.path() / "config/settings.conf";
  constexpr int kPlayers = 4, kValues = 40;
  std::vector<pid_t> children;
  for (int p = 0; p < kPlayers; ++p) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      int status = 0;
      try {
        UserSettings settings(file);
        for (int v = 0; v < kValues; ++v) {
          settings.Set("Software", "Game " + std::to_string(p), "_V" + std::to_string(v), "x");
          settings.Flush();  // every change written at once, as outside a burst
        }
      } catch (...) {
        status = 1;
      }
      _exit(status);
    }
    children.push_back(pid);
  }
  for (pid_t pid : children) {
    int status = -1;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  UserSettings settings(file);
  int missing = 0;
  for (int p = 0; p < kPlayers; ++p) {
    for (int v = 0; v < kValues; ++v) {
      missing +=
          settings.Get("Software", "Game " + std::to_string(p), "_V" + std::to_string(v)).empty();
    }
  }
  EXPECT_EQ(missing, 0);
}

}  // namespace
}  // namespace sw
