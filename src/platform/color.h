// Colours: the game's 0x00BBGGRR values and the compositor's 0xAARRGGBB pixels.
#pragma once

#include <cstdint>

namespace sw::platform {

// A colour as the game stores it: red + 256 * green + 65536 * blue.
using VbColor = std::uint32_t;
// A pixel of the compositor: alpha in the top byte, then red, green, blue.
using Argb = std::uint32_t;

constexpr VbColor VbRgb(int r, int g, int b) {
  return static_cast<VbColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// An opaque pixel of the given game colour. System colours (high bit set) map to the
// classic light-grey face and black text used by our own widgets.
constexpr Argb VbToArgb(VbColor c) {
  if (c & 0x80000000u) {
    switch (c & 0xFF) {
      case 5:  // window background
        return 0xFFFFFFFFu;
      case 8:   // window text
      case 18:  // button text
        return 0xFF000000u;
      case 13:  // highlight
        return 0xFF000080u;
      case 14:  // highlight text
        return 0xFFFFFFFFu;
      default:  // button face and the rest
        return 0xFFD4D0C8u;
    }
  }
  return 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

constexpr VbColor ArgbToVb(Argb p) {
  return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
}

// System colour values as the original controls used them by default.
inline constexpr VbColor kVbButtonFace = 0x8000000Fu;
inline constexpr VbColor kVbWindowText = 0x80000008u;
inline constexpr VbColor kVbWindowBackground = 0x80000005u;

}  // namespace sw::platform
