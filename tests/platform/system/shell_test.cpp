#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

#include "base/vb_error.h"
#include "platform/system/child_process.h"
#include "platform/system/command_line.h"
#include "platform/system/path_resolver.h"
#include "platform/system/shell.h"
#include "platform/system/test_dir.h"

namespace sw {
namespace {

namespace fs = std::filesystem;
using sw::testing::TestDir;
using Args = std::vector<std::string>;

fs::path PutScript(TestDir& dir, const fs::path& relative, const std::string& body) {
  fs::path file = dir.Put(relative, "#!/bin/sh\n" + body + "\n");
  fs::permissions(file, fs::perms::owner_all, fs::perm_options::add);
  return file;
}

int ErrorNumberOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const VbError& e) {
    return e.number();
  }
  return 0;
}

TEST(WindowsCommandLine, ProgramThenArgumentsByTheRuntimeRules) {
  CommandLine quoted = ParseWindowsCommandLine("  \"My Tools\\run it.exe\"  -a \"b c\"  d");
  EXPECT_EQ(quoted.program, "My Tools\\run it.exe");
  EXPECT_EQ(quoted.arguments, (Args{"-a", "b c", "d"}));

  CommandLine bare = ParseWindowsCommandLine("setup.exe");
  EXPECT_EQ(bare.program, "setup.exe");
  EXPECT_TRUE(bare.arguments.empty());

  // Backslashes count only before a double quote.
  CommandLine slashes =
      ParseWindowsCommandLine(R"(p C:\dir\ a\\"b c" d\"e f\\\"g "say ""hi""" x"y"z)");
  EXPECT_EQ(slashes.program, "p");
  EXPECT_EQ(slashes.arguments,
            (Args{R"(C:\dir\)", R"(a\b c)", R"(d"e)", R"(f\"g)", R"(say "hi")", "xyz"}));

  EXPECT_EQ(ParseWindowsCommandLine("\"unclosed name").program, "unclosed name");
  EXPECT_EQ(ParseWindowsCommandLine("p \"\"").arguments, Args{""});
  EXPECT_EQ(ParseWindowsCommandLine("   ").program, "");
}

TEST(RunProgramAndWait, FindsTheProgramInTheFolderAndGivesItsExitStatus) {
  TestDir dir;
  PutScript(dir, "Tools/Run.sh",
            "printf '%s\\n' \"$@\" > args.txt\n"
            "pwd > pwd.txt\n"
            "exit 7");
  PathResolver resolver;
  int pumps = 0;
  int status = RunProgramAndWait("tools\\RUN.SH one \"two words\" th\\\"ree", dir.path(), resolver,
                                 [&] { ++pumps; });
  EXPECT_EQ(status, 7);
  EXPECT_EQ(TestDir::Slurp(dir.path() / "args.txt"), "one\ntwo words\nth\"ree\n");
  EXPECT_EQ(fs::path(TestDir::Slurp(dir.path() / "pwd.txt").substr(0, dir.path().string().size())),
            dir.path())
      << "runs in the folder";
}

TEST(RunProgramAndWait, KeepsPumpingEventsUntilTheProgramEnds) {
  TestDir dir;
  // The program ends only after the pump has run: the wait must pump while it waits.
  PutScript(dir, "wait.sh", "while [ ! -e \"$1\" ]; do sleep 0.02; done\nexit 0");
  fs::path marker = dir.path() / "pumped";
  PathResolver resolver;
  int pumps = 0;
  int status = RunProgramAndWait("wait.sh \"" + marker.string() + "\"", dir.path(), resolver, [&] {
    if (++pumps == 2) dir.Put("pumped", "x");
  });
  EXPECT_EQ(status, 0);
  EXPECT_GE(pumps, 2);
}

TEST(RunProgramAndWait, SearchesBareNamesInThePathAndReportsSignals) {
  TestDir dir;
  PathResolver resolver;
  auto no_pump = [] {};
  EXPECT_EQ(RunProgramAndWait("sh -c \"exit 3\"", dir.path(), resolver, no_pump), 3);
  EXPECT_EQ(RunProgramAndWait("sh -c \"kill -9 $$\"", dir.path(), resolver, no_pump), 128 + 9);
}

TEST(RunProgramAndWait, StartFailuresAreErrorsWithADescription) {
  TestDir dir;
  dir.Put("notes.txt", "not a program");
  PathResolver resolver;
  auto no_pump = [] {};
  EXPECT_EQ(ErrorNumberOf([&] { RunProgramAndWait("missing.exe", dir.path(), resolver, no_pump); }),
            vberr::kFileNotFound);
  EXPECT_EQ(
      ErrorNumberOf([&] { RunProgramAndWait("sub\\missing", dir.path(), resolver, no_pump); }),
      vberr::kFileNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { RunProgramAndWait("notes.txt", dir.path(), resolver, no_pump); }),
            vberr::kPermissionDenied);
  EXPECT_EQ(ErrorNumberOf([&] { RunProgramAndWait("", dir.path(), resolver, no_pump); }),
            vberr::kInvalidProcedureCall);
  try {
    RunProgramAndWait("missing.exe", dir.path(), resolver, no_pump);
  } catch (const VbError& e) {
    EXPECT_NE(e.description().find("missing.exe"), std::string::npos) << e.description();
  }
}

// Half of OpenWithDesktop.HandsTheTargetToXdgOpen: runs with a fake xdg-open first in PATH.
TEST(OpenWithDesktopChild, OpensAndWaitsForTheHandler) {
  const char* path = std::getenv("PATH");
  const char* out = std::getenv("SW_TEST_OPENED");
  if (out == nullptr || path == nullptr) GTEST_SKIP() << "runs only as a child process";
  OpenWithDesktop("mailto:ann@example.com?subject=Hi there&body=$HOME \"quoted\"");
  // The handler runs detached: wait for its mark, as a user would wait for the mail window.
  for (int i = 0; i < 500 && !fs::exists(std::string(out) + ".done"); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_EQ(TestDir::Slurp(out), "mailto:ann@example.com?subject=Hi there&body=$HOME \"quoted\"");
}

TEST(OpenWithDesktop, HandsTheTargetToXdgOpen) {
  TestDir dir;
  fs::path out = dir.path() / "opened";
  PutScript(dir, "bin/xdg-open",
            "printf '%s' \"$1\" > \"" + out.string() + "\"\ntouch \"" + out.string() + ".done\"");
  std::string path = (dir.path() / "bin").string() + ":" + std::getenv("PATH");
  EXPECT_TRUE(sw::testing::RunTestInChild("OpenWithDesktopChild.OpensAndWaitsForTheHandler",
                                          {{"SW_TEST_OPENED", out.string()}, {"PATH", path}}));
  EXPECT_TRUE(fs::exists(out));
}

// Runs with a PATH where no xdg-open can be found.
TEST(OpenWithDesktopChild, FailsWithoutXdgOpen) {
  if (std::getenv("SW_TEST_NO_OPENER") == nullptr) GTEST_SKIP() << "runs only as a child process";
  EXPECT_EQ(ErrorNumberOf([] { OpenWithDesktop("http://example.com/"); }), vberr::kFileNotFound);
}

TEST(OpenWithDesktop, IsAnErrorWithoutXdgOpen) {
  TestDir dir;
  EXPECT_TRUE(
      sw::testing::RunTestInChild("OpenWithDesktopChild.FailsWithoutXdgOpen",
                                  {{"SW_TEST_NO_OPENER", "1"}, {"PATH", dir.path().string()}}));
}

}  // namespace
}  // namespace sw
