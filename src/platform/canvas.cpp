#include "platform/canvas.h"

namespace sw::platform {

Canvas Canvas::Sub(Rect local) const {
  Rect abs = Absolute(local);
  return Canvas(target_, text_, {abs.x, abs.y}, clip_.Intersect(abs));
}

void Canvas::FillRect(Rect local, Argb colour) {
  target_.FillRect(Absolute(local), colour, clip_);
}

void Canvas::Outline(Rect local, Argb colour) {
  target_.DrawRectOutline(Absolute(local), colour, clip_);
}

void Canvas::DrawPicture(const Pixmap& picture, Rect local) {
  target_.BlitScaled(picture, Absolute(local), clip_);
}

void Canvas::DrawText(const Font& font, std::string_view line, Point local, Argb colour) {
  if (line.empty() || clip_.empty()) return;
  const Pixmap& mask = text_.RenderLine(font, line);
  target_.BlitMask(mask, {origin_.x + local.x, origin_.y + local.y}, colour, clip_);
}

void Canvas::Draw3dEdge(Rect r, bool sunken) {
  Argb dark = 0xFF808080u, darker = 0xFF404040u, light = 0xFFFFFFFFu, face = 0xFFD4D0C8u;
  Argb outer_tl = sunken ? dark : light, outer_br = sunken ? light : darker;
  Argb inner_tl = sunken ? darker : face, inner_br = sunken ? face : dark;
  FillRect({r.x, r.y, r.w, 1}, outer_tl);
  FillRect({r.x, r.y, 1, r.h}, outer_tl);
  FillRect({r.x, r.bottom() - 1, r.w, 1}, outer_br);
  FillRect({r.right() - 1, r.y, 1, r.h}, outer_br);
  FillRect({r.x + 1, r.y + 1, r.w - 2, 1}, inner_tl);
  FillRect({r.x + 1, r.y + 1, 1, r.h - 2}, inner_tl);
  FillRect({r.x + 1, r.bottom() - 2, r.w - 2, 1}, inner_br);
  FillRect({r.right() - 2, r.y + 1, 1, r.h - 2}, inner_br);
}

}  // namespace sw::platform
