#include "platform/form.h"

#include <algorithm>
#include <cctype>

#include "base/vb_error.h"
#include "platform/button.h"
#include "platform/canvas.h"
#include "platform/desktop.h"
#include "platform/event_loop.h"
#include "platform/menu_tracker.h"
#include "platform/platform.h"
#include "platform/timer.h"

namespace sw::platform {
namespace {

// The key of an element name: names are compared without regard to ASCII case.
std::string NameKey(const std::string& name) {
  std::string key(name);
  for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return key;
}

// Removes one element from a list, looking from the end: arrays are unloaded from their last
// members, which keeps unloading them all linear.
void RemoveOne(std::vector<std::shared_ptr<Element>>& list, const std::shared_ptr<Element>& e) {
  auto it = std::find(list.rbegin(), list.rend(), e);
  if (it != list.rend()) list.erase(std::next(it).base());
}

constexpr int kDoubleClickMs = 500;
constexpr int kDoubleClickSlop = 4;
constexpr int kDialogFrame = 3;
constexpr int kDialogTitle = 18;

// Decodes UTF-8 into code points (bytes of invalid sequences pass as they are).
std::vector<int> CodePoints(const std::string& s) {
  std::vector<int> out;
  for (std::size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
    if (i + len > s.size()) len = 1;
    int cp = len == 1 ? c : c & (0xFF >> (len + 1));
    for (int k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    out.push_back(cp);
    i += len;
  }
  return out;
}

}  // namespace

Form::Form(Platform& platform, std::string name)
    : platform_(platform),
      name_(std::move(name)),
      root_(std::make_shared<PictureBoxElement>()),
      menu_(*this),
      menu_tracker_(std::make_unique<MenuTracker>(*this)) {
  root_->form_ = this;
  root_->name_ = name_;
  LayoutClient();
  platform_.desktop().Register(this);
}

Form::~Form() {
  platform_.desktop().Unregister(this);
  for (auto& element : elements_) {
    element->form_ = nullptr;
    element->parent_ = nullptr;
  }
  root_->form_ = nullptr;
}

void Form::SetSize(int width_twips, int height_twips) {
  width_ = std::max(0, width_twips);
  height_ = std::max(0, height_twips);
  LayoutClient();
  Invalidate();
}

void Form::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Invalidate();
}

void Form::SetBorderStyle(BorderStyle style) {
  border_style_ = style;
  LayoutClient();
  Invalidate();
}

int Form::menu_bar_height() const {
  return menu_.visible() ? MenuTracker::kBarHeight : 0;
}

Rect Form::client_rect_px() const {
  Rect b = bounds_px();
  if (border_style_ == BorderStyle::kDialog) {
    int top = kDialogFrame + kDialogTitle + menu_bar_height();
    return {kDialogFrame, top, std::max(0, b.w - 2 * kDialogFrame),
            std::max(0, b.h - top - kDialogFrame)};
  }
  int bar = menu_bar_height();
  return {0, bar, b.w, std::max(0, b.h - bar)};
}

void Form::LayoutClient() {
  last_menu_visible_ = menu_.visible();
  Rect r = client_rect_px();
  root_->Move(0, 0, PixelsToTwips(r.w), PixelsToTwips(r.h));
}

void Form::Invalidate() {
  dirty_ = true;
  if (menu_.visible() != last_menu_visible_) LayoutClient();
}

// ---- elements ----

void Form::Attach(const std::shared_ptr<Element>& element, std::string name, int index,
                  Element* container) {
  if (!container) container = root_.get();
  if (!container->is_container() || container->form_ != this)
    throw VbError(vberr::kInvalidProcedureCall, "Invalid container");
  if (Find(name, index)) throw VbError(vberr::kObjectAlreadyLoaded, "Object already loaded");
  element->name_ = std::move(name);
  element->index_ = index;
  by_name_[NameKey(element->name_)][index] = element.get();
  element->form_ = this;
  element->parent_ = container;
  container->children_.push_back(element);
  elements_.push_back(element);
  if (element->kind() == ElementKind::kTimer) {
    auto& timer = static_cast<TimerElement&>(*element);
    timer.sequence_ = platform_.NextSequence();
    timer.Restart();
  }
  element->GeometryChanged();
  Invalidate();
}

Element& Form::Load(const std::string& name, int index) {
  Element& tmpl = Require(name, 0);
  if (Find(name, index)) throw VbError(vberr::kObjectAlreadyLoaded, "Object already loaded");
  std::shared_ptr<Element> copy = tmpl.Clone();
  copy->children_.clear();
  copy->visible_ = false;
  if (copy->kind() == ElementKind::kTimer) copy->visible_ = false;
  Attach(copy, tmpl.name_, index, tmpl.parent_);
  return *copy;
}

void Form::Unload(const std::string& name, int index) {
  if (index == 0)
    throw VbError(vberr::kCannotUnloadDesignTimeControl,
                  "Can't unload controls created at design time");
  Detach(Require(name, index));
}

void Form::SetContainer(Element& element, Element& container) {
  if (element.form_ != this || !container.is_container() || container.form_ != this)
    throw VbError(vberr::kInvalidProcedureCall, "Invalid container");
  for (Element* up = &container; up; up = up->parent_) {
    if (up == &element) throw VbError(vberr::kInvalidProcedureCall, "Invalid container");
  }
  if (element.parent_ == &container) return;
  std::shared_ptr<Element> keep = element.shared_from_this();
  if (element.parent_) {
    auto& siblings = element.parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), keep), siblings.end());
  }
  element.parent_ = &container;
  container.children_.push_back(keep);
  Invalidate();
}

