// Draws a form's menu bar and its open drop-down menus, and lets the mouse and keyboard
// walk them.
#pragma once

#include <vector>

#include "platform/geometry.h"
#include "platform/input.h"

namespace sw::platform {

class Canvas;
class Form;
class MenuItem;

class MenuTracker {
 public:
  static constexpr int kBarHeight = 20;
  static constexpr int kRowHeight = 20;
  static constexpr int kSeparatorHeight = 9;

  explicit MenuTracker(Form& form) : form_(form) {}

  bool is_open() const { return !levels_.empty(); }
  // The open menus: the title first, then each open sub-menu.
  std::vector<MenuItem*> open_path() const;
  // Opens a title's drop-down (running the title's click handler first).
  void OpenTitle(MenuItem& title);
  void Close();

  // Mouse input in pixels of the form's surface; true when the menus took it.
  bool HandleMouse(const InputEvent& event);
  // Keys while a menu is open; true when taken.
  bool HandleKeyDown(int key_code);

  // Title rectangles on the bar, in the form's surface.
  struct Row {
    MenuItem* item;
    Rect rect;
  };
  std::vector<Row> TitleRows() const;
  // Rows of the drop-down at `level`, in the form's surface.
  std::vector<Row> LevelRows(std::size_t level) const;
  Rect LevelRect(std::size_t level) const;

  void Paint(Canvas& canvas);

 private:
  struct Level {
    MenuItem* owner;
    Point anchor;
    int highlight = -1;
  };
  void OpenSub(std::size_t level, int row);
  void Choose(MenuItem& item);
  void MoveHighlight(int delta);
  int ItemWidth(const MenuItem& item) const;

  Form& form_;
  std::vector<Level> levels_;
  int title_highlight_ = -1;
  bool pressed_in_menus_ = false;
};

}  // namespace sw::platform
