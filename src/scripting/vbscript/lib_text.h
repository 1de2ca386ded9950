// Text search for the library's string functions, with binary or text (case-folded
// Windows-1252) comparison.
#pragma once

#include <string_view>

namespace sw::vbs::lib {

// Position (0-based) of `needle` in `hay` at or after `from`; npos when absent.
size_t FindText(std::string_view hay, std::string_view needle, size_t from, bool text_compare);
// Last position of `needle` that ends at or before `end`; npos when absent.
size_t FindTextBackward(std::string_view hay, std::string_view needle, size_t end,
                        bool text_compare);

}  // namespace sw::vbs::lib
