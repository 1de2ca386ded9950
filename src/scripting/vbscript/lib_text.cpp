#include "scripting/vbscript/lib_text.h"

#include "base/unicode_case.h"

namespace sw::vbs::lib {
namespace {

bool Same(std::u16string_view hay, size_t at, std::u16string_view needle, bool text) {
  for (size_t i = 0; i < needle.size(); ++i) {
    char16_t x = hay[at + i], y = needle[i];
    if (x != y && (!text || FoldUnit(x) != FoldUnit(y))) return false;
  }
  return true;
}

}  // namespace

size_t FindText(std::u16string_view hay, std::u16string_view needle, size_t from, bool text) {
  if (!text) return hay.find(needle, from);
  if (needle.size() > hay.size()) return std::u16string_view::npos;
  for (size_t i = from; i + needle.size() <= hay.size(); ++i)
    if (Same(hay, i, needle, true)) return i;
  return std::u16string_view::npos;
}

size_t FindTextBackward(std::u16string_view hay, std::u16string_view needle, size_t end,
                        bool text) {
  if (end > hay.size()) end = hay.size();
  if (needle.size() > end) return std::u16string_view::npos;
  for (size_t i = end - needle.size() + 1; i-- > 0;)
    if (Same(hay, i, needle, text)) return i;
  return std::u16string_view::npos;
}

}  // namespace sw::vbs::lib
