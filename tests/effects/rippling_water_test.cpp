#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "authoring/effects_writer.h"
#include "effects/effects_fixture.h"

namespace sw::testing {
namespace {

// A picture whose every column differs, so any sideways shift shows.
uint32_t Gradient(int x, int y) {
  return static_cast<uint32_t>((x % 256) << 16 | ((y * 3) % 256) << 8 | ((x * 7) % 256));
}

class RipplingWaterTest : public EffectsFixture {
 protected:
  void SetUp() override {
    info.StartFrame = "Hall";
    ColourFrame("Hall", 0x202020);
    PictureFrame("Bay", Gradient);
    writer.WriteVariables({});
  }
  // The water: the rectangle (20, 60, 160, 80); the mask keeps the upper half still.
  void Water(int16_t speed, std::optional<bool> reverse = {}, int16_t level = 5) {
    RipplingWaterSpec water;
    water.Left = 20;
    water.Top = 60;
    water.Width = 160;
    water.Height = 80;
    water.WaveLevel = level;
    water.WaveSpeed = speed;
    water.Reverse = reverse;
    WriteRipplingWater(writer, "Bay", water);
    writer.WriteRaw("Frames/Bay.rwm",
                    MakeBmp(160, 80, [](int, int y) { return y < 40 ? 0xFFFFFFu : 0u; }));
  }
  platform::PictureBoxElement& PicRipplingWater() { return window().PicRipplingWater; }
  // Rows of the water picture that differ from the frame picture below it.
  int MovedRows(int fromRow, int toRow) {
    const platform::Pixmap& water = PicRipplingWater().surface();
    int moved = 0;
    for (int y = fromRow; y < toRow; ++y) {
      for (int x = 0; x < 160; ++x) {
        if ((water.Pixel(x, y) & 0xFFFFFF) != Gradient(20 + x, 60 + y)) {
          ++moved;
          break;
        }
      }
    }
    return moved;
  }
  std::vector<platform::Argb> WaterPixels() { return PicRipplingWater().surface().pixels(); }
  nlohmann::json Ripple() { return Dump()["ripple"]; }
};

TEST_F(RipplingWaterTest, OnlyTheMaskedPartOfTheRectangleRipplesAndItMovesWithTheClock) {
  Water(8);
  Start();
  Open("Bay");
  ASSERT_EQ(Ripple()["active"], true);
  EXPECT_EQ(Ripple()["rectangle"],
            nlohmann::json({{"left", 20}, {"top", 60}, {"width", 160}, {"height", 80}}));
  EXPECT_TRUE(PicRipplingWater().visible());
  EXPECT_EQ(PicRipplingWater().left(), 20 * 15);
  EXPECT_EQ(PicRipplingWater().width(), 160 * 15);
  EXPECT_TRUE(window().TimerRipplingWater.enabled());
  EXPECT_EQ(MovedRows(0, 40), 0);
  EXPECT_GT(MovedRows(40, 80), 20);
  const auto before = WaterPixels();
  Wait(500);
  EXPECT_NE(WaterPixels(), before);
  EXPECT_EQ(MovedRows(0, 40), 0);
  // Speed 8: ((8 + 2) / 10)^4 / 300 per millisecond of the effect clock.
  const double phase = Ripple()["phase"];
  EXPECT_NEAR(phase, 500.0 / 300.0, 0.1);
  // The screen shows the rippling picture over the frame.
  EXPECT_EQ(FramePixel(20 + 5, 60 + 70) & 0xFFFFFF,
            PicRipplingWater().surface().Pixel(5, 70) & 0xFFFFFF);
  EXPECT_TRUE(messages().empty());
}

TEST_F(RipplingWaterTest, SpeedMinusTwoDistortsTheWaterButHoldsItStill) {
  Water(-2);
  Start();
  Open("Bay");
  ASSERT_EQ(Ripple()["active"], true);
  EXPECT_GT(MovedRows(40, 80), 20);
  const auto still = WaterPixels();
  Wait(700);
  EXPECT_EQ(WaterPixels(), still);
  EXPECT_EQ(Ripple()["phase"], 0.0);
}

TEST_F(RipplingWaterTest, ReverseMakesThePhaseFallAndTwelveValuesRunForwards) {
  Water(5, true);
  Start();
  Open("Bay");
  Wait(300);
  const double early = Ripple()["phase"];
  Wait(300);
  const double late = Ripple()["phase"];
  EXPECT_LT(early, 0);
  EXPECT_LT(late, early);
  EXPECT_EQ(Ripple()["reverse"], true);

  Water(5);  // the settings file ends after the wave speed
  Open("Hall");
  Open("Bay");
  Wait(300);
  EXPECT_GT(static_cast<double>(Ripple()["phase"]), 0);
  EXPECT_EQ(Ripple()["reverse"], false);
}

TEST_F(RipplingWaterTest, AMissingOrUnreadableMaskLeavesTheEffectOffWithoutAMessage) {
  Water(3);
  std::filesystem::remove(game.project() / "Frames/Bay.rwm");
  Start();
  Open("Bay");
  EXPECT_EQ(Ripple()["active"], false);
  EXPECT_FALSE(PicRipplingWater().visible());
  writer.WriteRaw("Frames/Bay.rwm", "this is no picture");
  Open("Bay");
  EXPECT_EQ(Ripple()["active"], false);
  EXPECT_FALSE(PicRipplingWater().visible());
  Wait(200);
  EXPECT_FALSE(window().TimerRipplingWater.enabled());
  EXPECT_TRUE(messages().empty());
}

TEST_F(RipplingWaterTest, AMaskOfAnotherSizeIsStretchedOverTheRectangle) {
  Water(3);
  writer.WriteRaw("Frames/Bay.rwm",
                  MakeBmp(16, 8, [](int, int y) { return y < 4 ? 0xFFFFFFu : 0u; }));
  Start();
  Open("Bay");
  ASSERT_EQ(Ripple()["active"], true);
  EXPECT_EQ(MovedRows(0, 40), 0);
  EXPECT_GT(MovedRows(40, 80), 20);
}

TEST_F(RipplingWaterTest, BadSettingsShowTheInitialisingErrorOrSkipTheEffect) {
  Water(3);
  writer.WriteRaw("Frames/Bay.rwe", "1,2,3,4,5,6,20,60,160\r\n");
  Start();
  Open("Bay");
  EXPECT_EQ(Ripple()["active"], false);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].text,
            StandardError(" Error initializing the Rippling Water effect. Input past end of file"));
  EXPECT_FALSE(window().TimerRipplingWater.enabled());

