// Pixel and twip geometry shared by the window model: points, rectangles, unit conversion.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "base/vb_error.h"

namespace sw::platform {

// Every length of the window model is in twips; the screen has 15 twips per pixel.
inline constexpr int kTwipsPerPixel = 15;
// Positions and sizes a script may give an element are clamped to plus or minus this many
// twips (about a million pixels), so that adding positions, sizes and container offsets in
// pixels never leaves the integer range.
inline constexpr int kMaxElementTwips = kTwipsPerPixel << 20;
inline constexpr int ClampElementTwips(int twips) {
  return std::clamp(twips, -kMaxElementTwips, kMaxElementTwips);
}
// A length read as a number (a Single of a game file) in whole twips, halves to the even
// twip, clamped like element geometry; what is no number gives 0.
inline int TwipsFromNumber(double twips) {
  if (std::isnan(twips)) return 0;
  constexpr double kMax = kMaxElementTwips;
  return static_cast<int>(std::nearbyint(std::clamp(twips, -kMax, kMax)));
}

// Twips to pixels, rounded to the nearest pixel (halves up, towards plus infinity; whole
// twips never fall on a half).
constexpr int TwipsToPixels(int twips) {
  int shifted = twips + kTwipsPerPixel / 2;
  int q = shifted / kTwipsPerPixel;
  return (shifted % kTwipsPerPixel != 0 && shifted < 0) ? q - 1 : q;  // floor division
}
// Fractional twips (a mouse position) to whole pixels, halves to the even pixel.
inline double TwipsToPixelsHalfEven(double twips) {
  return std::nearbyint(twips / kTwipsPerPixel);
}
constexpr int PixelsToTwips(int pixels) {
  return pixels * kTwipsPerPixel;
}
// Pixels to twips in 16-bit integer arithmetic: VbError 6 (overflow) when the product leaves
// the 16-bit range.
inline int16_t PixelsToTwips16(int16_t pixels) {
  const int product = pixels * kTwipsPerPixel;
  if (product > INT16_MAX || product < INT16_MIN) throw VbError(vberr::kOverflow);
  return static_cast<int16_t>(product);
}

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;

  int right() const { return x + w; }
  int bottom() const { return y + h; }
  bool empty() const { return w <= 0 || h <= 0; }
  bool Contains(Point p) const { return p.x >= x && p.y >= y && p.x < x + w && p.y < y + h; }
  Rect Intersect(const Rect& o) const {
    int l = std::max(x, o.x), t = std::max(y, o.y);
    int r = std::min(right(), o.right()), b = std::min(bottom(), o.bottom());
    return r > l && b > t ? Rect{l, t, r - l, b - t} : Rect{l, t, 0, 0};
  }
  Rect Offset(int dx, int dy) const { return {x + dx, y + dy, w, h}; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace sw::platform
