// The game check on the bundled sample game, which must come out clean, and on damaged copies
// of it: each fault is named with its file and line.
#include "check/game_check.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "authoring/project_writer.h"
#include "test_support/temp_dir.h"

namespace sw::check {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteAll(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

// The 1-based line of the first occurrence of `text` in a file, 0 when it is not there.
int LineOf(const fs::path& file, const std::string& text) {
  const std::string bytes = ReadAll(file);
  const size_t at = bytes.find(text);
  if (at == std::string::npos) return 0;
  return 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + at, '\n'));
}

class GameCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy(fs::path(SW_BINARY_DIR) / "examples" / "sample", game_, fs::copy_options::recursive);
  }

  // Replaces the first `from` in a file of the game by `to`; the test fails when it is missing.
  void Edit(const std::string& file, const std::string& from, const std::string& to) {
    std::string bytes = ReadAll(game_ / file);
    const size_t at = bytes.find(from);
    ASSERT_NE(at, std::string::npos) << from << " not in " << file;
    bytes.replace(at, from.size(), to);
    WriteAll(game_ / file, bytes);
  }

  std::vector<std::string> Lines() {
    std::vector<std::string> lines;
    findings_ = CheckGame(game_);
    for (const Finding& f : findings_) lines.push_back(FormatFinding(f));
    return lines;
  }

  std::string At(const std::string& file, const std::string& text) {
    return file + ":" + std::to_string(LineOf(game_ / file, text));
  }

  TempDir temp_;
  fs::path game_ = temp_.path() / "game";
  std::vector<Finding> findings_;
};

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST_F(GameCheckTest, TheSampleGameIsClean) {
  EXPECT_THAT(Lines(), IsEmpty());
  EXPECT_FALSE(HasErrors(findings_));
}

TEST_F(GameCheckTest, AFolderWithoutProjectInformationIsNoGame) {
  fs::remove(game_ / "Config" / "General");
  EXPECT_THAT(Lines(), ElementsAre("Config/General: error: missing: there is no game in this "
                                   "folder (no project information file)"));
}

TEST_F(GameCheckTest, MissingAndUndecodablePictures) {
  fs::remove(game_ / "Frames" / "seaview.bmp");
  WriteAll(game_ / "Areas" / "boat.bmp", "not a picture");
  fs::remove(game_ / "Areas" / "oil_icon.bmp");
  const auto lines = Lines();
  EXPECT_THAT(lines, Contains(At("Frames/Sea.fme", "seaview.bmp") +
                              ": error: missing background picture 'Frames/seaview.bmp'"));
  EXPECT_THAT(lines, Contains(At("FramesData/Harbour.fm2", "boat.bmp") +
                              ": error: unreadable picture of hotspot #1 'Areas/boat.bmp': "
                              "Invalid picture"));
  EXPECT_THAT(lines, Contains("Areas/Oil.obj:1: error: missing item icon 'Areas/oil_icon.bmp'"));
  EXPECT_EQ(lines.size(), 3u);
  EXPECT_TRUE(HasErrors(findings_));
}

TEST_F(GameCheckTest, AMissingPointerIsNamedAtEachHotspotAndTheEndingWithoutItsMusic) {
  fs::remove(game_ / "Icons" / "hand.cur");
  fs::remove(game_ / "Frames" / "fanfare.mid");
  const auto lines = Lines();
  // Every hotspot of the sample shows the hand: each one is named.
  EXPECT_THAT(lines, Contains(At("FramesData/Dawn.fm2", "hand.cur") +
                              ": error: missing pointer 'Icons/hand.cur'"));
  EXPECT_THAT(lines, Contains(At("FramesData/Harbour.fm2", "hand.cur") +
                              ": error: missing pointer 'Icons/hand.cur'"));
  EXPECT_THAT(lines, Contains(At("Frames/Dawn.fme", "fanfare.mid") + ": error: missing music "
                                                                     "'Frames/fanfare.mid'"));
  int pointers = 0;
  for (const std::string& line : lines) pointers += line.find("missing pointer") != line.npos;
  EXPECT_EQ(pointers, static_cast<int>(lines.size()) - 1);
  EXPECT_GE(pointers, 15);
  EXPECT_TRUE(HasErrors(findings_));
}

