// String functions beyond the basics: InStr, InStrRev, Replace, StrComp, String, StrReverse,
// the byte (B) and wide (W) variants, Escape and Unescape.
#include <algorithm>
#include <cstdio>
#include <new>
#include <optional>

#include "base/cp1252.h"
#include "scripting/vbscript/lib_args.h"
#include "scripting/vbscript/lib_register.h"
#include "scripting/vbscript/lib_text.h"

namespace sw::vbs::lib {
namespace {

constexpr size_t npos = std::string::npos;

// InStr and InStrB share the argument rules: [start,] s1, s2[, compare]; InStrB counts
// `start` in bytes. Returns the 1-based character position, 0 when absent, or nullopt for a
// Null text.
std::optional<int32_t> InStrPos(Args a, bool bytes) {
  size_t base = a.size() >= 3 ? 1 : 0;
  int32_t start = 1;
  if (base) {
    start = LongArg(a[0]);
    if (start < 1) InvalidCall();
    if (bytes) start = start / 2 + 1;
  }
  bool text = TextCompareArg(a, 3);
  const Variant& s1 = a[base];
  const Variant& s2 = a[base + 1];
  if (s1.IsNull() || s2.IsNull()) return std::nullopt;
  std::string hay = s1.ToString(), needle = s2.ToString();
  if (static_cast<size_t>(start) > hay.size()) return 0;
  size_t at = FindText(hay, needle, static_cast<size_t>(start - 1), text);
  return at == npos ? 0 : static_cast<int32_t>(at + 1);
}

Variant InStr(CallContext&, Args a) {
  auto p = InStrPos(a, false);
  return p ? Variant(*p) : Variant::Null();
}

// Byte positions count two bytes per character, as in the UTF-16 text of the Windows engine.
Variant InStrB(CallContext&, Args a) {
  auto p = InStrPos(a, true);
  if (!p) return Variant::Null();
  return Variant(*p == 0 ? 0 : *p * 2 - 1);
}

Variant InStrRev(CallContext&, Args a) {
  std::string hay = TextArg(a[0]), needle = TextArg(a[1]);
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
  std::string s = TextArg(a[0]), find = TextArg(a[1]), with = TextArg(a[2]);
  int32_t start = Has(a, 3) ? LongArg(a[3]) : 1;
  if (start < 1) InvalidCall();
  int32_t count = Has(a, 4) ? LongArg(a[4]) : -1;
  if (count < -1) InvalidCall();
  bool text = TextCompareArg(a, 5);
  if (static_cast<size_t>(start) > s.size()) return Variant(std::string());
  std::string_view rest = std::string_view(s).substr(static_cast<size_t>(start - 1));
  if (find.empty() || count == 0) return Variant(std::string(rest));
  std::string out;
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

Variant String(CallContext&, Args a) {
  if (a[0].IsNull() || a[1].IsNull()) return Variant::Null();
  int32_t n = a[0].ToLong();
  char ch;
  const Variant& c = a[1];
  if (c.IsString() || c.IsEmpty()) {
    std::string s = c.ToString();
    if (s.empty()) InvalidCall();
    ch = s[0];
  } else {
    int32_t code = c.ToLong();
    if (code < 0) InvalidCall();
    ch = static_cast<char>(code % 256);
  }
  if (n < 0) InvalidCall();
  try {
    return Variant(std::string(static_cast<size_t>(n), ch));
  } catch (const std::bad_alloc&) {
    throw VbError(vberr::kOutOfMemory);
  }
}

Variant StrReverse(CallContext&, Args a) {
  std::string s = TextArg(a[0]);
  std::reverse(s.begin(), s.end());
  return Variant(std::move(s));
}

Variant LenB(CallContext&, Args a) {
  if (a[0].IsNull()) return Variant::Null();
  return Variant(static_cast<int32_t>(a[0].ToString().size() * 2));
}

// LeftB, RightB, MidB: byte counts cover whole characters (an odd byte count drops the
// half character the ANSI text cannot hold).
Variant LeftB(CallContext&, Args a) {
  int32_t n = LongArg(a[1]);
  if (n < 0) InvalidCall();
  if (a[0].IsNull()) return Variant::Null();
  std::string s = a[0].ToString();
  return Variant(s.substr(0, static_cast<size_t>(n / 2)));
}

Variant RightB(CallContext&, Args a) {
  int32_t n = LongArg(a[1]);
  if (n < 0) InvalidCall();
  if (a[0].IsNull()) return Variant::Null();
  std::string s = a[0].ToString();
  size_t k = std::min(s.size(), static_cast<size_t>(n / 2));
  return Variant(s.substr(s.size() - k));
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
  std::string s = a[0].ToString();
  size_t first = static_cast<size_t>(start - 1) / 2;
  if (first >= s.size()) return Variant(std::string());
  return Variant(s.substr(first, len < 0 ? npos : static_cast<size_t>(len / 2)));
}

unsigned char FirstChar(const Variant& v) {
  std::string s = TextArg(v);
  if (s.empty()) InvalidCall();
  return static_cast<unsigned char>(s[0]);
}

Variant AscB(CallContext&, Args a) {
  return Variant::FromByte(static_cast<uint8_t>(UnitOf1252(FirstChar(a[0])) & 0xFF));
}

Variant AscW(CallContext&, Args a) {
  return Variant(static_cast<int16_t>(UnitOf1252(FirstChar(a[0]))));
}

Variant ChrB(CallContext&, Args a) {
  int32_t n = LongArg(a[0]);
  if (n < 0 || n > 255) throw VbError(vberr::kOverflow);
  return Variant(std::string(1, static_cast<char>(n)));
}

Variant ChrW(CallContext&, Args a) {
  int32_t n = LongArg(a[0]);
  if (n < -32768 || n > 65535) InvalidCall();
  if (n < 0) n += 65536;
  return Variant(std::string(1, ByteOf1252(static_cast<uint16_t>(n))));
}

bool KeptByEscape(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
         std::string_view("@*_+-./").find(static_cast<char>(c)) != std::string_view::npos;
}

Variant Escape(CallContext&, Args a) {
  std::string s = TextArg(a[0]), out;
  char buf[8];
  for (char ch : s) {
    unsigned char c = static_cast<unsigned char>(ch);
    uint16_t unit = UnitOf1252(c);
    if (KeptByEscape(c)) {
      out.push_back(ch);
    } else if (unit < 256) {
      std::snprintf(buf, sizeof buf, "%%%02X", unit);
      out += buf;
    } else {
      std::snprintf(buf, sizeof buf, "%%u%04X", unit);
      out += buf;
    }
  }
  return Variant(std::move(out));
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Value of `n` hex digits at s[at], or -1 when they are not all there.
int HexRun(const std::string& s, size_t at, int n) {
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
  std::string s = TextArg(a[0]), out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '%') {
      if (i + 1 < s.size() && (s[i + 1] == 'u' || s[i + 1] == 'U')) {
        int v = HexRun(s, i + 2, 4);
        if (v >= 0) {
          out.push_back(ByteOf1252(static_cast<uint16_t>(v)));
          i += 5;
          continue;
        }
      }
      int v = HexRun(s, i + 1, 2);
      if (v >= 0) {
        out.push_back(ByteOf1252(static_cast<uint16_t>(v)));
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
