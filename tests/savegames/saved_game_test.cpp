// The saved-game file: its lines in order, a file as the Windows player writes it, files of
// older versions, and damaged files.
#include "savegames/saved_game.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/vb_error.h"
#include "core/valuefile/value_reader.h"
#include "core/valuefile/value_writer.h"
#include "platform/system/case_folder.h"
#include "savegames/resume.h"
#include "savegames/save_files.h"
#include "variant/vb_array.h"

namespace sw {
namespace {

std::string Bytes(const SavedGame& game) {
  ValueWriter writer;
  WriteSavedGame(writer, game);
  return writer.bytes();
}

SavedGame Read(const std::string& bytes) {
  ValueReader reader(bytes);
  return ReadSavedGame(reader);
}

// A file as the Windows player writes it: one value a line, CR LF, a date variant, booleans,
// a number with decimals, an empty value and text with a comma.
const char* const kWindowsFile =
    "\"Hall\"\r\n"
    "2\r\n"
    "\"Door\"\r\n"
    "1\r\n"
    "\"Lamp\"\r\n"
    "-1\r\n"
    "1\r\n"
    "\"Hall\"\r\n"
    "3\r\n"
    "2\r\n"
    "\"Key\"\r\n"
    "\"Old map\"\r\n"
    "2\r\n"
    "\"Start\"\r\n"
    "\"Hall\"\r\n"
    "\"\"\r\n"
    "\"\"\r\n"
    "\"\"\r\n"
    "\"MyGame\"\r\n"
    "\"My Game\"\r\n"
    "\"03/07/2003\"\r\n"
    "\"Version 3.3.0\"\r\n"
    "6\r\n"
    "\"Said\"\r\n"
    "\"yes, it's late\"\r\n"
    "\"Met\"\r\n"
    "#2003-03-07#\r\n"
    "\"Brave\"\r\n"
    "#TRUE#\r\n"
    "\"Gold\"\r\n"
    "12.75\r\n"
    "\"Nothing\"\r\n"
    "\r\n"
    "\"Big\"\r\n"
    "100000\r\n";

TEST(SavedGameFile, EmptyGameHasTheThirteenLinesOfTheTable) {
  SavedGame game;
  game.frame = Variant("Start");
  game.settingsSection = "MyGame";
  game.title = "My Game";
  game.date = Variant(SavedGameDate(DateSerialOf(2003, 3, 7)));
  EXPECT_EQ(Bytes(game),
            "\"Start\"\r\n0\r\n0\r\n0\r\n0\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"MyGame\"\r\n\"My Game\"\r\n"
            "\"03/07/2003\"\r\n\"Version 3.3.0\"\r\n0\r\n");
}

TEST(SavedGameFile, DateLineIsMonthDayYear) {
  EXPECT_EQ(SavedGameDate(DateSerialOf(2003, 3, 7)), "03/07/2003");
  EXPECT_EQ(SavedGameDate(DateSerialOf(1999, 12, 31)), "12/31/1999");
}

TEST(SavedGameFile, WindowsFileReadsAndWritesBackByteForByte) {
  const SavedGame game = Read(kWindowsFile);
  EXPECT_EQ(game.frame.ToStringUtf8(), "Hall");
  ASSERT_EQ(game.variables.size(), 2u);
  EXPECT_EQ(game.variables[1], (std::pair<std::string, int16_t>{"Lamp", -1}));
  ASSERT_EQ(game.disappeared.size(), 1u);
  EXPECT_EQ(game.disappeared[0].second, 3);
  ASSERT_EQ(game.items.size(), 2u);
  EXPECT_EQ(game.items[1].ToStringUtf8(), "Old map");
  ASSERT_EQ(game.history.size(), 2u);
  EXPECT_TRUE(game.hasHistory);
  ASSERT_EQ(game.variants.size(), 6u);
  EXPECT_EQ(game.variants[0].second.ToStringUtf8(), "yes, it's late");
  EXPECT_EQ(game.variants[1].second.type(), VarType::Date);
  EXPECT_EQ(game.variants[2].second.type(), VarType::Boolean);
  EXPECT_EQ(game.variants[3].second.type(), VarType::Double);
  EXPECT_EQ(game.variants[4].second.type(), VarType::Empty);
  EXPECT_EQ(game.variants[5].second.type(), VarType::Long);
  EXPECT_EQ(Bytes(game), kWindowsFile);
}

TEST(SavedGameFile, OlderFilesEndAfterTheItemsOrTheHistory) {
  const SavedGame afterItems = Read("\"Hall\"\r\n0\r\n0\r\n1\r\n\"Key\"\r\n");
  EXPECT_FALSE(afterItems.hasHistory);
  EXPECT_EQ(afterItems.items.size(), 1u);
  const SavedGame afterHistory = Read("\"Hall\"\r\n0\r\n0\r\n0\r\n1\r\n\"Hall\"\r\n");
  EXPECT_TRUE(afterHistory.hasHistory);
  EXPECT_EQ(afterHistory.history.size(), 1u);
  EXPECT_TRUE(afterHistory.variants.empty());
}

TEST(SavedGameFile, DamagedFilesFailToRead) {
  const std::vector<std::string> damaged = {
      "",
      "\"Hall\"\r\n",
      "\"Hall\"\r\n5\r\n\"Door\"\r\n1\r\n",                // more pairs counted than follow
      "\"Hall\"\r\n-2\r\n0\r\n0\r\n",                      // a negative count
      "\"Hall\"\r\n0\r\n-1\r\n0\r\n",                      // a negative count read as any value
      "\"Hall\"\r\nmany\r\n",                              // text where a number belongs
      "\"Hall\"\r\n1\r\n\"Door\"\r\n40000\r\n0\r\n0\r\n",  // beyond 16 bits
      "\"Hall\"\r\n40000\r\n",                             // a count beyond 16 bits
  };
  for (const auto& bytes : damaged) {
    EXPECT_THROW(Read(bytes), VbError) << bytes;
  }
}

TEST(SavedGameFile, EveryCutOfAFileFailsOrReadsASectionBoundary) {
  const std::string whole = kWindowsFile;
  for (size_t n = 0; n < whole.size(); ++n) {
    try {
      const SavedGame game = Read(whole.substr(0, n));
      // Only a cut after a whole section reads: never a game with half a section.
      EXPECT_EQ(game.items.size(), 2u) << n;
      EXPECT_LE(game.variants.size(), 6u) << n;
    } catch (const VbError&) {
    }
  }
}

TEST(SavedGameFile, VariantThatCannotBeWrittenFails) {
  SavedGame game;
  game.frame = Variant("Hall");
  game.variants.emplace_back("List", Variant(VbArray::FromValues({Variant(int16_t{1})})));
  ValueWriter writer;
  EXPECT_THROW(WriteSavedGame(writer, game), VbError);
}

TEST(SavedGameNames, TheTenForbiddenCharactersAreRefused) {
  for (char c : std::string("\\/:*?\"<>|,")) {
    EXPECT_TRUE(HasForbiddenCharacter(std::string("a") + c + "b")) << c;
  }
  EXPECT_FALSE(HasForbiddenCharacter("   "));
  EXPECT_FALSE(HasForbiddenCharacter("Chapter 2 - the cave's end"));
}

TEST(SavedGameNames, FallbackFolderNeverLeavesTheSavesFolder) {
  for (const char* section : {"../../etc", "..", "", "a/b\\c", "My Game"}) {
    const std::filesystem::path folder = FallbackSavesFolder(section);
    // One component below the saves folder, and never "." or "..".
    EXPECT_EQ(folder.parent_path().parent_path().filename(), "saves") << section;
    const std::string last = folder.parent_path().filename().string();
    EXPECT_TRUE(last != "." && last != ".." && !last.empty()) << section;
  }
  EXPECT_EQ(std::filesystem::path(FallbackSavesFolder("My Game")).parent_path().filename(),
            "My Game");
}

TEST(ResumeFile, LastPairForTheFrameInAnyCaseWinsAndEmptyTargetsAreIgnored) {
  const CaseFolder letters;
  auto resume = [&](const std::string& bytes, const std::string& frame) {
    ValueReader reader(bytes);
    return ResumeLocationIn(reader, frame, letters);
  };
  const std::string head = "1,2,3,4,5,6\r\n";
  EXPECT_EQ(resume(head + "\"HALL\",\"Cellar\"\r\n", "Hall"), "Cellar");
  EXPECT_EQ(resume(head + "\"Hall\",\"Cellar\"\r\n\"hall\",\"Attic\"\r\n", "Hall"), "Attic");
  EXPECT_EQ(resume(head + "\"Hall\",\"Cellar\"\r\n\"Hall\",\"\"\r\n", "Hall"), "Cellar");
  EXPECT_EQ(resume(head + "\"Garden\",\"Cellar\"\r\n", "Hall"), "Hall");
  // An odd value at the end is an error: the saved frame stays.
  EXPECT_EQ(resume(head + "\"Hall\",\"Cellar\"\r\n\"Hall\"\r\n", "Hall"), "Hall");
  EXPECT_EQ(resume("1,2\r\n", "Hall"), "Hall");
}

}  // namespace
}  // namespace sw
