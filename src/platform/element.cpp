#include "platform/element.h"

#include <algorithm>

#include "platform/form.h"

namespace sw::platform {

Element::Element(const Element& other)
    : std::enable_shared_from_this<Element>(),
      on(other.on),
      kind_(other.kind_),
      name_(other.name_),
      index_(other.index_),
      left_(other.left_),
      top_(other.top_),
      width_(other.width_),
      height_(other.height_),
      visible_(other.visible_),
      enabled_(other.enabled_),
      tag_(other.tag_),
      mouse_pointer_(other.mouse_pointer_),
      mouse_icon_(other.mouse_icon_),
      drag_icon_(other.drag_icon_),
      tab_index_(other.tab_index_) {}

std::string Element::DisplayName() const {
  return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

void Element::Changed() {
  if (form_) form_->Invalidate();
}

void Element::Move(int left, int top, int width, int height) {
  left = ClampElementTwips(left);
  top = ClampElementTwips(top);
  width = std::max(0, ClampElementTwips(width));
  height = std::max(0, ClampElementTwips(height));
  bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (resized) GeometryChanged();
  Changed();
}

void Element::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Changed();
}

void Element::SetEnabled(bool enabled) {
  enabled_ = enabled;
  EnabledChanged();
  Changed();
}

void Element::ZOrder(int position) {
  if (!parent_) return;
  auto& siblings = parent_->children_;
  auto it = std::find_if(siblings.begin(), siblings.end(),
                         [this](const auto& p) { return p.get() == this; });
  if (it == siblings.end()) return;
  std::shared_ptr<Element> self = *it;
  siblings.erase(it);
  if (position == 0) {
    siblings.push_back(self);
  } else {
    siblings.insert(siblings.begin(), self);
  }
  Changed();
}

void Element::Drag(int action) {
  if (!form_) return;
  if (action == 1) {
    form_->BeginDrag(*this);
  } else if (form_->drag_source() == this) {
    form_->EndDrag(action == 2);
  }
}

void Element::SetFocus() {
  if (form_) form_->Focus(this);
}

Rect Element::rect_px() const {
  return {TwipsToPixels(left_), TwipsToPixels(top_), TwipsToPixels(width_), TwipsToPixels(height_)};
}

Rect Element::surface_rect_px() const {
  if (!parent_) return form_ ? form_->client_rect_px() : rect_px();
  Rect container = parent_->surface_rect_px();
  Point off = parent_->client_offset_px();
  return rect_px().Offset(container.x + off.x, container.y + off.y);
}

}  // namespace sw::platform
