// A scripted walk through a small game: clicks go through the automation script runner and
// the same event path as a player's, and the walk ends in an expected state dump.
#include <gtest/gtest.h>

#include <sstream>

#include <nlohmann/json.hpp>

#include "automation/script.h"
#include "automation/script_runner.h"
#include "interaction/play_fixture.h"

namespace sw::testing {
namespace {

HotspotSpec At(double left, double top) {
  HotspotSpec h;
  h.Left = left;
  h.Top = top;
  h.Width = h.Height = 50;
  return h;
}

class WalkthroughTest : public PlayFixture {
 protected:
  void SetUp() override {
    Frame("Hall");
    Frame("Attic");
    Frame("Cellar");
    writer.WriteVariables({"Door", "Coin"}, {"Score"});

    HotspotSpec cellarDoor = At(120, 0);
    cellarDoor.Conditions = true;
    cellarDoor.MustBeOne = {"Door"};
    WriteHotspots(writer, "Hall", {At(0, 0), At(60, 0), cellarDoor, At(0, 60)});
    ActionSpec toAttic;
    toAttic.GoToFrame = true;
    toAttic.TargetFrame = "Attic";
    ActionSpec door;
    door.ChangeVariable = true;
    door.VariableToChange = "Door";
    door.Toggle = true;
    door.ShowMessage = true;
    door.MessageText = "The door creaks.";
    door.MessageInFrame = true;
    ActionSpec toCellar;
    toCellar.GoToFrame = true;
    toCellar.TargetFrame = "Cellar";
    ActionSpec coin;
    coin.MessageInFrame = true;
    coin.ChangeVariable = true;
    coin.VariableToChange = "Coin";
    coin.SetToOne = true;
    coin.HotspotDisappears = true;
    coin.ShowMessage = true;
    coin.MessageText = "You take the coin.";
    WriteActions(writer, "Hall", {toAttic, door, toCellar, coin});

    ActionSpec back;
    back.GoBack = true;
    WriteHotspots(writer, "Attic", {At(0, 0)});
    WriteActions(writer, "Attic", {back});
    WriteHotspots(writer, "Cellar", {At(0, 0)});
    WriteActions(writer, "Cellar", {back});
    TextSpec dark;
    dark.Caption = "A dark cellar";
    dark.Left = 10;
    dark.Top = 100;
    WriteTexts(writer, "Cellar", {dark});
  }

  // Runs an automation script to its end; true when every command could be carried out.
  bool Play(const std::string& text) {
    auto parsed = automation::ParseScript(text);
    if (!std::holds_alternative<std::vector<automation::Command>>(parsed)) return false;
    std::ostringstream errors;
    automation::ScriptRunner runner(std::get<std::vector<automation::Command>>(std::move(parsed)),
                                    errors);
    game.platform.events().SetInputSource(&runner);
    game.platform.events().RunModal([&] { return runner.finished(); });
    game.platform.events().SetInputSource(nullptr);
    return !runner.failure().has_value();
  }
};

TEST_F(WalkthroughTest, ClicksGoBackToggleRevealAndTakeAHotspot) {
  Start();
  ASSERT_TRUE(Play(R"(# to the attic and back to the last visited frame
click 10 10
wait 200
click 10 10
wait 200
# the cellar door is hidden while Door is 0: this press hits the background
click 130 10
wait 200
click 70 10
wait 200
click 10 70
wait 200
click 130 10
wait 3000
)"));
  const nlohmann::json dump = game.platform.state().Collect();
  EXPECT_EQ(dump["frame"], "Cellar");
  EXPECT_EQ(dump["history"], nlohmann::json::parse(R"(["Hall", "Cellar"])"));
  EXPECT_EQ(dump["variables"],
            nlohmann::json::parse(R"([{"name":"Door","value":1},{"name":"Coin","value":1}])"));
  EXPECT_EQ(dump["variants"],
            nlohmann::json::parse(R"([{"name":"Score","type":"Integer","value":0}])"));
  EXPECT_EQ(dump["disappeared"], nlohmann::json::parse(R"([{"frame":"Hall","index":4}])"));
  EXPECT_EQ(dump["hotspots"],
            nlohmann::json::parse(
                R"([{"index":1,"visible":true,"left":2,"top":2,"width":46,"height":46}])"));
  ASSERT_EQ(dump["texts"].size(), 1u);
  EXPECT_EQ(dump["texts"][0]["caption"], "A dark cellar");
  EXPECT_EQ(dump["banner"], nlohmann::json::parse(R"({"visible":false,"text":""})"));
  ASSERT_EQ(messages().size(), 2u);
  EXPECT_EQ(messages()[0].kind, "banner");
  EXPECT_EQ(messages()[0].text, "The door creaks.");
  EXPECT_EQ(messages()[1].text, "You take the coin.");
  EXPECT_EQ(messages()[1].kind, "banner");
  EXPECT_EQ(log.Count("MenusOnMouseDown 1"), 1u);  // the press on the hidden hotspot
}

TEST_F(WalkthroughTest, ADisappearedHotspotStaysGoneWhenItsFrameComesBack) {
  Start();
  ASSERT_TRUE(Play(R"(click 10 70
wait 200
click 10 10
wait 200
click 10 10
wait 200
)"));
  EXPECT_EQ(game.runtime.CurrentFrameName, "Hall");
  EXPECT_FALSE(interaction->hotspots.Area(4)->visible());
  EXPECT_TRUE(interaction->hotspots.Area(1)->visible());
  // A press where the coin was reaches the background, not its action.
  variables().ChangeVariableValue("Coin", 0);
  ASSERT_TRUE(Play("click 10 70\nwait 200\n"));
  EXPECT_EQ(variables().GetVariableValue("Coin"), 0);
  EXPECT_EQ(messages().size(), 1u);
}

}  // namespace
}  // namespace sw::testing
