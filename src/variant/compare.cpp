// Comparison of variants and strings by the language's rules.
#include "variant/case_fold.h"
#include "variant/variant.h"

namespace sw {
namespace {

// UTF-16 code units of Windows-1252 bytes 0x80..0x9F; other bytes map to themselves.
constexpr uint16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

uint16_t Unit(unsigned char c) {
  return (c >= 0x80 && c < 0xA0) ? kCp1252High[c - 0x80] : c;
}

CmpResult Sign(double a, double b) {
  return a < b ? CmpResult::Less : (a > b ? CmpResult::Greater : CmpResult::Equal);
}

CmpResult FromInt(int c) {
  return c < 0 ? CmpResult::Less : (c > 0 ? CmpResult::Greater : CmpResult::Equal);
}

}  // namespace

unsigned char FoldCase1252(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  switch (c) {
    case 0x8A:
      return 0x9A;
    case 0x8C:
      return 0x9C;
    case 0x8E:
      return 0x9E;
    case 0x9F:
      return 0xFF;
    default:
      return c;
  }
}

int CompareStrings(std::string_view a, std::string_view b, bool textCompare) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (textCompare) x = FoldCase1252(x), y = FoldCase1252(y);
    if (x != y) return Unit(x) < Unit(y) ? -1 : 1;
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
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
  if (as && br.IsEmpty()) return FromInt(CompareStrings(ar.AsString(), "", textCompare));
  if (bs && ar.IsEmpty()) return FromInt(CompareStrings("", br.AsString(), textCompare));
  if (!as && !bs) {
    if (ar.type() == VarType::Error || br.type() == VarType::Error)
      throw VbError(vberr::kTypeMismatch);
    if (ar.type() == VarType::Currency && br.type() == VarType::Currency) {
      int64_t x = ar.AsCurrencyScaled(), y = br.AsCurrencyScaled();
      return FromInt((x > y) - (x < y));
    }
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
