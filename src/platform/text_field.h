// Text field: one line of editable text with a caret, as the input and save dialogs use it.
#pragma once

#include <string>

#include "platform/element.h"
#include "platform/font.h"

namespace sw::platform {

class TextFieldElement : public Element {
 public:
  TextFieldElement() : Element(ElementKind::kTextField) {}

  const std::string& text() const { return text_; }
  // Replaces the text, puts the caret at its end, and runs the change handler.
  void SetText(std::string text);
  // Selects the whole text, so that typing replaces it.
  void SelectAll() {
    select_all_ = true;
    Changed();
  }
  int max_length() const { return max_length_; }
  void SetMaxLength(int length) { max_length_ = length; }
  const Font& font() const { return font_; }
  void SetFont(Font f) {
    font_ = std::move(f);
    Changed();
  }
  int caret() const { return caret_; }

  bool can_focus() const override { return true; }
  void Paint(Canvas& canvas) override;
  bool OnKeyDown(KeyArgs& args) override;
  bool OnChar(int ch) override;

 protected:
  std::shared_ptr<Element> Clone() const override {
    return std::make_shared<TextFieldElement>(*this);
  }

 private:
  void Edit(std::string text, int caret);

  std::string text_;
  int caret_ = 0;  // byte offset
  bool select_all_ = false;
  int max_length_ = 0;
  Font font_;
};

}  // namespace sw::platform
