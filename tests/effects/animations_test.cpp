#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "authoring/effects_writer.h"
#include "effects/effects_fixture.h"

namespace sw::testing {
namespace {

constexpr uint32_t kImageColours[] = {0xFF0000, 0x00FF00, 0x0000FF};

// Three images of 20 × 10 pixels, 100 ms each: red, green, blue; the right half of each is
// transparent.
std::string ThreeColours(int delayCs = 10) {
  std::vector<GifImage> images;
  for (uint32_t colour : kImageColours) {
    images.push_back(
        {[colour](int x, int) { return x < 10 ? colour : kGifTransparent; }, delayCs, 1});
  }
  return MakeAnimatedGif(20, 10, images);
}

class AnimationsTest : public EffectsFixture {
 protected:
  void SetUp() override {
    info.StartFrame = "Hall";
    ColourFrame("Hall", 0x808080);
    ColourFrame("Sea", 0x000080);
    writer.WriteVariables({"Hidden"});
    writer.WriteRaw("Areas/anim.gif", ThreeColours());
  }
  // Hotspot 1 plain, hotspot 2 animated at (40, 30) with the given speed.
  void Hotspots(std::optional<double> speed, const std::string& file = "anim.gif",
                bool conditional = false) {
    HotspotSpec plain;
    plain.Left = 150;
    plain.Top = 100;
    plain.Width = 20;
    plain.Height = 20;
    HotspotSpec animated;
    animated.Left = 40;
    animated.Top = 30;
    animated.Width = 30;
    animated.Height = 20;
    animated.Animated = true;
    animated.HasPicture = true;
    animated.PictureFile = file;
    animated.Speed = speed;
    if (conditional) {
      animated.Conditions = true;
      animated.MustBeZero = {"Hidden"};
    }
    WriteHotspots(writer, "Hall", {plain, animated});
  }
  effects::Animations& animations() { return effects->animations; }
  int ImageShown() {
    const nlohmann::json dump = Dump();
    for (const auto& a : dump["animations"]) {
      if (a["index"] == 2) return a["image"];
    }
    return -1;
  }
  // The colour on screen at the animated picture's left half.
  uint32_t Shown() { return FramePixel(42 + 3, 32 + 3) & 0xFFFFFF; }
};

TEST_F(AnimationsTest, APictureAppearsAtTheHotspotAndPlaysItsImagesByTheirDelays) {
  Hotspots(std::nullopt);
  Start();
  platform::PictureBoxElement* box = animations().AniGifBox(2);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(animations().AniGifBox(1), nullptr);
  // Placed at the hotspot's rectangle shrunk by two pixels, at the picture's natural size.
  EXPECT_EQ(box->left(), 42 * 15);
  EXPECT_EQ(box->top(), 32 * 15);
  EXPECT_EQ(box->width(), 20 * 15);
  EXPECT_EQ(box->height(), 10 * 15);
  EXPECT_TRUE(box->visible());
  EXPECT_EQ(Shown(), kImageColours[0]);
  Wait(100);
  EXPECT_EQ(Shown(), kImageColours[1]);
  Wait(100);
  EXPECT_EQ(Shown(), kImageColours[2]);
  Wait(100);
  EXPECT_EQ(Shown(), kImageColours[0]);
  // The transparent half shows the frame below.
  EXPECT_EQ(FramePixel(42 + 15, 32 + 3) & 0xFFFFFF, 0x808080u);
  const auto dump = Dump()["animations"];
  ASSERT_EQ(dump.size(), 1u);
  EXPECT_EQ(dump[0]["index"], 2);
  EXPECT_EQ(dump[0]["visible"], true);
  EXPECT_TRUE(messages().empty());
}

TEST_F(AnimationsTest, SpeedZeroPlaysAsFiftyAndAHigherSpeedPlaysFaster) {
  Hotspots(std::nullopt);
  Start();
  for (const auto& [speed, imageAfter150] : {std::pair{0.0, 1}, {-3.0, 1}, {50.0, 1}, {100.0, 0}}) {
    SCOPED_TRACE(speed);
    Hotspots(speed);
    window().OpenFrame("Hall");
    Wait(150);
    // At speed 100 each image lasts 50 ms: 150 ms later the fourth image (the first again).
    EXPECT_EQ(ImageShown(), imageAfter150);
  }
}

TEST_F(AnimationsTest, APictureShownAgainStartsFromItsFirstImage) {
  Hotspots(std::nullopt, "anim.gif", true);
  Start();
  Wait(120);
  ASSERT_EQ(ImageShown(), 1);
  variables().ChangeVariableValue("Hidden", 1);
  interaction->hotspots.ShowOrNotShowAreas();
  EXPECT_FALSE(animations().AniGifBox(2)->visible());
  Wait(250);
  variables().ChangeVariableValue("Hidden", 0);
  interaction->hotspots.ShowOrNotShowAreas();
  EXPECT_TRUE(animations().AniGifBox(2)->visible());
  EXPECT_EQ(ImageShown(), 0);
  EXPECT_EQ(Shown(), kImageColours[0]);
  Wait(100);
  EXPECT_EQ(ImageShown(), 1);
}

TEST_F(AnimationsTest, ATransitionRestartsThePicturesAndCapturesTheirFirstImage) {
  Hotspots(std::nullopt);
  writer.WriteRaw("FramesData/Sea.fm2", "");
  Start();
  Wait(120);
  ASSERT_EQ(ImageShown(), 1);
  // The old frame is captured with the picture's first image, whatever it shows now.
  transitions().TransitionStep1(2);
  EXPECT_EQ(transitions().picStart()->surface().Pixel(45, 35) & 0xFFFFFF, kImageColours[0]);
  transitions().TransitionStep2(2, 0.05);
  EXPECT_EQ(ImageShown(), 0);
}

TEST_F(AnimationsTest, AMissingFileMakesAnEmptyBoxAndABrokenOneIsReported) {
  Hotspots(std::nullopt, "gone.gif");
  Start();
  platform::PictureBoxElement* box = animations().AniGifBox(2);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->width(), 0);
  EXPECT_TRUE(Dump()["animations"].empty());
  // The lookup reports the missing file as it does for every picture; the loader adds nothing.
  const size_t shown = messages().size();

