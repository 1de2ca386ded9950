// Text search for the library's string functions, with binary or text (case-folded)
// comparison of UTF-16 code units.
#pragma once

#include <string_view>

namespace sw::vbs::lib {

// Position (0-based) of `needle` in `hay` at or after `from`; npos when absent.
size_t FindText(std::u16string_view hay, std::u16string_view needle, size_t from,
                bool text_compare);
// Last position of `needle` that ends at or before `end`; npos when absent.
size_t FindTextBackward(std::u16string_view hay, std::u16string_view needle, size_t end,
                        bool text_compare);

}  // namespace sw::vbs::lib
