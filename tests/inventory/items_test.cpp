// Items picked up, laid out, removed and combined, through the inventory's operations and
// through the mouse, with the failures each operation reports.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "inventory_fixture.h"
#include "platform/platform.h"

namespace sw::testing {
namespace {

constexpr uint32_t kRed = 0xC02020;
constexpr uint32_t kGreen = 0x20C020;
constexpr uint32_t kBlue = 0x2020C0;
constexpr uint32_t kYellow = 0xE0E020;

platform::Argb Opaque(uint32_t rgb) {
  return 0xFF000000u | rgb;
}

class ItemsTest : public InventoryFixture {
 protected:
  void FourItems() {
    Item("Rope", kRed);
    Item("Hook", kGreen);
    Item("Oil", kBlue);
    Item("Wick", kYellow);
    Start();
    Hold({"Rope", "Hook", "Oil", "Wick"});
  }
  // The colour in the middle of item k's picture.
  platform::Argb Colour(int k) {
    const platform::Picture& p = ItemImage(k).picture();
    return p.empty() ? 0 : p.pixels().Pixel(p.width() / 2, p.height() / 2);
  }
  const platform::MessageRecord* LastMessage() {
    return messages().empty() ? nullptr : &messages().back();
  }
};

TEST_F(ItemsTest, ItemsFillRowsOfFifteenThenStartTheNextRow) {
  for (int i = 1; i <= 16; ++i) Item("Thing" + std::to_string(i), kRed);
  Start();
  for (int i = 1; i <= 16; ++i) items().AddPickedObject("Thing" + std::to_string(i), true);
  ASSERT_EQ(items().ObjectsCount, 16);
  EXPECT_EQ(ItemImage(1).left(), 150);
  EXPECT_EQ(ItemImage(1).top(), 150);
  EXPECT_EQ(ItemImage(15).left(), 150 + 630 * 14);
  EXPECT_EQ(ItemImage(15).top(), 150);
  EXPECT_EQ(ItemImage(16).left(), 150);
  EXPECT_EQ(ItemImage(16).top(), 780);
  EXPECT_EQ(window().Inventory1.height(), 1410);
  EXPECT_EQ(window().Inventory1.top(), -1410) << "a closed panel stays closed as it grows";
  EXPECT_TRUE(messages().empty());
}

TEST_F(ItemsTest, AnItemShowsItsIconAndCarriesItsName) {
  Item("Rope", kRed);
  Start();
  EXPECT_FALSE(window().Inventory2.visible()) << "no item, no handle";
  items().AddPickedObject("Rope", true);
  const platform::ImageElement& rope = ItemImage(1);
  EXPECT_TRUE(rope.visible());
  EXPECT_EQ(rope.tag(), "Rope");
  EXPECT_EQ(rope.tool_tip_text(), "Rope");
  EXPECT_EQ(rope.width(), 480);
  EXPECT_EQ(Colour(1), Opaque(kRed));
  EXPECT_EQ(rope.drag_icon().pixels().Pixel(3, 3), Opaque(kRed));
  EXPECT_EQ(rope.drag_icon().hot_spot(), (platform::Point{16, 16})) << "held at its centre";
  EXPECT_TRUE(window().Inventory2.visible());
  EXPECT_EQ(Names(), (std::vector<std::string>{"Rope"}));
}

TEST_F(ItemsTest, TheSameItemCanBeHeldTwice) {
  Item("Coin", kYellow);
  Start();
  Hold({"Coin", "Coin"});
  EXPECT_EQ(Names(), (std::vector<std::string>{"Coin", "Coin"}));
  EXPECT_EQ(ItemImage(2).left(), 780);
}

TEST_F(ItemsTest, RemovingItemTwoOfFourMovesTheLaterItemsUp) {
  FourItems();
  items().RemovePickedObject(2);
  EXPECT_EQ(items().ObjectsCount, 3);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Rope", "Oil", "Wick"}));
  EXPECT_EQ(Colour(2), Opaque(kBlue));
  EXPECT_EQ(Colour(3), Opaque(kYellow));
  EXPECT_EQ(ItemImage(2).tool_tip_text(), "Oil");
  EXPECT_EQ(ItemImage(3).tool_tip_text(), "Wick");
  EXPECT_EQ(ItemImage(3).drag_icon().pixels().Pixel(1, 1), Opaque(kYellow));
  EXPECT_EQ(ItemImage(3).left(), 150 + 630 * 2) << "places stay, pictures move";
  EXPECT_EQ(window().form().Find("PickedObject", 4), nullptr);
  EXPECT_TRUE(messages().empty());
}

TEST_F(ItemsTest, RemovingTheLastItemHidesTheHandle) {
  Item("Rope", kRed);
  Start();
  Hold({"Rope"});
  items().RemovePickedObject(1);
  EXPECT_TRUE(Names().empty());
  EXPECT_FALSE(window().Inventory2.visible());
}

TEST_F(ItemsTest, TheHandleStaysWhenTheProjectKeepsItForAnEmptyInventory) {
  info.HideEmptyInventoryHandle = false;
  Item("Rope", kRed);
  Start();
  EXPECT_TRUE(window().Inventory2.visible());
  Hold({"Rope"});
  items().RemovePickedObject(1);
  EXPECT_TRUE(window().Inventory2.visible());
}

TEST_F(ItemsTest, RemovingAPositionThatHoldsNoItemIsAnErrorAndRemovesNothing) {
  FourItems();
  items().RemovePickedObject(7);
  items().RemovePickedObject(0);
  EXPECT_EQ(Names().size(), 4u);
  ASSERT_EQ(messages().size(), 2u);
  EXPECT_EQ(messages()[0].text, StandardError(" Unable to remove the item from the inventory."));
  EXPECT_EQ(messages()[0].icon, "critical");
}

TEST_F(ItemsTest, AMissingItemFileIsReportedAndAddsNothing) {
  Item("Rope", kRed);
  Start();
  items().AddPickedObject("Ghost", true);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].text,
            StandardError(" Unable to pick up the item named 'Ghost'. The item may be unavailable, "
                          "or the icon '' associated to the item may be corrupt."));
  EXPECT_EQ(messages()[0].title, "Error");
  EXPECT_EQ(items().ObjectsCount, 0);
  EXPECT_EQ(window().form().UBound("PickedObject"), 0);
  items().AddPickedObject("Rope", true);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Rope"}));
}

