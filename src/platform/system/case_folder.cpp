#include "platform/system/case_folder.h"

#include "base/unicode_case.h"

namespace sw {
namespace {

// Wildcard match of already folded texts.
bool MatchFolded(std::string_view pattern, std::string_view name) {
  // Greedy match with one backtrack point: the most recent '*'.
  size_t p = 0, n = 0;
  size_t star = std::string_view::npos, resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (p < pattern.size() && pattern[p] == '?') {
      ++p;  // one character: all bytes of its UTF-8 sequence
      do ++n;
      while (n < name.size() && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80);
    } else if (p < pattern.size() && pattern[p] == name[n]) {
      ++p;
      ++n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace

std::string CaseFolder::Fold(std::string_view text) const {
  return UpperCase(text);
}

bool CaseFolder::Equal(std::string_view a, std::string_view b) const {
  return EqualsIgnoringCase(a, b);
}

bool CaseFolder::Less(std::string_view a, std::string_view b) const {
  std::string fa = Fold(a), fb = Fold(b);
  if (fa != fb) return fa < fb;
  return a < b;
}

bool CaseFolder::Matches(std::string_view pattern, std::string_view name) const {
  return MatchesFolded(Fold(pattern), Fold(name));
}

bool CaseFolder::MatchesFolded(std::string_view pattern, std::string_view name) {
  if (MatchFolded(pattern, name)) return true;
  if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" &&
      name.find('.') == name.npos) {
    return MatchFolded(pattern.substr(0, pattern.size() - 2), name);
  }
  return false;
}

}  // namespace sw
