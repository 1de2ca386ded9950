#include "scripting/vbscript/lib_regexp.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <cstdio>
#include <vector>

#include "scripting/vbscript/lib_members.h"

namespace sw::vbs::lib {
namespace {

enum RegExpMember { kPattern = 1, kIgnoreCase, kGlobal, kMultiline, kTest, kExecute, kReplace };

struct CodeFree {
  void operator()(pcre2_code* c) const { pcre2_code_free(c); }
};
struct ContextFree {
  void operator()(pcre2_compile_context* c) const { pcre2_compile_context_free(c); }
};
struct MatchFree {
  void operator()(pcre2_match_data* m) const { pcre2_match_data_free(m); }
};

// Script patterns differ from PCRE2's in a few places: `\v` is the vertical tab only, `[]`
// matches nothing and `[^]` any character. `\uHHHH` is PCRE2's own with PCRE2_ALT_BSUX.
std::u16string ToPcre(const std::u16string& p) {
  std::u16string out;
  out.reserve(p.size());
  bool in_class = false;
  for (size_t i = 0; i < p.size(); ++i) {
    if (p[i] == '[' && !in_class) {
      if (p.compare(i, 2, u"[]") == 0) {
        out += u"(?!)";
        ++i;
      } else if (p.compare(i, 3, u"[^]") == 0) {
        out += u"[\\s\\S]";
        i += 2;
      } else {
        in_class = true;
        out.push_back(p[i]);
        if (i + 1 < p.size() && p[i + 1] == '^') out.push_back(p[++i]);
      }
    } else if (p[i] == ']' && in_class) {
      in_class = false;
      out.push_back(p[i]);
    } else if (p[i] == '\\' && i + 1 < p.size()) {
      if (p[i + 1] == 'v')
        out += u"\\x0B";
      else
        out.append(p, i, 2);
      ++i;
    } else {
      out.push_back(p[i]);
    }
  }
  return out;
}

int ScriptErrorOf(int pcre_error) {
  switch (pcre_error) {
    case PCRE2_ERROR_MISSING_CLOSING_PARENTHESIS:
      return vberr::kRegExpExpectedParen;
    case PCRE2_ERROR_MISSING_SQUARE_BRACKET:
      return vberr::kRegExpExpectedBracket;
    case PCRE2_ERROR_QUANTIFIER_INVALID:
    case PCRE2_ERROR_QUANTIFIER_OUT_OF_ORDER:
      return vberr::kRegExpUnexpectedQuantifier;
    case PCRE2_ERROR_CLASS_RANGE_ORDER:
      return vberr::kRegExpInvalidRange;
    default:
      return vberr::kRegExpSyntax;
  }
}

Variant Text(const std::u16string& s) {
  return Variant(s);
}

// The read-only collections a match hands out (its SubMatches, and the Matches that Execute
// returns): Item by 0-based index as the default member, Count, and For Each.
class IndexedCollection : public Dispatch {
 public:
  IndexedCollection(std::string type_name, std::vector<Variant> items)
      : type_name_(std::move(type_name)), items_(std::move(items)) {}
  std::string TypeName() const override { return type_name_; }
  int FindMember(std::string_view name) override { return FindMemberIn(name, {"Item", "Count"}); }
  bool MembersFixedByClass() const override { return true; }
  Variant Invoke(int member, InvokeKind kind, Args a) override {
    if (IsPut(kind)) throw VbError(vberr::kNotSupported);
    if (member == kDefaultMember || member == 1) {
      ArgCount(a, 1);
      int32_t i = a[0].ToLong();
      if (i < 0 || static_cast<size_t>(i) >= items_.size())
        throw VbError(vberr::kInvalidProcedureCall);
      return items_[static_cast<size_t>(i)];
    }
    if (member == 2) {
      ArgCount(a, 0);
      return Variant(static_cast<int32_t>(items_.size()));
    }
    throw VbError(vberr::kNotSupported);
  }
  std::vector<Variant> Enumerate() override { return items_; }

