#include "icon_shapes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace icon {

namespace {

Shape Polygon(std::vector<Point> points, uint32_t rgb, double opacity = 1) {
  Shape s;
  s.polygon = std::move(points);
  s.rgb = rgb;
  s.opacity = opacity;
  return s;
}

Shape Circle(double x, double y, double r, uint32_t rgb, double opacity = 1) {
  Shape s;
  s.centre = {x, y};
  s.radius = r;
  s.rgb = rgb;
  s.opacity = opacity;
  return s;
}

// The tower's outline: x of its left and right edges at height y.
double TowerLeft(double y) {
  return 28 - (y - 20) * 2.0 / 26.0;
}
double TowerRight(double y) {
  return 36 + (y - 20) * 2.0 / 26.0;
}

Shape Band(double top, double bottom, uint32_t rgb) {
  return Polygon({{TowerLeft(top), top},
                  {TowerRight(top), top},
                  {TowerRight(bottom), bottom},
                  {TowerLeft(bottom), bottom}},
                 rgb);
}

bool Inside(const std::vector<Point>& poly, double x, double y) {
  bool inside = false;
  for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
    const Point& a = poly[i];
    const Point& b = poly[j];
    if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) {
      inside = !inside;
    }
  }
  return inside;
}

bool InsideShape(const Shape& s, double x, double y) {
  if (s.polygon.empty()) {
    const double dx = x - s.centre.x, dy = y - s.centre.y;
    return dx * dx + dy * dy <= s.radius * s.radius;
  }
  return Inside(s.polygon, x, y);
}

bool InsideClip(double x, double y) {
  const double lo = kInset, hi = kSize - kInset;
  if (x < lo || x > hi || y < lo || y > hi) return false;
  const double cx = std::clamp(x, lo + kCorner, hi - kCorner);
  const double cy = std::clamp(y, lo + kCorner, hi - kCorner);
  const double dx = x - cx, dy = y - cy;
  return dx * dx + dy * dy <= kCorner * kCorner;
}

std::string Hex(uint32_t rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(rgb & 0xFFFFFF));
  return text;
}

std::string Number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", v);
  return text;
}

}  // namespace

std::vector<Shape> IconShapes() {
  std::vector<Shape> shapes;
  shapes.push_back(Polygon({{0, 0}, {64, 0}, {64, 64}, {0, 64}}, 0x15224a));    // night sky
  shapes.push_back(Polygon({{0, 40}, {64, 40}, {64, 64}, {0, 64}}, 0x1d5d8c));  // the sea
  shapes.push_back(Polygon({{0, 48}, {64, 46}, {64, 64}, {0, 64}}, 0x174b73));
  for (const Point& star : {Point{10, 10}, Point{17, 22}, Point{52, 9}, Point{56, 24}}) {
    shapes.push_back(Circle(star.x, star.y, 1.1, 0xf4f1d0));
  }
  // Two beams from the lamp.
  shapes.push_back(Polygon({{32, 17}, {2, 8}, {2, 24}}, 0xffd75e, 0.4));
  shapes.push_back(Polygon({{32, 17}, {62, 10}, {62, 26}}, 0xffd75e, 0.4));
  shapes.push_back(Polygon({{14, 52}, {22, 44}, {42, 44}, {50, 52}}, 0x4a3f35));  // the rock
  shapes.push_back(Band(20, 46, 0xf2efe6));                                       // the tower
  shapes.push_back(Band(25, 30, 0xc8352e));
  shapes.push_back(Band(35, 40, 0xc8352e));
  shapes.push_back(Polygon({{26.5, 20}, {37.5, 20}, {37.5, 21.5}, {26.5, 21.5}}, 0x2b2b2b));
  shapes.push_back(Polygon({{28, 13}, {36, 13}, {36, 20}, {28, 20}}, 0xffd75e));  // the lamp
  shapes.push_back(Polygon({{26, 13}, {32, 7}, {38, 13}}, 0xc8352e));             // the roof
  shapes.push_back(Polygon({{30.5, 33}, {33.5, 33}, {33.5, 37.5}, {30.5, 37.5}}, 0x2b2b2b));
  return shapes;
}

std::string IconSvg() {
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" "
      "viewBox=\"0 0 64 64\">\n"
      "  <defs>\n    <clipPath id=\"frame\">\n      <rect x=\"" +
      Number(kInset) + "\" y=\"" + Number(kInset) + "\" width=\"" + Number(kSize - 2 * kInset) +
      "\" height=\"" + Number(kSize - 2 * kInset) + "\" rx=\"" + Number(kCorner) +
      "\"/>\n    </clipPath>\n  </defs>\n  <g clip-path=\"url(#frame)\">\n";
  for (const Shape& s : IconShapes()) {
    std::string fill = "fill=\"" + Hex(s.rgb) + "\"";
    if (s.opacity < 1) fill += " fill-opacity=\"" + Number(s.opacity) + "\"";
    if (s.polygon.empty()) {
      svg += "    <circle cx=\"" + Number(s.centre.x) + "\" cy=\"" + Number(s.centre.y) +
             "\" r=\"" + Number(s.radius) + "\" " + fill + "/>\n";
    } else {
      svg += "    <polygon points=\"";
      for (size_t i = 0; i < s.polygon.size(); ++i) {
        if (i) svg += ' ';
        svg += Number(s.polygon[i].x) + "," + Number(s.polygon[i].y);
      }
      svg += "\" " + fill + "/>\n";
    }
  }
  return svg + "  </g>\n</svg>\n";
}

std::vector<uint32_t> IconPixels(int size) {
  const std::vector<Shape> shapes = IconShapes();
  constexpr int kSamples = 4;  // per axis, for smooth edges
  std::vector<uint32_t> pixels(static_cast<size_t>(size) * size);
  const double unit = kSize / size;
  for (int py = 0; py < size; ++py) {
    for (int px = 0; px < size; ++px) {
      double r = 0, g = 0, b = 0, coverage = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const double x = (px + (sx + 0.5) / kSamples) * unit;
          const double y = (py + (sy + 0.5) / kSamples) * unit;
          if (!InsideClip(x, y)) continue;
          double cr = 0, cg = 0, cb = 0;
          for (const Shape& s : shapes) {
            if (!InsideShape(s, x, y)) continue;
            const double a = s.opacity;
            cr = cr * (1 - a) + ((s.rgb >> 16) & 0xFF) * a;
            cg = cg * (1 - a) + ((s.rgb >> 8) & 0xFF) * a;
            cb = cb * (1 - a) + (s.rgb & 0xFF) * a;
          }
          r += cr;
          g += cg;
          b += cb;
          coverage += 1;
        }
      }
      if (coverage == 0) continue;  // transparent outside the rounded square
      const auto channel = [&](double sum) {
        return static_cast<uint32_t>(std::lround(std::clamp(sum / coverage, 0.0, 255.0)));
      };
      const uint32_t alpha =
          static_cast<uint32_t>(std::lround(255.0 * coverage / (kSamples * kSamples)));
      pixels[static_cast<size_t>(py) * size + px] =
          (alpha << 24) | (channel(r) << 16) | (channel(g) << 8) | channel(b);
    }
  }
  return pixels;
}

}  // namespace icon
