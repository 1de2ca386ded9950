// The disc index: when multi-disc mode is on, which entries are kept, what a damaged index
// does, and which entry decides.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/project/file_names.h"
#include "core/valuefile/value_reader.h"
#include "core/valuefile/value_writer.h"
#include "disc_fixture.h"

namespace sw::testing {
namespace {

class CDIndexTest : public DiscFixture {};

CDContents TwoDiscs(std::vector<CDContentsEntry> entries) {
  CDContents contents;
  contents.CDCount = 2;
  contents.Entries = std::move(entries);
  return contents;
}

TEST_F(CDIndexTest, ContentsWithoutTheMarkerFileLeaveEveryPathAsItIs) {
  WriteCDContents(writer, TwoDiscs({{"hall.bmp", 2, 1}}));
  Disc("CD2").WriteFile(CDFileKind::kFrames, "hall.bmp", "BM");
  Start();
  game.runtime.SaveSetting("DriveLetter", Root("CD2"));
  EXPECT_FALSE(discs->ModeOn());
  EXPECT_EQ(discs->IndexCount(), 0);
  EXPECT_EQ(discs->ResolveFromCD(Frames("hall.bmp")), Frames("hall.bmp"));
  EXPECT_TRUE(discs->DiscRoots().empty());
  EXPECT_EQ(answers.unanswered, 0);
}

TEST_F(CDIndexTest, MarkerFileWithoutContentsIsNoMultiDiscGame) {
  WriteRunFromCD(writer);
  Start();
  EXPECT_FALSE(discs->ModeOn());
  EXPECT_EQ(discs->ResolveFromCD(Frames("hall.bmp")), Frames("hall.bmp"));
}

TEST_F(CDIndexTest, EntriesOutsideTheDiscsOrWithoutKindOrNameAreSkipped) {
  MultiDisc(TwoDiscs({{"zero.bmp", 0, 1},
                      {"three.bmp", 3, 1},
                      {"negative.bmp", -1, 2},
                      {"nokind.bmp", 1, 0},
                      {"", 1, 1},
                      {"one.bmp", 1, 1},
                      {"two.bmp", 2, 2},
                      {"other.bmp", 2, 7}}));
  Start();
  ASSERT_TRUE(discs->ModeOn());
  ASSERT_EQ(discs->IndexCount(), 3);
  EXPECT_EQ(discs->Index()[0].Name, "one.bmp");
  EXPECT_EQ(discs->Index()[1].Name, "two.bmp");
  EXPECT_EQ(discs->Index()[2].Kind, 7);
  // A skipped entry is never asked for: its file is simply missing.
  for (const char* skipped : {"zero.bmp", "three.bmp", "nokind.bmp"})
    EXPECT_EQ(discs->ResolveFromCD(Frames(skipped)), AlternateExtension(Frames(skipped)));
  EXPECT_EQ(discs->ResolveFromCD(Areas("negative.bmp")), AlternateExtension(Areas("negative.bmp")));
  // An entry of an unknown kind matches nothing, since it has no folder.
  EXPECT_EQ(discs->ResolveFromCD("other.bmp"), "other.bmp");
  EXPECT_EQ(answers.unanswered, 0);
  EXPECT_TRUE(messages().empty());
}

TEST_F(CDIndexTest, ADiscCountAboveItsEntriesAndANegativeCountAreTakenAsStored) {
  CDContents many = TwoDiscs({{"a.bmp", 5, 1}, {"b.bmp", 9, 1}});
  many.CDCount = 9;
  MultiDisc(many);
  Start();
  EXPECT_EQ(discs->CDCount(), 9);
  EXPECT_EQ(discs->IndexCount(), 2);

  CDContents none = TwoDiscs({{"a.bmp", 1, 1}});
  none.CDCount = -3;
  WriteCDContents(writer, none);
  discs->LoadCDIndex();
  EXPECT_EQ(discs->IndexCount(), 0);
  EXPECT_TRUE(messages().empty());
}

TEST_F(CDIndexTest, ADamagedIndexIsReportedAndSearchesNothing) {
  WriteRunFromCD(writer);
  // The last entry ends after its name.
  writer.WriteRaw(
      "Config/CDContents",
      "\"Two Discs\",\"\",\"\"\r\n2\r\n\"\",\"\"\r\n\"one.bmp\",1,1\r\n\"two.bmp\"\r\n");
  answers.actions = {Press("OK")};
  Start();
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].title, "Error");
  EXPECT_EQ(messages()[0].icon, "critical");
  EXPECT_EQ(messages()[0].text,
            "Error description: Error loading CD index.\r\n\r\nAn error has occurred. The program "
            "may not work properly. Press 'Esc' and the click 'Exit' to quit.");
  EXPECT_EQ(discs->IndexCount(), 0);
  EXPECT_EQ(discs->Index().size(), 1u);  // read before the damage, but not searched
  EXPECT_EQ(discs->ResolveFromCD(Frames("one.bmp")), AlternateExtension(Frames("one.bmp")));
  EXPECT_EQ(answers.unanswered, 0);
}

