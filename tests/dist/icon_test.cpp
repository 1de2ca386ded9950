// The icon drawn from its shapes: transparent outside the rounded square, opaque inside, the
// same colours in every size, and an SVG that carries every shape.
#include "icon_shapes.h"

#include <gtest/gtest.h>

namespace icon {
namespace {

uint32_t At(const std::vector<uint32_t>& pixels, int size, double x, double y) {
  const int px = static_cast<int>(x * size / kSize);
  const int py = static_cast<int>(y * size / kSize);
  return pixels[static_cast<size_t>(py) * size + px];
}

TEST(Icon, CornersAreTransparentAndTheTowerIsWhiteAndRedInEverySize) {
  for (int size : {16, 32, 48, 256}) {
    const std::vector<uint32_t> pixels = IconPixels(size);
    ASSERT_EQ(pixels.size(), static_cast<size_t>(size * size));
    EXPECT_EQ(At(pixels, size, 0.5, 0.5) >> 24, 0u) << size;  // outside the rounded corner
    EXPECT_EQ(At(pixels, size, 63.5, 63.5) >> 24, 0u) << size;
    EXPECT_EQ(At(pixels, size, 32, 44) >> 24, 255u) << size;  // inside
    if (size >= 32) {
      EXPECT_EQ(At(pixels, size, 30, 44), 0xFFF2EFE6u) << size;    // the white of the tower
      EXPECT_EQ(At(pixels, size, 30, 27.5), 0xFFC8352Eu) << size;  // a red band
      EXPECT_EQ(At(pixels, size, 12, 58), 0xFF174B73u) << size;     // the sea
    }
  }
}

TEST(Icon, TheSvgHasEveryShapeInsideTheClippedSquare) {
  const std::string svg = IconSvg();
  size_t drawn = 0;
  for (size_t at = svg.find("<polygon"); at != std::string::npos; at = svg.find("<polygon", at + 1))
    ++drawn;
  for (size_t at = svg.find("<circle"); at != std::string::npos; at = svg.find("<circle", at + 1))
    ++drawn;
  EXPECT_EQ(drawn, IconShapes().size());
  EXPECT_NE(svg.find("clip-path=\"url(#frame)\""), std::string::npos);
  EXPECT_NE(svg.find("rx=\"12\""), std::string::npos);
  EXPECT_NE(svg.find("fill=\"#c8352e\""), std::string::npos);
}

}  // namespace
}  // namespace icon
