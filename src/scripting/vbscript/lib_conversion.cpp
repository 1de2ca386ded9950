// Conversion and inspection built-ins: CStr, CInt, CLng, CDbl ..., TypeName, VarType, Is*.
#include <cmath>

#include "scripting/vbscript/lib_args.h"
#include "scripting/vbscript/lib_register.h"
#include "variant/vb_array.h"

namespace sw::vbs {
namespace {

// `Call CInt(x)` with a convertible x fails, as the Windows engine does.
Variant Converted(CallContext& c, Variant v) {
  if (c.as_statement) throw VbError(vberr::kUnsupportedAutomationType);
  return v;
}

const Variant& NotNothing(const Variant& v) {
  if (v.IsNothing()) throw VbError(vberr::kObjectNotSet);
  return v;
}

Variant CStr(CallContext&, Args a) {
  return Variant(NotNothing(a[0]).ToString());
}
Variant CInt(CallContext& c, Args a) {
  return Converted(c, Variant(NotNothing(a[0]).ToInteger()));
}
Variant CLng(CallContext& c, Args a) {
  return Converted(c, Variant(NotNothing(a[0]).ToLong()));
}
Variant CDbl(CallContext& c, Args a) {
  return Converted(c, Variant(NotNothing(a[0]).ToDouble()));
}
Variant CSng(CallContext& c, Args a) {
  return Converted(c, Variant(NotNothing(a[0]).ToSingle()));
}
Variant CByte(CallContext& c, Args a) {
  return Converted(c, Variant::FromByte(NotNothing(a[0]).ToByte()));
}
Variant CCur(CallContext& c, Args a) {
  return Converted(c, Variant::FromCurrencyScaled(NotNothing(a[0]).ToCurrencyScaled()));
}
Variant CDate(CallContext& c, Args a) {
  return Converted(c, Variant::FromDate(NotNothing(a[0]).ToDateSerial()));
}
Variant CBool(CallContext&, Args a) {
  return Variant(NotNothing(a[0]).ToBool());
}

Variant TypeName(CallContext&, Args a) {
  return Variant(a[0].TypeName());
}
Variant VarType(CallContext&, Args a) {
  return Variant(static_cast<int16_t>(a[0].VarTypeCode()));
}
Variant IsEmpty(CallContext&, Args a) {
  return Variant(a[0].IsEmpty());
}
Variant IsNull(CallContext&, Args a) {
  return Variant(a[0].IsNull());
}
Variant IsObject(CallContext&, Args a) {
  return Variant(a[0].IsObject());
}
Variant IsArray(CallContext&, Args a) {
  return Variant(a[0].IsArray());
}

Variant IsNumeric(CallContext&, Args a) {
  Variant v;
  if (!lib::TestedValue(a[0], v)) return Variant(false);
  switch (v.type()) {
    case VarType::Empty:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency:
    case VarType::Boolean:
    case VarType::Byte:
      return Variant(true);
    case VarType::String:
      return Variant(ParseNumber(v.AsString()).has_value());
    default:
      return Variant(false);
  }
}

Variant Array(CallContext&, Args a) {
  std::vector<Variant> items;
  items.reserve(a.size());
  for (size_t i = 0; i < a.size(); ++i) items.push_back(a[i]);
  return Variant(VbArray::FromValues(std::move(items)));
}

Variant Bound(Args a, bool upper) {
  Variant v = a[0];
  if (v.IsNothing()) throw VbError(vberr::kObjectNotSet);
  if (v.IsObject()) v = v.DefaultValue();
  if (!v.IsArray()) throw VbError(vberr::kTypeMismatch);
  int dim = a.size() > 1 ? a[1].ToLong() : 1;
  VbArray* arr = v.AsArray();
  return Variant(upper ? arr->UBound(dim) : arr->LBound(dim));
}

Variant UBound(CallContext&, Args a) {
  return Bound(a, true);
}
Variant LBound(CallContext&, Args a) {
  return Bound(a, false);
}

// Abs, Int, Fix keep Integer, Long, Double, Currency subtypes; text gives Double.
Variant Numberish(const Variant& v0) {
  Variant v = v0.IsObject() ? v0.DefaultValue() : v0;
  switch (v.type()) {
    case VarType::Empty:
    case VarType::Boolean:
      return Variant(static_cast<int16_t>(v.IsEmpty() ? 0 : v.AsInteger()));
    case VarType::String:
      return Variant(v.ToDouble());
    case VarType::Array:
    case VarType::Error:
    case VarType::Object:
      throw VbError(vberr::kTypeMismatch);
    default:
      return v;
  }
}

Variant Abs(CallContext&, Args a) {
  if (a[0].IsNull()) return Variant::Null();
  Variant v = Numberish(a[0]);
  switch (v.type()) {
    case VarType::Integer:
      return v.AsInteger() == -32768 ? Variant(int32_t{32768})
                                     : Variant(static_cast<int16_t>(std::abs(v.AsInteger())));
    case VarType::Long:
      return v.AsLong() == INT32_MIN ? Variant(2147483648.0) : Variant(std::abs(v.AsLong()));
    case VarType::Single:
      return Variant(std::fabs(v.AsSingle()));
    case VarType::Currency:
      return Variant::FromCurrencyScaled(std::llabs(v.AsCurrencyScaled()));
    case VarType::Byte:
      return v;
    case VarType::Date:
      return Variant(std::fabs(v.AsDateSerial()));
    default:
      return Variant(std::fabs(v.ToDouble()));
  }
}

Variant Rounded(const Variant& a0, bool floor) {
  if (a0.IsNull()) return Variant::Null();
  Variant v = Numberish(a0);
  auto f = [floor](double d) { return floor ? std::floor(d) : std::trunc(d); };
  switch (v.type()) {
    case VarType::Integer:
    case VarType::Long:
    case VarType::Byte:
      return v;
    case VarType::Single:
      return Variant(static_cast<float>(f(v.AsSingle())));
    case VarType::Currency: {
      double d = f(static_cast<double>(v.AsCurrencyScaled()) / 10000.0);
      return Variant::FromCurrency(d);
    }
    case VarType::Date:
      return Variant::FromDate(f(v.AsDateSerial()));
    default:
      return Variant(f(v.ToDouble()));
  }
}

Variant Int(CallContext&, Args a) {
  return Rounded(a[0], true);
}
Variant Fix(CallContext&, Args a) {
  return Rounded(a[0], false);
}

}  // namespace

namespace lib {

void RegisterLibConversion(BuiltinTable& t) {
  t.AddFunction("CStr", 1, 1, CStr);
  t.AddFunction("CInt", 1, 1, CInt);
  t.AddFunction("CLng", 1, 1, CLng);
  t.AddFunction("CDbl", 1, 1, CDbl);
  t.AddFunction("CSng", 1, 1, CSng);
  t.AddFunction("CByte", 1, 1, CByte);
  t.AddFunction("CCur", 1, 1, CCur);
  t.AddFunction("CDate", 1, 1, CDate);
  t.AddFunction("CBool", 1, 1, CBool);
  t.AddFunction("TypeName", 1, 1, TypeName);
  t.AddFunction("VarType", 1, 1, VarType);
  t.AddFunction("IsEmpty", 1, 1, IsEmpty);
  t.AddFunction("IsNull", 1, 1, IsNull);
  t.AddFunction("IsObject", 1, 1, IsObject);
  t.AddFunction("IsArray", 1, 1, IsArray);
  t.AddFunction("IsNumeric", 1, 1, IsNumeric);
  t.AddFunction("Array", 0, 1 << 20, Array);
  t.AddFunction("UBound", 1, 2, UBound);
  t.AddFunction("LBound", 1, 2, LBound);
  t.AddFunction("Abs", 1, 1, Abs);
  t.AddFunction("Int", 1, 1, Int);
  t.AddFunction("Fix", 1, 1, Fix);
}

}  // namespace lib

}  // namespace sw::vbs
