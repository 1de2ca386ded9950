#include "platform/system/command_line.h"

namespace sw {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

CommandLine ParseWindowsCommandLine(std::string_view line) {
  CommandLine result;
  size_t i = 0;
  while (i < line.size() && IsBlank(line[i])) ++i;
  if (i < line.size() && line[i] == '"') {
    size_t close = line.find('"', i + 1);
    if (close == line.npos) close = line.size();
    result.program = std::string(line.substr(i + 1, close - i - 1));
    i = close + 1;
  } else {
    size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    result.program = std::string(line.substr(start, i - start));
  }

  while (true) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size()) break;
    std::string argument;
    bool quoted = false;
    while (i < line.size() && (quoted || !IsBlank(line[i]))) {
      if (line[i] == '\\') {
        size_t run = 0;
        while (i < line.size() && line[i] == '\\') ++run, ++i;
        if (i < line.size() && line[i] == '"') {
          argument.append(run / 2, '\\');
          if (run % 2 == 1) {
            argument += '"';
            ++i;
          }
        } else {
          argument.append(run, '\\');
        }
      } else if (line[i] == '"') {
        if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
          argument += '"';
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
      } else {
        argument += line[i++];
      }
    }
    result.arguments.push_back(std::move(argument));
  }
  return result;
}

}  // namespace sw