void Form::Detach(Element& element) {
  std::shared_ptr<Element> keep = element.shared_from_this();
  while (!element.children_.empty()) Detach(*element.children_.back());
  if (element.parent_) RemoveOne(element.parent_->children_, keep);
  if (element.form_ == this) {
    auto named = by_name_.find(NameKey(element.name_));
    if (named != by_name_.end()) {
      auto member = named->second.find(element.index_);
      if (member != named->second.end() && member->second == &element) named->second.erase(member);
      if (named->second.empty()) by_name_.erase(named);
    }
  }
  RemoveOne(elements_, keep);
  if (capture_ == keep) capture_.reset();
  if (drag_source_ == keep) drag_source_.reset();
  element.form_ = nullptr;
  element.parent_ = nullptr;
  Invalidate();
}

Element* Form::Find(const std::string& name, int index) const {
  auto named = by_name_.find(NameKey(name));
  if (named == by_name_.end()) return nullptr;
  auto member = named->second.find(index);
  return member == named->second.end() ? nullptr : member->second;
}

Element& Form::Require(const std::string& name, int index) const {
  if (Element* element = Find(name, index)) return *element;
  if (UBound(name) >= 0 || Find(name, -1))
    throw VbError(vberr::kControlArrayElementMissing,
                  "Control array element '" + std::to_string(index) + "' doesn't exist");
  throw VbError(vberr::kObjectRequired, "Object required: '" + name + "'");
}

std::vector<int> Form::Indices(const std::string& name) const {
  std::vector<int> out;
  auto named = by_name_.find(NameKey(name));
  if (named == by_name_.end()) return out;
  for (const auto& [index, element] : named->second)
    if (index >= 0) out.push_back(index);
  return out;
}

int Form::UBound(const std::string& name) const {
  auto named = by_name_.find(NameKey(name));
  if (named == by_name_.end() || named->second.empty()) return -1;
  return std::max(-1, named->second.rbegin()->first);
}

std::vector<TimerElement*> Form::timers() const {
  std::vector<TimerElement*> out;
  if (closed_) return out;
  for (const auto& element : elements_)
    if (element->kind() == ElementKind::kTimer)
      out.push_back(static_cast<TimerElement*>(element.get()));
  return out;
}

// ---- showing ----

void Form::Show() {
  closed_ = false;
  visible_ = true;
  platform_.desktop().Activate(this);
  Invalidate();
}

void Form::Hide() {
  if (!visible_) return;
  visible_ = false;
  menu_tracker_->Close();
  platform_.desktop().Changed();
}

