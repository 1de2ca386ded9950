#include "effects/pixel_effects.h"

#include <gtest/gtest.h>

#include "effects/bitmap_file.h"

namespace sw::effects {
namespace {

using platform::Argb;
using platform::Pixmap;

// Every column a different colour, so that shifts show.
Pixmap Columns(int w, int h) {
  Pixmap p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.SetPixel(x, y, 0xFF000000u | (x * 3) << 16 | (y * 5) << 8 | x);
  return p;
}

TEST(CrossFadeTest, EndsAreExactAndTheMiddleMixesEveryChannel) {
  Pixmap old(3, 2, 0xFF204080u);
  Pixmap fresh(3, 2, 0xFFE0C000u);
  Pixmap out(3, 2, 0);
  CrossFade(old, fresh, 0, out);
  EXPECT_EQ(out.Pixel(2, 1), 0xFF204080u);
  CrossFade(old, fresh, 255, out);
  EXPECT_EQ(out.Pixel(2, 1), 0xFFE0C000u);
  CrossFade(old, fresh, 128, out);
  const Argb mid = out.Pixel(1, 1);
  EXPECT_NEAR((mid >> 16) & 0xFF, (0x20 + 0xE0) / 2, 1);
  EXPECT_NEAR((mid >> 8) & 0xFF, (0x40 + 0xC0) / 2, 1);
  EXPECT_NEAR(mid & 0xFF, 0x80 / 2, 1);
  EXPECT_EQ(mid >> 24, 0xFFu);
}

TEST(CrossFadeTest, WorksOnTheSharedAreaOnly) {
  Pixmap old(4, 4, 0xFF000000u);
  Pixmap fresh(2, 3, 0xFFFFFFFFu);
  Pixmap out(4, 4, 0xFF123456u);
  CrossFade(old, fresh, 255, out);
  EXPECT_EQ(out.Pixel(1, 2), 0xFFFFFFFFu);
  EXPECT_EQ(out.Pixel(2, 2), 0xFF123456u);
  EXPECT_EQ(out.Pixel(1, 3), 0xFF123456u);
}

TEST(WaveDistortTest, LevelZeroCopiesAndALevelShiftsRowsByTheWave) {
  const Pixmap src = Columns(64, 32);
  Pixmap dst(64, 32, 0);
  WaveDistort(dst, src, 64, 32, {0, 4, 1.0f, 90.0});
  EXPECT_EQ(dst.pixels(), src.pixels());
  // Phase pi/2 at row 0: the shift is the full level, to the right.
  WaveDistort(dst, src, 64, 32, {3, 4, 1.5707964f, 90.0});
  const int sy = 0;  // the swell is cos(pi/2) = 0 there
  EXPECT_EQ(dst.Pixel(10, 0), src.Pixel(7, sy));
  // The left edge repeats where nothing comes from.
  EXPECT_EQ(dst.Pixel(0, 0), src.Pixel(0, sy));
  EXPECT_EQ(dst.Pixel(2, 0), src.Pixel(0, sy));
  // Another phase moves the rows.
  Pixmap other(64, 32, 0);
  WaveDistort(other, src, 64, 32, {3, 4, 0.3f, 90.0});
  EXPECT_NE(other.pixels(), dst.pixels());
}

TEST(WaveDistortTest, StaysInsideTheRectangleAndTheBuffers) {
  const Pixmap src = Columns(8, 8);
  Pixmap dst(8, 8, 0xFF000000u);
  // A level far beyond the width still takes every pixel from inside.
  WaveDistort(dst, src, 100, 100, {30000, 1000, 2.0f, 90.0});
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) EXPECT_EQ(dst.Pixel(x, y) >> 24, 0xFFu);
  // Columns moving up and down: a column keeps its colour, its rows move.
  WaveDistort(dst, src, 8, 8, {2, 1, 1.5707964f, 0.0});
  for (int y = 0; y < 8; ++y) EXPECT_EQ(dst.Pixel(0, y) & 0xFF0000, src.Pixel(0, 0) & 0xFF0000);
  EXPECT_EQ(dst.Pixel(0, 0), src.Pixel(0, 2));
}

TEST(MaskTest, BlackMaskPixelsKeepTheDistortionAndWhiteOnesTheOriginal) {
  Pixmap original(2, 1, 0xFF102030u);
  Pixmap mask(2, 1, 0xFFFFFFFFu);
  mask.SetPixel(0, 0, 0xFF000000u);  // water at x = 0
  Pixmap masked = original;
  MergePaint(masked, mask, 2, 1);
  EXPECT_EQ(masked.Pixel(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(masked.Pixel(1, 0), 0xFF102030u);
  Pixmap distorted(2, 1, 0xFFA0B0C0u);
  MaskedCopy(distorted, masked, mask, 2, 1);
  EXPECT_EQ(distorted.Pixel(0, 0), 0xFFA0B0C0u);
  EXPECT_EQ(distorted.Pixel(1, 0), 0xFF102030u);
}

TEST(BitmapFileTest, WritesBottomUpRowsPaddedToFourBytes) {
  Pixmap p(3, 2, 0xFF010203u);
  p.SetPixel(0, 0, 0xFFAABBCCu);
  const std::string bmp = EncodeBmp(p);
  ASSERT_EQ(bmp.size(), 54u + 2 * 12);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  // The top row comes last; pixels are blue, green, red.
  EXPECT_EQ(static_cast<unsigned char>(bmp[54 + 12]), 0xCC);
  EXPECT_EQ(static_cast<unsigned char>(bmp[54 + 13]), 0xBB);
  EXPECT_EQ(static_cast<unsigned char>(bmp[54 + 14]), 0xAA);
  EXPECT_EQ(static_cast<unsigned char>(bmp[54]), 0x03);
}

}  // namespace
}  // namespace sw::effects
