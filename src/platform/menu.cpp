#include "platform/menu.h"

#include <strings.h>
#include <algorithm>

#include "base/vb_error.h"
#include "platform/form.h"

namespace sw::platform {
namespace {

bool SameName(const std::string& a, const std::string& b) {
  return strcasecmp(a.c_str(), b.c_str()) == 0;
}

void Collect(const std::vector<std::shared_ptr<MenuItem>>& items, std::vector<MenuItem*>& out) {
  for (const auto& item : items) {
    out.push_back(item.get());
    Collect(item->children(), out);
  }
}

}  // namespace

std::string MenuItem::DisplayName() const {
  return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

void MenuItem::Changed() {
  if (form_) form_->Invalidate();
}

void MenuItem::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Changed();
}
void MenuItem::SetVisible(bool visible) {
  visible_ = visible;
  Changed();
}
void MenuItem::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed();
}
void MenuItem::SetChecked(bool checked) {
  checked_ = checked;
  Changed();
}

MenuItem& MenuItem::Add(std::string name, std::string caption) {
  auto item = std::make_shared<MenuItem>(std::move(name), -1, std::move(caption));
  item->parent_ = this;
  item->form_ = form_;
  children_.push_back(item);
  Changed();
  return *item;
}

MenuItem& MenuItem::AddArray(std::string name, std::string caption) {
  MenuItem& item = Add(std::move(name), std::move(caption));
  item.index_ = 0;
  return item;
}

bool MenuItem::HasVisibleChildren() const {
  return std::any_of(children_.begin(), children_.end(),
                     [](const auto& c) { return c->visible(); });
}

MenuBar::MenuBar(Form& form) : form_(form) {}

MenuItem& MenuBar::Add(std::string name, std::string caption) {
  auto item = std::make_shared<MenuItem>(std::move(name), -1, std::move(caption));
  item->form_ = &form_;
  titles_.push_back(item);
  form_.Invalidate();
  return *item;
}

std::vector<MenuItem*> MenuBar::AllItems() const {
  std::vector<MenuItem*> out;
  Collect(titles_, out);
  return out;
}

MenuItem* MenuBar::Find(const std::string& name, int index) const {
  for (MenuItem* item : AllItems())
    if (item->index() == index && SameName(item->name(), name)) return item;
  return nullptr;
}

MenuItem& MenuBar::Get(const std::string& name, int index) const {
  MenuItem* item = Find(name, index);
  if (!item)
    throw VbError(340, "Control array element '" + std::to_string(index) + "' doesn't exist");
  return *item;
}

int MenuBar::UBound(const std::string& name) const {
  int upper = -1;
  for (MenuItem* item : AllItems())
    if (SameName(item->name(), name)) upper = std::max(upper, item->index());
  return upper;
}

MenuItem& MenuBar::Load(const std::string& name, int index) {
  MenuItem& tmpl = Get(name, 0);
  if (Find(name, index)) throw VbError(360, "Object already loaded");
  if (!tmpl.parent_) throw VbError(vberr::kInvalidProcedureCall);
  auto& siblings = tmpl.parent_->children_;
  auto last = siblings.begin();
  for (auto it = siblings.begin(); it != siblings.end(); ++it)
    if (SameName((*it)->name(), name)) last = it;
  auto item = std::make_shared<MenuItem>(tmpl.name_, index, tmpl.caption_);
  item->parent_ = tmpl.parent_;
  item->form_ = &form_;
  item->on_click = tmpl.on_click;
  item->enabled_ = tmpl.enabled_;
  siblings.insert(last + 1, item);
  form_.Invalidate();
  return *item;
}

void MenuBar::Unload(const std::string& name, int index) {
  if (index == 0) throw VbError(362, "Can't unload controls created at design time");
  MenuItem& item = Get(name, index);
  auto& siblings = item.parent_ ? item.parent_->children_ : titles_;
  siblings.erase(std::remove_if(siblings.begin(), siblings.end(),
                                [&](const auto& p) { return p.get() == &item; }),
                 siblings.end());
  form_.Invalidate();
}

bool MenuBar::visible() const {
  return std::any_of(titles_.begin(), titles_.end(), [](const auto& t) { return t->visible(); });
}

}  // namespace sw::platform
