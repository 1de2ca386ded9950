// A drawing target for one element: a pixmap, an origin and a clip rectangle.
#pragma once

#include <string_view>

#include "platform/font.h"
#include "platform/pixmap.h"

namespace sw::platform {

class Canvas {
 public:
  Canvas(Pixmap& target, TextEngine& text, Point origin, Rect clip)
      : target_(target), text_(text), origin_(origin), clip_(clip.Intersect(target.bounds())) {}

  TextEngine& text() { return text_; }
  Pixmap& target() { return target_; }
  Point origin() const { return origin_; }
  Rect clip() const { return clip_; }
  bool clipped_away() const { return clip_.empty(); }

  // A canvas for a child area at `local` (relative to this origin), clipped to it.
  Canvas Sub(Rect local) const;

  void FillRect(Rect local, Argb colour);
  void Outline(Rect local, Argb colour);
  // A picture at `local`, scaled to the rectangle when the sizes differ.
  void DrawPicture(const Pixmap& picture, Rect local);
  void DrawPixmap(const Pixmap& pixmap, Point local) {
    DrawPicture(pixmap, {local.x, local.y, pixmap.width(), pixmap.height()});
  }
  void DrawText(const Font& font, std::string_view line, Point local, Argb colour);
  // The classic two-pixel 3D edge: sunken for fields, raised for buttons.
  void Draw3dEdge(Rect local, bool sunken);

 private:
  Rect Absolute(Rect local) const { return local.Offset(origin_.x, origin_.y); }

  Pixmap& target_;
  TextEngine& text_;
  Point origin_;
  Rect clip_;
};

}  // namespace sw::platform
