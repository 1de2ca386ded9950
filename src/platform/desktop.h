// The forms of the program and the one window that shows them: which form is the window's
// content, the stack of modal dialogs over it, input routing, pointer shape and composition.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/input.h"
#include "platform/pixmap.h"
#include "platform/tool_tip.h"

namespace sw::platform {

class Platform;

class Desktop {
 public:
  explicit Desktop(Platform& platform) : platform_(platform) {}

  // Every form registers itself while it exists.
  void Register(Form* form);
  void Unregister(Form* form);
  const std::vector<Form*>& forms() const { return forms_; }

  // The form the window shows: the most recently shown visible, non-modal form.
  Form* base_form() const;
  void Activate(Form* form);
  void PushModal(Form* form);
  void PopModal(Form* form);
  // The open modal dialog that takes input, or nullptr.
  Form* top_modal() const;
  // Where a form lies on the window surface (dialogs are centred over the base form).
  Point FormOrigin(const Form& form) const;
  // Size of the window surface in pixels.
  Rect surface_bounds() const;

  // Routes one input event (positions in window-surface pixels) to the form it is for.
  void Route(const InputEvent& event);
  Point pointer() const { return pointer_; }

  // A screen-wide pointer that overrides every element's own (kDefault = no override).
  void SetScreenPointer(MousePointer kind, Picture icon = {});
  PointerShape screen_pointer() const { return screen_pointer_; }
  // The pointer shape at the current pointer position.
  PointerShape CurrentPointer() const;

  // The element whose top-left corner is (0, 0) of automation coordinates and whose
  // rectangle screenshots show. Without one, the base form's client area is used.
  void SetFrameElement(Element* element);
  Rect FrameRect() const;

  // Something changed that needs a repaint.
  void Changed() { changed_ = true; }
  bool NeedsRepaint() const;
  // Composes the window surface: the base form and the modal dialogs over it.
  const Pixmap& Compose();
  // Puts what changed on the display: one composed picture, or the base form in the main
  // window and each dialog in a window of its own when the display has those.
  void Present();
  // The composed surface cut to the frame rectangle.
  Pixmap Screenshot();

  // The tool tip showing under the resting pointer; "" when none is.
  std::string ToolTipText() const;

  // An interrupt (a signal, the automation's quit) has asked the whole program to end.
  bool quit_event_seen() const { return quit_event_seen_; }

 private:
  bool quit_event_seen_ = false;
  Platform& platform_;
  std::vector<Form*> forms_;
  std::vector<Form*> shown_order_;
  std::vector<Form*> modal_stack_;
  Point pointer_;
  PointerShape screen_pointer_;
  std::weak_ptr<Element> frame_element_;
  // Paints the base form (and the dialogs over it when `with_dialogs`) into `surface`.
  void Paint(Pixmap& surface, bool with_dialogs);
  // The dialog at position `id` - 1 of the modal stack, when it is open and takes input.
  Form* DialogOfWindow(int id) const;
  // Where input positions of `form` start: 0 inside its own dialog window.
  Point InputOrigin(const Form& form, int window) const;

  bool changed_ = true;
  int pointer_window_ = 0;
  ToolTip tip_;
  std::vector<Pixmap> dialog_pictures_;
  Pixmap surface_;
  std::string title_;
};

}  // namespace sw::platform
