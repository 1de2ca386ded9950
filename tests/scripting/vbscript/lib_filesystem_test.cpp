// Scripting.FileSystemObject and TextStream under a host's file policy.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "scripting/vbscript/lib_file_access.h"
#include "scripting/vbscript/lib_test_support.h"

namespace sw::vbs {
namespace {

namespace fs = std::filesystem;

// Paths are relative to a scratch folder; only its "save" subfolder is writable.
class FakeAccess : public FileAccess {
 public:
  explicit FakeAccess(fs::path root) : root_(std::move(root)) {}
  fs::path Resolve(std::string_view p) const override { return root_ / FileAccess::Resolve(p); }
  bool MayWrite(const fs::path& p) const override {
    auto rel = p.lexically_normal().lexically_relative(root_ / "save");
    return !rel.empty() && *rel.begin() != "..";
  }

 private:
  fs::path root_;
};

class PolicyHost : public ScriptHost {
 public:
  explicit PolicyHost(const FileAccess* a) : access_(a) {}
  const FileAccess* file_access() const override { return access_; }

 private:
  const FileAccess* access_;
};

class FileSystem : public LibTest {
 protected:
  void SetUp() override {
    LibTest::SetUp();
    fs::remove_all(root_);
    fs::create_directories(root_ / "save");
    fs::create_directories(root_ / "data");
    std::ofstream(root_ / "data" / "in.txt", std::ios::binary) << "one\r\ntwo\nthree";
    engine.set_host(&host_);
    ASSERT_TRUE(engine.AddCode("Set fso = CreateObject(\"Scripting.FileSystemObject\")").ok());
  }
  void TearDown() override { engine.set_host(nullptr); }

