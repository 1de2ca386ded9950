#include "platform/desktop.h"

#include <algorithm>

#include "platform/display.h"
#include "platform/event_loop.h"
#include "platform/menu_tracker.h"
#include "platform/platform.h"

namespace sw::platform {

void Desktop::Register(Form* form) {
  forms_.push_back(form);
}

void Desktop::Unregister(Form* form) {
  auto drop = [form](std::vector<Form*>& v) {
    v.erase(std::remove(v.begin(), v.end(), form), v.end());
  };
  drop(forms_);
  drop(shown_order_);
  drop(modal_stack_);
  changed_ = true;
}

Form* Desktop::base_form() const {
  for (auto it = shown_order_.rbegin(); it != shown_order_.rend(); ++it)
    if ((*it)->visible() && !(*it)->is_modal() && !(*it)->closed()) return *it;
  return nullptr;
}

void Desktop::Activate(Form* form) {
  shown_order_.erase(std::remove(shown_order_.begin(), shown_order_.end(), form),
                     shown_order_.end());
  shown_order_.push_back(form);
  changed_ = true;
}

void Desktop::PushModal(Form* form) {
  // The release of a press that opened this window goes to it: the other forms let go.
  for (Form* other : forms_) {
    if (other != form) other->ReleaseMouse();
  }
  modal_stack_.push_back(form);
  changed_ = true;
}

void Desktop::PopModal(Form* form) {
  modal_stack_.erase(std::remove(modal_stack_.begin(), modal_stack_.end(), form),
                     modal_stack_.end());
  changed_ = true;
}

Form* Desktop::top_modal() const {
  for (auto it = modal_stack_.rbegin(); it != modal_stack_.rend(); ++it)
    if ((*it)->visible()) return *it;
  return nullptr;
}

Rect Desktop::surface_bounds() const {
  if (Form* base = base_form()) return base->bounds_px();
  if (Form* modal = top_modal()) return modal->bounds_px();
  return {0, 0, 640, 480};
}

Point Desktop::FormOrigin(const Form& form) const {
  if (!form.is_modal()) return {0, 0};
  Rect s = surface_bounds();
  Rect b = form.bounds_px();
  return {std::max(0, (s.w - b.w) / 2), std::max(0, (s.h - b.h) / 2)};
}

void Desktop::Route(const InputEvent& event) {
  if (event.kind == InputEvent::Kind::kClose || event.kind == InputEvent::Kind::kQuit) {
    const bool quit = event.kind == InputEvent::Kind::kQuit;
    if (quit) quit_event_seen_ = true;
    // While a dialog is open its owner takes no commands: the close box does nothing.
    if (!quit && top_modal()) return;
    Form* base = base_form();
    std::shared_ptr<Form> keep = base ? base->shared_from_this() : nullptr;
    std::function<void(Form&)> handler;
    if (base) handler = quit && base->on.quit ? base->on.quit : base->on.close;
    if (handler) {
      handler(*base);
    } else {
      platform_.events().RequestQuit(0);
    }
    return;
  }
  Form* target = top_modal();
  if (!target) target = base_form();
  bool mouse = event.kind == InputEvent::Kind::kMouseMove ||
               event.kind == InputEvent::Kind::kMouseDown ||
               event.kind == InputEvent::Kind::kMouseUp;
  if (mouse) {
    pointer_ = event.position;
    pointer_window_ = event.window;
  }
  // An older dialog's window waits while a newer dialog is open.
  if (event.window != 0 && DialogOfWindow(event.window) != target) return;
  if (!target) return;
  std::shared_ptr<Form> keep = target->shared_from_this();
  InputEvent local = event;
  Point origin = InputOrigin(*target, event.window);
  local.position = {event.position.x - origin.x, event.position.y - origin.y};
  target->HandleInput(local);
  if (mouse) {
    platform_.display().SetPointer(CurrentPointer());
    // Tool tips belong to the controls of the window's own form, not to dialogs.
    Form* base = base_form();
    Element* under = nullptr;
    if (base != nullptr && top_modal() == nullptr && pointer_window_ == 0) {
      const Point o = InputOrigin(*base, pointer_window_);
      under = base->HitTest({pointer_.x - o.x, pointer_.y - o.y});
    }
    tip_.Track(under, event.kind == InputEvent::Kind::kMouseDown, platform_.clock().NowMs());
  }
}

std::string Desktop::ToolTipText() const {
  if (top_modal() != nullptr) return {};
  return tip_.Showing(platform_.clock().NowMs());
}

void Desktop::SetScreenPointer(MousePointer kind, Picture icon) {
  screen_pointer_ = {kind, std::move(icon)};
  platform_.display().SetPointer(CurrentPointer());
}

PointerShape Desktop::CurrentPointer() const {
  if (screen_pointer_.kind != MousePointer::kDefault) return screen_pointer_;
  Form* target = top_modal();
  if (!target) target = base_form();
  if (!target) return {};
  Point origin = InputOrigin(*target, pointer_window_);
  return target->PointerAt({pointer_.x - origin.x, pointer_.y - origin.y});
}

void Desktop::SetFrameElement(Element* element) {
  frame_element_ = element ? element->weak_from_this() : std::weak_ptr<Element>();
}

Rect Desktop::FrameRect() const {
  if (auto frame = frame_element_.lock(); frame && frame->form()) {
    Point origin = FormOrigin(*frame->form());
    return frame->surface_rect_px().Offset(origin.x, origin.y);
  }
  if (Form* base = base_form()) return base->client_rect_px();
  return surface_bounds();
}

bool Desktop::NeedsRepaint() const {
  if (changed_) return true;
  if (ToolTipText().empty() == tip_.painted) return true;  // a tip appears or goes
  for (Form* form : forms_)
    if (form->visible() && form->dirty()) return true;
  return false;
}

Form* Desktop::DialogOfWindow(int id) const {
  if (id <= 0 || id > static_cast<int>(modal_stack_.size())) return nullptr;
  Form* dialog = modal_stack_[id - 1];
  return dialog->visible() ? dialog : nullptr;
}

Point Desktop::InputOrigin(const Form& form, int window) const {
  if (window != 0) return {0, 0};
  return FormOrigin(form);
}

void Desktop::Paint(Pixmap& surface, bool with_dialogs) {
  Rect bounds = surface_bounds();
  Form* base = base_form();
  if (surface.width() != bounds.w || surface.height() != bounds.h) {
    surface = Pixmap(bounds.w, bounds.h, 0xFF000000u);
  } else if (!base) {
    surface.Fill(0xFF000000u);  // a base form paints every pixel of the surface itself
  }
  if (base) {
    base->Paint(surface, {0, 0});
    if (base->caption() != title_) {
      title_ = base->caption();
      platform_.display().SetTitle(title_.empty() ? "Scenewright" : title_);
    }
    if (const std::string tip = ToolTipText(); !tip.empty())
      ToolTip::Paint(surface, platform_.text(), tip, pointer_);
  }
  if (!with_dialogs) return;
  for (Form* modal : modal_stack_)
    if (modal->visible()) modal->Paint(surface, FormOrigin(*modal));
}

const Pixmap& Desktop::Compose() {
  tip_.painted = !ToolTipText().empty();
  Paint(surface_, true);
  for (Form* form : forms_) form->ClearDirty();
  changed_ = false;
  return surface_;
}

void Desktop::Present() {
  Display& display = platform_.display();
  if (!display.separate_dialogs() || !base_form()) {
    display.Present(Compose());
    display.PresentDialogs({});
    return;
  }
  tip_.painted = !ToolTipText().empty();
  Paint(surface_, false);
  display.Present(surface_);
  std::vector<DialogPicture> dialogs;
  dialog_pictures_.resize(modal_stack_.size());
  for (std::size_t i = 0; i < modal_stack_.size(); ++i) {
    Form* modal = modal_stack_[i];
    if (!modal->visible()) continue;
    Rect b = modal->bounds_px();
    Pixmap& picture = dialog_pictures_[i];
    if (picture.width() != b.w || picture.height() != b.h) picture = Pixmap(b.w, b.h, 0xFF000000u);
    modal->Paint(picture, {0, 0});
    dialogs.push_back({static_cast<int>(i) + 1, &picture});
  }
  display.PresentDialogs(dialogs);
  for (Form* form : forms_) form->ClearDirty();
  changed_ = false;
}

Pixmap Desktop::Screenshot() {
  // Composed apart, so the display still gets what changed.
  Pixmap all;
  Paint(all, true);
  Rect frame = FrameRect().Intersect(all.bounds());
  Pixmap shot(frame.w, frame.h, 0xFF000000u);
  shot.CopyFrom(all, frame, {0, 0});
  return shot;
}

}  // namespace sw::platform
