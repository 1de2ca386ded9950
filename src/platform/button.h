// Command button: a caption that runs its click handler; a form's default button answers
// Enter and its cancel button answers Esc.
#pragma once

#include <string>

#include "platform/element.h"
#include "platform/font.h"

namespace sw::platform {

class ButtonElement : public Element {
 public:
  ButtonElement() : Element(ElementKind::kButton) {}

  const std::string& caption() const { return caption_; }
  void SetCaption(std::string caption) {
    caption_ = std::move(caption);
    Changed();
  }
  const Font& font() const { return font_; }
  void SetFont(Font f) {
    font_ = std::move(f);
    Changed();
  }
  bool is_default() const { return default_; }
  void SetDefault(bool on) {
    default_ = on;
    Changed();
  }
  bool is_cancel() const { return cancel_; }
  void SetCancel(bool on) { cancel_ = on; }
  // The caption without its '&' accelerator marks, as a person reads it.
  std::string PlainCaption() const;
  // Runs the click handler as a press with the mouse or the keyboard would.
  void Press();

  bool can_focus() const override { return true; }
  void Paint(Canvas& canvas) override;
  bool OnMouseDown(const MouseArgs& args) override;
  bool OnMouseUp(const MouseArgs& args) override;
  bool OnKeyDown(KeyArgs& args) override;

 protected:
  std::shared_ptr<Element> Clone() const override { return std::make_shared<ButtonElement>(*this); }

 private:
  std::string caption_;
  Font font_;
  bool default_ = false;
  bool cancel_ = false;
  bool pressed_ = false;
};

}  // namespace sw::platform
