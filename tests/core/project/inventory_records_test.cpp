// The inventory's records: pick-up and combination files read well formed and damaged, and
// written back by the authoring library's writers.
#include <gtest/gtest.h>

#include "base/vb_error.h"
#include "core/project/inventory_records.h"
#include "core/valuefile/value_reader.h"
#include "core/valuefile/value_writer.h"

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

CombinationRecord ReadAll(ValueReader& r) {
  CombinationRecord c;
  ReadCombinationPart(r, CombinationPart::kRemovals, c);
  ReadCombinationPart(r, CombinationPart::kResult, c);
  if (!r.AtEnd()) ReadCombinationPart(r, CombinationPart::kScript, c);
  return c;
}

TEST(CombinationFile, ReadsInTheOrderTheCombinationActs) {
  ValueReader r("1,0\r\n1,\"Lantern\"\r\n0,0,0\r\n#TRUE#,\"Text(1).Caption = |Done|\"\r\n");
  CombinationRecord c;
  ReadCombinationPart(r, CombinationPart::kRemovals, c);
  EXPECT_EQ(c.RemoveDraggedItem.ToInteger(), 1);
  EXPECT_EQ(c.RemoveTargetItem.ToInteger(), 0);
  ReadCombinationPart(r, CombinationPart::kResult, c);
  EXPECT_EQ(c.ResultItemName.ToStringUtf8(), "Lantern");
  ASSERT_FALSE(r.AtEnd());
  ReadCombinationPart(r, CombinationPart::kScript, c);
  EXPECT_TRUE(c.ScriptEnabled);
  EXPECT_EQ(c.ScriptText, "Text(1).Caption = |Done|");
  EXPECT_TRUE(r.AtEnd());
}

TEST(CombinationFile, DamagedFilesFailWhereTheReadingStops) {
  ValueReader one("1\r\n");
  CombinationRecord c;
  EXPECT_EQ(ErrorOf([&] { ReadCombinationPart(one, CombinationPart::kRemovals, c); }), 62);
  // Ends inside the reserved values after the result.
  ValueReader reserved("0,0\r\n0,\"\"\r\n0,0\r\n");
  ReadCombinationPart(reserved, CombinationPart::kRemovals, c);
  ReadCombinationPart(reserved, CombinationPart::kResult, c);
  EXPECT_EQ(ErrorOf([&] { ReadCombinationPart(reserved, CombinationPart::kScript, c); }), 62);
  // Text where the script flag belongs.
  ValueReader flag("0,0\r\n0,\"\"\r\n0,0,0\r\n\"maybe\",\"x = 1\"\r\n");
  EXPECT_EQ(ErrorOf([&] { ReadAll(flag); }), 13);
}

TEST(InventoryRecords, WrittenRecordsReadBack) {
  ValueWriter w;
  WriteItemRecord(w, ItemRecord{"rope.bmp"});
  ValueReader item(w.bytes());
  EXPECT_EQ(ReadItemRecord(item).IconFile, "rope.bmp");

  ValueWriter p;
  PickUpRecord nothing;
  nothing.HotspotIndex = 4;
  nothing.PickItem = Variant(int16_t{0});
  nothing.PickedItemName = "Lost";
  PickUpRecord rope;
  rope.HotspotIndex = 7;
  rope.PickItem = Variant(int16_t{1});
  rope.PickedItemName = "Rope";
  WritePickUpRecord(p, nothing);
  WritePickUpRecord(p, rope);
  ValueReader four(p.bytes());
  EXPECT_EQ(FindPickUp(four, 4, never), std::nullopt);
  ValueReader seven(p.bytes());
  EXPECT_EQ(FindPickUp(seven, 7, never), "Rope");

  CombinationRecord c;
  c.RemoveDraggedItem = Variant(int16_t{1});
  c.RemoveTargetItem = Variant(int16_t{0});
  c.AddResultItem = Variant(int16_t{1});
  c.ResultItemName = Variant(std::string("Lantern"));
  c.ScriptEnabled = true;
  c.ScriptText = "Action.GoToFrame |Hut|";
  ValueWriter whole;
  WriteCombinationRecord(whole, c);
  ValueReader back(whole.bytes());
  const CombinationRecord read = ReadAll(back);
  EXPECT_EQ(read.RemoveDraggedItem.ToInteger(), 1);
  EXPECT_EQ(read.AddResultItem.ToInteger(), 1);
  EXPECT_EQ(read.ResultItemName.ToStringUtf8(), "Lantern");
  EXPECT_TRUE(read.ScriptEnabled);
  EXPECT_EQ(read.ScriptText, "Action.GoToFrame |Hut|");
  ValueWriter older;
  WriteCombinationRecord(older, c, 4);
  ValueReader shorter(older.bytes());
  EXPECT_FALSE(ReadAll(shorter).ScriptEnabled);
  EXPECT_TRUE(shorter.AtEnd()) << "older files end after the result";
}

}  // namespace
}  // namespace sw
