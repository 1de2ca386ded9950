// Frame container: an opaque box with an optional etched border and caption, holding children.
#pragma once

#include <string>

#include "platform/color.h"
#include "platform/element.h"
#include "platform/font.h"

namespace sw::platform {

class FrameElement : public Element {
 public:
  FrameElement() : Element(ElementKind::kFrame) {}

  const std::string& caption() const { return caption_; }
  void SetCaption(std::string caption) {
    caption_ = std::move(caption);
    Changed();
  }
  VbColor back_color() const { return back_color_; }
  void SetBackColor(VbColor c) {
    back_color_ = c;
    Changed();
  }
  VbColor fore_color() const { return fore_color_; }
  void SetForeColor(VbColor c) {
    fore_color_ = c;
    Changed();
  }
  const Font& font() const { return font_; }
  void SetFont(Font f) {
    font_ = std::move(f);
    Changed();
  }
  // 0 = no border, 1 = etched border with the caption on it.
  int border_style() const { return border_style_; }
  void SetBorderStyle(int style) {
    border_style_ = style;
    Changed();
  }

  bool is_container() const override { return true; }
  void Paint(Canvas& canvas) override;

 protected:
  std::shared_ptr<Element> Clone() const override;

 private:
  std::string caption_;
  VbColor back_color_ = kVbButtonFace;
  VbColor fore_color_ = kVbWindowText;
  Font font_;
  int border_style_ = 1;
};

}  // namespace sw::platform
