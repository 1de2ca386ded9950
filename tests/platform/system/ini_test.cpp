#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "base/vb_error.h"
#include "platform/system/child_process.h"
#include "platform/system/ini_document.h"
#include "platform/system/path_resolver.h"
#include "platform/system/private_profile.h"
#include "platform/system/test_dir.h"

namespace sw {
namespace {

namespace fs = std::filesystem;
using sw::testing::TestDir;

constexpr std::string_view kMore =
    "; written by the editor\r\n"
    "stray=before any section\r\n"
    "[General]\r\n"
    "  ProcEncr =  1  \r\n"
    "ScriptTimeOut=\"  30 \"\r\n"
    "Quoted='x'\r\n"
    "odd line without equals\r\n"
    ";Commented=1\r\n"
    "\r\n"
    "[ Extra ]\r\n"
    "Key=first\r\n"
    "[general]\r\n"
    "ProcEncr=2\r\n"
    "Late=3\r\n";

TEST(IniDocument, ReadsWithTheProfileRules) {
  IniDocument ini(kMore);
  EXPECT_EQ(ini.Get("general", "procencr"), "1");
  EXPECT_EQ(ini.Get("GENERAL", " ScriptTimeOut "), "  30 ") << "quotes removed, inner blanks kept";
  EXPECT_EQ(ini.Get("General", "Quoted"), "x");
  EXPECT_EQ(ini.Get("extra", "KEY"), "first");
  EXPECT_FALSE(ini.Get("General", "Late")) << "only the first section of a name counts";
  EXPECT_FALSE(ini.Get("General", "Commented"));
  EXPECT_FALSE(ini.Get("General", "odd line without equals"));
  EXPECT_FALSE(ini.Get("General", "stray"));
  EXPECT_FALSE(ini.Get("Missing", "ProcEncr"));
  EXPECT_EQ(ini.Keys("general"), (std::vector<std::string>{"ProcEncr", "ScriptTimeOut", "Quoted"}));
  EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"General", "Extra"}));
  EXPECT_EQ(ini.bytes(), kMore) << "reading changes nothing";
}

TEST(IniDocument, ChangesOnlyTheLineItMustChange) {
  IniDocument ini(kMore);
  ini.Set("GENERAL", "procencr", "0");
  std::string expected(kMore);
  expected.replace(expected.find("  ProcEncr =  1  "), 17, "ProcEncr=0");
  EXPECT_EQ(ini.bytes(), expected);
}

TEST(IniDocument, AddsKeysAtTheEndOfTheirSectionAndNewSectionsAtTheEnd) {
  IniDocument ini(kMore);
  ini.Set("General", "NewKey", "a b");
  ini.Set("Sound", "Volume", "8");
  std::string expected(kMore);
  expected.insert(expected.find("\r\n\r\n[ Extra ]") + 2, "NewKey=a b\r\n");
  expected += "[Sound]\r\nVolume=8\r\n";
  EXPECT_EQ(ini.bytes(), expected);
  EXPECT_EQ(ini.Get("general", "newkey"), "a b");
}

TEST(IniDocument, KeepsTheFilesLineEnds) {
  IniDocument unix_style("[A]\nx=1\n");
  unix_style.Set("A", "y", "2");
  unix_style.Set("B", "z", "3");
  EXPECT_EQ(unix_style.bytes(), "[A]\nx=1\ny=2\n[B]\nz=3\n");

  IniDocument no_final_break("[A]\r\nx=1");
  no_final_break.Set("A", "y", "2");
  EXPECT_EQ(no_final_break.bytes(), "[A]\r\nx=1\r\ny=2\r\n");

  IniDocument empty;
  empty.Set("General", "Key", "v");
  EXPECT_EQ(empty.bytes(), "[General]\r\nKey=v\r\n");

  IniDocument section_only("[A]");
  section_only.Set("A", "k", "v");
  EXPECT_EQ(section_only.bytes(), "[A]\r\nk=v\r\n");
}

TEST(IniDocument, RemovesKeysAndComparesNamesOfEveryScript) {
  IniDocument ini("[CafÉ]\r\nNÉ=1\r\nКлюч=2\r\nOther=3\r\n");
  EXPECT_EQ(ini.Get("café", "né"), "1");
  EXPECT_EQ(ini.Get("CAFÉ", "КЛЮЧ"), "2");
  EXPECT_TRUE(ini.Remove("CAFÉ", "né"));
  EXPECT_FALSE(ini.Remove("CAFÉ", "né"));
  EXPECT_EQ(ini.bytes(), "[CafÉ]\r\nКлюч=2\r\nOther=3\r\n");
}

TEST(PrivateProfile, MissingFilesAndKeysGiveTheDefault) {
  TestDir dir;
  PathResolver resolver;
  PrivateProfile profile(resolver);
  EXPECT_EQ(profile.Read(dir.game() + "More", "General", "ProcEncr", "0"), "0");
  EXPECT_EQ(profile.Read(dir.game() + "More", "General", "ProcEncr", "dflt  "), "dflt");
  EXPECT_EQ(profile.Read(dir.game() + "More", "General", "ProcEncr"), "");
  dir.Put("Config/More", "[General]\r\nProcEncr=1\r\n");
  EXPECT_EQ(profile.Read(dir.game() + "CONFIG\\more", "general", "PROCENCR", "0"), "1");
  EXPECT_EQ(profile.Read(dir.game() + "config\\More", "General", "ScriptTimeOut", "0"), "0");
  EXPECT_EQ(profile.Keys(dir.game() + "config\\more", "GENERAL"),
            std::vector<std::string>{"ProcEncr"});
  EXPECT_TRUE(profile.Keys(dir.game() + "config\\none", "General").empty());
}

