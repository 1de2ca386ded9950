#include <gtest/gtest.h>

#include "platform/geometry.h"

namespace sw::platform {
namespace {

TEST(GeometryTest, TwipsRoundToTheNearestPixel) {
  EXPECT_EQ(TwipsToPixels(0), 0);
  EXPECT_EQ(TwipsToPixels(7), 0);  // 0.47 pixel
  EXPECT_EQ(TwipsToPixels(8), 1);  // 0.53 pixel
  EXPECT_EQ(TwipsToPixels(150), 10);
  EXPECT_EQ(TwipsToPixels(-7), 0);
  EXPECT_EQ(TwipsToPixels(-8), -1);
  EXPECT_EQ(TwipsToPixels(-22), -1);
  EXPECT_EQ(TwipsToPixels(-23), -2);
}

TEST(GeometryTest, FractionalTwipsRoundHalvesToTheEvenPixel) {
  EXPECT_EQ(TwipsToPixelsHalfEven(7.5), 0);     // 0.5
  EXPECT_EQ(TwipsToPixelsHalfEven(22.5), 2);    // 1.5
  EXPECT_EQ(TwipsToPixelsHalfEven(37.5), 2);    // 2.5
  EXPECT_EQ(TwipsToPixelsHalfEven(-22.5), -2);  // -1.5
  EXPECT_EQ(TwipsToPixelsHalfEven(7.6), 1);
}

TEST(GeometryTest, SixteenBitTwipsOverflowOutsideTheIntegerRange) {
  EXPECT_EQ(PixelsToTwips16(2184), 32760);
  EXPECT_EQ(PixelsToTwips16(-2184), -32760);
  EXPECT_EQ(PixelsToTwips(2185), 32775);  // the full-range conversion has room
  try {
    PixelsToTwips16(2185);
    FAIL() << "no overflow";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), vberr::kOverflow);
  }
  EXPECT_THROW(PixelsToTwips16(-2185), VbError);
}

}  // namespace
}  // namespace sw::platform
