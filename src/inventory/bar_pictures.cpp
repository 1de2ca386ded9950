#include "inventory/bar_pictures.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace sw {

namespace {

using platform::Argb;
using platform::Pixmap;

constexpr int kMaxSide = 4096;

Argb Rgb(int r, int g, int b) {
  auto c = [](int v) { return static_cast<Argb>(std::clamp(v, 0, 255)); };
  return 0xFF000000u | (c(r) << 16) | (c(g) << 8) | c(b);
}

// Wood: warm brown with a slow grain along the rows.
Argb Wood(int x, int y, int shade) {
  const int grain = ((x * 3 + (y * y) % 23 + (x / 7) * (y % 5)) % 19) - 9;
  return Rgb(96 + shade + grain, 62 + shade / 2 + grain / 2, 34 + shade / 3 + grain / 3);
}

}  // namespace

platform::Picture BuiltInHandlePicture() {
  constexpr int kW = 48;
  constexpr int kH = 18;
  Pixmap p(kW, kH, 0x00000000u);
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      // Rounded lower corners: leave them transparent.
      const int r = 6;
      const int cx = x < r ? r - x : (x >= kW - r ? x - (kW - r - 1) : 0);
      const int cy = y >= kH - r ? y - (kH - r - 1) : 0;
      if (cx * cx + cy * cy > r * r) continue;
      Argb c = Wood(x, y, 10 - y);
      if (y == kH - 1 || (cx * cx + cy * cy > (r - 1) * (r - 1) && cy > 0)) c = Rgb(40, 24, 12);
      p.SetPixel(x, y, c);
    }
  }
  // A pale arrow pointing down: the panel opens downwards.
  for (int row = 0; row < 6; ++row) {
    for (int x = kW / 2 - 6 + row; x <= kW / 2 + 5 - row; ++x)
      p.SetPixel(x, 5 + row, Rgb(236, 214, 160));
  }
  p.RecomputeOpaque();
  return platform::Picture(std::move(p));
}

platform::Picture BuiltInPanelPicture(int width, int height, int topGap, int rowHeight) {
  width = std::clamp(width, 1, kMaxSide);
  height = std::clamp(height, 1, kMaxSide);
  Pixmap p(width, height);
  const bool shelves = rowHeight > 6 && rowHeight <= height && topGap >= 0 && topGap < height;
  for (int y = 0; y < height; ++y) {
    // Position inside the current shelf band, counted up from its bottom edge.
    int fromEdge = -1;
    if (shelves) {
      const int past = y - topGap;
      const int band = past < 0 ? 0 : past / rowHeight;
      const int edge = topGap + rowHeight * (band + 1) - 1;
      fromEdge = edge - y;
    }
    Argb* row = p.row(y);
    for (int x = 0; x < width; ++x) {
      if (fromEdge == 0) {
        row[x] = Rgb(38, 22, 10);  // the shelf's shadow line
      } else if (fromEdge == 1 || fromEdge == 2) {
        row[x] = Rgb(176, 128, 78);  // the shelf's lit front edge
      } else {
        const int shade = fromEdge > 0 ? std::min(fromEdge, 40) / 2 - 10 : 0;
        row[x] = Wood(x, y, -shade);
      }
    }
  }
  return platform::Picture(std::move(p));
}

}  // namespace sw
