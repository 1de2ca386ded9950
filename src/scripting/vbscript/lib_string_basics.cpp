// String built-ins working on ANSI text, one byte per character: Len, Mid, Left, Right,
// Chr, Asc, UCase, LCase, Trim, LTrim, RTrim, Space.
#include "base/cp1252.h"
#include "scripting/vbscript/lib_register.h"

namespace sw::vbs {
namespace {

// Text of a string argument (numbers use their text).
std::string Text(const Variant& v) {
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
  std::string s = Text(a[0]);
  if (static_cast<size_t>(start) > s.size()) return Variant(std::string());
  return Variant(s.substr(start - 1, len < 0 ? std::string::npos : static_cast<size_t>(len)));
}

Variant Left(CallContext&, Args a) {
  int32_t n = Count(a[1]);
  if (n < 0) throw VbError(vberr::kInvalidProcedureCall);
  if (a[0].IsNull()) return Variant::Null();
  std::string s = Text(a[0]);
  return Variant(s.substr(0, static_cast<size_t>(n)));
}

Variant Right(CallContext&, Args a) {
  int32_t n = Count(a[1]);
  if (n < 0) throw VbError(vberr::kInvalidProcedureCall);
  if (a[0].IsNull()) return Variant::Null();
  std::string s = Text(a[0]);
  size_t k = static_cast<size_t>(n) > s.size() ? s.size() : static_cast<size_t>(n);
  return Variant(s.substr(s.size() - k));
}

Variant Chr(CallContext&, Args a) {
  int32_t n = Count(a[0]);
  if (n < 0 || n > 255) throw VbError(vberr::kInvalidProcedureCall);
  return Variant(std::string(1, static_cast<char>(n)));
}

Variant Asc(CallContext&, Args a) {
  if (a[0].IsNull()) throw VbError(vberr::kInvalidUseOfNull);
  std::string s = Text(a[0]);
  if (s.empty()) throw VbError(vberr::kInvalidProcedureCall);
  return Variant(static_cast<int16_t>(static_cast<unsigned char>(s[0])));
}

Variant UCase(CallContext&, Args a) {
  if (a[0].IsNull()) return Variant::Null();
  std::string s = Text(a[0]);
  for (char& c : s) c = static_cast<char>(UpperCase1252(static_cast<unsigned char>(c)));
  return Variant(std::move(s));
}

Variant LCase(CallContext&, Args a) {
  if (a[0].IsNull()) return Variant::Null();
  return Variant(FoldCase1252(Text(a[0])));
}

Variant Trimmed(const Variant& v, bool left, bool right) {
  if (v.IsNull()) return Variant::Null();
  std::string s = Text(v);
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
  if (a[0].IsEmpty()) return Variant(std::string());
  int32_t n = Count(a[0]);
  if (n < 0) throw VbError(vberr::kInvalidProcedureCall);
  return Variant(std::string(static_cast<size_t>(n), ' '));
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
