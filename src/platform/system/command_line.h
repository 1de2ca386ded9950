// Splits a command line written for Windows into the program and its arguments.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sw {

struct CommandLine {
  std::string program;
  std::vector<std::string> arguments;
};

// The program is the first token: up to the next blank, or between double quotes without any
// escapes. Arguments follow the usual C runtime rules: blanks separate them, double quotes
// group, 2n backslashes before a quote give n backslashes, 2n+1 give n and a literal quote,
// and "" inside a quoted part is a literal quote; other backslashes are kept.
CommandLine ParseWindowsCommandLine(std::string_view line);

}  // namespace sw
