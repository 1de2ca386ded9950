// Numeric functions: Atn, Cos, Sin, Tan, Exp, Log, Sqr, Sgn, Round, Rnd, Hex, Oct and RGB.
#include <cmath>
#include <optional>

#include "scripting/vbscript/lib_args.h"
#include "scripting/vbscript/lib_register.h"
#include "scripting/vbscript/runtime.h"

namespace sw::vbs::lib {
namespace {

double Num(const Variant& v) {
  return NotNull(v).ToDouble();
}

Variant Finite(double r) {
  if (!std::isfinite(r)) throw VbError(vberr::kOverflow);
  return Variant(r);
}

Variant Atn(CallContext&, Args a) {
  return Variant(std::atan(Num(a[0])));
}
Variant Cos(CallContext&, Args a) {
  return Variant(std::cos(Num(a[0])));
}
Variant Sin(CallContext&, Args a) {
  return Variant(std::sin(Num(a[0])));
}
Variant Tan(CallContext&, Args a) {
  return Variant(std::tan(Num(a[0])));
}
Variant Exp(CallContext&, Args a) {
  return Finite(std::exp(Num(a[0])));
}

Variant Log(CallContext&, Args a) {
  double n = Num(a[0]);
  if (n <= 0) InvalidCall();
  return Variant(std::log(n));
}

Variant Sqr(CallContext&, Args a) {
  double n = Num(a[0]);
  if (n < 0) InvalidCall();
  return Variant(std::sqrt(n));
}

Variant Sgn(CallContext&, Args a) {
  double n = Num(a[0]);
  return Variant(static_cast<int16_t>(n > 0 ? 1 : (n < 0 ? -1 : 0)));
}

// Rounds half to even at `places` decimals.
double RoundAt(double v, int places) {
  if (places == 0) return RoundHalfEven(v);
  if (places > 22) return v;
  double scale = std::pow(10.0, places);
  double scaled = v * scale;
  if (!std::isfinite(scaled)) return v;
  return RoundHalfEven(scaled) / scale;
}

Variant Round(CallContext&, Args a) {
  int32_t places = Has(a, 1) ? LongArg(a[1]) : 0;
  if (places < 0) InvalidCall();
  if (a[0].IsNull()) return Variant::Null();
  Variant v = a[0].IsObject() ? a[0].DefaultValue() : a[0];
  switch (v.type()) {
    case VarType::Empty:
      return Variant(int16_t{0});
    case VarType::Integer:
    case VarType::Boolean:
    case VarType::Long:
    case VarType::Byte:
      return v;
    case VarType::Currency: {
      if (places >= 4) return v;
      int64_t unit = places == 0 ? 10000 : (places == 1 ? 1000 : (places == 2 ? 100 : 10));
      int64_t s = v.AsCurrencyScaled();
      int64_t q = s / unit, r = s % unit;
      int64_t twice = 2 * (r < 0 ? -r : r);
      if (twice > unit || (twice == unit && q % 2 != 0)) q += s < 0 ? -1 : 1;
      return Variant::FromCurrencyScaled(q * unit);
    }
    case VarType::Array:
    case VarType::Object:
    case VarType::Error:
      throw VbError(vberr::kTypeMismatch);
    default:
      return Variant(RoundAt(v.ToDouble(), places));
  }
}

Variant Rnd(CallContext& c, Args a) {
  double n = Has(a, 0) ? Num(a[0]) : 1.0;
  return Variant(c.rt.rnd.Next(n));
}

// Hex and Oct: Integer-sized values use 16 bits, everything else 32.
std::optional<uint32_t> Bits(const Variant& v0) {
  if (v0.IsNull()) return std::nullopt;
  Variant v = v0.IsObject() ? v0.DefaultValue() : v0;
  switch (v.type()) {
    case VarType::Empty:
      return 0u;
    case VarType::Integer:
    case VarType::Boolean:
      return static_cast<uint16_t>(v.AsInteger());
    case VarType::Byte:
      return v.AsByte();
    default:
      return static_cast<uint32_t>(v.ToLong());
  }
}

Variant InBase(const Variant& v, int base) {
  auto bits = Bits(v);
  if (!bits) return Variant::Null();
  uint32_t n = *bits;
  std::string out;
  do {
    out.insert(out.begin(), "0123456789ABCDEF"[n % base]);
    n /= base;
  } while (n);
  return Variant(std::move(out));
}

Variant Hex(CallContext&, Args a) {
  return InBase(a[0], 16);
}
Variant Oct(CallContext&, Args a) {
  return InBase(a[0], 8);
}

Variant RGB(CallContext&, Args a) {
  int32_t parts[3];
  for (int i = 0; i < 3; ++i) {
    parts[i] = LongArg(a[i]);
    if (parts[i] < 0) InvalidCall();
    if (parts[i] > 255) parts[i] = 255;
  }
  return Variant(parts[0] + parts[1] * 256 + parts[2] * 65536);
}

}  // namespace

void RegisterLibMath(BuiltinTable& t) {
  t.AddFunction("Atn", 1, 1, Atn);
  t.AddFunction("Cos", 1, 1, Cos);
  t.AddFunction("Sin", 1, 1, Sin);
  t.AddFunction("Tan", 1, 1, Tan);
  t.AddFunction("Exp", 1, 1, Exp);
  t.AddFunction("Log", 1, 1, Log);
  t.AddFunction("Sqr", 1, 1, Sqr);
  t.AddFunction("Sgn", 1, 1, Sgn);
  t.AddFunction("Round", 1, 2, Round);
  t.AddFunction("Rnd", 0, 1, Rnd);
  t.AddFunction("Hex", 1, 1, Hex);
  t.AddFunction("Oct", 1, 1, Oct);
  t.AddFunction("RGB", 3, 3, RGB);
}

}  // namespace sw::vbs::lib