TEST_F(ItemsTest, AMissingOrDamagedIconLeavesNoPhantomItem) {
  Item("Rope", kRed);
  WriteItem(writer, "Lamp", "lamp.bmp");  // no such picture
  WriteItem(writer, "Broken", "broken.bmp");
  writer.WriteRaw("Areas/broken.bmp", "BM this is no picture");
  Start();
  Hold({"Rope", "Lamp", "Broken"});
  EXPECT_EQ(Names(), (std::vector<std::string>{"Rope"}));
  EXPECT_EQ(window().form().UBound("PickedObject"), 1);
  std::vector<std::string> critical;
  for (const auto& m : messages()) {
    if (m.icon == "critical") critical.push_back(m.text);
  }
  ASSERT_EQ(critical.size(), 2u);
  EXPECT_EQ(critical[0],
            StandardError(" Unable to pick up the item named 'Lamp'. The item may be unavailable, "
                          "or the icon 'lamp.bmp' associated to the item may be corrupt."));
  EXPECT_NE(critical[1].find("'broken.bmp'"), std::string::npos);
  Item("Hook", kGreen);
  Hold({"Hook"});
  EXPECT_EQ(Names(), (std::vector<std::string>{"Rope", "Hook"}));
  EXPECT_EQ(ItemImage(2).left(), 780) << "the next item takes the second place";
}

