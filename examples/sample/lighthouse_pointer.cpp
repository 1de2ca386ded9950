#include "lighthouse_pointer.h"

namespace sample {

namespace {

void Put16(std::string& out, unsigned v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// A pointing hand: the index finger up, the palm below it, the thumb to the left; white with
// a black outline.
bool Inside(int x, int y) {
  const bool finger = x >= 11 && x <= 16 && y >= 1 && y <= 16;
  const bool palm = x >= 7 && x <= 24 && y >= 12 && y <= 27 && !(x >= 23 && y >= 26);
  const bool fingers = x >= 16 && x <= 24 && y >= 10 && y <= 14;
  const bool thumb = x >= 3 && x <= 8 && y >= 15 && y <= 21;
  return finger || palm || fingers || thumb;
}

uint32_t Hand(int x, int y) {
  if (Inside(x, y)) {
    const bool edge =
        !Inside(x - 1, y) || !Inside(x + 1, y) || !Inside(x, y - 1) || !Inside(x, y + 1);
    // The lines between the fingers.
    const bool crease = (y == 14 && x >= 16 && x <= 23) || (x == 16 && y >= 2 && y <= 13);
    return edge || crease ? 0xFF000000u : 0xFFFFFFFFu;
  }
  return 0x00000000u;
}

}  // namespace

std::string MakeCursor(int size, int hotX, int hotY,
                       const std::function<uint32_t(int, int)>& pixel) {
  const int maskRow = ((size + 31) / 32) * 4;
  const uint32_t imageBytes = 40 + size * size * 4 + maskRow * size;
  std::string out;
  // The directory: one cursor picture.
  Put16(out, 0);
  Put16(out, 2);
  Put16(out, 1);
  out += static_cast<char>(size);
  out += static_cast<char>(size);
  out += '\0';
  out += '\0';
  Put16(out, hotX);
  Put16(out, hotY);
  Put32(out, imageBytes);
  Put32(out, 22);
  // The picture: a bitmap header of twice the height (colour, then the mask), rows bottom-up.
  Put32(out, 40);
  Put32(out, size);
  Put32(out, size * 2);
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, 0);
  Put32(out, imageBytes - 40);
  for (int i = 0; i < 4; ++i) Put32(out, 0);
  for (int y = size - 1; y >= 0; --y) {
    for (int x = 0; x < size; ++x) Put32(out, pixel(x, y));
  }
  for (int y = size - 1; y >= 0; --y) {
    std::string row(maskRow, '\0');
    for (int x = 0; x < size; ++x) {
      if ((pixel(x, y) >> 24) == 0) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    }
    out += row;
  }
  return out;
}

void WriteLighthousePointer(const sw::ProjectWriter& game) {
  game.WriteRaw(std::string("Icons/") + kHandPointer, MakeCursor(32, 13, 1, Hand));
}

}  // namespace sample