int Form::ShowModal() {
  auto self = shared_from_this();
  closed_ = false;
  modal_ = true;
  visible_ = true;
  modal_result_ = 0;
  Desktop& desktop = platform_.desktop();
  desktop.PushModal(this);
  if (!focused()) FocusNext(false);
  Invalidate();
  platform_.events().RunModal([this] { return !visible_; });
  desktop.PopModal(this);
  modal_ = false;
  if (visible_) {
    visible_ = false;  // the program is quitting: the dialog is cancelled
    modal_result_ = 0;
  }
  desktop.Changed();
  return modal_result_;
}

void Form::EndModal(int result) {
  modal_result_ = result;
  Hide();
}

void Form::ReleaseMouse() {
  capture_.reset();
  buttons_ = 0;
}

void Form::Close() {
  Hide();
  closed_ = true;
  if (drag_source_) drag_source_.reset();
  capture_.reset();
}

// ---- focus ----

Element* Form::hovered() const {
  auto element = hovered_.lock();
  if (!element || element->form_ != this || !IsShown(*element)) return nullptr;
  return element.get();
}

Element* Form::focused() const {
  auto element = focused_.lock();
  if (!element || element->form_ != this || !IsShown(*element) || !element->enabled())
    return nullptr;
  return element.get();
}

void Form::Focus(Element* element) {
  if (element && (!element->can_focus() || element->form_ != this)) return;
  if (focused() == element) return;
  focused_ = element ? element->weak_from_this() : std::weak_ptr<Element>();
  Invalidate();
}

std::vector<Element*> Form::FocusOrder() const {
  std::vector<Element*> order;
  for (const auto& element : elements_)
    if (element->can_focus() && element->enabled() && IsShown(*element))
      order.push_back(element.get());
  std::stable_sort(order.begin(), order.end(),
                   [](Element* a, Element* b) { return a->tab_index() < b->tab_index(); });
  return order;
}

void Form::FocusNext(bool backwards) {
  auto order = FocusOrder();
  if (order.empty()) return;
  Element* current = focused();
  auto it = std::find(order.begin(), order.end(), current);
  int n = static_cast<int>(order.size());
  int i = it == order.end() ? (backwards ? n - 1 : 0)
                            : (static_cast<int>(it - order.begin()) + (backwards ? n - 1 : 1)) % n;
  Focus(order[i]);
}

Element* Form::FindButton(bool want_default) const {
  for (const auto& element : elements_) {
    if (element->kind() != ElementKind::kButton || !element->enabled() || !IsShown(*element))
      continue;
    auto& button = static_cast<ButtonElement&>(*element);
    if (want_default ? button.is_default() : button.is_cancel()) return element.get();
  }
  return nullptr;
}

// ---- hit testing ----

bool Form::IsShown(const Element& element) {
  for (const Element* e = &element; e; e = e->parent_)
    if (!e->visible_ && e->parent_) return false;
  return element.form_ != nullptr;
}

namespace {

Element* HitChildren(const Element& container, Rect client, Point p) {
  const auto& children = container.children();
  for (bool windowed : {true, false}) {
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
      Element& child = **it;
      if (child.is_windowed() != windowed || !child.visible() || !child.enabled() ||
          !child.is_drawn())
        continue;
      Rect r = child.rect_px().Offset(client.x, client.y);
      if (!r.Contains(p)) continue;
      if (child.is_container()) {
        Point off = child.client_offset_px();
        Rect inner{r.x + off.x, r.y + off.y, r.w - 2 * off.x, r.h - 2 * off.y};
        if (Element* deeper = HitChildren(child, inner, p)) return deeper;
      }
      return &child;
    }
  }
  return nullptr;
}

}  // namespace

Element* Form::HitTest(Point p) const {
  Rect client = client_rect_px();
  if (!client.Contains(p)) return nullptr;
  if (Element* hit = HitChildren(*root_, client, p)) return hit;
  return root_.get();
}

PointerShape Form::PointerAt(Point p) const {
  Element* e = HitTest(p);
  if (!e) return {};
  return {e->mouse_pointer(), e->mouse_icon()};
}

// ---- drag and drop ----

void Form::BeginDrag(Element& source) {
  drag_source_ = source.shared_from_this();
  Rect r = source.surface_rect_px();
  drag_grab_ = {pointer_.x - r.x, pointer_.y - r.y};
  drag_over_.reset();
  Invalidate();
}

