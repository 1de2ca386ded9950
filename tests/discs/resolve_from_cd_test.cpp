// Finding a file on the game's discs: the direct try on the disc in use, the index search,
// and the prompt for the right disc with its answers (OK on a folder, a wrong disc, a folder
// that does not exist, Cancel, the end of the program).
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/game/game_window.h"
#include "disc_fixture.h"

namespace sw::testing {
namespace {

namespace fs = std::filesystem;

class ResolveFromCDTest : public DiscFixture {
 protected:
  // Disc 1 holds the hall picture, disc 2 the cellar picture and the door sound.
  void TwoDiscGame() {
    CDContents contents;
    contents.CDCount = 2;
    contents.Entries = {{"hall.bmp", 1, 1}, {"cellar.bmp", 2, 1}, {"door.wav", 2, 2}};
    MultiDisc(contents);
    Disc("CD1").WriteFile(CDFileKind::kFrames, "hall.bmp", "BM1");
    Disc("CD2").WriteFile(CDFileKind::kFrames, "cellar.bmp", "BM2");
    Disc("CD2").WriteFile(CDFileKind::kAreas, "door.wav", "RIFF");
    Start();
  }
  std::string OnDisc(const std::string& folder, const std::string& relative) {
    return Root(folder) + "/Data/" + kTitle + "/" + relative;
  }
  std::string Line(const std::string& folder) { return Root(folder) + " (Hard Drive)"; }
  GameWindow& window() { return *game.runtime.game(); }
};

TEST_F(ResolveFromCDTest, TheDiscInUseIsTriedFirstUnderItsFramesFolder) {
  TwoDiscGame();
  game.runtime.SaveSetting("DriveLetter", Root("CD2"));
  // Any missing file is looked for by its name among the disc's frame files.
  EXPECT_EQ(discs->ResolveFromCD(Areas("cellar.bmp")), OnDisc("CD2", "Frames/cellar.004"));
  EXPECT_EQ(discs->ResolveFromCD(Frames("cellar.bmp")), OnDisc("CD2", "Frames/cellar.004"));
  EXPECT_EQ(answers.unanswered, 0);
}

TEST_F(ResolveFromCDTest, AnUpperCaseNameOnTheDiscIsFoundFromALowerCaseReference) {
  CDContents contents;
  contents.CDCount = 2;
  contents.Entries = {{"Door.wav", 2, 2}};
  MultiDisc(contents);
  const fs::path written = Disc("CD2").WriteFile(CDFileKind::kAreas, "door.wav", "RIFF", true);
  Start();
  game.runtime.SaveSetting("DriveLetter", Root("cd2"));
  const std::string found = discs->ResolveFromCD(Areas("door.wav"));
  EXPECT_TRUE(game.runtime.FileExists(found)) << found;
  EXPECT_EQ(game.files.Resolve(found), written);
  EXPECT_EQ(answers.unanswered, 0);
}

TEST_F(ResolveFromCDTest, MissingMediaIsReadFromTheDiscWithoutAWarning) {
  TwoDiscGame();
  game.runtime.SaveSetting("DriveLetter", Root("CD2"));
  const std::string found = game.runtime.ResolveMediaPath(Areas("door.wav"));
  EXPECT_EQ(found, OnDisc("CD2", "Areas/door.010"));
  EXPECT_TRUE(messages().empty());
  // A file no disc holds keeps the warning, naming the numbered twin that was looked for.
  game.runtime.ResolveMediaPath(Areas("nowhere.wav"));
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_NE(messages()[0].text.find(Areas("nowhere.010")), std::string::npos);
}

TEST_F(ResolveFromCDTest, ThePromptListsTheDrivesAndAsksForTheDiscOfTheFile) {
  TwoDiscGame();
  MountTable(
      "/dev/sr0 /media/player/GAME_CD2 iso9660 ro 0 0\n"
      "/dev/sdb1 /media/player/STICK vfat rw 0 0\n"
      "/dev/sda1 / ext4 rw 0 0\n");
  std::vector<DialogSeen> seen;
  answers.actions = {Look(seen), Select(Line("CD2")), Press("OK")};
  const std::string found = discs->ResolveFromCD(Frames("cellar.bmp"));
  EXPECT_EQ(found, OnDisc("CD2", "Frames/cellar.004"));
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].caption, kTitle);
  ASSERT_EQ(seen[0].labels.size(), 2u);
  EXPECT_EQ(seen[0].labels[0],
            "Please insert the CD#2 in the CD-Rom drive and click OK to continue...");
  EXPECT_EQ(seen[0].labels[1], "CD-Rom drive:");
  EXPECT_EQ(seen[0].entries, (std::vector<std::string>{"/media/player/GAME_CD2 (CD-Rom Drive)",
                                                       "/media/player/STICK (Floppy Drive)",
                                                       Line("CD1"), Line("CD2")}));
  // No drive was chosen yet: the last optical disc is proposed and kept.
  EXPECT_EQ(seen[0].box, "/media/player/GAME_CD2");
  EXPECT_EQ(seen[0].selected, 0);
  EXPECT_EQ(Setting(), Root("CD2"));
  EXPECT_EQ(answers.unanswered, 0);
  EXPECT_TRUE(messages().empty());
}

