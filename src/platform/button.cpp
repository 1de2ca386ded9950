#include "platform/button.h"

#include "platform/canvas.h"
#include "platform/form.h"

namespace sw::platform {

std::string ButtonElement::PlainCaption() const {
  std::string out;
  for (std::size_t i = 0; i < caption_.size(); ++i) {
    if (caption_[i] == '&') {
      if (i + 1 < caption_.size() && caption_[i + 1] == '&') out += '&', ++i;
      continue;
    }
    out += caption_[i];
  }
  return out;
}

void ButtonElement::Press() {
  if (!visible() || !enabled()) return;
  auto keep = shared_from_this();
  if (auto handler = on.click) handler(*this);
}

bool ButtonElement::OnMouseDown(const MouseArgs& args) {
  if (args.button == 1) {
    pressed_ = true;
    Changed();
  }
  return true;
}

bool ButtonElement::OnMouseUp(const MouseArgs& args) {
  if (args.button == 1 && pressed_) {
    pressed_ = false;
    Changed();
  }
  return true;
}

bool ButtonElement::OnKeyDown(KeyArgs& args) {
  if (args.key_code == 32 || args.key_code == 13) {
    Press();
    return true;
  }
  return false;
}

void ButtonElement::Paint(Canvas& canvas) {
  Rect r = rect_px();
  // A little lighter under the pointer.
  const bool lit = enabled() && form() && form()->hovered() == this;
  canvas.FillRect({0, 0, r.w, r.h}, lit ? 0xFFE4E1DAu : 0xFFD4D0C8u);
  bool focused = form() && form()->focused() == this;
  Rect edge{0, 0, r.w, r.h};
  if (default_ || focused) {
    canvas.Outline(edge, 0xFF000000u);
    edge = {1, 1, r.w - 2, r.h - 2};
  }
  canvas.Draw3dEdge(edge, pressed_);
  std::string text = PlainCaption();
  int w = canvas.text().LineWidth(font_, text);
  int h = canvas.text().LineHeight(font_);
  int shift = pressed_ ? 1 : 0;
  canvas.DrawText(font_, text, {(r.w - w) / 2 + shift, (r.h - h) / 2 + shift},
                  enabled() ? 0xFF000000u : 0xFF808080u);
  if (focused) {
    for (int x = 4; x < r.w - 4; x += 2) {
      canvas.FillRect({x, 4, 1, 1}, 0xFF000000u);
      canvas.FillRect({x, r.h - 5, 1, 1}, 0xFF000000u);
    }
  }
}

}  // namespace sw::platform