void Form::EndDrag(bool drop) {
  if (!drag_source_) return;
  std::shared_ptr<Element> source = std::move(drag_source_);
  drag_source_.reset();
  drag_over_.reset();
  Invalidate();
  if (!drop) return;
  Element* target = HitTest(pointer_);
  if (!target) return;
  std::shared_ptr<Element> keep = target == root_.get() ? root_ : target->shared_from_this();
  MouseArgs args = ArgsFor(*target, pointer_, 0, 0);
  if (auto handler = target->on.drag_drop) handler(*target, *source, args.x, args.y);
}

// ---- input ----

MouseArgs Form::ArgsFor(const Element& target, Point p, int button, int shift) const {
  Rect r = target.surface_rect_px();
  return {button, shift, PixelsToTwips(p.x - r.x), PixelsToTwips(p.y - r.y)};
}

void Form::HandleInput(const InputEvent& event) {
  auto self = shared_from_this();
  switch (event.kind) {
    case InputEvent::Kind::kMouseMove:
    case InputEvent::Kind::kMouseDown:
    case InputEvent::Kind::kMouseUp:
      HandleMouse(event);
      break;
    case InputEvent::Kind::kKeyDown:
      HandleKeyDown(event);
      break;
    case InputEvent::Kind::kKeyUp:
      HandleKeyUp(event);
      break;
    case InputEvent::Kind::kText:
      if (menu_tracker_->is_open()) break;
      for (int cp : CodePoints(event.text)) HandleChar(cp);
      break;
    case InputEvent::Kind::kClose:
    case InputEvent::Kind::kQuit:
      break;
  }
}

void Form::HandleMouse(const InputEvent& event) {
  Point p = event.position;
  pointer_ = p;
  if (!drag_source_ && !capture_ && menu_tracker_->HandleMouse(event)) return;
  auto hold = [this](Element* e) -> std::shared_ptr<Element> {
    if (!e) return nullptr;
    return e == root_.get() ? std::static_pointer_cast<Element>(root_) : e->shared_from_this();
  };

  if (event.kind == InputEvent::Kind::kMouseMove) {
    if (drag_source_) {
      std::shared_ptr<Element> source = drag_source_;
      std::shared_ptr<Element> target = hold(HitTest(p));
      std::shared_ptr<Element> previous = drag_over_.lock();
      if (previous && previous != target && previous->form_ == this) {
        MouseArgs a = ArgsFor(*previous, p, 0, 0);
        if (auto h = previous->on.drag_over) h(*previous, *source, a.x, a.y, 1);
      }
      if (target) {
        MouseArgs a = ArgsFor(*target, p, 0, 0);
        if (auto h = target->on.drag_over)
          h(*target, *source, a.x, a.y, previous == target ? 2 : 0);
      }
      drag_over_ = target;
      Invalidate();
      return;
    }
    std::shared_ptr<Element> under = hold(HitTest(p));
    if (std::shared_ptr<Element> before = hovered_.lock(); under != before) {
      hovered_ = under;
      // Only buttons and focusable labels look different under the pointer.
      auto lit = [](const std::shared_ptr<Element>& e) {
        return e && (e->kind() == ElementKind::kButton ||
                     (e->kind() == ElementKind::kLabel && e->can_focus()));
      };
      if (lit(before) || lit(under)) Invalidate();
    }
    std::shared_ptr<Element> target = capture_ ? capture_ : under;
    if (!target || target->form_ != this) return;
    MouseArgs args = ArgsFor(*target, p, buttons_, event.shift);
    if (auto h = target->on.mouse_move) h(*target, args);
    if (target->form_ == this) target->OnMouseMove(args);
    return;
  }

  if (event.kind == InputEvent::Kind::kMouseDown) {
    buttons_ |= event.button;
    std::shared_ptr<Element> target = capture_ ? capture_ : hold(HitTest(p));
    if (!target) return;
    capture_ = target;
    if (target->can_focus()) Focus(target.get());
    MouseArgs args = ArgsFor(*target, p, event.button, event.shift);
    if (auto h = target->on.mouse_down) h(*target, args);
    if (target->form_ == this) target->OnMouseDown(args);
    if (event.button == kLeftButton) {
      std::int64_t now = platform_.clock().NowMs();
      bool again = last_click_.lock() == target && now - last_click_ms_ <= kDoubleClickMs &&
                   std::abs(p.x - last_click_at_.x) <= kDoubleClickSlop &&
                   std::abs(p.y - last_click_at_.y) <= kDoubleClickSlop;
      if (again) {
        last_click_.reset();
        if (target->form_ == this)
          if (auto h = target->on.dbl_click) h(*target);
      }
    }
    return;
  }

  // Mouse up.
  const bool pressed_here = (buttons_ & event.button) != 0;
  buttons_ &= ~event.button;
  if (drag_source_ && event.button == kLeftButton) {
    capture_.reset();
    EndDrag(true);
    return;
  }
  // A release whose press this form never saw (the press opened this dialog, or began
  // before a dialog that has closed since) is neither a release nor a click here.
  if (!pressed_here) return;
  // A click needs the press on the same element (the one holding the mouse).
  const std::shared_ptr<Element> pressed_on = capture_;
  std::shared_ptr<Element> target = pressed_on ? pressed_on : hold(HitTest(p));
  if (buttons_ == 0) capture_.reset();
  if (!target || target->form_ != this) return;
  MouseArgs args = ArgsFor(*target, p, event.button, event.shift);
  if (auto h = target->on.mouse_up) h(*target, args);
  if (target->form_ != this) return;
  target->OnMouseUp(args);
  if (event.button != kLeftButton || target != pressed_on) return;
  if (!target->surface_rect_px().Contains(p) || !IsShown(*target) || !target->enabled()) return;
  if (auto h = target->on.click) h(*target);
  last_click_ = target;
  last_click_ms_ = platform_.clock().NowMs();
  last_click_at_ = p;
}

