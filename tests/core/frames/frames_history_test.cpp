#include "core/frames/frames_history.h"

#include <gtest/gtest.h>

#include "core/frames/frame_timer.h"

namespace sw {
namespace {

TEST(FramesHistory, GoingBackFromCOpensBAndDropsC) {
  FramesHistory h;
  h.Add("A");
  h.Add("B");
  h.Add("C");
  EXPECT_EQ(h.TakeLastVisited(), "B");
  EXPECT_EQ(h.names(), (std::vector<std::string>{"A", "B"}));
}

TEST(FramesHistory, OneFrameHasNowhereToGo) {
  FramesHistory h;
  EXPECT_EQ(h.TakeLastVisited(), std::nullopt);
  h.Add("A");
  EXPECT_EQ(h.TakeLastVisited(), std::nullopt);
  EXPECT_EQ(h.size(), 1u);
}

TEST(FramesHistory, RepeatsAreNotAddedAndTheOldestFallOff) {
  FramesHistory h;
  h.Add("A");
  h.Add("A");
  h.Add("a");  // names compare exactly
  EXPECT_EQ(h.size(), 2u);
  for (int i = 0; i < 30; ++i) h.Add("F" + std::to_string(i));
  EXPECT_EQ(h.size(), 20u);
  EXPECT_EQ(h.names().front(), "F10");
  EXPECT_EQ(h.names().back(), "F29");
}

TEST(FramesHistory, ReservedNamesIgnoreCase) {
  EXPECT_TRUE(IsLastVisitedFrame("[Last Visited Frame]", true));
  EXPECT_FALSE(IsLastVisitedFrame("last visited frame", true));
  EXPECT_TRUE(IsLastVisitedFrame("LAST VISITED FRAME", false));
  EXPECT_FALSE(IsLastVisitedFrame("[last visited frame]", false));
}

TEST(FrameTimer, DelayTextBecomesMilliseconds) {
  EXPECT_EQ(FrameTimerInterval(Variant(std::string("2.5"))), 2500);
  EXPECT_EQ(FrameTimerInterval(Variant(int16_t{3})), 3000);
  // Halves round to even: 62.5 ms -> 62, 187.5 ms -> 188.
  EXPECT_EQ(FrameTimerInterval(Variant(std::string("0.0625"))), 62);
  EXPECT_EQ(FrameTimerInterval(Variant(std::string("0.1875"))), 188);
  EXPECT_EQ(FrameTimerInterval(Variant(std::string("soon"))), 0);
  EXPECT_EQ(FrameTimerInterval(Variant()), 0);
  try {
    FrameTimerInterval(Variant(std::string("3000000")));
    FAIL() << "an interval beyond 32 bits must overflow";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), 6);
  }
}

}  // namespace
}  // namespace sw
