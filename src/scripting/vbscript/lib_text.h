// Text helpers for the library's string functions: Windows-1252 case folding, searching with
// binary or text comparison, and the mapping between ANSI bytes and UTF-16 code units.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sw::vbs::lib {

// Lower-case form of a Windows-1252 byte, for text comparison.
unsigned char FoldByte(unsigned char c);
std::string FoldText(std::string_view s);

// Position (0-based) of `needle` in `hay` at or after `from`; npos when absent.
size_t FindText(std::string_view hay, std::string_view needle, size_t from, bool text_compare);
// Last position of `needle` that ends at or before `end`; npos when absent.
size_t FindTextBackward(std::string_view hay, std::string_view needle, size_t end,
                        bool text_compare);

// The UTF-16 code unit of a Windows-1252 byte.
uint16_t UnitOfByte(unsigned char c);
// The Windows-1252 byte of a UTF-16 code unit, or '?' when the code page has none.
char ByteOfUnit(uint16_t unit);

}  // namespace sw::vbs::lib
