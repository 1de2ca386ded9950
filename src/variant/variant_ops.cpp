#include "variant/variant_ops.h"

#include <cmath>
#include <limits>

namespace sw::ops {
namespace {

enum Rank { kByte = 0, kInt = 1, kLong = 2, kSingle = 3, kDouble = 4, kCurrency = 5 };

struct Num {
  Rank rank;
  bool date = false;
  int64_t i = 0;   // Byte, Integer, Long
  double d = 0;    // Single, Double, Date
  int64_t cy = 0;  // Currency (scaled)
  double AsDouble() const {
    switch (rank) {
      case kByte:
      case kInt:
      case kLong:
        return static_cast<double>(i);
      case kCurrency:
        return static_cast<double>(cy) / 10000.0;
      default:
        return d;
    }
  }
};

Num ToNum(const Variant& v0) {
  const Variant& v = v0.Deref();
  switch (v.type()) {
    case VarType::Empty:
      return {kInt};
    case VarType::Boolean:
    case VarType::Integer:
      return {kInt, false, v.AsInteger()};
    case VarType::Byte:
      return {kByte, false, v.AsByte()};
    case VarType::Long:
      return {kLong, false, v.AsLong()};
    case VarType::Single:
      return {kSingle, false, 0, v.AsSingle()};
    case VarType::Double:
      return {kDouble, false, 0, v.AsDouble()};
    case VarType::Date:
      return {kDouble, true, 0, v.AsDateSerial()};
    case VarType::Currency:
      return {kCurrency, false, 0, 0, v.AsCurrencyScaled()};
    case VarType::String:
      return {kDouble, false, 0, v.ToDouble()};
    case VarType::Object: {
      Variant d = v.DefaultValue();
      if (d.IsNull()) throw VbError(vberr::kInvalidUseOfNull);
      return ToNum(d);
    }
    default:
      throw VbError(vberr::kTypeMismatch);
  }
}

Variant FromDouble(double r, bool date) {
  if (!std::isfinite(r)) throw VbError(vberr::kOverflow);
  return date ? Variant::FromDate(r) : Variant(r);
}

enum class Op { kAdd, kSub, kMul };

Variant Arith(Op op, const Variant& a0, const Variant& b0) {
  const Variant& a = a0.Deref();
  const Variant& b = b0.Deref();
  if (a.IsNull() || b.IsNull()) return Variant::Null();
  if (op == Op::kAdd && a.IsString() && b.IsString()) return Variant(a.AsString() + b.AsString());
  Num x = ToNum(a), y = ToNum(b);
  if (a.IsNull() || b.IsNull()) return Variant::Null();
  Rank r = x.rank > y.rank ? x.rank : y.rank;
  if ((x.rank == kLong && y.rank == kSingle) || (x.rank == kSingle && y.rank == kLong)) r = kDouble;
  bool date = false;
  if (op != Op::kMul && (x.date || y.date)) date = !(op == Op::kSub && x.date && y.date);
  if (r <= kLong) {
    int64_t v = op == Op::kAdd ? x.i + y.i : op == Op::kSub ? x.i - y.i : x.i * y.i;
    return FitInteger(v, r);
  }
  if (r == kCurrency) {
    if (op != Op::kMul && x.rank == kCurrency && y.rank == kCurrency) {
      int64_t v;
      bool ovf = op == Op::kAdd ? __builtin_add_overflow(x.cy, y.cy, &v)
                                : __builtin_sub_overflow(x.cy, y.cy, &v);
      if (ovf) throw VbError(vberr::kOverflow);
      return Variant::FromCurrencyScaled(v);
    }
    long double p = static_cast<long double>(x.AsDouble());
    long double q = static_cast<long double>(y.AsDouble());
    long double v = op == Op::kAdd ? p + q : op == Op::kSub ? p - q : p * q;
    return Variant::FromCurrency(static_cast<double>(v));
  }
  double p = x.AsDouble(), q = y.AsDouble();
  double v = op == Op::kAdd ? p + q : op == Op::kSub ? p - q : p * q;
  if (r == kSingle && !date) {
    if (std::fabs(v) <= std::numeric_limits<float>::max()) return Variant(static_cast<float>(v));
    return FromDouble(v, false);
  }
  return FromDouble(v, date);
}

// Operand of a logical operator: its kind and its bits.
struct Bits {
  enum Kind { kNull, kBool, kByte, kInt, kLong } kind;
  int32_t v = 0;
};

Bits ToBits(const Variant& v0) {
  const Variant& v = v0.Deref();
  switch (v.type()) {
    case VarType::Null:
      return {Bits::kNull};
    case VarType::Boolean:
      return {Bits::kBool, v.AsInteger()};
    case VarType::Byte:
      return {Bits::kByte, v.AsByte()};
    case VarType::Integer:
      return {Bits::kInt, v.AsInteger()};
    case VarType::Empty:
      return {Bits::kLong, 0};
    case VarType::Object:
      return ToBits(v.DefaultValue());
    case VarType::Array:
    case VarType::Error:
      throw VbError(vberr::kTypeMismatch);
    case VarType::String:
      // Numeric text is a Long; "True", "#FALSE#" and the like are Booleans.
      try {
        return {Bits::kLong, v.ToLong()};
      } catch (const VbError& e) {
        if (e.number() != vberr::kTypeMismatch) throw;
        return {Bits::kBool, v.ToBool() ? -1 : 0};
      }
    default:
      return {Bits::kLong, v.ToLong()};
  }
}

Variant MakeBits(Bits::Kind k, int32_t v) {
  switch (k) {
    case Bits::kBool:
      return Variant(v != 0);
    case Bits::kByte:
      return Variant::FromByte(static_cast<uint8_t>(v));
    case Bits::kInt:
      return Variant(static_cast<int16_t>(v));
    default:
      return Variant(v);
  }
}

Bits::Kind Join(Bits::Kind a, Bits::Kind b) {
  if (a == b) return a;
  if (a == Bits::kLong || b == Bits::kLong) return Bits::kLong;
  return Bits::kInt;  // mixes of Boolean, Byte and Integer
}

bool AllOnes(const Bits& b) {
  return b.kind == Bits::kByte ? b.v == 0xFF : b.v == -1;
}

enum class LOp { kAnd, kOr, kXor, kEqv, kImp };

Variant Logical(LOp op, const Variant& a, const Variant& b) {
  Bits x = ToBits(a), y = ToBits(b);
  if (x.kind == Bits::kNull || y.kind == Bits::kNull) {
    if (x.kind == Bits::kNull && y.kind == Bits::kNull) return Variant::Null();
    const Bits& o = x.kind == Bits::kNull ? y : x;
    switch (op) {
      case LOp::kAnd:
        return o.v == 0 ? MakeBits(o.kind, 0) : Variant::Null();
      case LOp::kOr:
        return AllOnes(o) ? MakeBits(o.kind, o.v) : Variant::Null();
      case LOp::kXor:
      case LOp::kEqv:
        return Variant::Null();
      case LOp::kImp:
        if (y.kind == Bits::kNull) {  // x Imp Null = (Not x) Or Null
          if (x.kind == Bits::kByte) return MakeBits(Bits::kByte, ~x.v & 0xFF);
          Bits n{x.kind, ~x.v};
          return AllOnes(n) ? MakeBits(n.kind, n.v) : Variant::Null();
        }
        return AllOnes(y) ? MakeBits(y.kind, y.v) : Variant::Null();
    }
  }
  Bits::Kind k = Join(x.kind, y.kind);
  int32_t v = 0;
  switch (op) {
    case LOp::kAnd:
      v = x.v & y.v;
      break;
    case LOp::kOr:
      v = x.v | y.v;
      break;
    case LOp::kXor:
      v = x.v ^ y.v;
      break;
    case LOp::kEqv:
      v = ~(x.v ^ y.v);
      break;
    case LOp::kImp:
      v = ~x.v | y.v;
      break;
  }
  if (k == Bits::kByte) v &= 0xFF;
  return MakeBits(k, v);
}

// Operand of `\` and Mod: rounded to a whole number; `small` when it keeps the result an Integer.
int64_t WholeOperand(const Variant& v0, bool& small) {
  const Variant& v = v0.Deref();
  switch (v.type()) {
    case VarType::Empty:
      return 0;
    case VarType::Boolean:
    case VarType::Integer:
      return v.AsInteger();
    case VarType::Byte:
      return v.AsByte();
    default:
      small = false;
      return v.ToLong();
  }
}

}  // namespace

Variant FitInteger(int64_t v, int min_rank) {
  if (min_rank <= kByte && v >= 0 && v <= 255) return Variant::FromByte(static_cast<uint8_t>(v));
  if (min_rank <= kInt && v >= -32768 && v <= 32767) return Variant(static_cast<int16_t>(v));
  if (v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max())
    return Variant(static_cast<int32_t>(v));
  return Variant(static_cast<double>(v));
}

Variant Add(const Variant& a, const Variant& b) {
  return Arith(Op::kAdd, a, b);
}
Variant Sub(const Variant& a, const Variant& b) {
  return Arith(Op::kSub, a, b);
}
Variant Mul(const Variant& a, const Variant& b) {
  return Arith(Op::kMul, a, b);
}

Variant Div(const Variant& a0, const Variant& b0) {
  const Variant& a = a0.Deref();
  const Variant& b = b0.Deref();
  if (a.IsNull() || b.IsNull()) return Variant::Null();
  Num x = ToNum(a), y = ToNum(b);
  double q = y.AsDouble(), p = x.AsDouble();
  if (q == 0) throw VbError(p == 0 ? vberr::kOverflow : vberr::kDivisionByZero);
  double r = p / q;
  if (x.rank == kSingle && y.rank == kSingle && std::fabs(r) <= std::numeric_limits<float>::max())
    return Variant(static_cast<float>(r));
  return FromDouble(r, false);
}

Variant IntDiv(const Variant& a, const Variant& b) {
  if (a.Deref().IsNull() || b.Deref().IsNull()) return Variant::Null();
  bool small = true;
  int64_t x = WholeOperand(a, small), y = WholeOperand(b, small);
  if (y == 0) throw VbError(vberr::kDivisionByZero);
  int64_t r = x / y;
  if (small && r >= -32768 && r <= 32767) return Variant(static_cast<int16_t>(r));
  if (r > std::numeric_limits<int32_t>::max()) throw VbError(vberr::kOverflow);
  return Variant(static_cast<int32_t>(r));
}

Variant Mod(const Variant& a, const Variant& b) {
  if (a.Deref().IsNull() || b.Deref().IsNull()) return Variant::Null();
  bool small = true;
  int64_t x = WholeOperand(a, small), y = WholeOperand(b, small);
  if (y == 0) throw VbError(vberr::kDivisionByZero);
  int64_t r = x % y;
  if (small) return Variant(static_cast<int16_t>(r));
  return Variant(static_cast<int32_t>(r));
}

Variant Pow(const Variant& a, const Variant& b) {
  if (a.Deref().IsNull() || b.Deref().IsNull()) return Variant::Null();
  double x = ToNum(a).AsDouble(), y = ToNum(b).AsDouble();
  if (x < 0 && y != std::floor(y)) throw VbError(vberr::kInvalidProcedureCall);
  if (x == 0 && y < 0) throw VbError(vberr::kInvalidProcedureCall);
  return FromDouble(std::pow(x, y), false);
}

namespace {

// Appends the text of a value as `&` joins it: Null adds nothing, whole numbers are written
// digit by digit with no temporary string.
void AppendText(std::u16string& out, const Variant& v) {
  int32_t n;
  switch (v.type()) {
    case VarType::String:
      out.append(v.AsString());
      return;
    case VarType::Integer:
      n = v.AsInteger();
      break;
    case VarType::Long:
      n = v.AsLong();
      break;
    default:
      out.append(v.ToText());
      return;
  }
  char16_t digits[12];
  char16_t* p = digits + 12;
  uint32_t u = n < 0 ? 0u - static_cast<uint32_t>(n) : static_cast<uint32_t>(n);
  do {
    *--p = static_cast<char16_t>(u'0' + u % 10);
    u /= 10;
  } while (u != 0);
  if (n < 0) *--p = u'-';
  out.append(p, digits + 12);
}

}  // namespace

Variant Concat(const Variant& a0, const Variant& b0) {
  const Variant& a = a0.Deref();
  const Variant& b = b0.Deref();
  if (a.IsNull() && b.IsNull()) return Variant::Null();
  if (a.IsArray() || b.IsArray()) throw VbError(vberr::kTypeMismatch);
  // Strings are joined byte by byte: a string with an odd byte shifts what follows.
  if (a.HasExtraByte() || b.HasExtraByte()) return Variant::FromBytes(a.ToBytes() + b.ToBytes());
  std::u16string s;
  s.reserve((a.IsString() ? a.AsString().size() : 16) + (b.IsString() ? b.AsString().size() : 16));
  // An object converts through its default member, which may fail: the right side is
  // converted first, so that of two failing sides the right one's error is reported.
  if (b.IsObject()) {
    std::u16string right = b.ToText();
    AppendText(s, a);
    s.append(right);
  } else {
    AppendText(s, a);
    AppendText(s, b);
  }
  return Variant(std::move(s));
}

Variant Neg(const Variant& a0) {
  const Variant& a = a0.Deref();
  switch (a.type()) {
    case VarType::Null:
      return Variant::Null();
    case VarType::Empty:
      return Variant(int16_t{0});
    case VarType::Boolean:
    case VarType::Integer:
      return FitInteger(-static_cast<int64_t>(a.AsInteger()), kInt);
    case VarType::Byte:
      return FitInteger(-static_cast<int64_t>(a.AsByte()), kInt);
    case VarType::Long:
      return FitInteger(-static_cast<int64_t>(a.AsLong()), kLong);
    case VarType::Single:
      return Variant(-a.AsSingle());
    case VarType::Double:
      return Variant(-a.AsDouble());
    case VarType::Date:
      return Variant::FromDate(-a.AsDateSerial());
    case VarType::Currency:
      if (a.AsCurrencyScaled() == std::numeric_limits<int64_t>::min())
        throw VbError(vberr::kOverflow);
      return Variant::FromCurrencyScaled(-a.AsCurrencyScaled());
    case VarType::String:
      return Variant(-a.ToDouble());
    case VarType::Object:
      return Neg(a.DefaultValue());
    default:
      throw VbError(vberr::kTypeMismatch);
  }
}

Variant Not(const Variant& a) {
  Bits x = ToBits(a);
  if (x.kind == Bits::kNull) return Variant::Null();
  return MakeBits(x.kind, x.kind == Bits::kByte ? (~x.v & 0xFF) : ~x.v);
}

Variant And(const Variant& a, const Variant& b) {
  return Logical(LOp::kAnd, a, b);
}
Variant Or(const Variant& a, const Variant& b) {
  return Logical(LOp::kOr, a, b);
}
Variant Xor(const Variant& a, const Variant& b) {
  return Logical(LOp::kXor, a, b);
}
Variant Eqv(const Variant& a, const Variant& b) {
  return Logical(LOp::kEqv, a, b);
}
Variant Imp(const Variant& a, const Variant& b) {
  return Logical(LOp::kImp, a, b);
}

}  // namespace sw::ops
