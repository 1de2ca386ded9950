#include "platform/animated_picture.h"

#include <gtest/gtest.h>

#include <fstream>

#include "authoring/effects_writer.h"
#include "base/vb_error.h"
#include "test_support/temp_dir.h"

namespace sw::platform {
namespace {

std::filesystem::path Write(const TempDir& dir, const std::string& name, const std::string& bytes) {
  const auto path = dir.path() / name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

GifImage Solid(uint32_t colour, int delayCs, int disposal = 1) {
  return {[colour](int, int) { return colour; }, delayCs, disposal};
}

TEST(AnimatedPictureTest, DecodesEveryImageWithItsDelayAndTransparency) {
  TempDir dir;
  std::vector<GifImage> images = {Solid(0xFF0000, 20), Solid(0x00FF00, 0)};
  images.push_back({[](int x, int) { return x == 0 ? kGifTransparent : 0x0000FFu; }, 5, 2});
  const auto path = Write(dir, "a.gif", MakeAnimatedGif(4, 3, images));
  const AnimatedPicture a = DecodeAnimatedPicture(path);
  ASSERT_EQ(a.images.size(), 3u);
  EXPECT_EQ(a.width, 4);
  EXPECT_EQ(a.height, 3);
  EXPECT_EQ(a.images[0].delay_ms, 200);
  EXPECT_EQ(a.images[1].delay_ms, 100);  // a delay of 0 plays as 100 ms
  EXPECT_EQ(a.images[2].delay_ms, 50);
  EXPECT_EQ(a.images[0].picture.pixels().Pixel(3, 2) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(a.images[2].picture.pixels().Pixel(1, 1) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(a.images[2].picture.width(), 4);
  // Each image is drawn over the one before: the transparent column shows the green image.
  EXPECT_EQ(a.images[2].picture.pixels().Pixel(0, 1), 0xFF00FF00u);
}

TEST(AnimatedPictureTest, LongFilesAreCutToTheBudgetAndBrokenOnesRefused) {
  TempDir dir;
  std::vector<GifImage> many(1500, Solid(0x808080, 1));
  const std::string bytes = MakeAnimatedGif(2, 2, many);
  EXPECT_EQ(MeasureGif(bytes).images, kMaxAnimationImages);
  EXPECT_EQ(MeasureGif(bytes, 10, 1000).images, 10);
  EXPECT_EQ(MeasureGif(bytes, 5000, 4 * 7).images, 7);  // 4 pixels an image
  EXPECT_EQ(DecodeAnimatedPicture(Write(dir, "many.gif", bytes)).images.size(),
            static_cast<size_t>(kMaxAnimationImages));
  // Cut inside an image: only the whole images count.
  const std::string two = MakeAnimatedGif(2, 2, {Solid(1, 1), Solid(2, 1)});
  EXPECT_EQ(MeasureGif(two.substr(0, two.size() - 8)).images, 1);
  EXPECT_EQ(MeasureGif("GIF89a").images, 0);
  EXPECT_EQ(MeasureGif("not a picture at all").images, 0);
  EXPECT_THROW(DecodeAnimatedPicture(Write(dir, "head.gif", two.substr(0, 20))), VbError);
  EXPECT_THROW(DecodeAnimatedPicture(Write(dir, "junk.gif", "junk")), VbError);
  try {
    DecodeAnimatedPicture(dir.path() / "missing.gif");
    FAIL();
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), vberr::kFileNotFound);
  }
}

TEST(AnimatedPictureTest, AHugeCanvasIsRefusedBeforeDecoding) {
  TempDir dir;
  std::string bytes = MakeAnimatedGif(2, 2, {Solid(1, 1)});
  bytes[6] = bytes[7] = bytes[8] = bytes[9] = '\xFF';  // 65535 × 65535
  EXPECT_EQ(MeasureGif(bytes).images, 0);
  EXPECT_THROW(DecodeAnimatedPicture(Write(dir, "huge.gif", bytes)), VbError);
}

}  // namespace
}  // namespace sw::platform