  // A rectangle of no size cannot be placed; one beside the frame has nothing to ripple.
  writer.WriteRaw("Frames/Bay.rwe", "1,2,3,4,5,6,20,60,-5,80,5,3\r\n");
  Open("Bay");
  EXPECT_EQ(Ripple()["active"], false);
  EXPECT_EQ(messages().size(), 2u);
  writer.WriteRaw("Frames/Bay.rwe", "1,2,3,4,5,6,3000,3000,160,80,5,3\r\n");
  Open("Bay");
  EXPECT_EQ(Ripple()["active"], false);
  EXPECT_EQ(messages().size(), 2u);
  // Partly outside: the part on the frame ripples.
  writer.WriteRaw("Frames/Bay.rwe", "1,2,3,4,5,6,100,100,32000,32000,5,3\r\n");
  Open("Bay");
  EXPECT_EQ(Ripple()["active"], true);
  EXPECT_EQ(Ripple()["rectangle"]["width"], 100);
  EXPECT_EQ(Ripple()["rectangle"]["height"], 50);
}

TEST_F(RipplingWaterTest, DisablingEffectsStopsTheWaterAndEnablingStartsItAgain) {
  Water(8);
  Start();
  Open("Bay");
  ASSERT_EQ(Ripple()["active"], true);
  effects->EnableOrDisableEffects();
  EXPECT_TRUE(window().form().menu().Get("mnuDisableEffects").checked());
  EXPECT_EQ(game.runtime.GetSetting("DisableEffects", ""), "True");
  EXPECT_EQ(Ripple()["active"], false);
  EXPECT_FALSE(PicRipplingWater().visible());
  EXPECT_FALSE(window().TimerRipplingWater.enabled());
  // A frame opened meanwhile has no water.
  Open("Hall");
  Open("Bay");
  EXPECT_EQ(Ripple()["active"], false);

  effects->EnableOrDisableEffects();
  EXPECT_EQ(game.runtime.GetSetting("DisableEffects", ""), "False");
  EXPECT_EQ(Ripple()["active"], true);
  EXPECT_TRUE(PicRipplingWater().visible());
  EXPECT_TRUE(window().TimerRipplingWater.enabled());
  // The effect clock started again.
  EXPECT_NEAR(static_cast<double>(Ripple()["phase"]), 0.0, 1e-6);
}

TEST_F(RipplingWaterTest, TheWaterIsPartOfTheCapturedFrame) {
  Water(8);
  Start();
  Open("Bay");
  Wait(200);
  platform::PictureBoxElement& box = *transitions().picStart();
  box.Move(0, 0, window().PictureBox.width(), window().PictureBox.height());
  transitions().CaptureCurrentFrame(box);
  const platform::Pixmap& water = PicRipplingWater().surface();
  for (int y : {10, 50, 70}) {
    EXPECT_EQ(box.surface().Pixel(20 + 30, 60 + y) & 0xFFFFFF, water.Pixel(30, y) & 0xFFFFFF);
  }
  EXPECT_EQ(box.surface().Pixel(5, 5) & 0xFFFFFF, Gradient(5, 5));
}

}  // namespace
}  // namespace sw::testing
