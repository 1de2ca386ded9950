// A form (window): owns its elements and control arrays, lays out menu bar and client area,
// routes mouse and key input to elements, and runs drag and drop and keyboard focus.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/element.h"
#include "platform/input.h"
#include "platform/menu.h"
#include "platform/picture_box.h"

namespace sw::platform {

class Platform;
class Pixmap;
class TimerElement;
class MenuTracker;
class ButtonElement;

enum class BorderStyle {
  kNone,    // no frame: the client area fills the form (game and welcome windows)
  kDialog,  // a title bar with the caption and a thin frame (modal dialogs)
};

struct FormHandlers {
  // Keys reach the form before the focused element when key preview is on, and always when
  // no element has the focus.
  std::function<void(Form&, KeyArgs&)> key_down;
  std::function<void(Form&, KeyArgs&)> key_up;
  std::function<void(Form&, int&)> key_press;
  // The window's close box. Without a handler the program ends.
  std::function<void(Form&)> close;
  // The program is asked to end (interrupt signal, the automation's quit). Without a
  // handler the close handler runs; without either the program ends.
  std::function<void(Form&)> quit;
};

// What the pointer should look like: a standard shape or a custom picture.
struct PointerShape {
  MousePointer kind = MousePointer::kDefault;
  Picture icon;
  friend bool operator==(const PointerShape& a, const PointerShape& b) {
    return a.kind == b.kind && a.icon == b.icon;
  }
};

class Form : public std::enable_shared_from_this<Form> {
 public:
  // Forms are made by Platform::CreateForm.
  Form(Platform& platform, std::string name);
  ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  Platform& platform() const { return platform_; }
  const std::string& name() const { return name_; }

  // Outer size in twips, menu bar and dialog frame included.
  int width() const { return width_; }
  int height() const { return height_; }
  void SetSize(int width_twips, int height_twips);
  Rect bounds_px() const { return {0, 0, TwipsToPixels(width_), TwipsToPixels(height_)}; }
  const std::string& caption() const { return caption_; }
  void SetCaption(std::string caption);
  BorderStyle border_style() const { return border_style_; }
  void SetBorderStyle(BorderStyle style);

  // The client area: background colour, picture, persistent drawing and the form-level mouse
  // handlers. Elements added without a container live in it.
  PictureBoxElement& client() { return *root_; }
  const PictureBoxElement& client() const { return *root_; }
  // The client area in pixels of the form's surface (below the menu bar when it shows).
  Rect client_rect_px() const;
  // Client size in twips.
  int scale_width() const { return root_->width(); }
  int scale_height() const { return root_->height(); }
  MenuBar& menu() { return menu_; }
  const MenuBar& menu() const { return menu_; }
  bool key_preview() const { return key_preview_; }
  void SetKeyPreview(bool on) { key_preview_ = on; }
  FormHandlers on;

  // Elements. Names are matched without regard to case.
  template <class T>
  T& Add(std::string name, Element* container = nullptr) {
    auto element = std::make_shared<T>();
    Attach(element, std::move(name), -1, container);
    return *element;
  }
  // Member 0 of a control array: the template further members are loaded from.
  template <class T>
  T& AddArray(std::string name, Element* container = nullptr) {
    auto element = std::make_shared<T>();
    Attach(element, std::move(name), 0, container);
    return *element;
  }
  // Loads member `index` as a hidden copy of member 0, in front of its siblings.
  // Throws VbError 360 when already loaded, 340 when the array does not exist.
  Element& Load(const std::string& name, int index);
  template <class T>
  T& Load(const std::string& name, int index) {
    return dynamic_cast<T&>(Load(name, index));
  }
  // Unloads member `index` (not 0, which throws VbError 362).
  void Unload(const std::string& name, int index);
  // Moves an element into another container of this form, in front of its new siblings;
  // members loaded later from a template follow the template's container.
  void SetContainer(Element& element, Element& container);
  Element* Find(const std::string& name, int index = -1) const;
  template <class T>
  T& Get(const std::string& name, int index = -1) const {
    return dynamic_cast<T&>(Require(name, index));
  }
  // Indices of an array's members in ascending order; UBound is -1 for an unknown name.
  std::vector<int> Indices(const std::string& name) const;
  int UBound(const std::string& name) const;
  std::vector<TimerElement*> timers() const;
  std::vector<std::shared_ptr<Element>> elements() const { return elements_; }

