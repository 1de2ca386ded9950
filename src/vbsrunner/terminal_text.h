// Script files as the runner reads them: UTF-8 (with or without a byte-order mark) or, when
// the bytes are no UTF-8, Windows-1252 as Windows editors saved them.
#pragma once

#include <string>
#include <string_view>

namespace sw::vbsrunner {

// The file's text as UTF-8.
std::string ScriptFileText(std::string_view bytes);

}  // namespace sw::vbsrunner