TEST_F(ResolveFromCDTest, AnsweredPromptGivesTheTimersBackAndRestartsTimedEvents) {
  TwoDiscGame();
  game.runtime.SaveSetting("DriveLetter", Root("CD1"));
  window().Timer1.SetInterval(60000);
  window().Timer1.SetEnabled(true);
  window().TimerMessageBox.SetEnabled(false);
  bool timerStoppedDuringPrompt = false;
  answers.actions = {[&](platform::Platform&, platform::Form&) {
                       timerStoppedDuringPrompt = !window().Timer1.enabled();
                     },
                     // The wrong disc first: a warning, then the prompt again.
                     Select(Line("CD1")), Press("OK"), Press("OK"), Select(Line("CD2")),
                     Press("OK")};
  const std::string found = discs->ResolveFromCD(Frames("cellar.bmp"));
  EXPECT_EQ(found, OnDisc("CD2", "Frames/cellar.004"));
  EXPECT_TRUE(timerStoppedDuringPrompt);
  EXPECT_TRUE(window().Timer1.enabled());
  EXPECT_FALSE(window().TimerMessageBox.enabled());
  EXPECT_EQ(log.Count("StartTimedEvents"), 1u);
  EXPECT_FALSE(game.runtime.StopRequested);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].title, kTitle);
  EXPECT_EQ(messages()[0].icon, "warning");
  EXPECT_EQ(messages()[0].text, "File Not Found:\r\n\r\n" + OnDisc("CD1", "Frames/cellar.004") +
                                    "\r\n\r\nThe file may be missing, or you may have inserted "
                                    "the wrong CD.");
  EXPECT_EQ(answers.unanswered, 0);
}

TEST_F(ResolveFromCDTest, OKOnAFolderThatDoesNotExistOrOnAFileKeepsTheWindowOpen) {
  TwoDiscGame();
  game.runtime.SaveSetting("DriveLetter", Root("CD1"));
  std::ofstream(game.dir.path() / "plain-file") << "x";
  std::vector<DialogSeen> seen;
  answers.actions = {Type(Root("CD9")), Press("OK"),    Look(seen), Type(Root("plain-file")),
                     Press("OK"),       Look(seen),     Type(""),   Press("OK"),
                     Look(seen),        Press("Cancel")};
  discs->ResolveFromCD(Frames("cellar.bmp"));
  // Still open after each OK, and nothing kept.
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].box, Root("CD9"));
  EXPECT_EQ(seen[1].box, Root("plain-file"));
  EXPECT_EQ(Setting(), Root("CD1"));
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(answers.unanswered, 0);
}

TEST_F(ResolveFromCDTest, AFolderTypedByNameLiesBesideTheGameAndIsKeptAsItIsOnDisk) {
  TwoDiscGame();
  game.runtime.SaveSetting("DriveLetter", Root("CD1"));
  answers.actions = {Type("cd2"), Press("OK")};
  EXPECT_EQ(discs->ResolveFromCD(Frames("cellar.bmp")), OnDisc("CD2", "Frames/cellar.004"));
  EXPECT_EQ(Setting(), Root("CD2"));
}

TEST_F(ResolveFromCDTest, CancelStopsTheGameToItsMenus) {
  TwoDiscGame();
  game.runtime.SaveSetting("DriveLetter", Root("CD1"));
  answers.actions = {Press("Cancel")};
  const std::string result = game.runtime.ResolveMediaPath(Frames("cellar.bmp"));
  EXPECT_FALSE(game.runtime.FileExists(result));
  EXPECT_TRUE(game.runtime.StopRequested);
  EXPECT_FALSE(window().PictureBox.visible());
  EXPECT_TRUE(Called("ShowMenus"));
  EXPECT_EQ(Setting(), Root("CD1"));
  // No warning about the missing file once the game is stopped, and no second prompt.
  EXPECT_TRUE(messages().empty());
  game.runtime.ResolveMediaPath(Frames("cellar.bmp"));
  EXPECT_EQ(answers.unanswered, 0);
}

