// Conversion between the scripts' ANSI text (Windows-1252) and UTF-8 for the terminal.
#pragma once

#include <string>
#include <string_view>

namespace sw::vbsrunner {

std::string Cp1252ToUtf8(std::string_view s);
// UTF-8 text to Windows-1252; characters it cannot hold become '?'. Text that is not valid
// UTF-8 is taken to be Windows-1252 already and returned unchanged.
std::string Utf8ToCp1252(std::string_view s);

}  // namespace sw::vbsrunner