  std::string FileText(const std::string& rel) {
    std::ifstream in(root_ / rel, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }

  // A scratch folder per test.
  static fs::path ScratchFolder() {
    return fs::path(SW_BINARY_DIR) / "lib_filesystem_test" /
           testing::UnitTest::GetInstance()->current_test_info()->name();
  }

  fs::path root_ = ScratchFolder();
  FakeAccess access_{root_};
  PolicyHost host_{&access_};
};

TEST_F(FileSystem, ExistenceChecks) {
  EXPECT_EQ(Run("WScript.Echo fso.FileExists(\"data\\in.txt\"), fso.FileExists(\"data\\no.txt\"), "
                "fso.FolderExists(\"data\"), fso.FolderExists(\"data\\in.txt\")"),
            "True False True False\n");
  EXPECT_EQ(Run("WScript.Echo fso.FileExists(\"\"), fso.FolderExists(\"\")"), "False False\n");
}

TEST_F(FileSystem, ReadLinesAndEnd) {
  EXPECT_EQ(Run("Set t = fso.OpenTextFile(\"data\\in.txt\")\n"
                "Do Until t.AtEndOfStream : WScript.Echo t.Line & \":\" & t.ReadLine : Loop\n"
                "t.Close"),
            "1:one\n2:two\n3:three\n");
  EXPECT_EQ(RunError("Set t = fso.OpenTextFile(\"data\\in.txt\", 1)\n"
                     "t.ReadLine : t.ReadLine : t.ReadLine : t.ReadLine"),
            62);
  EXPECT_EQ(Run("Set t = fso.OpenTextFile(\"data\\in.txt\") : WScript.Echo Len(t.ReadAll)"),
            "14\n");
}

TEST_F(FileSystem, WriteAppendAndReadBack) {
  EXPECT_EQ(Run("Set t = fso.CreateTextFile(\"save\\game.txt\")\n"
                "t.WriteLine \"score=10\" : t.Write \"a\" : t.Write 5 : t.WriteLine : t.Close\n"
                "Set t = fso.OpenTextFile(\"save\\game.txt\", 8) : t.WriteLine \"more\" : t.Close\n"
                "WScript.Echo fso.FileExists(\"save\\game.txt\")"),
            "True\n");
  EXPECT_EQ(FileText("save/game.txt"), "score=10\r\na5\r\nmore\r\n");
  Run("Set t = fso.OpenTextFile(\"save\\game.txt\", 2) : t.Write \"new\" : t.Close");
  EXPECT_EQ(FileText("save/game.txt"), "new");
}

TEST_F(FileSystem, UnicodeFilesAreUtf16WithByteOrderMark) {
  Run("Set t = fso.CreateTextFile(\"save\\u.txt\", True, True) : t.Write \"A\" & Chr(128) : "
      "t.Close\n"
      "Set t = fso.OpenTextFile(\"save\\u.txt\", 8, False, -1) : t.Write \"B\" : t.Close");
  EXPECT_EQ(FileText("save/u.txt"), std::string("\xFF\xFE"
                                                "A\0\xAC\x20"
                                                "B\0",
                                                8));
  EXPECT_EQ(Run("Set t = fso.OpenTextFile(\"save\\u.txt\", 1, False, -1)\n"
                "s = t.ReadAll : WScript.Echo Len(s), AscW(Mid(s, 2, 1)), Right(s, 1)"),
            "3 8364 B\n");
}

TEST_F(FileSystem, WritesOutsideAllowedFoldersAreRefused) {
  EXPECT_EQ(RunError("Set t = fso.CreateTextFile(\"data\\x.txt\")"), 70);
  EXPECT_EQ(RunError("Set t = fso.OpenTextFile(\"data\\in.txt\", 8)"), 70);
  EXPECT_EQ(RunError("fso.DeleteFile \"data\\in.txt\""), 70);
  EXPECT_EQ(RunError("Set t = fso.CreateTextFile(\"save\\..\\data\\x.txt\")"), 70);
  EXPECT_TRUE(fs::exists(root_ / "data" / "in.txt"));
  EXPECT_FALSE(fs::exists(root_ / "data" / "x.txt"));
}

TEST_F(FileSystem, OpenAndCreateErrors) {
  EXPECT_EQ(RunError("Set t = fso.OpenTextFile(\"data\\missing.txt\")"), 53);
  EXPECT_EQ(RunError("Set t = fso.OpenTextFile(\"save\\missing.txt\", 2)"), 53);
  EXPECT_EQ(RunError("Set t = fso.OpenTextFile(\"data\\in.txt\", 3)"), 5);
  EXPECT_EQ(RunError("Set t = fso.CreateTextFile(\"save\\nofolder\\x.txt\")"), 76);
  Run("Set t = fso.CreateTextFile(\"save\\once.txt\") : t.Close");
  EXPECT_EQ(RunError("Set t = fso.CreateTextFile(\"save\\once.txt\", False)"), 58);
  EXPECT_EQ(RunError("Set t = fso.OpenTextFile(\"data\\in.txt\") : t.Write \"x\""), 54);
  EXPECT_EQ(RunError("Set t = fso.OpenTextFile(\"save\\n.txt\", 2, True) : x = t.ReadLine"), 54);
}

TEST_F(FileSystem, PipesAndFoldersAreNeitherReadNorWrittenAsFiles) {
  // A pipe nobody opens from the other end blocked a read or a write for ever.
  ASSERT_EQ(mkfifo((root_ / "save" / "pipe").c_str(), 0600), 0);
  fs::create_directories(root_ / "save" / "folder");
  EXPECT_EQ(RunError("Set t = fso.OpenTextFile(\"save\\pipe\")"), 53);
  EXPECT_EQ(RunError("Set t = fso.OpenTextFile(\"save\\pipe\", 8)"), 70);
  EXPECT_EQ(RunError("Set t = fso.OpenTextFile(\"save\\pipe\", 2)"), 70);
  EXPECT_EQ(RunError("Set t = fso.CreateTextFile(\"save\\pipe\")"), 70);
  EXPECT_EQ(RunError("Set t = fso.CreateTextFile(\"save\\folder\")"), 70);
  EXPECT_TRUE(fs::is_directory(root_ / "save" / "folder"));
}

TEST_F(FileSystem, DeleteFile) {
  Run("Set t = fso.CreateTextFile(\"save\\gone.txt\") : t.Close");
  ASSERT_TRUE(fs::exists(root_ / "save" / "gone.txt"));
  EXPECT_EQ(
      Run("fso.DeleteFile \"save\\gone.txt\" : WScript.Echo fso.FileExists(\"save\\gone.txt\")"),
      "False\n");
  EXPECT_EQ(RunError("fso.DeleteFile \"save\\gone.txt\""), 53);
}

TEST_F(FileSystem, PathTextFunctions) {
  EXPECT_EQ(Str("fso.GetFileName(\"C:\\games\\save\\slot1.sav\")"), "slot1.sav");
  EXPECT_EQ(Str("fso.GetFileName(\"C:\\games\\save\\\")"), "save");
  EXPECT_EQ(Str("fso.GetFileName(\"slot1.sav\")"), "slot1.sav");
  EXPECT_EQ(Str("fso.GetParentFolderName(\"C:\\games\\save\\slot1.sav\")"), "C:\\games\\save");
  EXPECT_EQ(Str("fso.GetParentFolderName(\"slot1.sav\")"), "");
  EXPECT_EQ(Str("fso.BuildPath(\"C:\\games\", \"save\")"), "C:\\games\\save");
  EXPECT_EQ(Str("fso.BuildPath(\"C:\\games\\\", \"save\")"), "C:\\games\\save");
  EXPECT_EQ(Str("fso.GetBaseName(\"a\\b.c.txt\") & \"|\" & fso.GetExtensionName(\"a\\b.c.txt\")"),
            "b.c|txt");
}

TEST(FileSystemDefault, WithoutAHostPolicyNothingIsWritable) {
  Engine engine;
  Result r = engine.AddCode(
      "Set fso = CreateObject(\"Scripting.FileSystemObject\")\n"
      "Set t = fso.CreateTextFile(\"" +
      (fs::path(SW_BINARY_DIR) / "lib_fso_default.txt").string() + "\")");
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error().number, 70);
  EXPECT_FALSE(fs::exists(fs::path(SW_BINARY_DIR) / "lib_fso_default.txt"));
}

}  // namespace
}  // namespace sw::vbs
