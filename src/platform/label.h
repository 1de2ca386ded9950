// Label element: a caption in one font, with line breaks at CR LF, optional word wrap and
// automatic sizing from the font's real metrics.
#pragma once

#include <string>
#include <vector>

#include "platform/color.h"
#include "platform/element.h"
#include "platform/font.h"

namespace sw::platform {

enum class Alignment { kLeft = 0, kRight = 1, kCenter = 2 };

class LabelElement : public Element {
 public:
  LabelElement() : Element(ElementKind::kLabel) {}

  const std::string& caption() const { return caption_; }
  void SetCaption(std::string caption);
  const Font& font() const { return font_; }
  void SetFont(Font font);
  VbColor fore_color() const { return fore_color_; }
  void SetForeColor(VbColor c) {
    fore_color_ = c;
    Changed();
  }
  VbColor back_color() const { return back_color_; }
  void SetBackColor(VbColor c) {
    back_color_ = c;
    Changed();
  }
  // 0 = transparent (only the text is drawn), 1 = opaque.
  int back_style() const { return back_style_; }
  void SetBackStyle(int style) {
    back_style_ = style;
    Changed();
  }
  // Automatic sizing keeps the edge the alignment names: left, right or the centre.
  bool auto_size() const { return auto_size_; }
  void SetAutoSize(bool on);
  bool word_wrap() const { return word_wrap_; }
  void SetWordWrap(bool on);
  Alignment alignment() const { return alignment_; }
  void SetAlignment(Alignment a) {
    alignment_ = a;
    Changed();
  }
  int border_style() const { return border_style_; }
  void SetBorderStyle(int style) {
    border_style_ = style;
    Changed();
  }

  // The caption broken into the lines as drawn.
  std::vector<std::string> Lines();

  // A label that acts as a button or a link: it takes the keyboard focus with Tab, Return
  // and Space click it, and the focus shows as a dotted frame.
  bool tab_stop() const { return tab_stop_; }
  void SetTabStop(bool on) {
    tab_stop_ = on;
    Changed();
  }

  bool is_windowed() const override { return false; }
  bool can_focus() const override { return tab_stop_ && !caption_.empty(); }
  void Paint(Canvas& canvas) override;
  bool OnKeyDown(KeyArgs& args) override;

 protected:
  std::shared_ptr<Element> Clone() const override { return std::make_shared<LabelElement>(*this); }
  void GeometryChanged() override;

 private:
  void Fit();

  std::string caption_;
  Font font_;
  VbColor fore_color_ = kVbWindowText;
  VbColor back_color_ = kVbButtonFace;
  int back_style_ = 1;
  bool auto_size_ = false;
  bool word_wrap_ = false;
  Alignment alignment_ = Alignment::kLeft;
  int border_style_ = 0;
  bool fitting_ = false;
  bool tab_stop_ = false;
};

}  // namespace sw::platform