TEST_F(ItemsTest, ItemNamesThatLeadOutOfTheGameAreNotRead) {
  Start();
  writer.WriteRaw("secret.obj", "\"secret.bmp\"\r\n");
  writer.WriteRaw("secret.bmp", MakeBmp(32, 32, [](int, int) { return 0u; }));
  items().AddPickedObject("..\\secret", true);
  EXPECT_EQ(items().ObjectsCount, 0);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_NE(messages()[0].text.find("Unable to pick up the item named '..\\secret'"),
            std::string::npos);
}

TEST_F(ItemsTest, AnOverflowOfTheLayoutIsThePickUpsError) {
  info.InventoryMarginX = 200000000;
  Item("Rope", kRed);
  Start();
  ASSERT_TRUE(messages().empty()) << "the reset only needs the row gap";
  items().AddPickedObject("Rope", true);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].text,
            StandardError(" Unable to pick up the item named 'Rope'. The item may be unavailable, "
                          "or the icon 'Rope.bmp' associated to the item may be corrupt."));
  EXPECT_EQ(items().ObjectsCount, 0);
  EXPECT_EQ(window().form().UBound("PickedObject"), 0);
}

TEST_F(ItemsTest, ResetAllUnloadsEveryItemButTheTemplate) {
  FourItems();
  window().ResetAll();
  EXPECT_EQ(items().ObjectsCount, 0);
  EXPECT_EQ(window().form().UBound("PickedObject"), 0);
  EXPECT_TRUE(Names().empty());
  Hold({"Oil"});
  EXPECT_EQ(ItemImage(1).left(), 150);
}

TEST_F(ItemsTest, TheDumpListsItemsInOrder) {
  FourItems();
  items().RemovePickedObject(1);
  const auto dump = game.platform.state().Collect();
  EXPECT_EQ(dump["inventory"], nlohmann::json({"Hook", "Oil", "Wick"}));
  EXPECT_EQ(dump["inventoryBar"]["height"], 52);
  EXPECT_EQ(dump["inventoryBar"]["top"], -52);
  EXPECT_EQ(dump["inventoryBar"]["open"], false);
  EXPECT_EQ(dump["inventoryBar"]["handleVisible"], true);
  EXPECT_EQ(dump["inventoryBar"]["poppedOpen"], false);
}

// ---- combining ----

class CombineTest : public ItemsTest {};

TEST_F(CombineTest, DroppingItemOneOnItemThreeWithBothRemovalsRemovesBoth) {
  CombinationSpec both;
  both.RemoveDragged = true;
  both.RemoveTarget = true;
  WriteCombination(writer, "Rope", "Oil", both);
  FourItems();
  OpenBar();
  const auto from = ItemCentre(1);
  const auto to = ItemCentre(3);
  Drag(from.x, from.y, to.x, to.y);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Hook", "Wick"}));
  EXPECT_TRUE(messages().empty());
}

TEST_F(CombineTest, DroppingALaterItemOnAnEarlierOneRemovesTheRightTarget) {
  CombinationSpec both;
  both.RemoveDragged = true;
  both.RemoveTarget = true;
  both.AddResult = true;
  both.ResultItem = "Hook";
  WriteCombination(writer, "Wick", "Hook", both);
  FourItems();
  OpenBar();
  const auto from = ItemCentre(4);
  const auto to = ItemCentre(2);
  Drag(from.x, from.y, to.x, to.y);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Rope", "Oil", "Hook"}));
}

TEST_F(CombineTest, OnlyTheTargetLeavesWhenOnlyTheTargetIsRemoved) {
  CombinationSpec target;
  target.RemoveTarget = true;
  WriteCombination(writer, "Rope", "Oil", target);
  FourItems();
  items().DraggedItem = 1;
  items().PickedObjectDragDrop(3, ItemImage(1));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Rope", "Hook", "Wick"}));
}