 private:
  std::string type_name_;
  std::vector<Variant> items_;
};

class Match : public Dispatch {
 public:
  explicit Match(MatchData d) : d_(std::move(d)) {}
  std::string TypeName() const override { return "IMatch2"; }
  int FindMember(std::string_view name) override {
    return FindMemberIn(name, {"Value", "FirstIndex", "Length", "SubMatches"});
  }
  bool MembersFixedByClass() const override { return true; }
  Variant Invoke(int member, InvokeKind kind, Args a) override {
    if (IsPut(kind)) throw VbError(vberr::kNotSupported);
    if (member == 4) {
      // `m.SubMatches(0)`: the index goes to the collection's default member.
      Ref<Dispatch> subs = MakeRef<IndexedCollection>("ISubMatches", d_.groups);
      if (a.empty()) return Variant(subs);
      return subs->Invoke(kDefaultMember, InvokeKind::Get, a);
    }
    ArgCount(a, 0);
    switch (member) {
      case kDefaultMember:
      case 1:
        return Text(d_.value);
      case 2:
        return Variant(d_.first_index);
      case 3:
        return Variant(static_cast<int32_t>(d_.value.size()));
      default:
        throw VbError(vberr::kNotSupported);
    }
  }

 private:
  MatchData d_;
};

// The Matches collection of Execute.
Ref<Dispatch> MakeMatchCollection(std::vector<MatchData> found) {
  std::vector<Variant> items;
  items.reserve(found.size());
  for (auto& d : found) items.emplace_back(Ref<Dispatch>(MakeRef<Match>(std::move(d))));
  return MakeRef<IndexedCollection>("IMatchCollection2", std::move(items));
}

// A replacement value's text: Booleans as numbers (True gives "-1").
std::u16string ReplacementText(const Variant& v) {
  if (v.type() == VarType::Boolean) return v.AsBool() ? u"-1" : u"0";
  return v.ToText();
}

}  // namespace

struct RegExp::Compiled {
  std::unique_ptr<pcre2_code, CodeFree> code;
  std::unique_ptr<pcre2_match_data, MatchFree> match;
};

RegExp::RegExp() = default;
RegExp::~RegExp() = default;

Ref<Dispatch> MakeRegExp() {
  return MakeRef<RegExp>();
}

void RegExp::Compile() {
  // UTF-16 mode for Unicode letter case under IgnoreCase; \w, \d and \s stay ASCII. Text
  // with a lone surrogate is still searched: such a unit just matches nothing.
  uint32_t flags = PCRE2_ALT_BSUX | PCRE2_MATCH_UNSET_BACKREF | PCRE2_DOLLAR_ENDONLY | PCRE2_UTF |
                   PCRE2_MATCH_INVALID_UTF;
  if (ignore_case) flags |= PCRE2_CASELESS;
  if (multiline) flags |= PCRE2_MULTILINE;
  if (code_ && code_pattern_ == pattern && code_flags_ == flags) return;
  code_.reset();
  std::unique_ptr<pcre2_compile_context, ContextFree> ctx(pcre2_compile_context_create(nullptr));
  pcre2_set_newline(ctx.get(), PCRE2_NEWLINE_LF);
  std::u16string p = ToPcre(pattern);
  int err = 0;
  PCRE2_SIZE at = 0;
  pcre2_code* c =
      pcre2_compile(reinterpret_cast<PCRE2_SPTR>(p.data()), p.size(), flags, &err, &at, ctx.get());
  if (!c) throw VbError(ScriptErrorOf(err));
  auto compiled = std::make_unique<Compiled>();
  compiled->code.reset(c);
  compiled->match.reset(pcre2_match_data_create_from_pattern(c, nullptr));
  code_ = std::move(compiled);
  code_pattern_ = pattern;
  code_flags_ = flags;
}

std::vector<MatchData> RegExp::Matches(const std::u16string& text, bool all) {
  Compile();
  std::vector<MatchData> out;
  auto subject = reinterpret_cast<PCRE2_SPTR>(text.data());
  size_t start = 0;
  while (start <= text.size()) {
    int rc =
        pcre2_match(code_->code.get(), subject, text.size(), start, 0, code_->match.get(), nullptr);
    if (rc < 0) break;
    PCRE2_SIZE* ov = pcre2_get_ovector_pointer(code_->match.get());
    uint32_t pairs = pcre2_get_ovector_count(code_->match.get());
    uint32_t groups = 0;
    pcre2_pattern_info(code_->code.get(), PCRE2_INFO_CAPTURECOUNT, &groups);
    MatchData m;
    m.value = text.substr(ov[0], ov[1] - ov[0]);
    m.first_index = static_cast<int32_t>(ov[0]);
    for (uint32_t g = 1; g <= groups; ++g) {
      if (g < pairs && static_cast<int>(g) < rc && ov[2 * g] != PCRE2_UNSET)
        m.groups.emplace_back(text.substr(ov[2 * g], ov[2 * g + 1] - ov[2 * g]));
      else
        m.groups.emplace_back();
    }
    size_t end = ov[1];
    out.push_back(std::move(m));
    if (!all) break;
    // An empty match moves on by one character (both units of a surrogate pair).
    if (end == ov[0]) {
      bool pair = end + 1 < text.size() && text[end] >= 0xD800 && text[end] <= 0xDBFF &&
                  text[end + 1] >= 0xDC00 && text[end + 1] <= 0xDFFF;
      start = end + (pair ? 2 : 1);
    } else {
      start = end;
    }
  }
  return out;
}

std::u16string RegExp::Replace(const std::u16string& text, const std::u16string& with) {
  std::vector<MatchData> ms = Matches(text, global);
  std::u16string out;
  size_t last = 0;
  for (const MatchData& m : ms) {
    size_t begin = static_cast<size_t>(m.first_index), end = begin + m.value.size();
    out.append(text, last, begin - last);
    for (size_t i = 0; i < with.size(); ++i) {
      char16_t c = with[i];
      if (c != '$' || i + 1 >= with.size()) {
        out.push_back(c);
        continue;
      }
      char16_t n = with[i + 1];
      if (n == '$') {
        out.push_back('$');
        ++i;
      } else if (n == '&') {
        out += m.value;
        ++i;
      } else if (n == '`') {
        out.append(text, 0, begin);
        ++i;
      } else if (n == '\'') {
        out.append(text, end, std::u16string::npos);
        ++i;
      } else if (n >= '0' && n <= '9') {
        size_t count = m.groups.size();
        size_t one = static_cast<size_t>(n - '0');
        size_t two = i + 2 < with.size() && with[i + 2] >= '0' && with[i + 2] <= '9'
                         ? one * 10 + static_cast<size_t>(with[i + 2] - '0')
                         : 0;
        if (two >= 1 && two <= count) {
          out += m.groups[two - 1].ToText();
          i += 2;
        } else if (one >= 1 && one <= count) {
          out += m.groups[one - 1].ToText();
          ++i;
        } else {
          out.push_back(c);
        }
      } else {
        out.push_back(c);
      }
    }
    last = end;
  }
  out.append(text, last, std::u16string::npos);
  return out;
}

int RegExp::FindMember(std::string_view name) {
  return FindMemberIn(
      name, {"Pattern", "IgnoreCase", "Global", "Multiline", "Test", "Execute", "Replace"});
}

Variant RegExp::Invoke(int member, InvokeKind kind, Args a) {
  bool put = IsPut(kind);
  switch (member) {
    case kPattern:
      if (put) {
        ArgCount(a, 1);
        pattern = a[0].ToText();
        return Variant();
      }
      ArgCount(a, 0);
      return Variant(pattern);
    case kIgnoreCase:
    case kGlobal:
    case kMultiline: {
      bool& flag = member == kIgnoreCase ? ignore_case : (member == kGlobal ? global : multiline);
      if (put) {
        ArgCount(a, 1);
        flag = a[0].ToBool();
        return Variant();
      }
      ArgCount(a, 0);
      return Variant(flag);
    }
    case kTest:
      if (put) break;
      ArgCount(a, 1);
      return Variant(!Matches(a[0].ToText(), false).empty());
    case kExecute:
      if (put) break;
      ArgCount(a, 1);
      return Variant(MakeMatchCollection(Matches(a[0].ToText(), global)));
    case kReplace:
      if (put) break;
      ArgCount(a, 2);
      return Variant(Replace(a[0].ToText(), ReplacementText(a[1])));
    default:
      break;
  }
  throw VbError(vberr::kNotSupported);
}

}  // namespace sw::vbs::lib
