// An INI (private-profile) file in memory, read and changed with the rules of the Windows
// profile functions; every line that a change does not touch is written back byte for byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/system/case_folder.h"

namespace sw {

class IniDocument {
 public:
  explicit IniDocument(std::string_view bytes = {}, CaseFolder folder = CaseFolder());

  // The value of the first matching key in the first matching section (names compared without
  // regard to case and surrounding blanks), blanks trimmed and one pair of enclosing quotes
  // removed. Nothing when the section or key is absent.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  // Replaces the value in place, or adds the key at the end of its section, or adds the
  // section at the end of the file. New lines end as the file's lines do (CR LF when new).
  void Set(std::string_view section, std::string_view key, std::string_view value);
  // Removes the key's line; false when it was absent.
  bool Remove(std::string_view section, std::string_view key);

  // Names of the keys in a section, in file order, each once.
  std::vector<std::string> Keys(std::string_view section) const;
  std::vector<std::string> Sections() const;

  std::string bytes() const;

 private:
  struct Line {
    std::string text;
    std::string eol;  // "\r\n", "\n" or empty on a last line without one
  };
  std::optional<size_t> FindSection(std::string_view section) const;
  size_t SectionEnd(size_t header) const;
  std::optional<size_t> FindKey(size_t header, std::string_view key) const;
  void InsertLine(size_t at, std::string text);

  std::vector<Line> lines_;
  std::string newline_ = "\r\n";
  CaseFolder folder_;
};

}  // namespace sw
