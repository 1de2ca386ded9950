// Comparison of variants and strings by the language's rules.
#include "base/unicode_case.h"
#include "variant/variant.h"

namespace sw {
namespace {

CmpResult Sign(double a, double b) {
  return a < b ? CmpResult::Less : (a > b ? CmpResult::Greater : CmpResult::Equal);
}

CmpResult FromInt(int c) {
  return c < 0 ? CmpResult::Less : (c > 0 ? CmpResult::Greater : CmpResult::Equal);
}

}  // namespace

int CompareStrings(std::u16string_view a, std::u16string_view b, bool textCompare) {
  if (textCompare) return CompareIgnoringCase(a, b);
  int c = a.compare(b);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

CmpResult Compare(const Variant& a0, const Variant& b0, bool textCompare, unsigned hints) {
  const Variant& ar = a0.Deref();
  const Variant& br = b0.Deref();
  if (ar.IsArray() || br.IsArray()) throw VbError(vberr::kTypeMismatch);
  if (ar.IsNull() || br.IsNull()) return CmpResult::Null;
  // Fast path: two plain integers.
  if (ar.type() == VarType::Integer && br.type() == VarType::Integer)
    return FromInt((ar.AsInteger() > br.AsInteger()) - (ar.AsInteger() < br.AsInteger()));
  if (ar.IsObject() || br.IsObject()) {
    Variant a = ar.DefaultValue(), b = br.DefaultValue();
    return Compare(a, b, textCompare, hints & ~(kLeftNumberLiteral | kRightNumberLiteral));
  }
  bool as = ar.IsString(), bs = br.IsString();
  if (as && bs) return FromInt(CompareStrings(ar.AsString(), br.AsString(), textCompare));
  if (as && br.IsEmpty()) return FromInt(CompareStrings(ar.AsString(), u"", textCompare));
  if (bs && ar.IsEmpty()) return FromInt(CompareStrings(u"", br.AsString(), textCompare));
  if (!as && !bs) {
    if (ar.type() == VarType::Error || br.type() == VarType::Error)
      throw VbError(vberr::kTypeMismatch);
    if (ar.type() == VarType::Currency && br.type() == VarType::Currency) {
      int64_t x = ar.AsCurrencyScaled(), y = br.AsCurrencyScaled();
      return FromInt((x > y) - (x < y));
    }
    // A Single against a Double compares at Single precision: CSng(0.1) = 0.1.
    VarType at = ar.type(), bt = br.type();
    if ((at == VarType::Single && bt == VarType::Double) ||
        (at == VarType::Double && bt == VarType::Single))
      return Sign(static_cast<float>(ar.ToDouble()), static_cast<float>(br.ToDouble()));
    return Sign(ar.ToDouble(), br.ToDouble());
  }
  // One string, one number, date or boolean.
  const Variant& str = as ? ar : br;
  const Variant& num = as ? br : ar;
  bool num_literal = as ? (hints & kRightNumberLiteral) : (hints & kLeftNumberLiteral);
  bool str_literal = as ? (hints & kLeftStringLiteral) : (hints & kRightStringLiteral);
  CmpResult r;
  if (num_literal) {
    auto d = ParseNumber(str.AsString());
    if (!d) throw VbError(vberr::kTypeMismatch);
    r = Sign(*d, num.ToDouble());
  } else if (str_literal) {
    r = FromInt(CompareStrings(str.AsString(), num.ToString(), textCompare));
  } else {
    r = CmpResult::Greater;
  }
  if (!as) r = static_cast<CmpResult>(-static_cast<int>(r));
  return r;
}

}  // namespace sw
