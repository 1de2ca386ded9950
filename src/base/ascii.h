// ASCII letter case for names and keywords that are compared without regard to case (script
// names, file names, marker words). Bytes outside A-Z are left as they are.
#pragma once

#include <string>
#include <string_view>

namespace sw {

inline char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

// Lower-case copy of a text.
std::string LowerAscii(std::string_view s);

// Whether two texts are equal when ASCII letters are compared without case.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace sw
