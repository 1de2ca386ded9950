// Text field: one line of editable text with a caret and a selection, as the input and save
// dialogs use it; the keyboard and mouse edit it as every desktop text field does, with the
// desktop's clipboard.
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
  void SelectAll();
  int max_length() const { return max_length_; }
  void SetMaxLength(int length) { max_length_ = length; }
  const Font& font() const { return font_; }
  void SetFont(Font f) {
    font_ = std::move(f);
    Changed();
  }
  // Byte offsets: the caret, and the selected text from the smaller to the larger of caret
  // and anchor (empty when they are equal).
  int caret() const { return caret_; }
  int anchor() const { return anchor_; }
  std::string selected_text() const;

  bool can_focus() const override { return true; }
  void Paint(Canvas& canvas) override;
  bool OnKeyDown(KeyArgs& args) override;
  bool OnChar(int ch) override;
  bool OnMouseDown(const MouseArgs& args) override;
  void OnMouseMove(const MouseArgs& args) override;

 protected:
  std::shared_ptr<Element> Clone() const override {
    return std::make_shared<TextFieldElement>(*this);
  }

 private:
  // Replaces the selection by `insert` (limited by the maximum length) and runs the change
  // handler; the previous text is kept for Ctrl+Z.
  void ReplaceSelection(const std::string& insert);
  void Edit(std::string text, int caret);
  // Moves the caret; with `extend` the anchor stays, else it follows.
  void MoveCaret(int to, bool extend);
  // The byte offset nearest to a position in pixels from the left edge of the field.
  int OffsetAt(int x_px) const;
  bool HasSelection() const { return caret_ != anchor_; }

  std::string text_;
  int caret_ = 0;   // byte offset
  int anchor_ = 0;  // the other end of the selection
  int max_length_ = 0;
  Font font_;
  int scroll_px_ = 0;  // how far long text is scrolled to keep the caret in view
  std::string undo_text_;
  int undo_caret_ = -1;  // -1: nothing to undo
  std::int64_t last_press_ms_ = -100000;
  int last_press_x_ = 0;
};

}  // namespace sw::platform
