#include "platform/check_box.h"

#include "platform/canvas.h"

namespace sw::platform {

bool CheckBoxElement::OnMouseDown(const MouseArgs& args) {
  if (args.button == 1) SetValue(value_ == 1 ? 0 : 1);
  return true;
}

bool CheckBoxElement::OnKeyDown(KeyArgs& args) {
  if (args.key_code != 32) return false;
  SetValue(value_ == 1 ? 0 : 1);
  auto keep = shared_from_this();
  if (auto handler = on.click) handler(*this);
  return true;
}

void CheckBoxElement::Paint(Canvas& canvas) {
  Rect r = rect_px();
  canvas.FillRect({0, 0, r.w, r.h}, VbToArgb(back_color_));
  int box = 13;
  int y = (r.h - box) / 2;
  canvas.FillRect({0, y, box, box}, value_ == 2 ? 0xFFD4D0C8u : 0xFFFFFFFFu);
  canvas.Draw3dEdge({0, y, box, box}, true);
  if (value_ != 0) {
    Argb ink = value_ == 2 ? 0xFF808080u : 0xFF000000u;
    // A tick: down-right for three pixels, then up-right for four, three pixels thick.
    for (int i = 0; i < 7; ++i) {
      int dy = i < 3 ? i : 4 - i;
      canvas.FillRect({3 + i, y + 5 + dy, 1, 3}, ink);
    }
  }
  int h = canvas.text().LineHeight(font_);
  canvas.DrawText(font_, caption_, {box + 4, (r.h - h) / 2}, VbToArgb(fore_color_));
}

}  // namespace sw::platform