TEST_F(GameCheckTest, MissingAndUnplayableSounds) {
  fs::remove(game_ / "Areas" / "surf.wav");
  WriteAll(game_ / "Frames" / "shanty.mid", "RIFF0000WAVEnothing here");
  const auto lines = Lines();
  EXPECT_THAT(lines, Contains(At("Frames/Harbour.fme", "surf.wav") +
                              ": error: missing sound 'Areas/surf.wav'"));
  EXPECT_THAT(lines, Contains(At("Frames/Harbour.fme", "shanty.mid") +
                              ": error: unreadable music 'Frames/shanty.mid': not a media file"));
  EXPECT_EQ(lines.size(), 2u);
}

TEST_F(GameCheckTest, NamesInAnotherLetterCaseWorkButAreWarnedAbout) {
  fs::rename(game_ / "Areas" / "bell.wav", game_ / "Areas" / "BELL.wav");
  Edit("Frames/Harbour.fme", "\"Storm\"", "\"STORM\"");
  const auto lines = Lines();
  EXPECT_THAT(lines, ::testing::UnorderedElementsAre(
                         At("FramesData/Harbour.fm3", "bell.wav") +
                             ": warning: sound 'Areas/bell.wav' is 'Areas/BELL.wav' on "
                             "disk: it matches only in another letter case",
                         At("Frames/Harbour.fme", "STORM") +
                             ": warning: frame 'STORM' (named by the frame timer) is the "
                             "frame 'Storm': it matches only in another letter case"));
  EXPECT_FALSE(HasErrors(findings_));
}

TEST_F(GameCheckTest, FramesThatDoNotExist) {
  fs::remove(game_ / "Frames" / "Tower.fme");
  Edit("Config/General", "\"Harbour\"", "\"Quay\"");
  const auto lines = Lines();
  EXPECT_THAT(lines, Contains(At("Config/General", "Quay") +
                              ": error: frame 'Quay' does not exist (the start frame; no file "
                              "'Frames/Quay.fme')"));
  Edit("Frames/Harbour.fme", "\"Storm\"", "\"Tower\"");
  EXPECT_THAT(Lines(), Contains(At("Frames/Harbour.fme", "\"Tower\"") +
                                ": error: frame 'Tower' does not exist (named by the frame "
                                "timer; no file 'Frames/Tower.fme')"));
  EXPECT_THAT(lines, Contains(::testing::HasSubstr(
                         "error: frame 'Tower' does not exist (named by the action of hotspot")));
}

TEST_F(GameCheckTest, ProceduresThatDoNotCompileNameTheEnginesErrorAndTheFileLine) {
  Edit("Config/Procedures", "  End If\r\n", "");
  EXPECT_THAT(Lines(), ElementsAre(At("Config/Procedures", "End Sub") +
                                   ": error: the procedures do not compile: Expected 'If' (error "
                                   "1012)"));
}

TEST_F(GameCheckTest, AFrameScriptThatDoesNotCompile) {
  Edit("Frames/Harbour.fme", "Text(3).Caption = |Visits", "Text(3).Caption = = |Visits");
  EXPECT_THAT(Lines(), ElementsAre(At("Frames/Harbour.fme", "Caption = =") +
                                   ": error: the frame script does not compile: Expected "
                                   "expression (error 1023)"));
}

