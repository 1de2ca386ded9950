// Letter case of Unicode text: the one routine behind every case-insensitive comparison in
// the program (script names, vbTextCompare, dictionary keys, frame, item, variable and file
// names) and behind UCase/LCase. Simple (one-to-one) case mapping; ASCII takes a fast path.
#pragma once

#include <string>
#include <string_view>

namespace sw {

// Case mapping of one code point; characters without that case come back unchanged.
char32_t UpperCaseOf(char32_t c);
char32_t LowerCaseOf(char32_t c);
// The form two characters share when they differ only in case.
char32_t FoldCaseOf(char32_t c);

inline char16_t FoldUnit(char16_t c) {
  if (c < 0x80) return c >= 'A' && c <= 'Z' ? static_cast<char16_t>(c + 32) : c;
  if (c >= 0xD800 && c <= 0xDFFF) return c;  // a surrogate is no character of its own
  char32_t f = FoldCaseOf(c);
  return f < 0x10000 ? static_cast<char16_t>(f) : c;
}

// UTF-16 text (script strings). Surrogate pairs are mapped as one character.
std::u16string UpperCase(std::u16string_view s);
std::u16string LowerCase(std::u16string_view s);
std::u16string FoldCase(std::u16string_view s);
// -1, 0, 1 comparing by code unit after folding both sides.
int CompareIgnoringCase(std::u16string_view a, std::u16string_view b);
bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b);

// UTF-8 text (names of game data and files).
std::string UpperCase(std::string_view utf8);
std::string FoldCase(std::string_view utf8);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace sw
