// Placing the window on the desktop and scaling its picture: centring, fitting small
// screens, sharp scaling and the pointer's way back to picture pixels.
#include <gtest/gtest.h>

#include "platform/window_icon.h"
#include "platform/window_placement.h"

namespace sw::platform {
namespace {

constexpr Decorations kFrame{4, 28, 4, 4};

TEST(PlaceWindow, AWindowThatFitsIsCentredInTheUsableArea) {
  // A panel of 40 pixels along the bottom of a 1280 x 720 screen.
  const Rect usable{0, 0, 1280, 680};
  const Rect r = PlaceWindow({640, 480}, usable, kFrame);
  EXPECT_EQ(r.w, 640);
  EXPECT_EQ(r.h, 480);
  // The outer frame (648 x 512) has as much room to its left as to its right, above as below.
  EXPECT_EQ(r.x - kFrame.left, 1280 - (r.right() + kFrame.right));
  EXPECT_EQ(r.y - kFrame.top, 680 - (r.bottom() + kFrame.bottom));
  // On a second display to the right.
  EXPECT_EQ(PlaceWindow({640, 480}, {1920, 0, 1280, 680}, kFrame).x, r.x + 1920);
}

TEST(PlaceWindow, AWindowLargerThanTheScreenIsScaledDownKeepingItsShape) {
  // A 1024 x 768 game on a 1280 x 720 screen whose panel takes 40 pixels: the frame's
  // bottom would fall off the screen.
  const Rect usable{0, 0, 1280, 680};
  const Rect r = PlaceWindow({1024, 768}, usable, kFrame);
  EXPECT_EQ(r.h, 680 - kFrame.top - kFrame.bottom);
  EXPECT_EQ(r.w, 864);
  EXPECT_GE(r.y - kFrame.top, 0);
  EXPECT_LE(r.bottom() + kFrame.bottom, 680);
  EXPECT_GE(r.x - kFrame.left, 0);
  // Too wide rather than too tall.
  const Rect wide = PlaceWindow({2000, 300}, {0, 0, 1024, 768}, kFrame);
  EXPECT_EQ(wide.w, 1024 - 8);
  EXPECT_EQ(wide.h, 300 * wide.w / 2000);
}

TEST(FitPicture, BarsGoOnTheSidesThatHaveRoomToSpare) {
  EXPECT_EQ(FitPicture({640, 480}, {1366, 768}), (Rect{171, 0, 1024, 768}));
  EXPECT_EQ(FitPicture({640, 480}, {640, 600}), (Rect{0, 60, 640, 480}));
  EXPECT_EQ(FitPicture({0, 480}, {640, 480}).w, 0);
  EXPECT_EQ(FitPicture({100000, 100000}, {50000, 40000}), (Rect{5000, 0, 40000, 40000}));
}

TEST(PlanScaling, SharpScalingUsesTheLargestWholeFactorThenSmoothsTheRest) {
  // 640 x 480 full screen on 1366 x 768: 1.6 times, so twice nearest neighbour is too much;
  // once, then smoothed up.
  ScalePlan plan = PlanScaling({640, 480}, {1366, 768}, ScaleMode::kSharp);
  EXPECT_EQ(plan.dest, (Rect{171, 0, 1024, 768}));
  EXPECT_EQ(plan.factor, 1);
  EXPECT_TRUE(plan.linear);
  // 320 x 200 on 1920 x 1080: 5.4 times; five times with square pixels, then smoothed.
  plan = PlanScaling({320, 200}, {1920, 1080}, ScaleMode::kSharp);
  EXPECT_EQ(plan.factor, 5);
  EXPECT_TRUE(plan.linear);
  // An exact whole factor needs no smoothing at all.
  plan = PlanScaling({640, 480}, {1280, 960}, ScaleMode::kSharp);
  EXPECT_EQ(plan.factor, 1);
  EXPECT_FALSE(plan.linear);
  EXPECT_EQ(plan.dest, (Rect{0, 0, 1280, 960}));
  // A window made smaller than the picture is smoothed down.
  plan = PlanScaling({640, 480}, {320, 240}, ScaleMode::kSharp);
  EXPECT_EQ(plan.factor, 1);
  EXPECT_TRUE(plan.linear);
}

TEST(PlanScaling, PixelAndSmoothModesUseOneFilterAllTheWay) {
  ScalePlan pixel = PlanScaling({640, 480}, {1366, 768}, ScaleMode::kPixel);
  EXPECT_EQ(pixel.factor, 1);
  EXPECT_FALSE(pixel.linear);
  ScalePlan smooth = PlanScaling({320, 200}, {1920, 1080}, ScaleMode::kSmooth);
  EXPECT_EQ(smooth.factor, 1);
  EXPECT_TRUE(smooth.linear);
  EXPECT_FALSE(PlanScaling({640, 480}, {640, 480}, ScaleMode::kSmooth).linear)
      << "one to one stays sharp";
  ScaleMode mode = ScaleMode::kPixel;
  EXPECT_TRUE(ParseScaleMode("smooth", mode));
  EXPECT_EQ(mode, ScaleMode::kSmooth);
  EXPECT_FALSE(ParseScaleMode("blurry", mode));
  EXPECT_EQ(mode, ScaleMode::kSmooth);
}

TEST(OutputToPicture, PointerPositionsComeBackToPicturePixels) {
  const Rect dest{171, 0, 1024, 768};
  EXPECT_EQ(OutputToPicture({171, 0}, dest, {640, 480}), (Point{0, 0}));
  EXPECT_EQ(OutputToPicture({171 + 1023, 767}, dest, {640, 480}), (Point{639, 479}));
  EXPECT_EQ(OutputToPicture({171 + 512, 384}, dest, {640, 480}), (Point{320, 240}));
  // On the bars: outside the picture, so nothing is hit.
  EXPECT_LT(OutputToPicture({170, 10}, dest, {640, 480}).x, 0);
  EXPECT_GE(OutputToPicture({1366 - 1, 10}, dest, {640, 480}).x, 640);
}

TEST(WindowIcon, ASquareIconWithTransparentCornersAndAnOpaqueMiddle) {
  const Pixmap icon = MakeWindowIcon();
  ASSERT_EQ(icon.width(), 32);
  ASSERT_EQ(icon.height(), 32);
  for (Point corner : {Point{0, 0}, Point{31, 0}, Point{0, 31}, Point{31, 31}})
    EXPECT_EQ(icon.Pixel(corner.x, corner.y) >> 24, 0u);
  EXPECT_EQ(icon.Pixel(16, 16) >> 24, 0xFFu);
  EXPECT_EQ(icon.Pixel(16, 0) >> 24, 0xFFu);
}

}  // namespace
}  // namespace sw::platform
