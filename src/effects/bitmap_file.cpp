#include "effects/bitmap_file.h"

#include <cstdint>

namespace sw::effects {

namespace {

void Put(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string EncodeBmp(const platform::Pixmap& pixmap) {
  const int w = pixmap.width();
  const int h = pixmap.height();
  const std::uint32_t stride = (static_cast<std::uint32_t>(w) * 3 + 3) & ~3u;
  const std::uint32_t imageBytes = stride * static_cast<std::uint32_t>(h);
  std::string out;
  out.reserve(54 + imageBytes);
  out += "BM";
  Put(out, 54 + imageBytes, 4);
  Put(out, 0, 4);
  Put(out, 54, 4);
  Put(out, 40, 4);
  Put(out, static_cast<std::uint32_t>(w), 4);
  Put(out, static_cast<std::uint32_t>(h), 4);  // bottom-up rows
  Put(out, 1, 2);
  Put(out, 24, 2);
  Put(out, 0, 4);
  Put(out, imageBytes, 4);
  Put(out, 2835, 4);
  Put(out, 2835, 4);
  Put(out, 0, 4);
  Put(out, 0, 4);
  for (int y = h - 1; y >= 0; --y) {
    const platform::Argb* row = pixmap.row(y);
    for (int x = 0; x < w; ++x) Put(out, row[x], 3);
    for (std::uint32_t pad = static_cast<std::uint32_t>(w) * 3; pad < stride; ++pad)
      out.push_back('\0');
  }
  return out;
}

}  // namespace sw::effects
