#include "shell/logo_pictures.h"

#include <cstdlib>

namespace sw::shell {

namespace {
constexpr int kHeight = 96;
constexpr int kNotch = 8;  // depth of the swallowtail cut at the ribbon's end
}  // namespace

LogoColours LogoColoursOf(int k) {
  if (k & 1) return {0xFFE8C060u, 0xFF702020u};  // gold ribbon, dark red emblem
  return {0xFF8C1C24u, 0xFFF0D080u};             // dark red ribbon, gold emblem
}

platform::Picture MakeLogoPicture(int k) {
  const int width = (k & 2) ? 24 : 16;
  const LogoColours colours = LogoColoursOf(k);
  platform::Pixmap px(width, kHeight, 0);  // transparent outside the ribbon
  const int centre = width / 2;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < width; ++x) {
      // The swallowtail: the bottom rows lose a V cut from the middle.
      const int fromBottom = kHeight - 1 - y;
      if (fromBottom < kNotch && std::abs(x - centre) < kNotch - fromBottom) continue;
      const bool edge = x == 0 || x == width - 1;
      px.SetPixel(x, y, edge ? 0xFF000000u | ((colours.ribbon >> 1) & 0x7F7F7Fu) : colours.ribbon);
    }
  }
  // A diamond emblem in the part that shows below the window's top edge.
  const int emblemY = kHeight - kNotch - 14;
  const int radius = width / 2 - 3;
  for (int y = -radius; y <= radius; ++y)
    for (int x = -radius; x <= radius; ++x)
      if (std::abs(x) + std::abs(y) <= radius) px.SetPixel(centre + x, emblemY + y, colours.emblem);
  px.RecomputeOpaque();
  return platform::Picture(std::move(px), {}, "logo");
}

}  // namespace sw::shell