TEST_F(ResolveFromCDTest, EscapeCancelsThePrompt) {
  TwoDiscGame();
  game.runtime.SaveSetting("DriveLetter", Root("CD1"));
  // No answer queued: the fixture presses Escape.
  discs->ResolveFromCD(Frames("cellar.bmp"));
  EXPECT_EQ(answers.unanswered, 1);
  EXPECT_TRUE(game.runtime.StopRequested);
}

TEST_F(ResolveFromCDTest, TheEndOfTheProgramEndsThePromptForGood) {
  TwoDiscGame();
  game.runtime.SaveSetting("DriveLetter", Root("CD1"));
  int prompts = 0;
  answers.actions = {[&](platform::Platform& platform, platform::Form&) {
    ++prompts;
    platform.events().RequestQuit(0);
  }};
  discs->ResolveFromCD(Frames("cellar.bmp"));
  EXPECT_EQ(prompts, 1);
  EXPECT_TRUE(game.runtime.StopRequested);
  EXPECT_EQ(answers.unanswered, 0);
}

TEST_F(ResolveFromCDTest, ADiscTakenOutWhilePlayingIsAskedForAgain) {
  TwoDiscGame();
  game.runtime.SaveSetting("DriveLetter", Root("CD2"));
  EXPECT_EQ(discs->ResolveFromCD(Frames("cellar.bmp")), OnDisc("CD2", "Frames/cellar.004"));
  fs::rename(game.dir.path() / "CD2", game.dir.path() / "ejected");
  std::vector<DialogSeen> seen;
  answers.actions = {Look(seen), Type(Root("ejected")), Press("OK")};
  EXPECT_EQ(discs->ResolveFromCD(Frames("cellar.bmp")), OnDisc("ejected", "Frames/cellar.004"));
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].box, Root("CD2"));  // the vanished folder is still proposed
  EXPECT_EQ(answers.unanswered, 0);
}

TEST_F(ResolveFromCDTest, ASettingThatNamesAFileIsNoDisc) {
  TwoDiscGame();
  std::ofstream(game.dir.path() / "plain-file") << "x";
  game.runtime.SaveSetting("DriveLetter", Root("plain-file"));
  answers.actions = {Select(Line("CD2")), Press("OK")};
  EXPECT_EQ(discs->ResolveFromCD(Frames("cellar.bmp")), OnDisc("CD2", "Frames/cellar.004"));
  EXPECT_EQ(answers.unanswered, 0);
}

TEST_F(ResolveFromCDTest, NamesThatClimbOutOfTheDiscAreNotLookedFor) {
  CDContents contents;
  contents.CDCount = 1;
  contents.Entries = {{"..\\..\\..\\secret.txt", 1, 1}};
  MultiDisc(contents);
  Start();
  std::ofstream(game.dir.path() / "secret.txt") << "x";
  game.runtime.SaveSetting("DriveLetter", Root("CD1"));
  const std::string path = Frames("..\\..\\..\\secret.txt");
  EXPECT_EQ(discs->ResolveFromCD(path), path);
  EXPECT_EQ(answers.unanswered, 0);
}

TEST_F(ResolveFromCDTest, DiscRootsNameTheDiscInUse) {
  TwoDiscGame();
  MountTable("/dev/sr0 /media/player/GAME_CD1 udf ro 0 0\n");
  EXPECT_TRUE(discs->DiscRoots().empty()) << "no disc chosen before the first lookup";
  // The first lookup takes the mounted disc and keeps it before it reads from it.
  discs->ResolveFromCD(Frames("hall.bmp"));  // answered by Escape: the disc is not mounted
  EXPECT_EQ(discs->DiscRoots(), std::vector<std::string>{"/media/player/GAME_CD1"});
  game.runtime.StopRequested = false;
  game.runtime.SaveSetting("DriveLetter", Root("CD2"));
  EXPECT_EQ(discs->ResolveFromCD(Frames("cellar.bmp")), OnDisc("CD2", "Frames/cellar.004"));
  EXPECT_EQ(discs->DiscRoots(), std::vector<std::string>{Root("CD2")});
  EXPECT_EQ(game.runtime.subsystems().discs->DiscRoots(), discs->DiscRoots());
}

}  // namespace
}  // namespace sw::testing
