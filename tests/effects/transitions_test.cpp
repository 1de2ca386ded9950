#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "effects/effects_fixture.h"
#include "platform/label.h"

namespace sw::testing {
namespace {

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kBlue = 0x0000FF;

class TransitionsTest : public EffectsFixture {
 protected:
  void SetUp() override {
    info.StartFrame = "Hall";
    ColourFrame("Hall", kRed);
    ColourFrame("Sea", kBlue);
    writer.WriteVariables({});
  }
  bool IsRed(platform::Argb p) { return Red(p) > 200 && Blue(p) < 50; }
  bool IsBlue(platform::Argb p) { return Blue(p) > 200 && Red(p) < 50; }
};

TEST_F(TransitionsTest, CrossFadeIsHalfWayAtHalfTheDurationAndEndsOnTheNewFrame) {
  Start();
  shots.wanted = {250, 500, 750};
  OpenWith("Sea", 1, 1.0);
  ASSERT_EQ(shots.shots.size(), 3u);
  const platform::Argb half = shots.shots[500].Pixel(100, 75);
  EXPECT_NEAR(Red(half), 127, 2);
  EXPECT_NEAR(Blue(half), 128, 2);
  EXPECT_GT(Red(shots.shots[250].Pixel(10, 10)), Red(half));
  EXPECT_LT(Red(shots.shots[750].Pixel(10, 10)), Red(half));
  // The fade went with the picture and was finished.
  ASSERT_FALSE(fades->steps.empty());
  EXPECT_DOUBLE_EQ(fades->steps.back(), 1.0);
  EXPECT_GT(transitions().steps(), 50);
  EXPECT_TRUE(IsBlue(FramePixel(100, 75)));
  EXPECT_FALSE(transitions().picWhere()->visible());
  EXPECT_FALSE(transitions().running());
  const auto dump = Dump();
  EXPECT_EQ(dump["transition"]["lastKind"], 1);
  EXPECT_EQ(dump["transition"]["running"], false);
}

TEST_F(TransitionsTest, NumberZeroCrossFadesExactlyAsOne) {
  Start();
  shots.wanted = {300};
  OpenWith("Sea", 1, 1.0);
  const platform::Pixmap one = shots.shots[300];
  window().OpenFrame("Hall");
  shots.shots.clear();
  OpenWith("Sea", 0, 1.0);
  ASSERT_EQ(shots.shots.count(300), 1u);
  EXPECT_EQ(shots.shots[300].pixels(), one.pixels());
}

TEST_F(TransitionsTest, EachSlideShowsBothFramesHalfWay) {
  Start();
  struct Case {
    int number;
    platform::Point newSide;
    platform::Point oldSide;
  };
  // 2 enters from the left, 3 from the right, 4 from the top, 5 from the bottom.
  const Case cases[] = {{2, {50, 75}, {150, 75}},
                        {3, {150, 75}, {50, 75}},
                        {4, {100, 35}, {100, 110}},
                        {5, {100, 110}, {100, 35}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.number);
    window().OpenFrame("Hall");
    shots.shots.clear();
    shots.wanted = {500};
    OpenWith("Sea", c.number, 1.0);
    ASSERT_EQ(shots.shots.count(500), 1u);
    const platform::Pixmap& shot = shots.shots[500];
    EXPECT_TRUE(IsBlue(shot.Pixel(c.newSide.x, c.newSide.y)));
    EXPECT_TRUE(IsRed(shot.Pixel(c.oldSide.x, c.oldSide.y)));
    // The scratch file belongs to the cross-fade only.
    EXPECT_FALSE(std::filesystem::exists(Scratch()));
    EXPECT_TRUE(IsBlue(FramePixel(100, 75)));
    EXPECT_FALSE(transitions().picStart()->visible());
    EXPECT_FALSE(transitions().picEnd()->visible());
  }
}

TEST_F(TransitionsTest, SlideLeftMovesTheNewFrameInAtTheClocksPace) {
  Start();
  shots.wanted = {250, 750};
  OpenWith("Sea", 2, 1.0);
  // A quarter of the way the new frame covers the left quarter only.
  EXPECT_TRUE(IsBlue(shots.shots[250].Pixel(40, 75)));
  EXPECT_TRUE(IsRed(shots.shots[250].Pixel(60, 75)));
  EXPECT_TRUE(IsBlue(shots.shots[750].Pixel(140, 75)));
  EXPECT_TRUE(IsRed(shots.shots[750].Pixel(160, 75)));
}

TEST_F(TransitionsTest, InvalidNumbersAndNoDurationDrawNothingAndFinishTheFade) {
  Start();
  for (const auto& [number, seconds] : {std::pair{6, 1.0}, {-1, 1.0}, {1, 0.0}, {2, -3.0}}) {
    SCOPED_TRACE(number);
    fades->steps.clear();
    const auto before = game.platform.clock().NowMs();
    window().OpenFrame(
        number == 6 ? "Sea" : (game.runtime.CurrentFrameName == "Sea" ? "Hall" : "Sea"),
        FrameTransition{number, seconds});
    EXPECT_EQ(game.platform.clock().NowMs(), before);  // no time spent animating
    EXPECT_EQ(transitions().steps(), 0);
    EXPECT_EQ(fades->steps, std::vector<double>{1.0});
    EXPECT_FALSE(transitions().picWhere()->visible());
    EXPECT_FALSE(transitions().picStart()->visible());
    EXPECT_FALSE(transitions().picEnd()->visible());
    EXPECT_FALSE(std::filesystem::exists(Scratch()));
  }
  EXPECT_TRUE(messages().empty());
}

TEST_F(TransitionsTest, TheScratchFileHoldsTheOldFrameDuringACrossFadeOnly) {
  Start();
  for (int number : {0, 1, 2, 3, 4, 5}) {
    SCOPED_TRACE(number);
    transitions().TransitionStep1(static_cast<int16_t>(number));
    EXPECT_EQ(std::filesystem::exists(Scratch()), number <= 1);
    // The player sees the frozen frame while a cross-fade prepares; slides show nothing yet.
    EXPECT_EQ(transitions().picWhere()->visible(), number <= 1);
    transitions().TransitionStep2(static_cast<int16_t>(number), 0.1);
    EXPECT_FALSE(std::filesystem::exists(Scratch()));
    EXPECT_FALSE(transitions().picWhere()->visible());
  }
}

TEST_F(TransitionsTest, TheDisabledCheckMarkSkipsBothStepsAndShowsTheNewFrameAtOnce) {
  Start();
  window().form().menu().Get("mnuDisableTransitions").SetChecked(true);
  const auto before = game.platform.clock().NowMs();
  window().OpenFrame("Sea", FrameTransition{1, 2.0});
  EXPECT_EQ(game.platform.clock().NowMs(), before);
  EXPECT_EQ(transitions().steps(), 0);
  EXPECT_FALSE(std::filesystem::exists(Scratch()));
  EXPECT_TRUE(IsBlue(FramePixel(100, 75)));
  // The sound's fade does not wait for a transition that never comes.
  EXPECT_EQ(fades->steps, std::vector<double>{1.0});
  EXPECT_EQ(Dump()["flags"]["transitionsDisabled"], true);
}

TEST_F(TransitionsTest, APressStopsASlideAndTheNewFrameShowsAtOnce) {
  Start();
  shots.pressAt = 300;
  shots.pressPoint = {100, 75};
  OpenWith("Sea", 3, 2.0);
  // Ended long before its two seconds, without the user's press lingering.
  EXPECT_LT(game.platform.clock().NowMs() - shots.origin, 400);
  EXPECT_FALSE(transitions().running());
  EXPECT_FALSE(game.runtime.UserInterrupt);
  EXPECT_FALSE(transitions().picStart()->visible());
  EXPECT_TRUE(IsBlue(FramePixel(100, 75)));
  ASSERT_FALSE(fades->steps.empty());
  EXPECT_DOUBLE_EQ(fades->steps.back(), 1.0);
}

TEST_F(TransitionsTest, TheRunningFlagHoldsOnlyWhileTheAnimationLoops) {
  Start();
  int pollsWhileRunning = 0;
  shots.onPoll = [&] {
    if (game.runtime.subsystems().transitions->TransitionRunning()) ++pollsWhileRunning;
  };
  OpenWith("Sea", 4, 0.5);
  EXPECT_GE(pollsWhileRunning, 45);
  EXPECT_FALSE(game.runtime.subsystems().transitions->TransitionRunning());
  EXPECT_EQ(Dump()["transition"]["running"], false);
  EXPECT_EQ(Dump()["transition"]["lastKind"], 4);
  EXPECT_EQ(Dump()["transition"]["steps"], transitions().steps());
}

TEST_F(TransitionsTest, CaptureWritesTextsLineByLineAtTheirPixelPlaces) {
  TextSpec two;
  two.Caption = "A\r\nB";
  two.Left = 20;
  two.Top = 30;
  two.ForeColor = 0xFFFFFF;
  TextSpec one = two;
  one.Caption = "A\r\n";
  one.Top = 80;
  WriteTexts(writer, "Hall", {two, one});
  Start();
  platform::PictureBoxElement& box = *transitions().picStart();
  box.Move(0, 0, window().PictureBox.width(), window().PictureBox.height());
  transitions().CaptureCurrentFrame(box);
  // The last caption printed is "A" CR LF: one line, no empty one after it.
  const int line = box.TextHeight("A");
  EXPECT_EQ(box.current_y(), 80 * 15 + line);
  // "A" CR LF "B": the second line lies under the first, at the same left.
  auto whiteIn = [&box](int x0, int y0, int x1, int y1) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        if (Red(box.surface().Pixel(x, y)) > 200 && Blue(box.surface().Pixel(x, y)) > 200)
          return true;
    return false;
  };
  const int linePx = line / 15;
  EXPECT_TRUE(whiteIn(20, 30, 40, 30 + linePx));
  EXPECT_TRUE(whiteIn(20, 30 + linePx, 40, 30 + 2 * linePx));
  EXPECT_FALSE(whiteIn(20, 30 + 2 * linePx, 40, 80));
  // The background is the frame's colour.
  EXPECT_TRUE(IsRed(box.surface().Pixel(150, 140)));
}

TEST_F(TransitionsTest, CaptureLeavesOutHiddenHotspotsAndDrawsPicturesAtTheirSize) {
  writer.WriteRaw("Areas/green.bmp", MakeBmp(10, 10, [](int, int) { return 0x00FF00; }));
  HotspotSpec shown;
  shown.Left = 10;
  shown.Top = 10;
  shown.Width = 24;
  shown.Height = 24;
  shown.HasPicture = true;
  shown.PictureFile = "green.bmp";
  shown.Stretch = true;
  HotspotSpec hidden = shown;
  hidden.Left = 100;
  hidden.Conditions = true;
  hidden.MustBeOne = {"Never"};
  writer.WriteVariables({"Never"});
  WriteHotspots(writer, "Hall", {shown, hidden});
  Start();
  platform::PictureBoxElement& box = *transitions().picEnd();
  box.Move(0, 0, window().PictureBox.width(), window().PictureBox.height());
  transitions().CaptureCurrentFrame(box);
  // Shrunk by two pixels on each side: 12..32.
  EXPECT_EQ(Green(box.surface().Pixel(13, 13)), 255);
  EXPECT_EQ(Green(box.surface().Pixel(31, 31)), 255);
  EXPECT_TRUE(IsRed(box.surface().Pixel(11, 11)));
  EXPECT_TRUE(IsRed(box.surface().Pixel(105, 15)));
}

}  // namespace
}  // namespace sw::testing

namespace sw::testing {
namespace {

TEST_F(TransitionsTest, AFrozenFrameLeftByABrokenLinkGoesAwayAtTheNextPress) {
  Start();
  window().OpenFrame("Nowhere", FrameTransition{1, 1.0});
  ASSERT_EQ(messages().size(), 1u);  // the broken link
  ASSERT_TRUE(transitions().picWhere()->visible());
  Click(100, 75);
  EXPECT_FALSE(transitions().picWhere()->visible());
  EXPECT_TRUE(IsRed(FramePixel(100, 75)));
}

}  // namespace
}  // namespace sw::testing
