// Scripts and the inventory: the Action object's item methods, and the scripts of
// combinations run by the real script host.
#include <gtest/gtest.h>

#include "inventory_fixture.h"
#include "scripting/host/game_script_host.h"

namespace sw::testing {
namespace {

class ScriptItemsTest : public InventoryFixture {
 protected:
  ScriptItemsTest() {
    auto host = std::make_unique<GameScriptHost>(game.runtime);
    host_ = host.get();
    game.runtime.subsystems().scripts = std::move(host);
    Item("Coin", 0xE0E020);
    Item("Hook", 0x20C020);
    Item("Wick", 0xF0F0F0);
  }
  // Runs a script as the debug command does; true when it failed.
  bool Run(const std::string& script) { return host_->ExecuteVBScript(script, true); }

  GameScriptHost* host_ = nullptr;
};

TEST_F(ScriptItemsTest, AddItemAddsWithOrWithoutThePopUp) {
  Start();
  EXPECT_FALSE(Run("Action.AddItem \"Coin\", True"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Coin"}));
  EXPECT_FALSE(bar().InventoryPoppedOpen);
  EXPECT_FALSE(Run("AddItem \"Hook\", False"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Coin", "Hook"}));
  EXPECT_TRUE(bar().InventoryPoppedOpen);
  EXPECT_EQ(window().Inventory1.top(), 0);
}

TEST_F(ScriptItemsTest, AddItemOfAMissingItemShowsThePickUpsMessageAndTheScriptGoesOn) {
  Start();
  EXPECT_FALSE(Run("AddItem \"Ghost\", True : AddItem \"Coin\", True"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Coin"}));
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_NE(messages()[0].text.find("the item named 'Ghost'"), std::string::npos);
}

TEST_F(ScriptItemsTest, RemoveItemComparesTheStoredNameInLowerCase) {
  Start();
  Hold({"Coin", "Hook"});
  EXPECT_FALSE(Run("RemoveItem \"Coin\", True"));
  EXPECT_EQ(Names().size(), 2u) << "a name with capitals matches nothing";
  EXPECT_FALSE(Run("RemoveItem \"COIN\", True"));
  EXPECT_EQ(Names().size(), 2u);
  EXPECT_FALSE(Run("RemoveItem \"coin\", False"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Hook"}));
  EXPECT_TRUE(messages().empty());
}

TEST_F(ScriptItemsTest, RemoveItemLowersAccentedCapitalsToo) {
  const std::string sword = "Épée";
  writer.WriteRaw("Areas/sword.bmp", MakeBmp(32, 32, [](int, int) { return 0x808080u; }));
  writer.WriteRaw("Areas/Épée.obj", "\"sword.bmp\"\r\n");
  Start();
  Hold({sword, "Coin"});
  ASSERT_EQ(Names(), (std::vector<std::string>{sword, "Coin"}));
  EXPECT_FALSE(Run("RemoveItem \"épée\", False"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Coin"}));
}

TEST_F(ScriptItemsTest, RemoveItemTakesTheLastOfSeveralOrAllOfThem) {
  Start();
  Hold({"Coin", "Hook", "Coin", "Wick", "Coin"});
  EXPECT_FALSE(Run("RemoveItem \"coin\", False"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Coin", "Hook", "Coin", "Wick"}));
  EXPECT_FALSE(Run("RemoveItem \"coin\", True"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Hook", "Wick"}));
  EXPECT_EQ(ItemImage(2).left(), 780);
  EXPECT_EQ(ItemImage(2).tool_tip_text(), "Wick");
}

TEST_F(ScriptItemsTest, RemoveAllItemsEmptiesTheInventoryAndHidesTheHandle) {
  Start();
  Hold({"Coin", "Hook", "Wick"});
  EXPECT_TRUE(window().Inventory2.visible());
  EXPECT_FALSE(Run("RemoveAllItems"));
  EXPECT_TRUE(Names().empty());
  EXPECT_EQ(window().form().UBound("PickedObject"), 0);
  EXPECT_FALSE(window().Inventory2.visible());
  EXPECT_FALSE(Run("RemoveAllItems"));
  EXPECT_TRUE(messages().empty());
}

TEST_F(ScriptItemsTest, HideAndShowTheInventoryButton) {
  Start();
  Hold({"Coin"});
  OpenBar();
  ASSERT_EQ(window().Inventory1.top(), 0);
  EXPECT_FALSE(Run("HideInventoryButton"));
  EXPECT_EQ(window().Inventory1.top(), -780);
  EXPECT_FALSE(window().Inventory2.visible());
  EXPECT_FALSE(Run("ShowInventoryButton"));
  EXPECT_TRUE(window().Inventory2.visible());
  EXPECT_EQ(window().Inventory1.top(), -780);
  OpenBar();
  EXPECT_EQ(window().Inventory1.top(), 0) << "the slide starts from where the script left it";
}

TEST_F(ScriptItemsTest, WithoutAnInventoryTheButtonMethodsDoNothing) {
  info.InventoryEnabled = false;
  Start();
  EXPECT_FALSE(Run("ShowInventoryButton"));
  EXPECT_FALSE(window().Inventory2.visible());
}

TEST_F(ScriptItemsTest, ACombinationScriptRunsInTheGameAndItsFrameRequestIsCarriedOut) {
  writer.WriteVariables({"Made"});
  Frame("Cellar", 0x102030);
  CombinationSpec make;
  make.RemoveDragged = true;
  make.RemoveTarget = true;
  make.AddResult = true;
  make.ResultItem = "Coin";
  make.ScriptEnabled = true;
  make.ScriptText = "Made = Made + 1\r\nIf GetClickPositionX() = 0 Then Action.GoToFrame |Cellar|";
  WriteCombination(writer, "Hook", "Wick", make);
  Start();
  Hold({"Hook", "Wick"});
  OpenBar();
  const auto hook = ItemCentre(1);
  const auto wick = ItemCentre(2);
  Drag(hook.x, hook.y, wick.x, wick.y);
  EXPECT_EQ(variables().GetVariableValue("Made"), 1);
  EXPECT_EQ(game.runtime.CurrentFrameName, "Cellar");
  EXPECT_EQ(Names(), (std::vector<std::string>{"Coin"}));
  EXPECT_TRUE(messages().empty());
}

TEST_F(ScriptItemsTest, ACombinationScriptCanGoBackToTheLastVisitedFrame) {
  Frame("Cellar", 0x102030);
  CombinationSpec back;
  back.ScriptEnabled = true;
  back.ScriptText = "Action.GoToFrame |LAST VISITED FRAME|, 0, 0";
  WriteCombination(writer, "Hook", "Wick", back);
  Start();
  window().OpenFrame("Cellar");
  Hold({"Hook", "Wick"});
  items().DraggedItem = 1;
  items().PickedObjectDragDrop(2, ItemImage(1));
  EXPECT_EQ(game.runtime.CurrentFrameName, "Hall");
}

TEST_F(ScriptItemsTest, ACombinationScriptThatFailsShowsTheHostsMessageOnly) {
  CombinationSpec broken;
  broken.ScriptEnabled = true;
  broken.ScriptText = "x = 1 / 0";
  WriteCombination(writer, "Hook", "Wick", broken);
  Start();
  Hold({"Hook", "Wick"});
  items().DraggedItem = 1;
  items().PickedObjectDragDrop(2, ItemImage(1));
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].text.find("Unable to combine items"), std::string::npos);
  EXPECT_EQ(log.Count("StartTimedEvents"), 1u);
}

}  // namespace
}  // namespace sw::testing
