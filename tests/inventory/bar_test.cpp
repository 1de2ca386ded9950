// The inventory bar: sliding open and closed with the pointer, at the pace of the clock, the
// pop-up after a pick-up and its timer, and the panel's pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

#include <nlohmann/json.hpp>

#include "inventory_fixture.h"
#include "platform/platform.h"

namespace sw::testing {
namespace {

constexpr uint32_t kRed = 0xC02020;

// Ticks that also move the pointer at given times and watch the panel on every pass.
class PointerPlan : public platform::InputSource {
 public:
  struct Step {
    std::int64_t at_ms;
    int x;
    int y;
  };
  std::deque<Step> steps;
  int tick_ms = 10;
  platform::PictureBoxElement* panel = nullptr;
  int highest_top = -1000000;

  bool Poll(platform::Platform& platform) override {
    if (panel) highest_top = std::max(highest_top, panel->top());
    const std::int64_t now = platform.clock().NowMs();
    if (!steps.empty() && steps.front().at_ms <= now) {
      const platform::Rect frame = platform.desktop().FrameRect();
      platform::InputEvent e;
      e.kind = platform::InputEvent::Kind::kMouseMove;
      e.position = {frame.x + steps.front().x, frame.y + steps.front().y};
      steps.pop_front();
      platform.events().Post(e);
      return true;
    }
    platform.virtual_clock()->Advance(tick_ms);
    return true;
  }
};

class BarTest : public InventoryFixture {
 protected:
  platform::PictureBoxElement& panel() { return window().Inventory1; }
  std::int64_t Now() { return game.platform.clock().NowMs(); }
  // Milliseconds of clock time a slide takes from the pointer's move until it is over.
  std::int64_t TimeToOpen(int tickMs) {
    ticks.tick_ms = tickMs;
    const std::int64_t start = Now();
    OpenBar();
    EXPECT_EQ(panel().top(), 0);
    return Now() - start;
  }
};

TEST_F(BarTest, TheEmptyBarWaitsClosedAboveTheFrame) {
  Start();
  EXPECT_TRUE(panel().visible());
  EXPECT_EQ(panel().height(), 780);
  EXPECT_EQ(panel().top(), -780);
  EXPECT_EQ(panel().left(), 0);
  EXPECT_EQ(panel().width(), 9600);
  EXPECT_EQ(window().Inventory2.left(), 0);
  EXPECT_EQ(window().Inventory2.top(), 0);
  EXPECT_FALSE(window().Inventory2.picture().empty()) << "the built-in handle";
  EXPECT_FALSE(panel().picture().empty()) << "the built-in panel";
  EXPECT_EQ(game.platform.state().Collect()["inventoryBar"],
            nlohmann::json::parse(R"({"top":-52,"height":52,"open":false,"handleVisible":false,
                                      "poppedOpen":false})"));
}

TEST_F(BarTest, AGameWithoutInventoryHasNoBar) {
  info.InventoryEnabled = false;
  Start();
  EXPECT_FALSE(panel().visible());
  EXPECT_FALSE(window().Inventory2.visible());
  bar().PointerOverInventory();
  EXPECT_FALSE(bar().InventoryMoving);
}

TEST_F(BarTest, ThePointerOverTheHandleOpensTheBarAndOverTheFrameClosesIt) {
  info.HideEmptyInventoryHandle = false;
  Start();
  OpenBar();
  EXPECT_EQ(panel().top(), 0);
  EXPECT_EQ(bar().PointerZone, InventoryBar::kOverInventory);
  EXPECT_FALSE(bar().InventoryMoving);
  EXPECT_EQ(game.platform.state().Collect()["inventoryBar"]["open"], true);
  MoveTo(100, 30);  // over the open panel: it stays
  EXPECT_EQ(panel().top(), 0);
  MoveTo(300, 300);
  EXPECT_EQ(panel().top(), -780);
  EXPECT_EQ(bar().PointerZone, InventoryBar::kOverFrame);
}

TEST_F(BarTest, AFullSlideTakesAboutAThirdOfASecondWhateverThePaceOfTheLoop) {
  info.HideEmptyInventoryHandle = false;
  Start();
  for (int tick : {1, 5, 10, 50}) {
    SCOPED_TRACE(tick);
    const std::int64_t opening = TimeToOpen(tick);
    EXPECT_GE(opening, 270);
    EXPECT_LE(opening, 420);
    const std::int64_t start = Now();
    MoveTo(300, 300);
    EXPECT_EQ(panel().top(), -780);
    EXPECT_GE(Now() - start, 270);
    EXPECT_LE(Now() - start, 420);
  }
}

TEST_F(BarTest, ATallerPanelSlidesInTheSameTime) {
  for (int i = 1; i <= 31; ++i) Item("Thing" + std::to_string(i), kRed);
  Start();
  for (int i = 1; i <= 31; ++i) items().AddPickedObject("Thing" + std::to_string(i), true);
  ASSERT_EQ(panel().height(), 2040);
  const std::int64_t opening = TimeToOpen(10);
  EXPECT_GE(opening, 270);
  EXPECT_LE(opening, 420);
}

TEST_F(BarTest, TheSlideReversesWhenThePointerLeavesBeforeTheBarIsOpen) {
  info.HideEmptyInventoryHandle = false;
  Start();
  PointerPlan plan;
  plan.panel = &panel();
  plan.steps.push_back({Now() + 120, 300, 300});
  game.platform.events().SetInputSource(&plan);
  OpenBar();
  game.platform.events().SetInputSource(&ticks);
  EXPECT_EQ(panel().top(), -780) << "closed again";
  EXPECT_GT(plan.highest_top, -780) << "it had started to open";
  EXPECT_LT(plan.highest_top, -100) << "and never reached the open position";
  EXPECT_FALSE(bar().InventoryMoving);
}

TEST_F(BarTest, WithoutSlidingTheBarJumpsOpenAndClosedInOnePass) {
  info.HideEmptyInventoryHandle = false;
  info.InventorySlideOpen = false;
  info.InventorySlideClose = false;
  Start();
  const auto passes = game.platform.events().passes();
  const std::int64_t start = Now();
  OpenBar();
  EXPECT_EQ(panel().top(), 0);
  EXPECT_LE(game.platform.events().passes() - passes, 2u);
  EXPECT_LE(Now() - start, 10);
  MoveTo(300, 300);
  EXPECT_EQ(panel().top(), -780);
  EXPECT_LE(Now() - start, 20);
}

TEST_F(BarTest, APopUpIsClosedByItsTimerAndNotByThePointer) {
  Item("Rope", kRed);
  Start();
  items().AddPickedObject("Rope", false);
  EXPECT_EQ(panel().top(), 0);
  EXPECT_TRUE(bar().InventoryPoppedOpen);
  EXPECT_EQ(game.platform.state().Collect()["inventoryBar"]["poppedOpen"], true);
  const std::int64_t opened = Now();
  MoveTo(300, 300);
  EXPECT_EQ(panel().top(), 0) << "the pointer over the frame does not close a pop-up";
  Wait(1500 - static_cast<int>(Now() - opened));
  EXPECT_EQ(panel().top(), 0);
  Wait(1000);
  EXPECT_FALSE(bar().InventoryPoppedOpen);
  EXPECT_FALSE(window().TimerInventory.enabled());
  EXPECT_EQ(panel().top(), -780);
}

TEST_F(BarTest, APopUpStaysOpenWhenTheBarDoesNotCloseByItself) {
  info.InventorySlideClose = false;
  Item("Rope", kRed);
  Start();
  items().AddPickedObject("Rope", false);
  Wait(2500);
  EXPECT_FALSE(bar().InventoryPoppedOpen);
  EXPECT_EQ(panel().top(), 0);
  MoveTo(300, 300);
  EXPECT_EQ(panel().top(), -780);
}

TEST_F(BarTest, ASecondPickUpRestartsThePopUpsTime) {
  Item("Rope", kRed);
  Start();
  items().AddPickedObject("Rope", false);
  Wait(1500);
  items().AddPickedObject("Rope", false);
  Wait(1500);
  EXPECT_EQ(panel().top(), 0);
  EXPECT_TRUE(bar().InventoryPoppedOpen);
  Wait(1000);
  EXPECT_EQ(panel().top(), -780);
}

TEST_F(BarTest, ASlideWithNothingToMoveTimeEndsWhereItWasGoing) {
  info.HideEmptyInventoryHandle = false;
  Start();
  AnswerDialogsWithEnter still;
  game.platform.events().SetInputSource(&still);
  bar().PointerOverInventory();
  EXPECT_EQ(panel().top(), 0);
  bar().PointerOverFrame();
  EXPECT_EQ(panel().top(), -780);
  game.platform.events().SetInputSource(&ticks);
}

TEST_F(BarTest, TheOpenBarShowsItsIconsAtTheirGridPlaces) {
  Item("Rope", kRed);
  Item("Hook", 0x20C020);
  Start();
  Hold({"Rope", "Hook"});
  OpenBar();
  const platform::Pixmap shot = game.platform.Screenshot();
  EXPECT_EQ(shot.Pixel(10 + 16, 10 + 16), 0xFF000000u | kRed);
  EXPECT_EQ(shot.Pixel(52 + 16, 10 + 16), 0xFF20C020u);
  EXPECT_NE(shot.Pixel(300, 20), 0xFF404040u) << "the panel, not the frame";
  EXPECT_EQ(shot.Pixel(300, 60), 0xFF404040u) << "below the panel, the frame";
}

TEST_F(BarTest, TheProjectsOwnPicturesHangAtTheBottomOfThePanelAndOnTheHandle) {
  info.InventoryCustomGraphics = true;
  info.InventoryBackgroundFile = "shelf.bmp";
  info.InventoryHandleFile = "TAB.BMP";
  info.HideEmptyInventoryHandle = false;
  writer.WriteRaw("Inventory/shelf.bmp", MakeBmp(640, 20, [](int, int) { return 0x8040A0u; }));
  writer.WriteRaw("Inventory/tab.bmp", MakeBmp(30, 10, [](int, int) { return 0x10E0E0u; }));
  for (int i = 1; i <= 16; ++i) Item("Thing" + std::to_string(i), kRed);
  Start();
  platform::ImageElement* background = bar().Background(window());
  ASSERT_NE(background, nullptr);
  EXPECT_TRUE(background->visible());
  EXPECT_EQ(background->top(), 780 - 300);
  EXPECT_EQ(window().Inventory2.picture().width(), 30);
  for (int i = 1; i <= 16; ++i) items().AddPickedObject("Thing" + std::to_string(i), true);
  EXPECT_EQ(background->top(), 1410 - 300) << "it follows the panel's bottom";
  items().RemovePickedObject(16);
  EXPECT_EQ(background->top(), 780 - 300);
  OpenBar();
  EXPECT_EQ(game.platform.Screenshot().Pixel(400, 50), 0xFF8040A0u);
  MoveTo(300, 300);
  MoveTo(5, 5);  // the project's handle opens the bar as well
  EXPECT_EQ(panel().top(), 0);
}

TEST_F(BarTest, DefaultOrMissingPicturesLeaveTheBuiltInOnes) {
  info.InventoryCustomGraphics = true;
  info.InventoryBackgroundFile = "Default";
  info.InventoryHandleFile = "missing.bmp";
  Start();
  EXPECT_FALSE(bar().Background(window())->visible());
  EXPECT_EQ(window().Inventory2.picture().width(), 48);
  EXPECT_TRUE(messages().empty());
}

TEST_F(BarTest, ProjectPicturesCountOnlyWithCustomGraphics) {
  info.InventoryBackgroundFile = "shelf.bmp";
  writer.WriteRaw("Inventory/shelf.bmp", MakeBmp(64, 20, [](int, int) { return 0x8040A0u; }));
  Start();
  EXPECT_FALSE(bar().Background(window())->visible());
  EXPECT_TRUE(bar().Background(window())->picture().empty());
}

TEST_F(BarTest, ADamagedProjectPictureIsSkippedSilently) {
  info.InventoryCustomGraphics = true;
  info.InventoryBackgroundFile = "shelf.bmp";
  writer.WriteRaw("Inventory/shelf.bmp", "not a picture");
  Start();
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(panel().top(), -780);
}

}  // namespace
}  // namespace sw::testing
