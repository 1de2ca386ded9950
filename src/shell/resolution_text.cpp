#include "shell/resolution_text.h"

#include <string_view>

#include "base/ascii.h"

namespace sw::shell {

namespace {

bool EndsWithIgnoringCase(const std::string& text, std::string_view tail) {
  if (text.size() < tail.size()) return false;
  const size_t start = text.size() - tail.size();
  for (size_t i = 0; i < tail.size(); ++i) {
    if (LowerAscii(text[start + i]) != LowerAscii(tail[i])) return false;
  }
  return true;
}

// Removes the first of `tails` the text ends with.
void RemoveTail(std::string& text, std::initializer_list<std::string_view> tails) {
  for (std::string_view tail : tails) {
    if (EndsWithIgnoringCase(text, tail)) {
      text.erase(text.size() - tail.size());
      return;
    }
  }
}

}  // namespace

std::string ResolutionLabelText(std::string text, int resolutionMode) {
  if (!text.empty() && text.back() == '.') text.pop_back();
  RemoveTail(text, {"640x480", "640*480"});
  RemoveTail(text, {"640 x 480", "640 * 480"});
  while (!text.empty() && text.back() == ' ') text.pop_back();
  switch (resolutionMode) {
    case 1:
      return text + " 800x600.";
    case 2:
      return text + " 1024x768.";
    default:
      return text + " 640x480.";
  }
}

}  // namespace sw::shell
