#include "platform/window_icon.h"

namespace sw::platform {

Pixmap MakeWindowIcon() {
  constexpr int kSize = 32;
  constexpr double kCorner = 6.0;
  Pixmap icon(kSize, kSize, 0);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      // A rounded square: the corner discs decide what lies inside.
      const double cx = x < kCorner ? kCorner : x > kSize - 1 - kCorner ? kSize - 1 - kCorner : x;
      const double cy = y < kCorner ? kCorner : y > kSize - 1 - kCorner ? kSize - 1 - kCorner : y;
      const double dx = x - cx, dy = y - cy;
      if (dx * dx + dy * dy > kCorner * kCorner) continue;
      // Night sky fading towards the top, a moon, a hill, and a lit window on it.
      Argb colour = 0xFF000000u | ((0x18 + y * 2) << 8) | (0x40 + y * 3);
      const double mx = x - 22.5, my = y - 8.5;
      if (mx * mx + my * my <= 16.0) colour = 0xFFF4E6A0u;
      const double hx = x - 12.0, hy = y - 40.0;
      if (hx * hx + hy * hy <= 22.0 * 22.0) colour = 0xFF2E7D32u;
      if (x >= 10 && x <= 14 && y >= 19 && y <= 24) colour = 0xFFFFC107u;
      icon.SetPixel(x, y, colour);
    }
  }
  icon.RecomputeOpaque();
  return icon;
}

}  // namespace sw::platform
