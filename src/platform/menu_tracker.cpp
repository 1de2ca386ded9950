#include "platform/menu_tracker.h"

#include <algorithm>

#include "platform/canvas.h"
#include "platform/form.h"
#include "platform/platform.h"

namespace sw::platform {
namespace {

const Font kMenuFont{};

std::string PlainCaption(const std::string& caption) {
  std::string out;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && !(i + 1 < caption.size() && caption[i + 1] == '&')) continue;
    if (caption[i] == '&') ++i;
    out += caption[i];
  }
  return out;
}

}  // namespace

std::vector<MenuItem*> MenuTracker::open_path() const {
  std::vector<MenuItem*> path;
  for (const Level& level : levels_) path.push_back(level.owner);
  return path;
}

int MenuTracker::ItemWidth(const MenuItem& item) const {
  return form_.platform().text().LineWidth(kMenuFont, PlainCaption(item.caption()));
}

std::vector<MenuTracker::Row> MenuTracker::TitleRows() const {
  std::vector<Row> rows;
  int top = form_.border_style() == BorderStyle::kDialog ? 21 : 0;
  int x = 2;
  for (const auto& title : form_.menu().titles()) {
    if (!title->visible()) continue;
    int w = ItemWidth(*title) + 14;
    rows.push_back({title.get(), {x, top, w, kBarHeight}});
    x += w;
  }
  return rows;
}

Rect MenuTracker::LevelRect(std::size_t level) const {
  const Level& l = levels_.at(level);
  int w = 0, h = 0;
  for (const auto& child : l.owner->children()) {
    if (!child->visible()) continue;
    w = std::max(w, ItemWidth(*child));
    h += child->is_separator() ? kSeparatorHeight : kRowHeight;
  }
  return {l.anchor.x, l.anchor.y, w + 60, h + 4};
}

std::vector<MenuTracker::Row> MenuTracker::LevelRows(std::size_t level) const {
  std::vector<Row> rows;
  Rect r = LevelRect(level);
  int y = r.y + 2;
  for (const auto& child : levels_[level].owner->children()) {
    if (!child->visible()) continue;
    int h = child->is_separator() ? kSeparatorHeight : kRowHeight;
    rows.push_back({child.get(), {r.x + 2, y, r.w - 4, h}});
    y += h;
  }
  return rows;
}

void MenuTracker::OpenTitle(MenuItem& title) {
  Close();
  auto keep = title.shared_from_this();
  if (auto handler = title.on_click) handler(title);
  if (!title.visible() || !title.HasVisibleChildren()) return;
  for (const Row& row : TitleRows()) {
    if (row.item == &title) {
      levels_.push_back({&title, {row.rect.x, row.rect.bottom()}, -1});
      break;
    }
  }
  form_.Invalidate();
}

void MenuTracker::Close() {
  if (levels_.empty() && title_highlight_ < 0) return;
  levels_.clear();
  title_highlight_ = -1;
  form_.Invalidate();
}

void MenuTracker::OpenSub(std::size_t level, int row) {
  levels_.resize(level + 1);
  auto rows = LevelRows(level);
  if (row < 0 || row >= static_cast<int>(rows.size())) return;
  MenuItem* item = rows[row].item;
  if (!item->enabled() || !item->HasVisibleChildren()) return;
  levels_.push_back({item, {rows[row].rect.right() + 2, rows[row].rect.y - 2}, -1});
  form_.Invalidate();
}

void MenuTracker::Choose(MenuItem& item) {
  if (!item.enabled() || item.is_separator()) return;
  if (item.HasVisibleChildren()) return;
  auto keep = item.shared_from_this();
  Close();
  if (auto handler = item.on_click) handler(item);
}

bool MenuTracker::HandleMouse(const InputEvent& event) {
  Point p = event.position;
  auto titles = TitleRows();
  MenuItem* title_hit = nullptr;
  for (const Row& row : titles)
    if (row.rect.Contains(p)) title_hit = row.item;
  // Deepest open level under the pointer.
  int level_hit = -1, row_hit = -1;
  for (int l = static_cast<int>(levels_.size()) - 1; l >= 0 && level_hit < 0; --l) {
    if (!LevelRect(l).Contains(p)) continue;
    level_hit = l;
    auto rows = LevelRows(l);
    for (int i = 0; i < static_cast<int>(rows.size()); ++i)
      if (rows[i].rect.Contains(p)) row_hit = i;
  }
  bool on_bar = form_.menu().visible() && p.y >= (titles.empty() ? 0 : titles[0].rect.y) &&
                p.y < (titles.empty() ? 0 : titles[0].rect.bottom());
  switch (event.kind) {
    case InputEvent::Kind::kMouseDown:
      pressed_in_menus_ = title_hit != nullptr || level_hit >= 0;
      if (title_hit) {
        if (is_open() && levels_[0].owner == title_hit) {
          Close();
        } else {
          OpenTitle(*title_hit);
        }
        return true;
      }
      if (level_hit >= 0) {
        if (row_hit >= 0) OpenSub(level_hit, row_hit);
        return true;
      }
      if (is_open()) {
        Close();  // a press outside closes the menus and goes no further
        return true;
      }
      return on_bar;
    case InputEvent::Kind::kMouseMove:
      if (!is_open()) return false;
      if (title_hit && levels_[0].owner != title_hit) {
        OpenTitle(*title_hit);
        return true;
      }
      if (level_hit >= 0 && row_hit >= 0 && levels_[level_hit].highlight != row_hit) {
        levels_[level_hit].highlight = row_hit;
        OpenSub(level_hit, row_hit);
        levels_[level_hit].highlight = row_hit;
        form_.Invalidate();
      }
      return true;
    case InputEvent::Kind::kMouseUp: {
      // An item is chosen by a release only when the press was in the menus too (on a
      // title, dragging down to the item, or on the item itself).
      const bool pressed = pressed_in_menus_;
      pressed_in_menus_ = false;
      if (!is_open()) return on_bar;
      if (pressed && level_hit >= 0 && row_hit >= 0) Choose(*LevelRows(level_hit)[row_hit].item);
      return true;
    }
    default:
      return false;
  }
}

