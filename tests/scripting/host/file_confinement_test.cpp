// Scripts reach files only inside the game's folders: relative names lie in the game folder
// (backslashes included), links are followed and refused when they lead out, and reads
// outside fail as writes do, with error 70.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "authoring/project_writer.h"
#include "platform/system/user_dirs.h"
#include "scripting/host/game_script_host.h"
#include "test_support/headless_game.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

class FileConfinementTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ProjectWriter w(game.project());
    ProjectInfo info;
    ResetProjectInfo(info);
    info.SettingsSection = "ConfinementTest";
    info.StartFrame = "Start";
    info.FrameWidth = 64;
    info.FrameHeight = 48;
    info.StartAtOnce = true;
    w.WriteGeneral(info);
    w.WriteFrame("Start", FrameFile{});
    fs::create_directories(game.project() / "Data");
    fs::create_directories(outside_);
    auto host = std::make_unique<GameScriptHost>(game.runtime);
    host_ = host.get();
    game.runtime.subsystems().scripts = std::move(host);
    ASSERT_TRUE(game.Start());
  }

  // Runs the statements under On Error Resume Next and gives back "r", where the script
  // collects what it wants to show.
  std::string Run(const std::string& statements) {
    const std::string script =
        "Dim r, v, fso : Set fso = CreateObject(|Scripting.FileSystemObject|)\r\n"
        "On Error Resume Next\r\n" +
        statements + "\r\nAction.sFrameToLoad = r";
    std::string text;
    for (char c : script) text += c == '|' ? '"' : c;
    EXPECT_FALSE(host_->ExecuteVBScript(text, true));
    return host_->action().sFrameToLoad;
  }

  // A statement that adds the value of the expression (empty when it failed) and the error
  // number to "r".
  static std::string Probe(const std::string& expression) {
    return "Err.Clear : v = || : v = " + expression + " : r = r & | | & v & Err.Number\r\n";
  }

  static std::string Windows(const fs::path& p) {
    std::string s = p.string();
    for (char& c : s)
      if (c == '/') c = '\\';
    return s;
  }

  HeadlessGame game;
  fs::path outside_ = game.dir.path() / "outside";
  GameScriptHost* host_ = nullptr;
};

TEST_F(FileConfinementTest, DanglingLinksCannotCreateFilesOutside) {
  fs::create_symlink(outside_ / "created.txt", game.project() / "notes.txt");
  fs::create_symlink(outside_ / "created.ini", game.project() / "notes.ini");
  fs::create_symlink(outside_ / "appended.txt", game.project() / "log.txt");
  EXPECT_EQ(Run("Set f = fso.CreateTextFile(GetPath() & |notes.txt|, True) : r = Err.Number\r\n"
                "Err.Clear : Set f = fso.OpenTextFile(GetPath() & |notes.txt|, 2, True)\r\n"
                "r = r & | | & Err.Number\r\n"
                "Err.Clear : Set f = fso.OpenTextFile(|log.txt|, 8, True)\r\n"
                "r = r & | | & Err.Number\r\n"
                "Err.Clear : WriteINI |notes.ini|, |S|, |K|, |V| : r = r & | | & Err.Number"),
            "70 70 70 70");
  EXPECT_FALSE(fs::exists(outside_ / "created.txt"));
  EXPECT_FALSE(fs::exists(outside_ / "created.ini"));
  EXPECT_FALSE(fs::exists(outside_ / "appended.txt"));
}

TEST_F(FileConfinementTest, ReadsOutsideTheGameFoldersAreRefused) {
  std::ofstream(outside_ / "id_rsa") << "secret\r\n";
  std::ofstream(outside_ / "other.ini") << "[S]\r\nK=secret\r\n";
  const std::string key = Windows(outside_ / "id_rsa");
  const std::string ini = Windows(outside_ / "other.ini");
  EXPECT_EQ(Run("Set f = fso.OpenTextFile(|" + key + "|) : r = Err.Number\r\n" +
                Probe("ReadINI(|" + ini + "|, |S|, |K|)") + Probe("DDir(|/etc/*|, 0)") +
                Probe("DDir(|" + Windows(outside_) + "\\*|, 0)") +
                Probe("fso.FileExists(|" + key + "|)") +
                Probe("ReadINI(|..\\outside\\other.ini|, |S|, |K|)")),
            "70 70 70 70 70 70");
  // A link inside the game that points at the file is refused the same way.
  fs::create_symlink(outside_ / "id_rsa", game.project() / "key.txt");
  EXPECT_EQ(Run("Set f = fso.OpenTextFile(|key.txt|) : r = Err.Number"), "70");
}

TEST_F(FileConfinementTest, ReadsInsideTheGameAndTheUserDataFolderWork) {
  std::ofstream(game.project() / "Data" / "Notes.TXT") << "inside\r\n";
  fs::create_directories(UserDataDir());
  const fs::path mine = UserDataDir() / ("confinement-" + std::to_string(getpid()) + ".txt");
  std::ofstream(mine) << "mine\r\n";
  EXPECT_EQ(Run("r = fso.OpenTextFile(|data\\notes.txt|).ReadLine & Err.Number\r\n"
                "r = r & | | & fso.OpenTextFile(|" +
                Windows(mine) +
                "|).ReadLine & Err.Number\r\n"
                "r = r & | | & DDir(|Data\\*.txt|, 0) & Err.Number"),
            "inside0 mine0 Notes.TXT0");
  fs::remove(mine);
}

TEST_F(FileConfinementTest, RelativeNamesWithABackslashLieInTheGameFolder) {
  // The player's working folder is not the game's: the names must still reach the game.
  ASSERT_NE(fs::current_path(), game.project());
  EXPECT_EQ(Run("WriteINI |Data\\opts.ini|, |Main|, |Volume|, 7 : r = Err.Number\r\n"
                "r = r & | | & ReadINI(|Data\\opts.ini|, |Main|, |Volume|)\r\n"
                "Set f = fso.CreateTextFile(|Data\\log.txt|) : f.Write |x| : f.Close\r\n"
                "r = r & | | & fso.FileExists(|Data\\LOG.txt|) & Err.Number"),
            "0 7 True0");
  EXPECT_TRUE(fs::exists(game.project() / "Data" / "opts.ini"));
  EXPECT_TRUE(fs::exists(game.project() / "Data" / "log.txt"));
  EXPECT_FALSE(fs::exists("Data"));
}

}  // namespace
}  // namespace sw
