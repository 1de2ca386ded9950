// The RegExp object (`New RegExp`, CreateObject("VBScript.RegExp")) with its Matches, Match
// and SubMatches results; JavaScript-style patterns run on PCRE2 over UTF-16 text.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "variant/dispatch.h"

namespace sw::vbs::lib {

// One match: what it matched, where (0-based), and its groups (Empty when a group did not
// take part).
struct MatchData {
  std::u16string value;
  int32_t first_index = 0;
  std::vector<Variant> groups;
};

class RegExp : public Dispatch {
 public:
  RegExp();
  ~RegExp() override;
  std::string TypeName() const override { return "IRegExp2"; }
  int FindMember(std::string_view name) override;
  bool MembersFixedByClass() const override { return true; }
  Variant Invoke(int member, InvokeKind kind, Args args) override;

  // The matches in `text`: at most one unless Global. Fails with E5017..E5021 for a bad
  // pattern.
  std::vector<MatchData> Matches(const std::u16string& text, bool all);
  std::u16string Replace(const std::u16string& text, const std::u16string& with);

  std::u16string pattern;
  bool ignore_case = false;
  bool global = false;
  bool multiline = false;

 private:
  struct Compiled;
  void Compile();
  std::unique_ptr<Compiled> code_;
  std::u16string code_pattern_;
  uint32_t code_flags_ = ~0u;
};

Ref<Dispatch> MakeRegExp();

}  // namespace sw::vbs::lib
