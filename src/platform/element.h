// The base of every control on a form: twips geometry, visibility, z-order, pointer, handlers.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/geometry.h"
#include "platform/picture.h"

namespace sw::platform {

class Canvas;
class Form;

enum class ElementKind {
  kImage,
  kLabel,
  kPictureBox,
  kFrame,
  kCheckBox,
  kListBox,
  kTextField,
  kButton,
  kTimer,
};

// Mouse pointer kinds, numbered as the game's MousePointer property numbers them.
enum class MousePointer {
  kDefault = 0,
  kArrow = 1,
  kCross = 2,
  kIBeam = 3,
  kHourglass = 11,
  kCustom = 99,
  // The player's own: the hand shown over links (no game number gives it).
  kHand = 1000,
};

// A mouse event as a handler sees it: position in twips relative to the element.
struct MouseArgs {
  int button = 0;  // the button pressed or released; for moves, the buttons held
  int shift = 0;
  int x = 0;
  int y = 0;
};

// A key event; a handler sets key_code to 0 to keep the key from going further.
struct KeyArgs {
  int key_code = 0;
  int shift = 0;
};

class Element;

// Event handlers. Every handler receives the element it belongs to, so one handler can
// serve a whole control array (the element's index() tells which member fired).
struct Handlers {
  std::function<void(Element&)> click;
  std::function<void(Element&)> dbl_click;
  std::function<void(Element&)> change;
  std::function<void(Element&, const MouseArgs&)> mouse_down;
  std::function<void(Element&, const MouseArgs&)> mouse_up;
  std::function<void(Element&, const MouseArgs&)> mouse_move;
  // Dropped: target, source, position in twips relative to the target.
  std::function<void(Element&, Element&, int, int)> drag_drop;
  // Dragged over: target, source, position, state (0 enter, 1 leave, 2 over).
  std::function<void(Element&, Element&, int, int, int)> drag_over;
  std::function<void(Element&, KeyArgs&)> key_down;
  std::function<void(Element&, KeyArgs&)> key_up;
  std::function<void(Element&, int&)> key_press;  // character code; set to 0 to swallow
  std::function<void(Element&)> timer;
};

class Element : public std::enable_shared_from_this<Element> {
 public:
  virtual ~Element() = default;
  Element& operator=(const Element&) = delete;

  ElementKind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  // Position in its control array, or -1 for an element that is not in one.
  int index() const { return index_; }
  // "Area(3)" or "PictureBox": how messages and the state dump name the element.
  std::string DisplayName() const;
  Form* form() const { return form_; }
  // The container holding this element (the form's client area for top-level elements).
  Element* parent() const { return parent_; }
  bool loaded() const { return form_ != nullptr; }

  // Geometry in twips, relative to the container's client area.
  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void SetLeft(int twips) { Move(twips, top_, width_, height_); }
  void SetTop(int twips) { Move(left_, twips, width_, height_); }
  void SetWidth(int twips) { Move(left_, top_, twips, height_); }
  void SetHeight(int twips) { Move(left_, top_, width_, twips); }
  void Move(int left, int top, int width, int height);

  bool visible() const { return visible_; }
  void SetVisible(bool visible);
  bool enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  const std::string& tag() const { return tag_; }
  void SetTag(std::string tag) { tag_ = std::move(tag); }
  // Kept for scripts that set it; the player shows no tool tips.
  const std::string& tool_tip_text() const { return tool_tip_text_; }
  void SetToolTipText(std::string text) { tool_tip_text_ = std::move(text); }

  MousePointer mouse_pointer() const { return mouse_pointer_; }
  void SetMousePointer(MousePointer pointer) { mouse_pointer_ = pointer; }
  const Picture& mouse_icon() const { return mouse_icon_; }
  void SetMouseIcon(Picture icon) { mouse_icon_ = std::move(icon); }
  // The picture shown under the pointer while this element is dragged (none: an outline).
  const Picture& drag_icon() const { return drag_icon_; }
  void SetDragIcon(Picture icon) { drag_icon_ = std::move(icon); }

  int tab_index() const { return tab_index_; }
  void SetTabIndex(int index) { tab_index_ = index; }

  // 0 brings the element to the front of its layer, 1 sends it to the back.
  void ZOrder(int position = 0);
  // Manual drag: 1 begins (the drag icon follows the pointer until the button is released),
  // 2 ends with a drop where the pointer is, 0 cancels.
  void Drag(int action = 1);
  void SetFocus();

  Handlers on;

  // Children, back to front (windowless ones are drawn below windowed ones).
  const std::vector<std::shared_ptr<Element>>& children() const { return children_; }
  virtual bool is_container() const { return false; }
  // Windowed elements always lie above the windowless ones (images, labels) of the same
  // container, as in the original's window system.
  virtual bool is_windowed() const { return true; }
  virtual bool can_focus() const { return false; }
  virtual bool is_drawn() const { return true; }

  // Rectangle in pixels relative to the container's client area.
  Rect rect_px() const;
  // Rectangle in pixels of the form's surface.
  Rect surface_rect_px() const;
  // Offset of the client area (where children start) from the element's top-left.
  virtual Point client_offset_px() const { return {}; }

  // Draws the element with the canvas origin at its top-left corner.
  virtual void Paint(Canvas& canvas) = 0;

  // Built-in behaviour of widgets, run after the game's handler; true = handled.
  virtual bool OnMouseDown(const MouseArgs&) { return false; }
  virtual bool OnMouseUp(const MouseArgs&) { return false; }
  // Moves while this element holds the mouse (a button was pressed on it) or lies under it.
  virtual void OnMouseMove(const MouseArgs&) {}
  virtual bool OnKeyDown(KeyArgs&) { return false; }
  virtual bool OnChar(int) { return false; }

 protected:
  explicit Element(ElementKind kind) : kind_(kind) {}
  Element(const Element& other);
  // Marks the form for repainting.
  void Changed();
  virtual void GeometryChanged() {}
  virtual void EnabledChanged() {}
  // A copy of this element's properties for a new control array member.
  virtual std::shared_ptr<Element> Clone() const = 0;

 private:
  friend class Form;

  ElementKind kind_;
  std::string name_;
  int index_ = -1;
  Form* form_ = nullptr;
  Element* parent_ = nullptr;
  std::vector<std::shared_ptr<Element>> children_;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  std::string tag_;
  std::string tool_tip_text_;
  MousePointer mouse_pointer_ = MousePointer::kDefault;
  Picture mouse_icon_;
  Picture drag_icon_;
  int tab_index_ = 0;
};

}  // namespace sw::platform