TEST_F(CombineTest, AnItemDroppedOnItselfDoesNothing) {
  CombinationSpec both;
  both.RemoveDragged = true;
  both.RemoveTarget = true;
  WriteCombination(writer, "Coin", "Coin", both);
  Item("Coin", kYellow);
  Start();
  Hold({"Coin", "Coin"});
  OpenBar();
  const auto one = ItemCentre(1);
  Drag(one.x, one.y, one.x + 3, one.y + 2);
  EXPECT_EQ(Names().size(), 2u);
  // The same name on another item does combine: only the position counts.
  const auto two = ItemCentre(2);
  Drag(one.x, one.y, two.x, two.y);
  EXPECT_TRUE(Names().empty());
}

TEST_F(CombineTest, ItemsWithoutACombinationFileStayAsTheyAre) {
  FourItems();
  items().DraggedItem = 2;
  items().PickedObjectDragDrop(1, ItemImage(2));
  EXPECT_EQ(Names().size(), 4u);
  EXPECT_TRUE(messages().empty());
  EXPECT_TRUE(log.calls.empty());
}

TEST_F(CombineTest, OnlyDraggedItemsCombine) {
  CombinationSpec both;
  both.RemoveDragged = true;
  WriteCombination(writer, "Hook", "Rope", both);
  FourItems();
  items().DraggedItem = 2;
  items().PickedObjectDragDrop(1, window().Inventory2);
  EXPECT_EQ(Names().size(), 4u);
}

TEST_F(CombineTest, TheResultArrivesWithItsPopUp) {
  CombinationSpec make;
  make.RemoveDragged = true;
  make.RemoveTarget = true;
  make.AddResult = true;
  make.ResultItem = "Lantern";
  WriteCombination(writer, "Oil", "Wick", make);
  Item("Lantern", kYellow);
  FourItems();
  items().DraggedItem = 3;
  items().PickedObjectDragDrop(4, ItemImage(3));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Rope", "Hook", "Lantern"}));
  EXPECT_TRUE(bar().InventoryPoppedOpen);
  EXPECT_EQ(window().Inventory1.top(), 0);
  EXPECT_TRUE(log.calls.empty()) << "no script field: nothing runs";
}

TEST_F(CombineTest, TheScriptRunsWithTheClickPositionResetAndMayOpenAFrame) {
  CombinationSpec make;
  make.ScriptEnabled = true;
  make.ScriptText = "Action.GoToFrame |Cellar|";
  WriteCombination(writer, "Rope", "Hook", make);
  Frame("Cellar", 0x102030);
  FourItems();
  scripts->onExecute = [this](const std::string&) { scripts->frameToLoad = "Cellar"; };
  items().DraggedItem = 1;
  items().PickedObjectDragDrop(2, ItemImage(1));
  EXPECT_EQ(log.calls.at(0), "Hotspot 0");
  EXPECT_EQ(log.calls.at(1), "Script Action.GoToFrame \"Cellar\" reset");
  EXPECT_EQ(game.runtime.CurrentFrameName, "Cellar");
  EXPECT_EQ(log.Count("StartTimedEvents"), 1u) << "only the opened frame starts them";
  EXPECT_EQ(Names().size(), 4u) << "items stay across frames";
}

TEST_F(CombineTest, AScriptThatStaysRestartsTheTimedEventsAndOneThatQuitsEndsTheGame) {
  CombinationSpec stay;
  stay.ScriptEnabled = true;
  stay.ScriptText = "x = 1";
  WriteCombination(writer, "Rope", "Hook", stay);
  WriteCombination(writer, "Oil", "Wick", stay);
  FourItems();
  items().DraggedItem = 1;
  items().PickedObjectDragDrop(2, ItemImage(1));
  EXPECT_EQ(log.Count("StartTimedEvents"), 1u);
  scripts->onExecute = [this](const std::string&) { scripts->stopGame = true; };
  items().DraggedItem = 3;
  items().PickedObjectDragDrop(4, ItemImage(3));
  EXPECT_EQ(log.Count("StartUnloading"), 1u);
  EXPECT_EQ(log.Count("StartTimedEvents"), 1u);
}

