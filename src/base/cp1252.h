// The Windows-1252 code page that game text is kept in: the UTF-16 units of its bytes and
// its letter case, as text comparisons, searches and conversions need them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sw {

// The UTF-16 code unit of a Windows-1252 byte (bytes 0x80-0x9F hold the typographic marks,
// the euro sign and a few letters; every other byte is its own unit).
uint16_t UnitOf1252(unsigned char c);
// The Windows-1252 byte of a UTF-16 code unit, or '?' when the code page has none.
char ByteOf1252(uint16_t unit);

// The lower-case form of a Windows-1252 character (A-Z, the accented capitals, and the
// four capitals of the 0x80-0x9F range); other characters come back unchanged.
unsigned char FoldCase1252(unsigned char c);
// The same for every byte of a text.
std::string FoldCase1252(std::string_view s);
// The upper-case form of a Windows-1252 character: the inverse of FoldCase1252 (the sharp s
// and the other letters without a capital come back unchanged).
unsigned char UpperCase1252(unsigned char c);

}  // namespace sw
