// Case-insensitive comparison of names written in the game's ANSI code page, the way Windows
// compares file, section and key names: ASCII letters and the code page's own letters.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace sw {

class CaseFolder {
 public:
  // Folds ASCII letters and, for single-byte code pages that iconv knows, their other letters
  // too. Multi-byte code pages (CP932 ...) fold ASCII letters only, never the second byte of a
  // two-byte character; unknown names fold ASCII letters only.
  explicit CaseFolder(std::string_view code_page = "WINDOWS-1252");

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

 private:
  std::array<unsigned char, 256> table_;
  std::array<bool, 256> lead_{};  // first bytes of two-byte characters
  bool multibyte_ = false;
};

}  // namespace sw