TEST_F(CombineTest, ADisabledScriptOrAStopRequestRunsNothing) {
  CombinationSpec off;
  off.ScriptText = "x = 1";
  WriteCombination(writer, "Rope", "Hook", off);
  CombinationSpec on;
  on.ScriptEnabled = true;
  on.ScriptText = "x = 1";
  WriteCombination(writer, "Oil", "Wick", on);
  FourItems();
  items().DraggedItem = 1;
  items().PickedObjectDragDrop(2, ItemImage(1));
  game.runtime.StopRequested = true;
  items().DraggedItem = 3;
  items().PickedObjectDragDrop(4, ItemImage(3));
  EXPECT_TRUE(log.calls.empty());
}

TEST_F(CombineTest, ACombinationFileThatEndsEarlyIsReportedOnce) {
  writer.WriteRaw("Areas/Rope_on_Hook.drg", "1\r\n");
  writer.WriteRaw("Areas/Oil_on_Wick.drg", "1,0\r\n\"one\",\"Lantern\"\r\n");
  FourItems();
  items().DraggedItem = 1;
  items().PickedObjectDragDrop(2, ItemImage(1));
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].text, StandardError(" Unable to combine items."));
  EXPECT_EQ(Names().size(), 4u) << "fields 1 and 2 are read before anything is removed";
  // Text where the third field's number belongs: the dragged item has gone already.
  items().DraggedItem = 3;
  items().PickedObjectDragDrop(4, ItemImage(3));
  ASSERT_EQ(messages().size(), 2u);
  EXPECT_EQ(messages()[1].text, StandardError(" Unable to combine items."));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Rope", "Hook", "Wick"}));
}

TEST_F(CombineTest, AFileThatEndsAfterTheResultRunsNoScript) {
  CombinationSpec old;
  old.AddResult = true;
  old.ResultItem = "Rope";
  old.EndAfterResult = true;
  WriteCombination(writer, "Oil", "Wick", old);
  FourItems();
  items().DraggedItem = 3;
  items().PickedObjectDragDrop(4, ItemImage(3));
  EXPECT_EQ(Names().size(), 5u);
  EXPECT_TRUE(messages().empty());
  EXPECT_TRUE(log.calls.empty());
}

TEST_F(CombineTest, AResultThatDoesNotExistIsThePickUpsErrorOnly) {
  CombinationSpec make;
  make.RemoveDragged = true;
  make.AddResult = true;
  make.ResultItem = "Nothing";
  WriteCombination(writer, "Rope", "Hook", make);
  FourItems();
  items().DraggedItem = 1;
  items().PickedObjectDragDrop(2, ItemImage(1));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Hook", "Oil", "Wick"}));
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_NE(messages()[0].text.find("'Nothing'"), std::string::npos);
}

// ---- the mouse on an item ----

TEST_F(ItemsTest, ThePressedItemFollowsThePointerUntilItIsDropped) {
  FourItems();
  OpenBar();
  const auto rope = ItemCentre(1);
  Post(platform::InputEvent::Kind::kMouseMove, rope.x, rope.y);
  Post(platform::InputEvent::Kind::kMouseDown, rope.x, rope.y, platform::kLeftButton);
  Post(platform::InputEvent::Kind::kMouseMove, 320, 300);
  game.platform.DoEvents();
  EXPECT_EQ(items().DraggedItem, 1);
  EXPECT_EQ(window().form().drag_source(), &ItemImage(1));
  EXPECT_EQ(log.Count("MenusOnMouseDown 1"), 1u);
  const platform::Pixmap shot = game.platform.Screenshot();
  EXPECT_EQ(shot.Pixel(320, 300), Opaque(kRed));
  EXPECT_EQ(shot.Pixel(320 - 15, 300 - 15), Opaque(kRed)) << "the icon is centred on the pointer";
  EXPECT_NE(shot.Pixel(320 + 17, 300), Opaque(kRed));
  Post(platform::InputEvent::Kind::kMouseUp, 320, 300, platform::kLeftButton);
  game.platform.DoEvents();
  EXPECT_EQ(window().form().drag_source(), nullptr);
  EXPECT_NE(game.platform.Screenshot().Pixel(320, 300), Opaque(kRed));
  EXPECT_EQ(Names().size(), 4u);
}

