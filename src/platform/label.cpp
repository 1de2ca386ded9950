#include "platform/label.h"

#include <algorithm>

#include "platform/canvas.h"
#include "platform/form.h"
#include "platform/input.h"
#include "platform/platform.h"

namespace sw::platform {

void LabelElement::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Fit();
  Changed();
}

void LabelElement::SetFont(Font font) {
  font_ = std::move(font);
  Fit();
  Changed();
}

void LabelElement::SetAutoSize(bool on) {
  auto_size_ = on;
  Fit();
  Changed();
}

void LabelElement::SetWordWrap(bool on) {
  word_wrap_ = on;
  Fit();
  Changed();
}

void LabelElement::GeometryChanged() {
  if (word_wrap_ && auto_size_) Fit();
}

std::vector<std::string> LabelElement::Lines() {
  if (!form()) return SplitLines(caption_);
  int wrap = word_wrap_ ? std::max(1, rect_px().w) : 0;
  return form()->platform().text().Layout(font_, caption_, wrap);
}

void LabelElement::Fit() {
  if (!auto_size_ || !form() || fitting_) return;
  fitting_ = true;
  TextEngine& text = form()->platform().text();
  std::vector<std::string> lines = Lines();
  int line_h = text.LineHeight(font_);
  int w_px = 0;
  for (const auto& line : lines) w_px = std::max(w_px, text.LineWidth(font_, line));
  int new_w = word_wrap_ ? width() : PixelsToTwips(w_px);
  int new_h = PixelsToTwips(line_h * static_cast<int>(lines.size()));
  int new_left = left();
  if (!word_wrap_) {
    if (alignment_ == Alignment::kRight) new_left = left() + width() - new_w;
    if (alignment_ == Alignment::kCenter) new_left = left() + (width() - new_w) / 2;
  }
  Move(new_left, top(), new_w, new_h);
  fitting_ = false;
}

void LabelElement::Paint(Canvas& canvas) {
  Rect r = rect_px();
  if (back_style_ == 1) canvas.FillRect({0, 0, r.w, r.h}, VbToArgb(back_color_));
  int inset = 0;
  if (border_style_ == 1) {
    canvas.Draw3dEdge({0, 0, r.w, r.h}, true);
    inset = 2;
  }
  TextEngine& text = canvas.text();
  int line_h = text.LineHeight(font_);
  Argb colour = VbToArgb(fore_color_);
  // A label that acts as a button or link is underlined under the pointer.
  const bool lit = tab_stop_ && form() && form()->hovered() == this;
  int y = inset;
  for (const auto& line : Lines()) {
    int w = text.LineWidth(font_, line);
    int x = inset;
    if (alignment_ == Alignment::kRight) x = r.w - inset - w;
    if (alignment_ == Alignment::kCenter) x = (r.w - w) / 2;
    canvas.DrawText(font_, line, {x, y}, colour);
    if (lit) canvas.FillRect({x, y + line_h - 2, w, 1}, colour);
    y += line_h;
  }
  if (tab_stop_ && form() && form()->focused() == this) {
    for (int px = 0; px < r.w; px += 2) {
      canvas.FillRect({px, 0, 1, 1}, colour);
      canvas.FillRect({px, r.h - 1, 1, 1}, colour);
    }
    for (int py = 0; py < r.h; py += 2) {
      canvas.FillRect({0, py, 1, 1}, colour);
      canvas.FillRect({r.w - 1, py, 1, 1}, colour);
    }
  }
}

bool LabelElement::OnKeyDown(KeyArgs& args) {
  if (!tab_stop_ || (args.key_code != keys::kReturn && args.key_code != keys::kSpace)) return false;
  auto keep = shared_from_this();
  if (auto handler = on.click) handler(*this);
  return true;
}

}  // namespace sw::platform
