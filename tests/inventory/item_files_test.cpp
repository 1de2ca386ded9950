// Reading the item, pick-up and combination files, well formed and damaged.
#include <gtest/gtest.h>

#include "base/vb_error.h"
#include "core/project/folders.h"
#include "core/valuefile/value_reader.h"
#include "inventory/item_files.h"

namespace sw {
namespace {

const std::string kSep = "\"----- SEPARATOR -----\"\r\n";

// A pick-up record: hotspot, eight reserved values, the pick flag and (when given) the name.
std::string PickUp(int hotspot, const std::string& flag, const std::string& name = "") {
  return "0," + std::to_string(hotspot) + ",0,0,0,0,0,0,0,0\r\n" + flag +
         (name.empty() ? "" : ",\"" + name + "\"") + "\r\n" + kSep;
}

int ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const VbError& e) {
    return e.number();
  }
  return 0;
}

auto never = [] { return false; };

TEST(PickUpFile, FindsTheRecordOfTheHotspotAmongOthers) {
  ValueReader r(PickUp(1, "1", "Rope") + PickUp(3, "1", "Hook") + PickUp(4, "1", "Oil"));
  EXPECT_EQ(FindPickUp(r, 3, never), "Hook");
  ValueReader again(PickUp(1, "1", "Rope") + PickUp(3, "1", "Hook"));
  EXPECT_EQ(FindPickUp(again, 2, never), std::nullopt);
}

TEST(PickUpFile, ARecordThatPicksNothingEndsTheSearch) {
  // The second record of hotspot 2 would pick something up, but the first one decides.
  ValueReader r(PickUp(2, "0") + PickUp(2, "1", "Lamp"));
  EXPECT_EQ(FindPickUp(r, 2, never), std::nullopt);
  ValueReader two(PickUp(2, "2") + PickUp(2, "1", "Lamp"));
  EXPECT_EQ(FindPickUp(two, 2, never), std::nullopt);
}

TEST(PickUpFile, AStopRequestEndsTheSearchBeforeTheNextRecord) {
  int asked = 0;
  ValueReader r(PickUp(1, "1", "Rope") + PickUp(2, "1", "Hook"));
  EXPECT_EQ(FindPickUp(r, 2, [&] { return ++asked > 1; }), std::nullopt);
  EXPECT_EQ(asked, 2);
}

TEST(PickUpFile, DamagedRecordsFailAsReadsFail) {
  // Ends inside the reserved values.
  ValueReader shortRecord("0,2,0,0,0\r\n");
  EXPECT_EQ(ErrorOf([&] { FindPickUp(shortRecord, 2, never); }), 62);
  // Ends where the name belongs.
  ValueReader noName("0,2,0,0,0,0,0,0,0,0,1\r\n");
  EXPECT_EQ(ErrorOf([&] { FindPickUp(noName, 2, never); }), 62);
  // Text where the hotspot number belongs.
  ValueReader text("0,\"two\",0,0,0,0,0,0,0,0,1,\"Rope\"\r\n" + kSep);
  EXPECT_EQ(ErrorOf([&] { FindPickUp(text, 2, never); }), 13);
  // Text where the pick flag belongs.
  ValueReader flag("0,2,0,0,0,0,0,0,0,0,\"yes\",\"Rope\"\r\n" + kSep);
  EXPECT_EQ(ErrorOf([&] { FindPickUp(flag, 2, never); }), 13);
  // A record of another hotspot with no separator: the search ends at the end of the file.
  ValueReader unended("0,1,0,0,0,0,0,0,0,0,1,\"Rope\"\r\n");
  EXPECT_EQ(FindPickUp(unended, 2, never), std::nullopt);
}

TEST(CombinationFile, ReadsInTheOrderTheCombinationActs) {
  ValueReader r("1,0\r\n1,\"Lantern\"\r\n0,0,0\r\n#TRUE#,\"Text(1).Caption = |Done|\"\r\n");
  const CombinationRemovals removals = ReadCombinationRemovals(r);
  EXPECT_TRUE(removals.dragged);
  EXPECT_FALSE(removals.target);
  EXPECT_EQ(ReadCombinationResult(r), "Lantern");
  ASSERT_FALSE(r.AtEnd());
  const CombinationScript script = ReadCombinationScript(r);
  EXPECT_TRUE(script.enabled);
  EXPECT_EQ(script.text, "Text(1).Caption = \"Done\"");
  EXPECT_TRUE(r.AtEnd());
}

TEST(CombinationFile, NoResultUnlessFieldThreeIsOne) {
  ValueReader r("0,0\r\n0,\"Lantern\"\r\n");
  ReadCombinationRemovals(r);
  EXPECT_EQ(ReadCombinationResult(r), std::nullopt);
  EXPECT_TRUE(r.AtEnd()) << "a file may end after the result";
}

TEST(CombinationFile, DamagedFilesFailWhereTheReadingStops) {
  ValueReader one("1\r\n");
  EXPECT_EQ(ErrorOf([&] { ReadCombinationRemovals(one); }), 62);
  ValueReader text("\"both\",1\r\n");
  EXPECT_EQ(ErrorOf([&] { ReadCombinationRemovals(text); }), 13);
  // Ends inside the reserved values after the result.
  ValueReader reserved("0,0\r\n0,\"\"\r\n0,0\r\n");
  ReadCombinationRemovals(reserved);
  ReadCombinationResult(reserved);
  EXPECT_EQ(ErrorOf([&] { ReadCombinationScript(reserved); }), 62);
}

TEST(InventoryFileNames, NamesThatLeaveTheFolderAreRefused) {
  EXPECT_TRUE(IsNameInsideFolder("Rope"));
  EXPECT_TRUE(IsNameInsideFolder("tools\\Rope"));
  EXPECT_TRUE(IsNameInsideFolder("..Rope.."));
  EXPECT_FALSE(IsNameInsideFolder("..\\..\\etc\\passwd"));
  EXPECT_FALSE(IsNameInsideFolder("tools/../../x"));
  EXPECT_FALSE(IsNameInsideFolder("/etc/passwd"));
  EXPECT_FALSE(IsNameInsideFolder("C:\\x"));
  EXPECT_FALSE(IsNameInsideFolder(".."));
}

TEST(InventoryFileNames, PathsOfItemsAndCombinations) {
  ProjectFolders folders;
  SetProjectFolders(folders, "/game/");
  EXPECT_EQ(ItemFilePath(folders, "Rope"), folders.AreasFolder + "Rope.obj");
  EXPECT_EQ(CombinationFilePath(folders, "Rope", "Hook"), folders.AreasFolder + "Rope_on_Hook.drg");
}

}  // namespace
}  // namespace sw
