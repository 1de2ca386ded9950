// List box: a column of entries of which one may be selected; the keyboard moves the selection.
#pragma once

#include <string>
#include <vector>

#include "platform/element.h"
#include "platform/font.h"

namespace sw::platform {

class ListBoxElement : public Element {
 public:
  ListBoxElement() : Element(ElementKind::kListBox) {}

  void AddItem(std::string item);
  void RemoveItem(int index);
  void Clear();
  int list_count() const { return static_cast<int>(items_.size()); }
  const std::string& item(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  const std::vector<std::string>& items() const { return items_; }
  // -1 = nothing selected. Selecting an entry runs the click handler, as the original did
  // whether the user or the program chose it.
  int list_index() const { return list_index_; }
  void SetListIndex(int index);
  // The selected entry's text, or "".
  std::string text() const { return list_index_ >= 0 ? items_[list_index_] : std::string(); }
  // Index of the first entry equal to `text` without regard to case, or -1.
  int Find(const std::string& text) const;
  int top_index() const { return top_index_; }
  const Font& font() const { return font_; }
  void SetFont(Font f) {
    font_ = std::move(f);
    Changed();
  }

  bool can_focus() const override { return true; }
  void Paint(Canvas& canvas) override;
  bool OnMouseDown(const MouseArgs& args) override;
  bool OnKeyDown(KeyArgs& args) override;

 protected:
  std::shared_ptr<Element> Clone() const override {
    return std::make_shared<ListBoxElement>(*this);
  }

 private:
  int RowHeight() const;
  int VisibleRows() const;
  void ScrollIntoView();

  std::vector<std::string> items_;
  int list_index_ = -1;
  int top_index_ = 0;
  Font font_;
};

}  // namespace sw::platform
