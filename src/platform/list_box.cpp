#include "platform/list_box.h"

#include <algorithm>

#include "base/ascii.h"
#include "platform/canvas.h"
#include "platform/form.h"
#include "platform/input.h"
#include "platform/platform.h"

namespace sw::platform {

void ListBoxElement::AddItem(std::string item) {
  items_.push_back(std::move(item));
  Changed();
}

void ListBoxElement::RemoveItem(int index) {
  if (index < 0 || index >= list_count()) return;
  items_.erase(items_.begin() + index);
  if (list_index_ == index)
    list_index_ = -1;
  else if (list_index_ > index)
    --list_index_;
  top_index_ = std::clamp(top_index_, 0, std::max(0, list_count() - 1));
  Changed();
}

void ListBoxElement::Clear() {
  items_.clear();
  list_index_ = -1;
  top_index_ = 0;
  Changed();
}

int ListBoxElement::Find(const std::string& text) const {
  for (int i = 0; i < list_count(); ++i)
    if (items_[i] == text) return i;
  std::string wanted = LowerAscii(text);
  for (int i = 0; i < list_count(); ++i)
    if (LowerAscii(items_[i]) == wanted) return i;
  return -1;
}

void ListBoxElement::SetListIndex(int index) {
  if (index < -1 || index >= list_count()) return;
  list_index_ = index;
  ScrollIntoView();
  Changed();
  auto keep = shared_from_this();
  if (auto handler = on.click) handler(*this);
}

int ListBoxElement::RowHeight() const {
  return form() ? form()->platform().text().LineHeight(font_) : 13;
}

int ListBoxElement::VisibleRows() const {
  return std::max(1, (rect_px().h - 4) / std::max(1, RowHeight()));
}

void ListBoxElement::ScrollIntoView() {
  if (list_index_ < 0) return;
  int rows = VisibleRows();
  if (list_index_ < top_index_) top_index_ = list_index_;
  if (list_index_ >= top_index_ + rows) top_index_ = list_index_ - rows + 1;
}

bool ListBoxElement::OnMouseDown(const MouseArgs& args) {
  if (args.button != kLeftButton) return true;
  int row = (TwipsToPixels(args.y) - 2) / std::max(1, RowHeight());
  int index = top_index_ + row;
  if (index >= 0 && index < list_count() && index != list_index_) SetListIndex(index);
  return true;
}

bool ListBoxElement::OnKeyDown(KeyArgs& args) {
  if (items_.empty()) return false;
  int next = list_index_;
  int page = VisibleRows();
  switch (args.key_code) {
    case keys::kUp:
      next = std::max(0, list_index_ - 1);
      break;
    case keys::kDown:
      next = std::min(list_count() - 1, list_index_ + 1);
      break;
    case keys::kHome:
      next = 0;
      break;
    case keys::kEnd:
      next = list_count() - 1;
      break;
    case keys::kPageUp:
      next = std::max(0, list_index_ - page);
      break;
    case keys::kPageDown:
      next = std::min(list_count() - 1, std::max(0, list_index_) + page);
      break;
    default:
      return false;
  }
  if (next != list_index_) SetListIndex(next);
  return true;
}

void ListBoxElement::Paint(Canvas& canvas) {
  Rect r = rect_px();
  canvas.FillRect({0, 0, r.w, r.h}, 0xFFFFFFFFu);
  int row_h = RowHeight();
  Canvas inner = canvas.Sub({2, 2, r.w - 4, r.h - 4});
  bool focused = form() && form()->focused() == this;
  for (int i = top_index_, y = 0; i < list_count() && y < r.h; ++i, y += row_h) {
    Argb ink = 0xFF000000u;
    if (i == list_index_) {
      inner.FillRect({0, y, r.w - 4, row_h}, focused ? 0xFF000080u : 0xFFC0C0C0u);
      if (focused) ink = 0xFFFFFFFFu;
    }
    inner.DrawText(font_, items_[i], {2, y}, ink);
  }
  canvas.Draw3dEdge({0, 0, r.w, r.h}, true);
}

}  // namespace sw::platform
