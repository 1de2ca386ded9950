#include "platform/pixmap.h"

#include <algorithm>
#include <cstring>

namespace sw::platform {

Pixmap::Pixmap(int width, int height, Argb fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      opaque_((fill >> 24) == 255),
      pixels_(static_cast<std::size_t>(width_) * height_, fill) {}

void Pixmap::RecomputeOpaque() {
  opaque_ = std::all_of(pixels_.begin(), pixels_.end(), [](Argb p) { return (p >> 24) == 255; });
}

void Pixmap::Resize(int width, int height, Argb fill) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  std::vector<Argb> next(static_cast<std::size_t>(width) * height, fill);
  int cw = std::min(width, width_), ch = std::min(height, height_);
  for (int y = 0; y < ch; ++y)
    std::copy_n(row(y), cw, next.data() + static_cast<std::size_t>(y) * width);
  pixels_ = std::move(next);
  width_ = width;
  height_ = height;
  if ((fill >> 24) != 255) opaque_ = false;
}

void Pixmap::Fill(Argb colour) {
  std::fill(pixels_.begin(), pixels_.end(), colour);
  opaque_ = (colour >> 24) == 255;
}

void Pixmap::FillRect(Rect r, Argb colour, Rect clip) {
  Rect c = r.Intersect(clip).Intersect(bounds());
  if (c.empty()) return;
  std::uint32_t a = colour >> 24;
  if (a == 0) return;
  for (int y = c.y; y < c.bottom(); ++y) {
    Argb* p = row(y) + c.x;
    if (a == 255) {
      std::fill_n(p, c.w, colour);
    } else {
      for (int x = 0; x < c.w; ++x) p[x] = BlendOver(p[x], colour);
    }
  }
}

void Pixmap::DrawRectOutline(Rect r, Argb colour, Rect clip) {
  if (r.empty()) return;
  FillRect({r.x, r.y, r.w, 1}, colour, clip);
  FillRect({r.x, r.bottom() - 1, r.w, 1}, colour, clip);
  FillRect({r.x, r.y, 1, r.h}, colour, clip);
  FillRect({r.right() - 1, r.y, 1, r.h}, colour, clip);
}

void Pixmap::Blit(const Pixmap& src, Rect src_rect, Point dst, Rect clip) {
  src_rect = src_rect.Intersect(src.bounds());
  Rect target{dst.x, dst.y, src_rect.w, src_rect.h};
  Rect c = target.Intersect(clip).Intersect(bounds());
  if (c.empty()) return;
  int sx0 = src_rect.x + (c.x - dst.x);
  int sy0 = src_rect.y + (c.y - dst.y);
  for (int y = 0; y < c.h; ++y) {
    const Argb* s = src.row(sy0 + y) + sx0;
    Argb* d = row(c.y + y) + c.x;
    if (src.opaque_) {
      std::memcpy(d, s, sizeof(Argb) * c.w);
    } else {
      for (int x = 0; x < c.w; ++x) {
        Argb sp = s[x];
        std::uint32_t a = sp >> 24;
        if (a == 255) {
          d[x] = sp;
        } else if (a != 0) {
          d[x] = BlendOver(d[x], sp);
        }
      }
    }
  }
}

void Pixmap::BlitScaled(const Pixmap& src, Rect dst_rect, Rect clip) {
  if (src.empty() || dst_rect.empty()) return;
  if (dst_rect.w == src.width_ && dst_rect.h == src.height_) {
    Blit(src, {dst_rect.x, dst_rect.y}, clip);
    return;
  }
  Rect c = dst_rect.Intersect(clip).Intersect(bounds());
  if (c.empty()) return;
  // Source column of every destination column, computed once per blit.
  std::vector<int> columns(c.w);
  for (int x = 0; x < c.w; ++x) {
    long long dx = c.x + x - dst_rect.x;
    columns[x] = static_cast<int>((dx * src.width_ * 2 + src.width_) / (2LL * dst_rect.w));
  }
  for (int y = 0; y < c.h; ++y) {
    long long dy = c.y + y - dst_rect.y;
    int sy = static_cast<int>((dy * src.height_ * 2 + src.height_) / (2LL * dst_rect.h));
    const Argb* s = src.row(sy);
    Argb* d = row(c.y + y) + c.x;
    if (src.opaque_) {
      for (int x = 0; x < c.w; ++x) d[x] = s[columns[x]];
    } else {
      for (int x = 0; x < c.w; ++x) {
        Argb sp = s[columns[x]];
        std::uint32_t a = sp >> 24;
        if (a == 255) {
          d[x] = sp;
        } else if (a != 0) {
          d[x] = BlendOver(d[x], sp);
        }
      }
    }
  }
}

void Pixmap::BlitMask(const Pixmap& mask, Point dst, Argb colour, Rect clip) {
  Rect target{dst.x, dst.y, mask.width_, mask.height_};
  Rect c = target.Intersect(clip).Intersect(bounds());
  if (c.empty()) return;
  Argb rgb = colour & 0x00FFFFFFu;
  std::uint32_t ca = colour >> 24;
  for (int y = 0; y < c.h; ++y) {
    const Argb* s = mask.row(c.y - dst.y + y) + (c.x - dst.x);
    Argb* d = row(c.y + y) + c.x;
    for (int x = 0; x < c.w; ++x) {
      std::uint32_t a = ((s[x] >> 24) * ca) / 255;
      if (a != 0) d[x] = BlendOver(d[x], (a << 24) | rgb);
    }
  }
}

void Pixmap::CopyFrom(const Pixmap& src, Rect src_rect, Point dst) {
  src_rect = src_rect.Intersect(src.bounds());
  Rect target{dst.x, dst.y, src_rect.w, src_rect.h};
  Rect c = target.Intersect(bounds());
  if (c.empty()) return;
  for (int y = 0; y < c.h; ++y) {
    const Argb* s = src.row(src_rect.y + (c.y - dst.y) + y) + src_rect.x + (c.x - dst.x);
    std::copy_n(s, c.w, row(c.y + y) + c.x);
  }
  if (!src.opaque_) opaque_ = false;
}

}  // namespace sw::platform
