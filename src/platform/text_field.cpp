#include "platform/text_field.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "platform/canvas.h"
#include "platform/display.h"
#include "platform/form.h"
#include "platform/input.h"
#include "platform/platform.h"

namespace sw::platform {
namespace {

constexpr int kInsetX = 3;
constexpr int kDoubleClickMs = 500;

// Steps over whole UTF-8 characters.
int PrevChar(const std::string& s, int pos) {
  if (pos <= 0) return 0;
  --pos;
  while (pos > 0 && (static_cast<unsigned char>(s[pos]) & 0xC0) == 0x80) --pos;
  return pos;
}
int NextChar(const std::string& s, int pos) {
  int n = static_cast<int>(s.size());
  if (pos >= n) return n;
  ++pos;
  while (pos < n && (static_cast<unsigned char>(s[pos]) & 0xC0) == 0x80) ++pos;
  return pos;
}
int CountChars(const std::string& s) {
  int n = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}
// Letters, digits and everything beyond ASCII belong to words.
bool IsWordByte(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return u >= 0x80 || std::isalnum(u) || c == '_';
}
int WordStart(const std::string& s, int pos) {
  while (pos > 0 && !IsWordByte(s[pos - 1])) --pos;
  while (pos > 0 && IsWordByte(s[pos - 1])) --pos;
  return pos;
}
int WordEnd(const std::string& s, int pos) {
  int n = static_cast<int>(s.size());
  while (pos < n && !IsWordByte(s[pos])) ++pos;
  while (pos < n && IsWordByte(s[pos])) ++pos;
  return pos;
}
// The first `count` characters of `s`.
std::string FirstChars(const std::string& s, int count) {
  int pos = 0;
  for (int i = 0; i < count && pos < static_cast<int>(s.size()); ++i) pos = NextChar(s, pos);
  return s.substr(0, pos);
}
std::string Utf8(int ch) {
  if (ch < 0x80) return std::string(1, static_cast<char>(ch));
  if (ch < 0x800)
    return {static_cast<char>(0xC0 | (ch >> 6)), static_cast<char>(0x80 | (ch & 0x3F))};
  if (ch < 0x10000)
    return {static_cast<char>(0xE0 | ((ch >> 12) & 0x0F)),
            static_cast<char>(0x80 | ((ch >> 6) & 0x3F)), static_cast<char>(0x80 | (ch & 0x3F))};
  return {static_cast<char>(0xF0 | ((ch >> 18) & 0x07)),
          static_cast<char>(0x80 | ((ch >> 12) & 0x3F)),
          static_cast<char>(0x80 | ((ch >> 6) & 0x3F)), static_cast<char>(0x80 | (ch & 0x3F))};
}

}  // namespace

void TextFieldElement::SetText(std::string text) {
  undo_caret_ = -1;
  Edit(std::move(text), -1);
}

void TextFieldElement::SelectAll() {
  anchor_ = 0;
  caret_ = static_cast<int>(text_.size());
  Changed();
}

std::string TextFieldElement::selected_text() const {
  int from = std::min(caret_, anchor_), to = std::max(caret_, anchor_);
  return text_.substr(from, to - from);
}

void TextFieldElement::Edit(std::string text, int caret) {
  text_ = std::move(text);
  caret_ = caret < 0 ? static_cast<int>(text_.size()) : std::min(caret, int(text_.size()));
  anchor_ = caret_;
  Changed();
  auto keep = shared_from_this();
  if (auto handler = on.change) handler(*this);
}

void TextFieldElement::ReplaceSelection(const std::string& insert) {
  int from = std::min(caret_, anchor_), to = std::max(caret_, anchor_);
  std::string kept = text_.substr(0, from) + text_.substr(to);
  std::string added = insert;
  if (max_length_ > 0) added = FirstChars(added, std::max(0, max_length_ - CountChars(kept)));
  if (added.empty() && from == to) return;
  undo_text_ = text_;
  undo_caret_ = caret_;
  Edit(kept.substr(0, from) + added + kept.substr(from), from + static_cast<int>(added.size()));
}

void TextFieldElement::MoveCaret(int to, bool extend) {
  caret_ = std::clamp(to, 0, static_cast<int>(text_.size()));
  if (!extend) anchor_ = caret_;
  Changed();
}

bool TextFieldElement::OnKeyDown(KeyArgs& args) {
  const bool shift = (args.shift & kShiftMask) != 0;
  const bool ctrl = (args.shift & kCtrlMask) != 0;
  const int from = std::min(caret_, anchor_), to = std::max(caret_, anchor_);
  if (ctrl && !(args.shift & kAltMask)) {
    Display* display = form() ? &form()->platform().display() : nullptr;
    switch (args.key_code) {
      case 'A':
        SelectAll();
        return true;
      case 'C':
        if (display && HasSelection()) display->SetClipboardText(selected_text());
        return true;
      case 'X':
        if (display && HasSelection()) {
          display->SetClipboardText(selected_text());
          ReplaceSelection("");
        }
        return true;
      case 'V':
        if (display) {
          // One line only: line breaks become spaces.
          std::string pasted = display->ClipboardText();
          for (char& c : pasted)
            if (c == '\r' || c == '\n' || c == '\t') c = ' ';
          ReplaceSelection(pasted);
        }
        return true;
      case 'Z':
        if (undo_caret_ >= 0) {
          std::string previous = std::move(undo_text_);
          int caret = undo_caret_;
          undo_caret_ = -1;
          Edit(std::move(previous), caret);
        }
        return true;
      case keys::kLeft:
        MoveCaret(WordStart(text_, caret_), shift);
        return true;
      case keys::kRight:
        MoveCaret(WordEnd(text_, caret_), shift);
        return true;
      default:
        break;
    }
  }
  switch (args.key_code) {
    case keys::kLeft:
      MoveCaret(HasSelection() && !shift ? from : PrevChar(text_, caret_), shift);
      return true;
    case keys::kRight:
      MoveCaret(HasSelection() && !shift ? to : NextChar(text_, caret_), shift);
      return true;
    case keys::kHome:
      MoveCaret(0, shift);
      return true;
    case keys::kEnd:
      MoveCaret(static_cast<int>(text_.size()), shift);
      return true;
    case keys::kDelete:
      if (!HasSelection()) anchor_ = NextChar(text_, caret_);
      ReplaceSelection("");
      return true;
    default:
      return false;
  }
}

bool TextFieldElement::OnChar(int ch) {
  if (ch == keys::kBack) {
    if (!HasSelection()) anchor_ = PrevChar(text_, caret_);
    ReplaceSelection("");
    return true;
  }
  if (ch < 32 || ch == 127 || ch > 0x10FFFF) return false;
  ReplaceSelection(Utf8(ch));
  return true;
}

int TextFieldElement::OffsetAt(int x_px) const {
  if (!form()) return caret_;
  TextEngine& engine = form()->platform().text();
  const int target = x_px - kInsetX + scroll_px_;
  int best = 0, best_distance = std::abs(target);
  for (int pos = NextChar(text_, 0), prev = 0; prev < static_cast<int>(text_.size());
       prev = pos, pos = NextChar(text_, pos)) {
    int distance = std::abs(engine.LineWidth(font_, text_.substr(0, pos)) - target);
    if (distance < best_distance) {
      best = pos;
      best_distance = distance;
    }
  }
  return best;
}

bool TextFieldElement::OnMouseDown(const MouseArgs& args) {
  if (args.button != kLeftButton || !form()) return false;
  const int at = OffsetAt(TwipsToPixels(args.x));
  const std::int64_t now = form()->platform().clock().NowMs();
  const int x = TwipsToPixels(args.x);
  const bool again = now - last_press_ms_ <= kDoubleClickMs && std::abs(x - last_press_x_) <= 4;
  last_press_x_ = x;
  if (again && !(args.shift & kShiftMask)) {
    // A double click selects the word under the pointer.
    anchor_ = WordStart(text_, std::min(static_cast<int>(text_.size()), NextChar(text_, at)));
    if (anchor_ > at) anchor_ = at;
    caret_ = WordEnd(text_, anchor_);
    last_press_ms_ = -100000;
    Changed();
    return true;
  }
  last_press_ms_ = now;
  MoveCaret(at, (args.shift & kShiftMask) != 0);
  return true;
}

void TextFieldElement::OnMouseMove(const MouseArgs& args) {
  // Dragging with the left button held selects.
  if (!(args.button & kLeftButton) || !form() || form()->focused() != this) return;
  MoveCaret(OffsetAt(TwipsToPixels(args.x)), true);
}

void TextFieldElement::Paint(Canvas& canvas) {
  Rect r = rect_px();
  canvas.FillRect({0, 0, r.w, r.h}, 0xFFFFFFFFu);
  const int inner_w = r.w - 2 * kInsetX;
  Canvas inner = canvas.Sub({kInsetX, 2, inner_w, r.h - 4});
  TextEngine& engine = canvas.text();
  int h = engine.LineHeight(font_);
  int y = (r.h - 4 - h) / 2;
  bool focused = form() && form()->focused() == this;
  // Long text scrolls so that the caret stays in view.
  const int caret_x = engine.LineWidth(font_, text_.substr(0, caret_));
  if (caret_x - scroll_px_ > inner_w - 2) scroll_px_ = caret_x - inner_w + 2;
  if (caret_x < scroll_px_) scroll_px_ = caret_x;
  const int x0 = -scroll_px_;
  inner.DrawText(font_, text_, {x0, y}, enabled() ? 0xFF000000u : 0xFF808080u);
  if (focused && HasSelection()) {
    const int from = std::min(caret_, anchor_), to = std::max(caret_, anchor_);
    const int a = engine.LineWidth(font_, text_.substr(0, from));
    const int b = engine.LineWidth(font_, text_.substr(0, to));
    inner.FillRect({x0 + a, y, b - a, h}, 0xFF000080u);
    inner.DrawText(font_, text_.substr(from, to - from), {x0 + a, y}, 0xFFFFFFFFu);
  }
  if (focused) inner.FillRect({x0 + caret_x, y, 1, h}, 0xFF000000u);
  canvas.Draw3dEdge({0, 0, r.w, r.h}, true);
}

}  // namespace sw::platform
