#include "base/unicode_case.h"

#include <unicode/uchar.h>

#include "base/utf.h"

namespace sw {
namespace {

template <typename Map>
std::u16string MapUnits(std::u16string_view s, Map map) {
  std::u16string out(s);
  for (size_t i = 0; i < out.size(); ++i) {
    char32_t c = out[i];
    if (c < 0x80) {
      out[i] = static_cast<char16_t>(map(c));
      continue;
    }
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < out.size() && out[i + 1] >= 0xDC00 &&
        out[i + 1] <= 0xDFFF) {
      char32_t full = 0x10000 + ((c - 0xD800) << 10) + (out[i + 1] - 0xDC00);
      char32_t m = map(full);
      if (m >= 0x10000) {  // stays a pair; a mapping never leaves the supplementary planes
        m -= 0x10000;
        out[i] = static_cast<char16_t>(0xD800 + (m >> 10));
        out[i + 1] = static_cast<char16_t>(0xDC00 + (m & 0x3FF));
      }
      ++i;
      continue;
    }
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    char32_t m = map(c);
    if (m < 0x10000) out[i] = static_cast<char16_t>(m);
  }
  return out;
}

template <typename Map>
std::string MapUtf8(std::string_view s, Map map) {
  std::string out;
  out.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    unsigned char b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      out += static_cast<char>(map(b));
      ++i;
      continue;
    }
    AppendUtf8(out, map(NextUtf8(s, i)));
  }
  return out;
}

}  // namespace

char32_t UpperCaseOf(char32_t c) {
  if (c < 0x80) return c >= 'a' && c <= 'z' ? c - 32 : c;
  return static_cast<char32_t>(u_toupper(static_cast<UChar32>(c)));
}

char32_t LowerCaseOf(char32_t c) {
  if (c < 0x80) return c >= 'A' && c <= 'Z' ? c + 32 : c;
  return static_cast<char32_t>(u_tolower(static_cast<UChar32>(c)));
}

char32_t FoldCaseOf(char32_t c) {
  if (c < 0x80) return c >= 'A' && c <= 'Z' ? c + 32 : c;
  return static_cast<char32_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT));
}

std::u16string UpperCase(std::u16string_view s) {
  return MapUnits(s, UpperCaseOf);
}
std::u16string LowerCase(std::u16string_view s) {
  return MapUnits(s, LowerCaseOf);
}
std::u16string FoldCase(std::u16string_view s) {
  return MapUnits(s, FoldCaseOf);
}

int CompareIgnoringCase(std::u16string_view a, std::u16string_view b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    char16_t x = a[i], y = b[i];
    if (x == y) continue;
    x = FoldUnit(x), y = FoldUnit(y);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && CompareIgnoringCase(a, b) == 0;
}

std::string UpperCase(std::string_view utf8) {
  return MapUtf8(utf8, UpperCaseOf);
}
std::string FoldCase(std::string_view utf8) {
  std::string out(utf8);
  for (char& c : out) {
    if (static_cast<unsigned char>(c) >= 0x80) return MapUtf8(utf8, FoldCaseOf);
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return out;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[j]);
    if (x < 0x80 && y < 0x80) {
      if (FoldCaseOf(x) != FoldCaseOf(y)) return false;
      ++i, ++j;
      continue;
    }
    if (FoldCaseOf(NextUtf8(a, i)) != FoldCaseOf(NextUtf8(b, j))) return false;
  }
  return i == a.size() && j == b.size();
}

}  // namespace sw
