// Case-insensitive comparison of names (UTF-8), the way Windows compares file, section and key
// names: every letter by its simple upper-case mapping.
#pragma once

#include <string>
#include <string_view>

namespace sw {

class CaseFolder {
 public:
  CaseFolder() = default;

  // The upper-case form of the text.
  std::string Fold(std::string_view text) const;
  bool Equal(std::string_view a, std::string_view b) const;
  // Order of names in a directory listing: by folded bytes, exact bytes breaking ties.
  bool Less(std::string_view a, std::string_view b) const;
  // Wildcard match of a whole name: '*' any run of characters, '?' exactly one. A pattern
  // ending in ".*" also matches the name without any extension ("*.*" matches everything).
  bool Matches(std::string_view pattern, std::string_view name) const;
  // The same match of a pattern and a name that are both folded already.
  static bool MatchesFolded(std::string_view folded_pattern, std::string_view folded_name);
};

}  // namespace sw