void Form::HandleKeyDown(const InputEvent& event) {
  if (menu_tracker_->HandleKeyDown(event.key_code)) return;
  KeyArgs args{event.key_code, event.shift};
  bool form_saw = false;
  if (key_preview_ && on.key_down) {
    auto h = on.key_down;
    h(*this, args);
    form_saw = true;
    if (!args.key_code) return;
  }
  Element* f = focused();
  if (f) {
    std::shared_ptr<Element> keep = f->shared_from_this();
    if (auto h = f->on.key_down) {
      h(*f, args);
      if (!args.key_code) return;
    }
    if (f->form_ == this && f->OnKeyDown(args)) return;
  } else if (!form_saw && on.key_down) {
    auto h = on.key_down;
    h(*this, args);
    if (!args.key_code) return;
  }
  int ch = args.key_code == keys::kReturn || args.key_code == keys::kEscape ||
                   args.key_code == keys::kBack
               ? args.key_code
               : 0;
  if (ch) HandleChar(ch);
  f = focused();
  switch (args.key_code) {
    case keys::kTab:
      FocusNext((args.shift & kShiftMask) != 0);
      break;
    case keys::kReturn:
      if (Element* b = FindButton(true)) static_cast<ButtonElement*>(b)->Press();
      break;
    case keys::kEscape:
      if (Element* b = FindButton(false)) static_cast<ButtonElement*>(b)->Press();
      break;
    case keys::kLeft:
    case keys::kUp:
    case keys::kRight:
    case keys::kDown:
      // Arrows walk between the buttons of a dialog, as in the system's message boxes.
      if (f && f->kind() == ElementKind::kButton) {
        bool back = args.key_code == keys::kLeft || args.key_code == keys::kUp;
        auto order = FocusOrder();
        std::vector<Element*> buttons;
        for (Element* e : order)
          if (e->kind() == ElementKind::kButton) buttons.push_back(e);
        auto it = std::find(buttons.begin(), buttons.end(), f);
        if (it != buttons.end() && buttons.size() > 1) {
          int n = static_cast<int>(buttons.size());
          int i = (static_cast<int>(it - buttons.begin()) + (back ? n - 1 : 1)) % n;
          Focus(buttons[i]);
        }
      }
      break;
    default:
      // A letter presses the button whose caption marks it with '&' ("&Yes": Y), unless
      // it is typed into a text field (Alt+letter works there too).
      if (args.key_code >= 'A' && args.key_code <= 'Z' && !(args.shift & kCtrlMask) &&
          (!f || f->kind() != ElementKind::kTextField || (args.shift & kAltMask))) {
        if (ButtonElement* b = FindAccelerator(static_cast<char>(args.key_code))) b->Press();
      }
      break;
  }
}

