// The two text forms of the program: UTF-8 (game data, file names, display, the dump) and
// UTF-16 code units (script strings). These are the one pair of conversions between them.
#pragma once

#include <string>
#include <string_view>

namespace sw {

// Invalid UTF-8 sequences become U+FFFD; characters beyond U+FFFF become surrogate pairs.
std::u16string Utf8ToUtf16(std::string_view utf8);
// Surrogate pairs become one character; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

// Appends the UTF-8 form of one code point (U+FFFD for surrogates and values past U+10FFFF).
void AppendUtf8(std::string& out, char32_t c);
// The code point starting at byte i of a UTF-8 text; i moves past it. Invalid bytes give
// U+FFFD and advance by one.
char32_t NextUtf8(std::string_view s, size_t& i);

// ASCII text as UTF-16 units (for numbers, dates and other texts the program builds itself).
std::u16string AsciiToUtf16(std::string_view ascii);

}  // namespace sw