TEST_F(ItemsTest, TheRightButtonOnAnItemOnlyTurnsToTheMenus) {
  FourItems();
  OpenBar();
  const auto hook = ItemCentre(2);
  Click(hook.x, hook.y, platform::kRightButton);
  EXPECT_EQ(log.Count("MenusOnMouseDown 2"), 1u);
  EXPECT_EQ(items().DraggedItem, 0);
  EXPECT_EQ(window().form().drag_source(), nullptr);
  EXPECT_TRUE(game.runtime.StopMovie);
}

// ---- picking up from hotspots and using items on them ----

class HotspotItemsTest : public ItemsTest {
 protected:
  // Hotspot 1 (a pick-up), 2 (a record that picks nothing), 3 (takes the lantern) in a row
  // below the bar.
  void Hall() {
    std::vector<HotspotSpec> spots;
    for (int i = 0; i < 3; ++i) {
      HotspotSpec h;
      h.Left = 20 + 150 * i;
      h.Top = 300;
      h.Width = 100;
      h.Height = 100;
      spots.push_back(h);
    }
    WriteHotspots(writer, "Hall", spots);
    ActionSpec take;
    take.HotspotDisappears = true;
    WriteActions(writer, "Hall", {take, ActionSpec{}, ActionSpec{}});
    PickUpSpec nothing;
    nothing.Hotspot = 2;
    nothing.PickItem = false;
    PickUpSpec hook;
    hook.Hotspot = 2;
    hook.Item = "Hook";
    PickUpSpec rope;
    rope.Hotspot = 1;
    rope.Item = "Rope";
    WritePickUps(writer, "Hall", {nothing, hook, rope});
    ItemActionSpec hang;
    hang.Hotspot = 3;
    hang.Item = "Lantern";
    hang.Action.ChangeVariable = true;
    hang.Action.VariableToChange = "HutLit";
    hang.Action.SetToOne = true;
    hang.Action.HotspotDisappears = true;
    WriteItemActions(writer, "Hall", {hang});
    writer.WriteVariables({"HutLit"});
    Item("Rope", kRed);
    Item("Hook", kGreen);
    Item("Lantern", kYellow);
    Frame("Hall");
  }
};

TEST_F(HotspotItemsTest, ClickingAPickUpHotspotAddsItsItemAndPopsTheBarOpen) {
  Hall();
  Start();
  Click(70, 350);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Rope"}));
  EXPECT_TRUE(variables().HasDisappeared("Hall", 1)) << "the hotspot's own action follows";
  EXPECT_TRUE(bar().InventoryPoppedOpen);
  EXPECT_EQ(window().Inventory1.top(), 0);
  EXPECT_TRUE(window().TimerInventory.enabled());
  Wait(2500);
  EXPECT_FALSE(bar().InventoryPoppedOpen);
  EXPECT_EQ(window().Inventory1.top(), -window().Inventory1.height());
}

TEST_F(HotspotItemsTest, APickUpRecordThatPicksNothingEndsTheSearch) {
  Hall();
  Start();
  Click(220, 350);
  EXPECT_TRUE(Names().empty()) << "the later record of the same hotspot is not read";
  EXPECT_TRUE(messages().empty());
}

