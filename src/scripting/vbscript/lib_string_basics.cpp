// String built-ins counting UTF-16 code units: Len, Mid, Left, Right, UCase, LCase, Trim,
// LTrim, RTrim, Space; and Chr and Asc, which go through the game's ANSI code page.
#include "base/unicode_case.h"
#include "scripting/vbscript/builtins.h"
#include "scripting/vbscript/lib_register.h"
#include "scripting/vbscript/runtime.h"

namespace sw::vbs {
namespace {

// Text of a string argument (numbers use their text).
std::u16string Text(const Variant& v) {
  return v.ToText();
}

int32_t Count(const Variant& v) {
  if (v.IsNull()) throw VbError(vberr::kInvalidUseOfNull);
  return v.ToLong();
}

Variant Len(CallContext&, Args a) {
  if (a[0].IsNull()) return Variant::Null();
  if (a[0].IsString()) return Variant(static_cast<int32_t>(a[0].AsString().size()));
  return Variant(static_cast<int32_t>(Text(a[0]).size()));
}

Variant Mid(CallContext&, Args a) {
  int32_t start = Count(a[1]);
  if (a[1].IsEmpty() || start < 1) throw VbError(vberr::kInvalidProcedureCall);
  int32_t len = -1;
  if (a.size() > 2) {
    len = Count(a[2]);
    if (len < 0) throw VbError(vberr::kInvalidProcedureCall);
  }
  if (a[0].IsNull()) return Variant::Null();
  std::u16string s = Text(a[0]);
  if (static_cast<size_t>(start) > s.size()) return Variant(std::u16string());
  return Variant(s.substr(start - 1, len < 0 ? std::u16string::npos : static_cast<size_t>(len)));
}

Variant Left(CallContext&, Args a) {
  int32_t n = Count(a[1]);
  if (n < 0) throw VbError(vberr::kInvalidProcedureCall);
  if (a[0].IsNull()) return Variant::Null();
  std::u16string s = Text(a[0]);
  return Variant(s.substr(0, static_cast<size_t>(n)));
}

Variant Right(CallContext&, Args a) {
  int32_t n = Count(a[1]);
  if (n < 0) throw VbError(vberr::kInvalidProcedureCall);
  if (a[0].IsNull()) return Variant::Null();
  std::u16string s = Text(a[0]);
  size_t k = static_cast<size_t>(n) > s.size() ? s.size() : static_cast<size_t>(n);
  return Variant(s.substr(s.size() - k));
}

// One character of the code page: a byte, or in a double-byte code page a lead and a trail
// byte given as one number (-32768..-1 stand for n + 65536). A lead byte alone is no
// character.
Variant Chr(CallContext& c, Args a) {
  int32_t n = Count(a[0]);
  const CodePage& page = c.rt.host()->code_page();
  std::string bytes;
  if (n >= 0 && n <= 255) {
    if (page.IsLeadByte(static_cast<unsigned char>(n))) throw VbError(vberr::kInvalidProcedureCall);
    bytes.assign(1, static_cast<char>(n));
  } else if (n >= -32768 && n <= 65535) {
    if (n < 0) n += 65536;
    if (!page.IsLeadByte(static_cast<unsigned char>(n >> 8)))
      throw VbError(vberr::kInvalidProcedureCall);
    bytes = {static_cast<char>(n >> 8), static_cast<char>(n & 0xFF)};
  } else {
    throw VbError(vberr::kInvalidProcedureCall);
  }
  return Variant(page.Decode(bytes));
}

// The code-page value of the first character: a byte, or lead * 256 + trail as a signed
// Integer for a two-byte character; a character the code page lacks gives "?".
Variant Asc(CallContext& c, Args a) {
  if (a[0].IsNull()) throw VbError(vberr::kInvalidUseOfNull);
  std::u16string s = Text(a[0]);
  if (s.empty()) throw VbError(vberr::kInvalidProcedureCall);
  if (s[0] < 0x80) return Variant(static_cast<int16_t>(s[0]));
  size_t n = s[0] >= 0xD800 && s[0] <= 0xDBFF && s.size() > 1 ? 2 : 1;
  std::string bytes = c.rt.host()->code_page().Encode(std::u16string_view(s).substr(0, n));
  if (bytes.empty()) return Variant(int16_t{'?'});
  int v = static_cast<unsigned char>(bytes[0]);
  if (bytes.size() > 1) v = v * 256 + static_cast<unsigned char>(bytes[1]);
  return Variant(static_cast<int16_t>(v > 32767 ? v - 65536 : v));
}

Variant UCase(CallContext&, Args a) {
  if (a[0].IsNull()) return Variant::Null();
  return Variant(UpperCase(Text(a[0])));
}

Variant LCase(CallContext&, Args a) {
  if (a[0].IsNull()) return Variant::Null();
  return Variant(LowerCase(Text(a[0])));
}

Variant Trimmed(const Variant& v, bool left, bool right) {
  if (v.IsNull()) return Variant::Null();
  std::u16string s = Text(v);
  size_t b = 0, e = s.size();
  if (left)
    while (b < e && s[b] == ' ') ++b;
  if (right)
    while (e > b && s[e - 1] == ' ') --e;
  return Variant(s.substr(b, e - b));
}

Variant Trim(CallContext&, Args a) {
  return Trimmed(a[0], true, true);
}
Variant LTrim(CallContext&, Args a) {
  return Trimmed(a[0], true, false);
}
Variant RTrim(CallContext&, Args a) {
  return Trimmed(a[0], false, true);
}

Variant Space(CallContext&, Args a) {
  if (a[0].IsEmpty()) return Variant(std::u16string());
  int32_t n = Count(a[0]);
  if (n < 0) throw VbError(vberr::kInvalidProcedureCall);
  return Variant(std::u16string(static_cast<size_t>(n), u' '));
}

}  // namespace

namespace lib {

void RegisterLibStringBasics(BuiltinTable& t) {
  t.AddFunction("Len", 1, 1, Len);
  t.AddFunction("Mid", 2, 3, Mid);
  t.AddFunction("Left", 2, 2, Left);
  t.AddFunction("Right", 2, 2, Right);
  t.AddFunction("Chr", 1, 1, Chr);
  t.AddFunction("Asc", 1, 1, Asc);
  t.AddFunction("UCase", 1, 1, UCase);
  t.AddFunction("LCase", 1, 1, LCase);
  t.AddFunction("Trim", 1, 1, Trim);
  t.AddFunction("LTrim", 1, 1, LTrim);
  t.AddFunction("RTrim", 1, 1, RTrim);
  t.AddFunction("Space", 1, 1, Space);
}

}  // namespace lib

}  // namespace sw::vbs
