// Menus of a form: a bar of titles with drop-down menus, sub-menus, check marks, items shown
// and hidden at run time, and item arrays loaded by index.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace sw::platform {

class Form;

class MenuItem : public std::enable_shared_from_this<MenuItem> {
 public:
  MenuItem(std::string name, int index, std::string caption)
      : name_(std::move(name)), index_(index), caption_(std::move(caption)) {}

  const std::string& name() const { return name_; }
  int index() const { return index_; }
  // "mnuFrameName(2)" for array members, else the name.
  std::string DisplayName() const;
  const std::string& caption() const { return caption_; }
  void SetCaption(std::string caption);
  bool visible() const { return visible_; }
  void SetVisible(bool visible);
  bool enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool checked() const { return checked_; }
  void SetChecked(bool checked);
  const std::string& tag() const { return tag_; }
  void SetTag(std::string tag) { tag_ = std::move(tag); }
  // A caption of "-" makes a separator line.
  bool is_separator() const { return caption_ == "-"; }

  // Runs when the item is chosen, or for a title when its menu opens.
  std::function<void(MenuItem&)> on_click;

  MenuItem& Add(std::string name, std::string caption);
  // Adds member 0 of an item array; further members come from MenuBar::Load.
  MenuItem& AddArray(std::string name, std::string caption);
  const std::vector<std::shared_ptr<MenuItem>>& children() const { return children_; }
  MenuItem* parent() const { return parent_; }
  bool HasVisibleChildren() const;

 private:
  friend class MenuBar;
  void Changed();

  std::string name_;
  int index_;
  std::string caption_;
  bool visible_ = true;
  bool enabled_ = true;
  bool checked_ = false;
  std::string tag_;
  MenuItem* parent_ = nullptr;
  Form* form_ = nullptr;
  std::vector<std::shared_ptr<MenuItem>> children_;
};

class MenuBar {
 public:
  explicit MenuBar(Form& form);

  // A title of the bar.
  MenuItem& Add(std::string name, std::string caption);
  // Finds an item anywhere in the tree by name (without regard to case) and index.
  MenuItem* Find(const std::string& name, int index = -1) const;
  MenuItem& Get(const std::string& name, int index = -1) const;  // throws VbError 340
  // Loads member `index` of an item array after the last member, copying member 0.
  MenuItem& Load(const std::string& name, int index);
  void Unload(const std::string& name, int index);
  int UBound(const std::string& name) const;

  const std::vector<std::shared_ptr<MenuItem>>& titles() const { return titles_; }
  // The bar shows while at least one title is visible.
  bool visible() const;
  // Every item, depth first.
  std::vector<MenuItem*> AllItems() const;

 private:
  Form& form_;
  std::vector<std::shared_ptr<MenuItem>> titles_;
};

}  // namespace sw::platform