TEST_F(CDIndexTest, TextWhereTheDiscNumberBelongsIsADamagedIndex) {
  WriteRunFromCD(writer);
  writer.WriteRaw("Config/CDContents", "1,2,3\r\n2\r\n5,6\r\n\"one.bmp\",\"first\",1\r\n");
  answers.actions = {Press("OK")};
  Start();
  EXPECT_EQ(answers.unanswered, 0);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_NE(messages()[0].text.find(" Error loading CD index."), std::string::npos);
  EXPECT_EQ(discs->IndexCount(), 0);
}

TEST_F(CDIndexTest, TheFirstOfTwoEntriesForOneFileDecidesTheDisc) {
  MultiDisc(TwoDiscs({{"hall.bmp", 2, 1}, {"HALL.BMP", 1, 1}}));
  Start();
  std::vector<DialogSeen> seen;
  answers.actions = {Look(seen), Press("Cancel")};
  discs->ResolveFromCD(Frames("hall.bmp"));
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].labels[0],
            "Please insert the CD#2 in the CD-Rom drive and click OK to continue...");
  EXPECT_EQ(answers.unanswered, 0);
}

TEST_F(CDIndexTest, IndexAndDiscsRoundTripThroughTheWriter) {
  CDContents contents = TwoDiscs({{"hall.bmp", 1, 1}, {"door.wav", 2, 2}});
  ValueWriter w;
  WriteCDContents(w, contents);
  ValueReader r(w.bytes());
  EXPECT_EQ(ReadCDContentsHeader(r), 2);
  CDContentsEntry first = ReadCDContentsEntry(r);
  CDContentsEntry second = ReadCDContentsEntry(r);
  EXPECT_TRUE(r.AtEnd());
  EXPECT_EQ(first.Name, "hall.bmp");
  EXPECT_EQ(second.Name, "door.wav");
  EXPECT_EQ(second.CDNumber, 2);
  EXPECT_EQ(second.Kind, 2);

  const auto path = Disc("CD2").WriteFile(CDFileKind::kAreas, "door.wav", "RIFF", true);
  EXPECT_EQ(path, game.dir.path() / "CD2" / "Data" / kTitle / "Areas" / "DOOR.010");
}

TEST_F(CDIndexTest, DumpTellsTheModeTheCountAndTheDrive) {
  MultiDisc(TwoDiscs({{"hall.bmp", 2, 1}, {"door.bmp", 1, 2}}));
  Start();
  game.runtime.SaveSetting("DriveLetter", Root("CD1"));
  const nlohmann::json dump = game.platform.state().Collect();
  EXPECT_EQ(dump["cd"]["on"], true);
  EXPECT_EQ(dump["cd"]["count"], 2);
  EXPECT_EQ(dump["cd"]["drive"], Root("CD1"));
  EXPECT_EQ(dump["cd"]["prompt"], 0);
}

}  // namespace
}  // namespace sw::testing
