// String functions beyond the basics: InStr, InStrRev, Replace, StrComp, String, StrReverse,
// the byte (B) and wide (W) variants, Escape and Unescape.
#include <algorithm>
#include <cstdio>
#include <new>
#include <optional>

#include "scripting/vbscript/builtins.h"
#include "scripting/vbscript/lib_args.h"
#include "scripting/vbscript/lib_register.h"
#include "scripting/vbscript/lib_text.h"
#include "scripting/vbscript/runtime.h"

namespace sw::vbs::lib {
namespace {

constexpr size_t npos = std::u16string::npos;

// InStr's arguments: [start,] s1, s2[, compare]. Returns the 1-based position, 0 when absent,
// or nullopt for a Null text.
std::optional<int32_t> InStrPos(Args a) {
  size_t base = a.size() >= 3 ? 1 : 0;
  int32_t start = 1;
  if (base) {
    start = LongArg(a[0]);
    if (start < 1) InvalidCall();
  }
  bool text = TextCompareArg(a, 3);
  const Variant& s1 = a[base];
  const Variant& s2 = a[base + 1];
  if (s1.IsNull() || s2.IsNull()) return std::nullopt;
  std::u16string hay = s1.ToString(), needle = s2.ToString();
  if (static_cast<size_t>(start) > hay.size()) return 0;
  size_t at = FindText(hay, needle, static_cast<size_t>(start - 1), text);
  return at == npos ? 0 : static_cast<int32_t>(at + 1);
}

Variant InStr(CallContext&, Args a) {
  auto p = InStrPos(a);
  return p ? Variant(*p) : Variant::Null();
}

// The same search over the UTF-16 bytes; `start` and the result count bytes.
Variant InStrB(CallContext&, Args a) {
  size_t base = a.size() >= 3 ? 1 : 0;
  int32_t start = 1;
  if (base) {
    start = LongArg(a[0]);
    if (start < 1) InvalidCall();
  }
  TextCompareArg(a, 3);  // checked like InStr's; bytes have no letter case
  const Variant& s1 = a[base];
  const Variant& s2 = a[base + 1];
  if (s1.IsNull() || s2.IsNull()) return Variant::Null();
  std::string hay = s1.ToBytes(), needle = s2.ToBytes();
  if (static_cast<size_t>(start) > hay.size()) return Variant(int32_t{0});
  size_t at = hay.find(needle, static_cast<size_t>(start - 1));
  return Variant(at == std::string::npos ? 0 : static_cast<int32_t>(at + 1));
}

Variant InStrRev(CallContext&, Args a) {
  std::u16string hay = TextArg(a[0]), needle = TextArg(a[1]);
  int32_t start = Has(a, 2) ? LongArg(a[2]) : -1;
  if (start == 0 || start < -1) InvalidCall();
  bool text = TextCompareArg(a, 3);
  if (start == -1) start = static_cast<int32_t>(hay.size());
  if (static_cast<size_t>(start) > hay.size()) return Variant(int32_t{0});
  if (needle.empty()) return Variant(start);
  size_t at = FindTextBackward(hay, needle, static_cast<size_t>(start), text);
  return Variant(at == npos ? 0 : static_cast<int32_t>(at + 1));
}

Variant Replace(CallContext&, Args a) {
  std::u16string s = TextArg(a[0]), find = TextArg(a[1]), with = TextArg(a[2]);
  int32_t start = Has(a, 3) ? LongArg(a[3]) : 1;
  if (start < 1) InvalidCall();
  int32_t count = Has(a, 4) ? LongArg(a[4]) : -1;
  if (count < -1) InvalidCall();
  bool text = TextCompareArg(a, 5);
  if (static_cast<size_t>(start) > s.size()) return Variant(std::u16string());
  std::u16string_view rest = std::u16string_view(s).substr(static_cast<size_t>(start - 1));
  if (find.empty() || count == 0) return Variant(std::u16string(rest));
  std::u16string out;
  size_t pos = 0;
  for (int32_t done = 0; count == -1 || done < count; ++done) {
    size_t at = FindText(rest, find, pos, text);
    if (at == npos) break;
    out.append(rest.substr(pos, at - pos));
    out += with;
    pos = at + find.size();
  }
  out.append(rest.substr(pos));
  return Variant(std::move(out));
}

Variant StrComp(CallContext&, Args a) {
  bool text = TextCompareArg(a, 2);
  if (a[0].IsNull() || a[1].IsNull()) return Variant::Null();
  int c = CompareStrings(a[0].ToString(), a[1].ToString(), text);
  return Variant(static_cast<int16_t>(c));
}

// n copies of a character: the first of a text, or a character code of the code page.
Variant String(CallContext& ctx, Args a) {
  if (a[0].IsNull() || a[1].IsNull()) return Variant::Null();
  int32_t n = a[0].ToLong();
  char16_t ch;
  const Variant& c = a[1];
  if (c.IsString() || c.IsEmpty()) {
    std::u16string s = c.ToString();
    if (s.empty()) InvalidCall();
    ch = s[0];
  } else {
    int32_t code = c.ToLong();
    if (code < 0) InvalidCall();
    std::u16string one =
        ctx.rt.host()->code_page().Decode(std::string(1, static_cast<char>(code % 256)));
    ch = one.empty() ? u'?' : one[0];
  }
  if (n < 0) InvalidCall();
  try {
    return Variant(std::u16string(static_cast<size_t>(n), ch));
  } catch (const std::bad_alloc&) {
    throw VbError(vberr::kOutOfMemory);
  }
}

Variant StrReverse(CallContext&, Args a) {
  std::u16string s = TextArg(a[0]);
  std::reverse(s.begin(), s.end());
  return Variant(std::move(s));
}

// The byte functions see the UTF-16 LE bytes of the text; a byte count may be odd.
Variant LenB(CallContext&, Args a) {
  if (a[0].IsNull()) return Variant::Null();
  const Variant& v = a[0].Deref();
  size_t n =
      v.IsString() ? v.AsString().size() * 2 + (v.HasExtraByte() ? 1 : 0) : v.ToString().size() * 2;
  return Variant(static_cast<int32_t>(n));
}

Variant LeftB(CallContext&, Args a) {
  int32_t n = LongArg(a[1]);
  if (n < 0) InvalidCall();
  if (a[0].IsNull()) return Variant::Null();
  std::string b = a[0].ToBytes();
  return Variant::FromBytes(std::string_view(b).substr(0, static_cast<size_t>(n)));
}

Variant RightB(CallContext&, Args a) {
  int32_t n = LongArg(a[1]);
  if (n < 0) InvalidCall();
  if (a[0].IsNull()) return Variant::Null();
  std::string b = a[0].ToBytes();
  size_t k = std::min(b.size(), static_cast<size_t>(n));
  return Variant::FromBytes(std::string_view(b).substr(b.size() - k));
}

Variant MidB(CallContext&, Args a) {
  int32_t start = LongArg(a[1]);
  if (a[1].IsEmpty() || start < 1) InvalidCall();
  int32_t len = -1;
  if (Has(a, 2)) {
    len = LongArg(a[2]);
    if (len < 0) InvalidCall();
  }
  if (a[0].IsNull()) return Variant::Null();
  std::string b = a[0].ToBytes();
  size_t first = static_cast<size_t>(start - 1);
  if (first >= b.size()) return Variant(std::u16string());
  return Variant::FromBytes(
      std::string_view(b).substr(first, len < 0 ? std::string::npos : static_cast<size_t>(len)));
}

Variant AscB(CallContext&, Args a) {
  NotNull(a[0]);
  std::string b = a[0].ToBytes();
  if (b.empty()) InvalidCall();
  return Variant::FromByte(static_cast<uint8_t>(b[0]));
}

Variant AscW(CallContext&, Args a) {
  std::u16string s = TextArg(a[0]);
  if (s.empty()) InvalidCall();
  return Variant(static_cast<int16_t>(s[0]));
}

Variant ChrB(CallContext&, Args a) {
  int32_t n = LongArg(a[0]);
  if (n < 0 || n > 255) throw VbError(vberr::kOverflow);
  return Variant::FromBytes(std::string(1, static_cast<char>(n)));
}

// One UTF-16 code unit; a surrogate stays a unit of its own.
Variant ChrW(CallContext&, Args a) {
  int32_t n = LongArg(a[0]);
  if (n < -32768 || n > 65535) InvalidCall();
  if (n < 0) n += 65536;
  return Variant(std::u16string(1, static_cast<char16_t>(n)));
}

bool KeptByEscape(char16_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
         (c < 0x80 && std::string_view("@*_+-./").find(static_cast<char>(c)) != npos);
}

Variant Escape(CallContext&, Args a) {
  std::u16string s = TextArg(a[0]), out;
  char buf[8];
  for (char16_t c : s) {
    if (KeptByEscape(c)) {
      out.push_back(c);
      continue;
    }
    if (c < 256)
      std::snprintf(buf, sizeof buf, "%%%02X", static_cast<unsigned>(c));
    else
      std::snprintf(buf, sizeof buf, "%%u%04X", static_cast<unsigned>(c));
    for (const char* p = buf; *p; ++p) out.push_back(static_cast<char16_t>(*p));
  }
  return Variant(std::move(out));
}

int HexDigit(char16_t c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Value of `n` hex digits at s[at], or -1 when they are not all there.
int HexRun(const std::u16string& s, size_t at, int n) {
  if (at + n > s.size()) return -1;
  int v = 0;
  for (int i = 0; i < n; ++i) {
    int d = HexDigit(s[at + i]);
    if (d < 0) return -1;
    v = v * 16 + d;
  }
  return v;
}

Variant Unescape(CallContext&, Args a) {
  std::u16string s = TextArg(a[0]), out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '%') {
      if (i + 1 < s.size() && (s[i + 1] == 'u' || s[i + 1] == 'U')) {
        int v = HexRun(s, i + 2, 4);
        if (v >= 0) {
          out.push_back(static_cast<char16_t>(v));
          i += 5;
          continue;
        }
      }
      int v = HexRun(s, i + 1, 2);
      if (v >= 0) {
        out.push_back(static_cast<char16_t>(v));
        i += 2;
        continue;
      }
    }
    out.push_back(s[i]);
  }
  return Variant(std::move(out));
}

}  // namespace

void RegisterLibStrings(BuiltinTable& t) {
  t.AddFunction("InStr", 2, 4, InStr);
  t.AddFunction("InStrB", 2, 4, InStrB);
  t.AddFunction("InStrRev", 2, 4, InStrRev);
  t.AddFunction("Replace", 3, 6, Replace);
  t.AddFunction("StrComp", 2, 3, StrComp);
  t.AddFunction("String", 2, 2, String);
  t.AddFunction("StrReverse", 1, 1, StrReverse);
  t.AddFunction("LenB", 1, 1, LenB);
  t.AddFunction("LeftB", 2, 2, LeftB);
  t.AddFunction("RightB", 2, 2, RightB);
  t.AddFunction("MidB", 2, 3, MidB);
  t.AddFunction("AscB", 1, 1, AscB);
  t.AddFunction("AscW", 1, 1, AscW);
  t.AddFunction("ChrB", 1, 1, ChrB);
  t.AddFunction("ChrW", 1, 1, ChrW);
  t.AddFunction("Escape", 1, 1, Escape);
  t.AddFunction("Unescape", 1, 1, Unescape);
}

}  // namespace sw::vbs::lib