void MenuTracker::MoveHighlight(int delta) {
  Level& level = levels_.back();
  auto rows = LevelRows(levels_.size() - 1);
  int n = static_cast<int>(rows.size());
  if (n == 0) return;
  int h = level.highlight;
  for (int step = 0; step < n; ++step) {
    h = h < 0 ? (delta > 0 ? 0 : n - 1) : (h + delta + n) % n;
    if (!rows[h].item->is_separator()) break;
  }
  level.highlight = h;
  form_.Invalidate();
}

bool MenuTracker::HandleKeyDown(int key_code) {
  if (!is_open()) return false;
  auto titles = TitleRows();
  auto title_index = [&]() {
    for (int i = 0; i < static_cast<int>(titles.size()); ++i)
      if (titles[i].item == levels_[0].owner) return i;
    return 0;
  };
  switch (key_code) {
    case keys::kEscape:
      if (levels_.size() > 1) {
        levels_.pop_back();
        form_.Invalidate();
      } else {
        Close();
      }
      return true;
    case keys::kUp:
      MoveHighlight(-1);
      return true;
    case keys::kDown:
      MoveHighlight(1);
      return true;
    case keys::kRight: {
      Level& level = levels_.back();
      auto rows = LevelRows(levels_.size() - 1);
      if (level.highlight >= 0 && rows[level.highlight].item->HasVisibleChildren()) {
        int h = level.highlight;
        OpenSub(levels_.size() - 1, h);
        levels_[levels_.size() - 2].highlight = h;
        MoveHighlight(1);
      } else if (!titles.empty()) {
        OpenTitle(*titles[(title_index() + 1) % titles.size()].item);
      }
      return true;
    }
    case keys::kLeft:
      if (levels_.size() > 1) {
        levels_.pop_back();
        form_.Invalidate();
      } else if (!titles.empty()) {
        OpenTitle(*titles[(title_index() + titles.size() - 1) % titles.size()].item);
      }
      return true;
    case keys::kReturn: {
      Level& level = levels_.back();
      auto rows = LevelRows(levels_.size() - 1);
      if (level.highlight < 0) return true;
      MenuItem* item = rows[level.highlight].item;
      if (item->HasVisibleChildren()) {
        int h = level.highlight;
        OpenSub(levels_.size() - 1, h);
        levels_[levels_.size() - 2].highlight = h;
        MoveHighlight(1);
      } else {
        Choose(*item);
      }
      return true;
    }
    default:
      return true;  // other keys are swallowed while a menu is open
  }
}

void MenuTracker::Paint(Canvas& canvas) {
  if (!form_.menu().visible()) return;
  auto titles = TitleRows();
  TextEngine& text = form_.platform().text();
  int bar_y = titles.empty() ? 0 : titles[0].rect.y;
  Rect bounds = form_.bounds_px();
  canvas.FillRect({0, bar_y, bounds.w, kBarHeight}, 0xFFD4D0C8u);
  int text_h = text.LineHeight(kMenuFont);
  for (const Row& row : titles) {
    bool open = is_open() && levels_[0].owner == row.item;
    if (open) canvas.FillRect(row.rect, 0xFF000080u);
    canvas.DrawText(kMenuFont, PlainCaption(row.item->caption()),
                    {row.rect.x + 7, row.rect.y + (kBarHeight - text_h) / 2},
                    open ? 0xFFFFFFFFu : (row.item->enabled() ? 0xFF000000u : 0xFF808080u));
  }
  for (std::size_t l = 0; l < levels_.size(); ++l) {
    Rect r = LevelRect(l);
    canvas.FillRect(r, 0xFFD4D0C8u);
    canvas.Draw3dEdge(r, false);
    auto rows = LevelRows(l);
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
      const Row& row = rows[i];
      if (row.item->is_separator()) {
        canvas.FillRect({row.rect.x + 1, row.rect.y + 4, row.rect.w - 2, 1}, 0xFF808080u);
        canvas.FillRect({row.rect.x + 1, row.rect.y + 5, row.rect.w - 2, 1}, 0xFFFFFFFFu);
        continue;
      }
      bool lit = levels_[l].highlight == i;
      if (lit) canvas.FillRect(row.rect, 0xFF000080u);
      Argb ink = !row.item->enabled() ? 0xFF808080u : (lit ? 0xFFFFFFFFu : 0xFF000000u);
      int ty = row.rect.y + (kRowHeight - text_h) / 2;
      if (row.item->checked()) {
        for (int k = 0; k < 7; ++k) {
          int dy = k < 3 ? k : 4 - k;
          canvas.FillRect({row.rect.x + 5 + k, row.rect.y + 8 + dy, 1, 3}, ink);
        }
      }
      canvas.DrawText(kMenuFont, PlainCaption(row.item->caption()), {row.rect.x + 20, ty}, ink);
      if (row.item->HasVisibleChildren()) {
        int ax = row.rect.right() - 10, ay = row.rect.y + kRowHeight / 2;
        for (int k = 0; k < 4; ++k) canvas.FillRect({ax + k, ay - 3 + k, 1, 7 - 2 * k}, ink);
      }
    }
  }
}

}  // namespace sw::platform