  // A file cut inside its images plays the images that are whole.
  const std::string whole = ThreeColours();
  writer.WriteRaw("Areas/cut.gif", whole.substr(0, whole.size() - 40) + "garbage");
  Hotspots(std::nullopt, "cut.gif");
  window().OpenFrame("Hall");
  EXPECT_EQ(messages().size(), shown);
  ASSERT_EQ(Dump()["animations"].size(), 1u);
  EXPECT_EQ(Dump()["animations"][0]["images"], 2);

  // One without a whole image cannot be shown: that is reported.
  writer.WriteRaw("Areas/broken.gif", whole.substr(0, 30) + "garbage");
  Hotspots(std::nullopt, "broken.gif");
  window().OpenFrame("Hall");
  ASSERT_EQ(messages().size(), shown + 1);
  EXPECT_NE(messages().back().text.find(" Unable to load '"), std::string::npos);
  EXPECT_NE(messages().back().text.find("broken.gif'."), std::string::npos);
  EXPECT_TRUE(Dump()["animations"].empty());
}

TEST_F(AnimationsTest, AnEmptyNameOrNoIndexMakesNothing) {
  Start();
  EXPECT_EQ(animations().AniGifNewWithIndex(3, "", 0, 0, 50), 0);
  EXPECT_EQ(
      animations().AniGifNewWithIndex(0, (game.project() / "Areas/anim.gif").string(), 0, 0, 50),
      0);
  EXPECT_EQ(window().form().UBound("AniGifBox"), 0);
  EXPECT_EQ(window().form().UBound("AniGif"), 0);
}

TEST_F(AnimationsTest, APressOnThePictureActsOnItsHotspotWithTheFramePosition) {
  Hotspots(std::nullopt);
  ActionSpec none;
  ActionSpec go;
  go.GoToFrame = true;
  go.TargetFrame = "Sea";
  WriteActions(writer, "Hall", {none, go});
  Start();
  Click(45, 35);
  EXPECT_EQ(game.runtime.CurrentFrameName, "Sea");
  // The new frame removed the pictures of the old one.
  EXPECT_EQ(animations().AniGifBox(2), nullptr);
  EXPECT_TRUE(Dump()["animations"].empty());
  EXPECT_EQ(interaction->actions.LastClickX, 45);
  EXPECT_EQ(interaction->actions.LastClickY, 35);
}

}  // namespace
}  // namespace sw::testing

namespace sw::testing {
namespace {

TEST_F(AnimationsTest, OnlyAnInventoryItemDroppedOnThePictureReachesItsHotspot) {
  Hotspots(std::nullopt);
  Start();
  platform::PictureBoxElement* box = animations().AniGifBox(2);
  ASSERT_NE(box, nullptr);
  platform::Element& item = window().form().Get<platform::Element>("PickedObject", 0);
  platform::Element& other = window().PictureBox;
  interaction->actions.AniGifDragDrop(*box, other, 30, 45);
  EXPECT_EQ(interaction->actions.LastClickX, 0);
  interaction->actions.AniGifDragDrop(*box, item, 30, 45);
  // Box at (42, 32) pixels; the drop 2 by 3 pixels inside it.
  EXPECT_EQ(interaction->actions.LastClickX, 44);
  EXPECT_EQ(interaction->actions.LastClickY, 35);
}

}  // namespace
}  // namespace sw::testing