  // Showing. A shown form becomes the window's content; a modal form lies over it.
  bool visible() const { return visible_; }
  void Show();
  void Hide();
  // Shows the form modally and runs a nested event loop until it is hidden; returns the
  // modal result (0 when the program is quitting).
  int ShowModal();
  bool is_modal() const { return modal_; }
  int modal_result() const { return modal_result_; }
  // Sets the result and hides a modal form.
  void EndModal(int result);
  // Unloads the form: hidden, timers stopped, removed from the desktop.
  void Close();
  bool closed() const { return closed_; }

  // Keyboard focus.
  Element* focused() const;
  void Focus(Element* element);
  // Moves the focus to the next (or previous) element that can take it, in tab order.
  void FocusNext(bool backwards);

  // Deepest visible, enabled element at a point of the form's surface, front to back;
  // the client area itself when no element is there; nullptr outside the client area.
  Element* HitTest(Point surface_px) const;
  // An element and all its containers are visible.
  static bool IsShown(const Element& element);

  // Drag and drop.
  Element* drag_source() const { return drag_source_.get(); }
  void BeginDrag(Element& source);
  void EndDrag(bool drop);
  // Forgets the pressed buttons and the element holding the mouse: a modal window that opens
  // during a press takes the release, so this form never sees it.
  void ReleaseMouse();
  // The last pointer position in the form's surface.
  Point pointer() const { return pointer_; }
  // The element under the pointer (buttons and links draw themselves lit), or nullptr.
  Element* hovered() const;
  PointerShape PointerAt(Point surface_px) const;

  // Input, positions in pixels of the form's surface.
  void HandleInput(const InputEvent& event);

  // Draws the whole form (frame, menu bar, client area, open menus, drag image) with its
  // top-left corner at `origin` of `target`.
  void Paint(Pixmap& target, Point origin);
  void Invalidate();
  bool dirty() const { return dirty_; }
  void ClearDirty() { dirty_ = false; }
  MenuTracker& menu_tracker() { return *menu_tracker_; }
  int menu_bar_height() const;

 private:
  friend class Element;
  void Attach(const std::shared_ptr<Element>& element, std::string name, int index,
              Element* container);
  void Detach(Element& element);
  Element& Require(const std::string& name, int index) const;
  void LayoutClient();
  void HandleMouse(const InputEvent& event);
  void HandleKeyDown(const InputEvent& event);
  void HandleKeyUp(const InputEvent& event);
  void HandleChar(int ch);
  MouseArgs ArgsFor(const Element& target, Point p, int button, int shift) const;
  std::vector<Element*> FocusOrder() const;
  Element* FindButton(bool want_default) const;
  // The enabled, shown button whose caption marks `letter` (upper case) with '&'.
  ButtonElement* FindAccelerator(char letter) const;
  void PaintElement(Element& element, Canvas& parent_canvas);

  Platform& platform_;
  std::string name_;
  int width_ = 9600;
  int height_ = 7200;
  std::string caption_;
  BorderStyle border_style_ = BorderStyle::kNone;
  std::shared_ptr<PictureBoxElement> root_;
  MenuBar menu_;
  std::unique_ptr<MenuTracker> menu_tracker_;
  bool key_preview_ = false;
  std::vector<std::shared_ptr<Element>> elements_;
  // Every element by its name (folded to lower case) and index (-1 outside arrays), so that
  // finding, loading and counting members of large arrays take no scan.
  std::unordered_map<std::string, std::map<int, Element*>> by_name_;
  bool visible_ = false;
  bool modal_ = false;
  bool closed_ = false;
  int modal_result_ = 0;
  bool dirty_ = true;
  bool last_menu_visible_ = false;

  std::weak_ptr<Element> focused_;
  std::shared_ptr<Element> capture_;
  int buttons_ = 0;
  Point pointer_;
  std::weak_ptr<Element> hovered_;
  std::weak_ptr<Element> last_click_;
  std::int64_t last_click_ms_ = -100000;
  Point last_click_at_;
  std::shared_ptr<Element> drag_source_;
  Point drag_grab_;
  std::weak_ptr<Element> drag_over_;
};

}  // namespace sw::platform
