// Check box: a square that a click ticks or clears, with a caption beside it.
#pragma once

#include <string>

#include "platform/color.h"
#include "platform/element.h"
#include "platform/font.h"

namespace sw::platform {

class CheckBoxElement : public Element {
 public:
  CheckBoxElement() : Element(ElementKind::kCheckBox) {}

  // 0 = cleared, 1 = ticked, 2 = greyed.
  int value() const { return value_; }
  void SetValue(int value) {
    value_ = value;
    Changed();
  }
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

  bool can_focus() const override { return true; }
  void Paint(Canvas& canvas) override;
  // A press toggles the value before the click handler runs.
  bool OnMouseDown(const MouseArgs& args) override;
  bool OnKeyDown(KeyArgs& args) override;

 protected:
  std::shared_ptr<Element> Clone() const override {
    return std::make_shared<CheckBoxElement>(*this);
  }

 private:
  int value_ = 0;
  std::string caption_;
  VbColor back_color_ = kVbButtonFace;
  VbColor fore_color_ = kVbWindowText;
  Font font_;
};

}  // namespace sw::platform
