// The player's icon as a list of flat shapes on a 64-unit square: a lighthouse on a rock,
// its beams over a night sea. One description serves the scalable SVG and every PNG size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace icon {

struct Point {
  double x;
  double y;
};

struct Shape {
  std::vector<Point> polygon;  // empty for a circle
  Point centre{0, 0};
  double radius = 0;
  uint32_t rgb = 0;  // 0xRRGGBB
  double opacity = 1;
};

// The rounded square every shape is clipped to.
inline constexpr double kInset = 2;
inline constexpr double kCorner = 12;
inline constexpr double kSize = 64;

std::vector<Shape> IconShapes();

// The icon as an SVG document.
std::string IconSvg();

// The icon drawn at `size` × `size` pixels, ARGB (alpha premultiplied not), row by row.
std::vector<uint32_t> IconPixels(int size);

}  // namespace icon
