#include "platform/frame_box.h"

#include "platform/canvas.h"

namespace sw::platform {

std::shared_ptr<Element> FrameElement::Clone() const {
  return std::make_shared<FrameElement>(*this);
}

void FrameElement::Paint(Canvas& canvas) {
  Rect r = rect_px();
  canvas.FillRect({0, 0, r.w, r.h}, VbToArgb(back_color_));
  if (border_style_ != 1) return;
  int text_h = canvas.text().LineHeight(font_);
  int y = text_h / 2;
  canvas.Outline({0, y, r.w - 1, r.h - y - 1}, 0xFF808080u);
  canvas.Outline({1, y + 1, r.w - 1, r.h - y - 1}, 0xFFFFFFFFu);
  if (!caption_.empty()) {
    int w = canvas.text().LineWidth(font_, caption_);
    canvas.FillRect({6, 0, w + 4, text_h}, VbToArgb(back_color_));
    canvas.DrawText(font_, caption_, {8, 0}, VbToArgb(fore_color_));
  }
}

}  // namespace sw::platform