TEST_F(GameCheckTest, AnActionScriptThatDoesNotCompile) {
  // The second line of the lamp's script loses its closing parenthesis.
  Edit("FramesData/Sea.fm3", "\"WindowObject.TimerObject(1).Enabled = (LampLit = 1)\"",
       "\"x = 1\r\nWindowObject.TimerObject(1).Enabled = (LampLit = 1\"");
  EXPECT_THAT(Lines(), ElementsAre(At("FramesData/Sea.fm3", "WindowObject") +
                                   ": error: the script of the action of hotspot #1 does not "
                                   "compile: Expected ')' (error 1006)"));
}

TEST_F(GameCheckTest, CombinationsNamingMissingItemsOrBrokenScripts) {
  Edit("Areas/Oil_on_Wick.drg", "\"Lantern\"", "\"Lamp\"");
  Edit("Areas/Oil_on_Wick.drg", "Text(2).Caption =", "Text(2).Caption = =");
  const auto lines = Lines();
  EXPECT_THAT(lines, ElementsAre("Areas/Oil_on_Wick.drg:2: error: item 'Lamp' does not exist "
                                 "(the result of this combination; no file 'Areas/Lamp.obj')",
                                 "Areas/Oil_on_Wick.drg:4: error: the combination script does not "
                                 "compile: Expected expression (error 1023)"));
}

TEST_F(GameCheckTest, PickUpsAndDropsNamingItemsThatDoNotExist) {
  fs::remove(game_ / "Areas" / "Wick.obj");
  const auto lines = Lines();
  EXPECT_THAT(lines, Contains(At("FramesData/Hut.fm4", "\"Wick\"") +
                              ": error: item 'Wick' does not exist (named by the pick-up of "
                              "hotspot #2; no file 'Areas/Wick.obj')"));
  EXPECT_THAT(lines, Contains("Areas/Oil_on_Wick.drg: error: item 'Wick' does not exist (the "
                              "target of this combination; no file 'Areas/Wick.obj')"));
}

TEST_F(GameCheckTest, UndeclaredVariablesInConditionsAndActions) {
  Edit("Config/Variables", "\"HutLit\"\r\n", "\"hutlit\"\r\n");
  const auto lines = Lines();
  EXPECT_THAT(lines, Contains(At("FramesData/Hut.fm2", "\"HutLit\"") +
                              ": error: the condition of hotspot #5: 'HutLit' is not a declared "
                              "integer variable (the variable 'hutlit' differs in letter case, "
                              "and variable names are compared exactly)"));
  EXPECT_THAT(lines, Contains(::testing::StartsWith("FramesData/Hut.fm0:")));
}

TEST_F(GameCheckTest, ObjectTimersWithoutTheirProcedure) {
  Edit("Config/Procedures", "Sub TimerObject1", "Sub TimerObjectOne");
  const auto lines = Lines();
  EXPECT_THAT(lines, Contains(At("Frames/Sea.fme", "TimerObject(1)") +
                              ": error: object timer 1 is used, but the procedures define no "
                              "Sub TimerObject1"));
}

TEST_F(GameCheckTest, AWaterEffectWithoutItsMask) {
  WriteAll(game_ / "Frames" / "Sea.rwe", "0,0,0,0,0,0,10,300,200,100,5,2\r\n");
  EXPECT_THAT(Lines(), ElementsAre("Frames/Sea.rwe: error: missing water mask 'Frames/Sea.rwm'"));
  WriteAll(game_ / "Frames" / "Sea.rwm", "no picture");
  EXPECT_THAT(Lines(), ElementsAre("Frames/Sea.rwe: error: unreadable water mask "
                                   "'Frames/Sea.rwm': Invalid picture"));
}

TEST_F(GameCheckTest, UnreadableValueFilesSayWhereTheyStopped) {
  Edit("FramesData/Hut.fm2", "750,900,0,#TRUE#", "750,\"wide\",0,#TRUE#");
  EXPECT_THAT(Lines(), ElementsAre(At("FramesData/Hut.fm2", "\"oilcan.bmp\"") +
                                   ": error: cannot read hotspot #1: Type mismatch"));
}

}  // namespace
}  // namespace sw::check
