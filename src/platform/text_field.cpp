#include "platform/text_field.h"

#include "platform/canvas.h"
#include "platform/form.h"
#include "platform/input.h"

namespace sw::platform {
namespace {

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

}  // namespace

void TextFieldElement::SetText(std::string text) {
  select_all_ = false;
  Edit(std::move(text), -1);
}

void TextFieldElement::Edit(std::string text, int caret) {
  text_ = std::move(text);
  caret_ = caret < 0 ? static_cast<int>(text_.size()) : caret;
  Changed();
  auto keep = shared_from_this();
  if (auto handler = on.change) handler(*this);
}

bool TextFieldElement::OnKeyDown(KeyArgs& args) {
  int n = static_cast<int>(text_.size());
  switch (args.key_code) {
    case keys::kLeft:
      caret_ = select_all_ ? 0 : PrevChar(text_, caret_);
      break;
    case keys::kRight:
      caret_ = select_all_ ? n : NextChar(text_, caret_);
      break;
    case keys::kHome:
      caret_ = 0;
      break;
    case keys::kEnd:
      caret_ = n;
      break;
    case keys::kDelete:
      if (select_all_) {
        select_all_ = false;
        Edit("", 0);
      } else if (caret_ < n) {
        int next = NextChar(text_, caret_);
        Edit(text_.substr(0, caret_) + text_.substr(next), caret_);
      }
      return true;
    default:
      return false;
  }
  select_all_ = false;
  Changed();
  return true;
}

bool TextFieldElement::OnChar(int ch) {
  if (ch == keys::kBack) {
    if (select_all_) {
      select_all_ = false;
      Edit("", 0);
    } else if (caret_ > 0) {
      int prev = PrevChar(text_, caret_);
      Edit(text_.substr(0, prev) + text_.substr(caret_), prev);
    }
    return true;
  }
  if (ch < 32) return false;
  std::string utf8;
  if (ch < 0x80) {
    utf8 = static_cast<char>(ch);
  } else if (ch < 0x800) {
    utf8 = {static_cast<char>(0xC0 | (ch >> 6)), static_cast<char>(0x80 | (ch & 0x3F))};
  } else {
    utf8 = {static_cast<char>(0xE0 | ((ch >> 12) & 0x0F)),
            static_cast<char>(0x80 | ((ch >> 6) & 0x3F)), static_cast<char>(0x80 | (ch & 0x3F))};
  }
  std::string base = text_;
  int caret = caret_;
  if (select_all_) {
    base.clear();
    caret = 0;
    select_all_ = false;
  }
  if (max_length_ > 0 && CountChars(base) >= max_length_) return true;
  Edit(base.substr(0, caret) + utf8 + base.substr(caret), caret + static_cast<int>(utf8.size()));
  return true;
}

void TextFieldElement::Paint(Canvas& canvas) {
  Rect r = rect_px();
  canvas.FillRect({0, 0, r.w, r.h}, 0xFFFFFFFFu);
  Canvas inner = canvas.Sub({3, 2, r.w - 6, r.h - 4});
  int h = canvas.text().LineHeight(font_);
  int y = (r.h - 4 - h) / 2;
  bool focused = form() && form()->focused() == this;
  if (focused && select_all_ && !text_.empty()) {
    int w = canvas.text().LineWidth(font_, text_);
    inner.FillRect({0, y, w, h}, 0xFF000080u);
    inner.DrawText(font_, text_, {0, y}, 0xFFFFFFFFu);
  } else {
    inner.DrawText(font_, text_, {0, y}, enabled() ? 0xFF000000u : 0xFF808080u);
    if (focused) {
      int x = canvas.text().LineWidth(font_, text_.substr(0, caret_));
      inner.FillRect({x, y, 1, h}, 0xFF000000u);
    }
  }
  canvas.Draw3dEdge({0, 0, r.w, r.h}, true);
}

}  // namespace sw::platform