TEST(PrivateProfile, WritesCreateTheFileAndKeepTheRest) {
  TestDir dir;
  PathResolver resolver;
  PrivateProfile profile(resolver);
  fs::path existing = dir.Put("Config/More", std::string(kMore));
  profile.Write(dir.game() + "config\\MORE", "general", "ScriptTimeOut", "5");
  std::string expected(kMore);
  expected.replace(expected.find("ScriptTimeOut=\"  30 \""), 21, "ScriptTimeOut=5");
  EXPECT_EQ(TestDir::Slurp(existing), expected);

  profile.Write(dir.game() + "config\\Scores.ini", "Best", "Name", "Ann");
  EXPECT_EQ(TestDir::Slurp(dir.path() / "Config/Scores.ini"), "[Best]\r\nName=Ann\r\n");
  profile.Remove(dir.game() + "config\\scores.ini", "best", "name");
  EXPECT_EQ(TestDir::Slurp(dir.path() / "Config/Scores.ini"), "[Best]\r\n");
}

// Lines a write does not touch keep their bytes even where decoding and encoding them again
// would change them: characters code page 932 has twice, and bytes of no character.
TEST(PrivateProfile, UntouchedLinesKeepTheirBytes) {
  TestDir dir;
  PathResolver japanese("CP932");
  const std::string nec = "[\x93\xFA]\r\nA=\xED\x40\x87\x90\xEE\xF9\r\nB=1\r\nC=\xED\x40\r\n";
  fs::path file = dir.Put("Config/Notes.ini", nec);
  // The duplicates decode to the characters the other codes also stand for.
  EXPECT_EQ(japanese.codec().FromUtf8(japanese.codec().ToUtf8("\xED\x40\x87\x90\xEE\xF9")),
            "\xFA\x5C\x81\xE0\x81\xCA");
  PrivateProfile(japanese).Write(dir.game() + "Config\\Notes.ini", "日", "B", "2");
  std::string expected = nec;
  expected.replace(expected.find("B=1"), 3, "B=2");
  EXPECT_EQ(TestDir::Slurp(file), expected);
  // A changed line is written as the code page's converter writes it.
  PrivateProfile(japanese).Write(dir.game() + "Config\\Notes.ini", "日", "C", "\xE7\xBA\x8Ax");
  expected.replace(expected.find("C=\xED\x40"), 4, "C=\xFA\x5Cx");
  EXPECT_EQ(TestDir::Slurp(file), expected);
  PrivateProfile(japanese).Remove(dir.game() + "Config\\Notes.ini", "日", "B");
  expected.erase(expected.find("B=2\r\n"), 5);
  EXPECT_EQ(TestDir::Slurp(file), expected);

  PathResolver western;
  const std::string odd = "[S]\r\nOdd=\x81\x8D\r\nKey=1\n";
  file = dir.Put("Config/Odd.ini", odd);
  PrivateProfile(western).Write(dir.game() + "Config\\Odd.ini", "S", "Key", "2");
  EXPECT_EQ(TestDir::Slurp(file), "[S]\r\nOdd=\x81\x8D\r\nKey=2\n");
}

TEST(PrivateProfile, AWriteIntoAMissingFolderFails) {
  TestDir dir;
  PathResolver resolver;
  PrivateProfile profile(resolver);
  try {
    profile.Write(dir.game() + "nowhere\\x.ini", "A", "B", "C");
    FAIL() << "no error";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), vberr::kPathNotFound);
  }
  EXPECT_FALSE(fs::exists(dir.path() / "nowhere"));
}

constexpr const char* kChildIni = "SW_TEST_INI_FILE";

// Half of PrivateProfile.ValuesSurviveRestarts, run in a process of its own.
TEST(IniChildProcess, WritesAndChecks) {
  const char* file = std::getenv(kChildIni);
  if (file == nullptr) GTEST_SKIP() << "runs only as the child of ValuesSurviveRestarts";
  PathResolver resolver;
  PrivateProfile profile(resolver);
  EXPECT_EQ(profile.Read(file, "Parent", "Value"), "from the parent");
  profile.Write(file, "Child", "Value", "from the child");
}

TEST(PrivateProfile, ValuesSurviveRestarts) {
  TestDir dir;
  std::string file = dir.game() + "Game.ini";
  {
    PathResolver resolver;
    PrivateProfile(resolver).Write(file, "Parent", "Value", "from the parent");
  }
  ASSERT_TRUE(sw::testing::RunTestInChild("IniChildProcess.WritesAndChecks",
                                          {{kChildIni, (dir.path() / "GAME.INI").string()}}));
  PathResolver resolver;
  EXPECT_EQ(PrivateProfile(resolver).Read(file, "child", "value"), "from the child");
}

}  // namespace
}  // namespace sw
