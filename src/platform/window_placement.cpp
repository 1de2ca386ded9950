#include "platform/window_placement.h"

#include <algorithm>
#include <cmath>

namespace sw::platform {

bool ParseScaleMode(const std::string& name, ScaleMode& mode) {
  if (name == "sharp") {
    mode = ScaleMode::kSharp;
  } else if (name == "smooth") {
    mode = ScaleMode::kSmooth;
  } else if (name == "pixel") {
    mode = ScaleMode::kPixel;
  } else {
    return false;
  }
  return true;
}

Rect PlaceWindow(Point picture, Rect usable, Decorations frame) {
  const int room_w = std::max(1, usable.w - frame.left - frame.right);
  const int room_h = std::max(1, usable.h - frame.top - frame.bottom);
  int w = std::max(1, picture.x);
  int h = std::max(1, picture.y);
  if (w > room_w || h > room_h) {
    Rect fitted = FitPicture({w, h}, {room_w, room_h});
    w = fitted.w;
    h = fitted.h;
  }
  const int outer_w = w + frame.left + frame.right;
  const int outer_h = h + frame.top + frame.bottom;
  return {usable.x + (usable.w - outer_w) / 2 + frame.left,
          usable.y + (usable.h - outer_h) / 2 + frame.top, w, h};
}

Rect FitPicture(Point picture, Point output) {
  if (picture.x <= 0 || picture.y <= 0 || output.x <= 0 || output.y <= 0) return {0, 0, 0, 0};
  // Width-limited or height-limited, whichever is tighter; 64-bit so large sizes cannot
  // overflow.
  long long w = output.x;
  long long h = static_cast<long long>(output.x) * picture.y / picture.x;
  if (h > output.y) {
    h = output.y;
    w = static_cast<long long>(output.y) * picture.x / picture.y;
  }
  w = std::max(1LL, w);
  h = std::max(1LL, h);
  return {static_cast<int>((output.x - w) / 2), static_cast<int>((output.y - h) / 2),
          static_cast<int>(w), static_cast<int>(h)};
}

ScalePlan PlanScaling(Point picture, Point output, ScaleMode mode) {
  ScalePlan plan;
  plan.dest = FitPicture(picture, output);
  if (plan.dest.w == 0) return plan;
  const int whole = std::min(plan.dest.w / picture.x, plan.dest.h / picture.y);
  const bool exact =
      whole >= 1 && plan.dest.w == whole * picture.x && plan.dest.h == whole * picture.y;
  switch (mode) {
    case ScaleMode::kPixel:
      break;
    case ScaleMode::kSmooth:
      plan.linear = !(exact && whole == 1);
      break;
    case ScaleMode::kSharp:
      if (exact) break;  // square pixels fill the rectangle exactly
      plan.factor = std::max(1, whole);
      plan.linear = true;
      break;
  }
  return plan;
}

Point OutputToPicture(Point output_px, Rect dest, Point picture) {
  if (dest.w <= 0 || dest.h <= 0) return {-1, -1};
  auto map = [](int v, int start, int size, int full) {
    const long long rel = static_cast<long long>(v - start) * full;
    return static_cast<int>(rel >= 0 ? rel / size : -((-rel + size - 1) / size));
  };
  return {map(output_px.x, dest.x, dest.w, picture.x), map(output_px.y, dest.y, dest.h, picture.y)};
}

}  // namespace sw::platform
