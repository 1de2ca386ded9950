// The compositor's pixel buffer: a 32-bit ARGB image with clipped fills and blits.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/color.h"
#include "platform/geometry.h"

namespace sw::platform {

class Pixmap {
 public:
  Pixmap() = default;
  Pixmap(int width, int height, Argb fill = 0xFF000000u);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ <= 0 || height_ <= 0; }
  Rect bounds() const { return {0, 0, width_, height_}; }

  Argb* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  const Argb* row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  Argb Pixel(int x, int y) const { return row(y)[x]; }
  void SetPixel(int x, int y, Argb p) { row(y)[x] = p; }
  const std::vector<Argb>& pixels() const { return pixels_; }

  // True when every pixel is known to be fully opaque, which lets blits copy rows.
  bool opaque() const { return opaque_; }
  void RecomputeOpaque();

  // Resizes keeping the content at the top-left; new pixels take `fill`.
  void Resize(int width, int height, Argb fill);

  void Fill(Argb colour);
  // Fills `r` (clipped to the pixmap and `clip`); translucent colours blend.
  void FillRect(Rect r, Argb colour, Rect clip);
  void FillRect(Rect r, Argb colour) { FillRect(r, colour, bounds()); }
  // Draws a one-pixel outline of `r`.
  void DrawRectOutline(Rect r, Argb colour, Rect clip);

  // Draws `src_rect` of `src` with its top-left at `dst`, blending by source alpha.
  void Blit(const Pixmap& src, Rect src_rect, Point dst, Rect clip);
  void Blit(const Pixmap& src, Point dst, Rect clip) { Blit(src, src.bounds(), dst, clip); }
  // Draws the whole of `src` scaled (nearest pixel) into `dst_rect`, blending by alpha.
  void BlitScaled(const Pixmap& src, Rect dst_rect, Rect clip);
  // Draws `mask`'s alpha channel in `colour` (used for rendered text).
  void BlitMask(const Pixmap& mask, Point dst, Argb colour, Rect clip);
  // Copies without blending (alpha replaced too); used for persistent drawing surfaces.
  void CopyFrom(const Pixmap& src, Rect src_rect, Point dst);

 private:
  int width_ = 0;
  int height_ = 0;
  bool opaque_ = true;
  std::vector<Argb> pixels_;
};

// Blends `src` over `dst` by the source alpha.
inline Argb BlendOver(Argb dst, Argb src) {
  std::uint32_t a = src >> 24;
  if (a == 255) return src;
  if (a == 0) return dst;
  std::uint32_t inv = 255 - a;
  std::uint32_t rb = (((src & 0xFF00FFu) * a + (dst & 0xFF00FFu) * inv) >> 8) & 0xFF00FFu;
  std::uint32_t g = (((src & 0x00FF00u) * a + (dst & 0x00FF00u) * inv) >> 8) & 0x00FF00u;
  std::uint32_t da = dst >> 24;
  std::uint32_t oa = a + (da * inv + 127) / 255;
  return (oa << 24) | rb | g;
}

}  // namespace sw::platform