TEST_F(HotspotItemsTest, APickUpWithoutItsPopUpWhenTheProjectSaysSo) {
  info.InventoryOpensOnPick = false;
  Hall();
  Start();
  Click(70, 350);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Rope"}));
  EXPECT_FALSE(bar().InventoryPoppedOpen);
  EXPECT_EQ(window().Inventory1.top(), -window().Inventory1.height());
}

TEST_F(HotspotItemsTest, DamagedPickUpFilesAreReportedOnlyWhileTheGameRuns) {
  Hall();
  writer.WriteRaw("FramesData/Hall.fm4", "0,\"one\",0,0,0,0,0,0,0,0,1,\"Rope\"\r\n");
  Start();
  items().PickOrNotPickObject(1);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].text,
            StandardError(" Error in the \"PickOrNotPickObject\" procedure.\r\n\r\nType mismatch"));
  game.runtime.StopRequested = true;
  items().PickOrNotPickObject(1);
  EXPECT_EQ(messages().size(), 1u);
}

TEST_F(HotspotItemsTest, APickUpNamingAMissingItemIsThePickUpsErrorOnly) {
  Hall();
  PickUpSpec ghost;
  ghost.Hotspot = 1;
  ghost.Item = "Ghost";
  WritePickUps(writer, "Hall", {ghost});
  Start();
  items().PickOrNotPickObject(1);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_NE(messages()[0].text.find("the item named 'Ghost'"), std::string::npos);
  EXPECT_TRUE(Names().empty());
}

TEST_F(HotspotItemsTest, AnItemDroppedOnAHotspotRunsItsItemActionAndIsUsedUp) {
  Hall();
  Start();
  Hold({"Rope", "Lantern", "Hook"});
  OpenBar();
  const auto rope = ItemCentre(1);
  Drag(rope.x, rope.y, 370, 350);  // the rope has no action on hotspot 3
  EXPECT_EQ(Names().size(), 3u);
  EXPECT_EQ(variables().GetVariableValue("HutLit"), 0);
  OpenBar();
  const auto lantern = ItemCentre(2);
  Drag(lantern.x, lantern.y, 370, 350);
  EXPECT_EQ(variables().GetVariableValue("HutLit"), 1);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Rope", "Hook"}));
  EXPECT_FALSE(variables().HasDisappeared("Hall", 3)) << "the item is used up, not the hotspot";
  EXPECT_TRUE(messages().empty());
}

// ---- stacking and containers ----

TEST_F(ItemsTest, AfterAFrameOpensTheItemsHandleAndPanelLieInFront) {
  FourItems();
  window().OpenFrame("Hall");
  const auto& frameChildren = window().PictureBox.children();
  ASSERT_GE(frameChildren.size(), 2u);
  EXPECT_EQ(frameChildren.back().get(), &window().Inventory1);
  EXPECT_EQ(frameChildren[frameChildren.size() - 2].get(), &window().Inventory2);
  const auto& inPanel = window().Inventory1.children();
  EXPECT_EQ(inPanel.back().get(), &ItemImage(4));
  EXPECT_EQ(inPanel.front()->name(), "Inventory_Background");
}

TEST_F(ItemsTest, WithoutAnInventoryBarItemsLieOnTheFrameInFrontOfHotspots) {
  info.InventoryEnabled = false;
  HotspotSpec spot;
  spot.Left = 0;
  spot.Top = 0;
  spot.Width = 200;
  spot.Height = 200;
  WriteHotspots(writer, "Hall", {spot});
  Item("Rope", kRed);
  Start();
  Hold({"Rope"});
  EXPECT_FALSE(window().Inventory1.visible());
  EXPECT_FALSE(window().Inventory2.visible());
  EXPECT_EQ(ItemImage(1).parent(), &window().PictureBox);
  window().OpenFrame("Hall");
  EXPECT_EQ(game.platform.Screenshot().Pixel(16, 16), Opaque(kRed));
}

}  // namespace
}  // namespace sw::testing
