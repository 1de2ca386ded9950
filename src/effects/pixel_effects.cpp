#include "effects/pixel_effects.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace sw::effects {

using platform::Argb;
using platform::Pixmap;

namespace {

constexpr Argb kOpaque = 0xFF000000u;
constexpr double kPi = 3.14159265358979323846;

// One row of the cross-fade. Two colour channels are mixed at once in each 32-bit lane (red
// and blue apart by 16 bits, green alone), which leaves room for the 8-bit weights.
void MixRow(const Argb* __restrict old, const Argb* __restrict fresh, Argb* __restrict out,
            int count, std::uint32_t weight) {
  const std::uint32_t keep = 256 - weight;
  for (int x = 0; x < count; ++x) {
    const std::uint32_t o = old[x];
    const std::uint32_t n = fresh[x];
    const std::uint32_t rb = (((o & 0xFF00FFu) * keep + (n & 0xFF00FFu) * weight) >> 8) & 0xFF00FFu;
    const std::uint32_t g = (((o & 0x00FF00u) * keep + (n & 0x00FF00u) * weight) >> 8) & 0x00FF00u;
    out[x] = kOpaque | rb | g;
  }
}

}  // namespace

void CrossFade(const Pixmap& old, const Pixmap& fresh, std::uint8_t alpha, Pixmap& out) {
  const int w = std::min({old.width(), fresh.width(), out.width()});
  const int h = std::min({old.height(), fresh.height(), out.height()});
  // 0..255 onto 0..256, so that 255 gives the new picture exactly.
  const std::uint32_t weight = alpha + (alpha >> 7);
  for (int y = 0; y < h; ++y) MixRow(old.row(y), fresh.row(y), out.row(y), w, weight);
}

void WaveDistort(Pixmap& dst, const Pixmap& src, int width, int height, const WaveShape& wave) {
  const int w = std::min({width, dst.width(), src.width()});
  const int h = std::min({height, dst.height(), src.height()});
  if (w <= 0 || h <= 0) return;
  const double level = std::min(std::abs(static_cast<double>(wave.level)), 1000.0);
  const double crests = std::clamp(wave.waves, 1, 1000);
  const bool sideways = std::fmod(std::abs(wave.angle), 180.0) >= 45.0 &&
                        std::fmod(std::abs(wave.angle), 180.0) < 135.0;
  const int along = sideways ? h : w;
  // The displacement of each row (or column), computed once per call.
  std::vector<int> shift(static_cast<size_t>(along));
  std::vector<int> lift(static_cast<size_t>(along));
  for (int i = 0; i < along; ++i) {
    const double angle = 2 * kPi * crests * i / along + wave.phase;
    shift[static_cast<size_t>(i)] = static_cast<int>(std::lround(level * std::sin(angle)));
    // A smaller swell across the waves makes the surface rise and fall as well.
    lift[static_cast<size_t>(i)] = static_cast<int>(std::lround(level * 0.5 * std::cos(angle)));
  }
  if (sideways) {
    for (int y = 0; y < h; ++y) {
      const int sy = std::clamp(y + lift[static_cast<size_t>(y)], 0, h - 1);
      const int dx = std::clamp(shift[static_cast<size_t>(y)], -(w - 1), w - 1);
      const Argb* from = src.row(sy);
      Argb* to = dst.row(y);
      if (dx >= 0) {
        // to[x] = from[x - dx]: the first dx pixels repeat the left edge.
        std::fill(to, to + dx, from[0]);
        std::memmove(to + dx, from, static_cast<size_t>(w - dx) * sizeof(Argb));
      } else {
        const int n = w + dx;
        std::memmove(to, from - dx, static_cast<size_t>(n) * sizeof(Argb));
        std::fill(to + n, to + w, from[w - 1]);
      }
    }
    return;
  }
  // Columns move up and down: each output row gathers from the rows its columns point at.
  for (int y = 0; y < h; ++y) {
    Argb* to = dst.row(y);
    for (int x = 0; x < w; ++x) {
      const int sy = std::clamp(y + shift[static_cast<size_t>(x)], 0, h - 1);
      to[x] = src.row(sy)[x];
    }
  }
}

void MaskedCopy(Pixmap& dst, const Pixmap& masked, const Pixmap& mask, int width, int height) {
  const int w = std::min({width, dst.width(), masked.width(), mask.width()});
  const int h = std::min({height, dst.height(), masked.height(), mask.height()});
  for (int y = 0; y < h; ++y) {
    Argb* __restrict d = dst.row(y);
    const Argb* __restrict k = masked.row(y);
    const Argb* __restrict m = mask.row(y);
    for (int x = 0; x < w; ++x) d[x] = ((d[x] | m[x]) & k[x]) | kOpaque;
  }
}

void MergePaint(Pixmap& dst, const Pixmap& src, int width, int height) {
  const int w = std::min({width, dst.width(), src.width()});
  const int h = std::min({height, dst.height(), src.height()});
  for (int y = 0; y < h; ++y) {
    Argb* __restrict d = dst.row(y);
    const Argb* __restrict s = src.row(y);
    for (int x = 0; x < w; ++x) d[x] = d[x] | ~s[x] | kOpaque;
  }
}

}  // namespace sw::effects