ButtonElement* Form::FindAccelerator(char letter) const {
  for (const auto& element : elements_) {
    if (element->kind() != ElementKind::kButton || !element->enabled() || !IsShown(*element))
      continue;
    auto& button = static_cast<ButtonElement&>(*element);
    const std::string& caption = button.caption();
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
      if (caption[i] != '&') continue;
      if (caption[i + 1] == '&') {
        ++i;
        continue;
      }
      if (std::toupper(static_cast<unsigned char>(caption[i + 1])) == letter) return &button;
      break;
    }
  }
  return nullptr;
}

void Form::HandleKeyUp(const InputEvent& event) {
  KeyArgs args{event.key_code, event.shift};
  if (key_preview_ && on.key_up) {
    auto h = on.key_up;
    h(*this, args);
    if (!args.key_code) return;
  }
  if (Element* f = focused()) {
    std::shared_ptr<Element> keep = f->shared_from_this();
    if (auto h = f->on.key_up) h(*f, args);
  } else if (!key_preview_ && on.key_up) {
    auto h = on.key_up;
    h(*this, args);
  }
}

void Form::HandleChar(int ch) {
  if (key_preview_ && on.key_press) {
    auto h = on.key_press;
    h(*this, ch);
    if (!ch) return;
  }
  if (Element* f = focused()) {
    std::shared_ptr<Element> keep = f->shared_from_this();
    if (auto h = f->on.key_press) {
      h(*f, ch);
      if (!ch) return;
    }
    if (f->form_ == this) f->OnChar(ch);
  } else if (!key_preview_ && on.key_press) {
    auto h = on.key_press;
    h(*this, ch);
  }
}

// ---- painting ----

void Form::PaintElement(Element& element, Canvas& canvas) {
  element.Paint(canvas);
  if (!element.is_container() || element.children_.empty()) return;
  Rect r = element.rect_px();
  Point off = element.client_offset_px();
  Canvas inner = canvas.Sub({off.x, off.y, r.w - 2 * off.x, r.h - 2 * off.y});
  for (bool windowed : {false, true}) {
    for (std::size_t i = 0; i < element.children_.size(); ++i) {
      Element& child = *element.children_[i];
      if (child.is_windowed() != windowed || !child.visible_ || !child.is_drawn()) continue;
      Canvas sub = inner.Sub(child.rect_px());
      if (sub.clipped_away()) continue;
      PaintElement(child, sub);
    }
  }
}

void Form::Paint(Pixmap& target, Point origin) {
  Rect b = bounds_px();
  Canvas canvas(target, platform_.text(), origin, b.Offset(origin.x, origin.y));
  if (border_style_ == BorderStyle::kDialog) {
    canvas.FillRect(b, 0xFFD4D0C8u);
    canvas.Draw3dEdge(b, false);
    Rect title{kDialogFrame, kDialogFrame, b.w - 2 * kDialogFrame, kDialogTitle};
    canvas.FillRect(title, 0xFF0A246Au);
    Font bold;
    bold.bold = true;
    int h = platform_.text().LineHeight(bold);
    canvas.Sub(title).DrawText(bold, caption_, {4, (kDialogTitle - h) / 2}, 0xFFFFFFFFu);
  }
  Rect client = client_rect_px();
  Canvas client_canvas = canvas.Sub(client);
  PaintElement(*root_, client_canvas);
  menu_tracker_->Paint(canvas);
  if (drag_source_) {
    const Picture& icon = drag_source_->drag_icon();
    if (!icon.empty()) {
      canvas.DrawPixmap(icon.pixels(),
                        {pointer_.x - icon.hot_spot().x, pointer_.y - icon.hot_spot().y});
    } else {
      Rect r = drag_source_->rect_px();
      Rect outline{pointer_.x - drag_grab_.x, pointer_.y - drag_grab_.y, r.w, r.h};
      canvas.Outline(outline, 0xFF000000u);
      canvas.Outline({outline.x + 1, outline.y + 1, outline.w - 2, outline.h - 2}, 0xFFFFFFFFu);
    }
  }
}

}  // namespace sw::platform
