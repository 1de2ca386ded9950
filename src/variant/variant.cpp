#include "variant/variant.h"

#include "variant/text_locale.h"

#include <cmath>
#include <limits>

#include "base/ascii.h"
#include "base/utf.h"
#include "variant/dispatch.h"
#include "variant/variant_ops.h"
#include "variant/vb_array.h"

namespace sw {

Variant::Variant(std::u16string s) : type_(VarType::String) {
  u_.i64 = 0;
  u_.str = sw::MakeRef<StringRep>(std::move(s)).Detach();
}

Variant::Variant(std::string_view utf8) : Variant(Utf8ToUtf16(utf8)) {}

Variant::Variant(Ref<Dispatch> obj) noexcept : type_(VarType::Object) {
  u_.i64 = 0;
  u_.obj = obj.Detach();
}

Variant::Variant(Ref<VbArray> arr) noexcept : type_(VarType::Array) {
  u_.i64 = 0;
  u_.arr = arr.Detach();
}

Variant Variant::FromByte(uint8_t v) noexcept {
  Variant r(VarType::Byte);
  r.u_.ui1 = v;
  return r;
}

Variant Variant::FromCurrencyScaled(int64_t scaled) noexcept {
  Variant r(VarType::Currency);
  r.u_.i64 = scaled;
  return r;
}

Variant Variant::FromCurrency(double v) {
  double scaled = RoundHalfEven(v * 10000.0);
  if (!(std::fabs(scaled) < 9.2233720368547758e18)) throw VbError(vberr::kOverflow);
  return FromCurrencyScaled(static_cast<int64_t>(scaled));
}

Variant Variant::FromDate(double serial) noexcept {
  Variant r(VarType::Date);
  r.u_.r8 = serial;
  return r;
}

Variant Variant::FromError(int32_t code) noexcept {
  Variant r(VarType::Error);
  r.u_.i4 = code;
  return r;
}

void Variant::AddRefPayload() const noexcept {
  switch (type_) {
    case VarType::String:
      u_.str->AddRef();
      break;
    case VarType::Object:
      if (u_.obj) u_.obj->AddRef();
      break;
    case VarType::Array:
      u_.arr->AddRef();
      break;
    default:
      break;
  }
}

void Variant::ReleasePayload() noexcept {
  switch (type_) {
    case VarType::String:
      u_.str->Release();
      break;
    case VarType::Object:
      if (u_.obj) {
        // Clear first: the release may run script code that looks at this variant.
        Dispatch* o = u_.obj;
        type_ = VarType::Empty;
        o->Release();
      }
      break;
    case VarType::Array: {
      VbArray* a = u_.arr;
      type_ = VarType::Empty;
      a->Release();
      break;
    }
    default:
      break;
  }
}

Ref<Dispatch> Variant::ObjectRef() const noexcept {
  return Ref<Dispatch>(u_.obj);
}

bool Variant::IsNumberLike() const noexcept {
  switch (type_) {
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency:
    case VarType::Date:
    case VarType::Boolean:
      return true;
    default:
      return false;
  }
}

int Variant::VarTypeCode() const {
  if (type_ == VarType::Array) return 8192 + 12;
  return static_cast<int>(type_);
}

std::string Variant::TypeName() const {
  switch (type_) {
    case VarType::Empty:
      return "Empty";
    case VarType::Null:
      return "Null";
    case VarType::Integer:
      return "Integer";
    case VarType::Long:
      return "Long";
    case VarType::Single:
      return "Single";
    case VarType::Double:
      return "Double";
    case VarType::Currency:
      return "Currency";
    case VarType::Date:
      return "Date";
    case VarType::String:
      return "String";
    case VarType::Object:
      return u_.obj ? u_.obj->TypeName() : "Nothing";
    case VarType::Error:
      return "Error";
    case VarType::Boolean:
      return "Boolean";
    case VarType::Decimal:
      return "Decimal";
    case VarType::Byte:
      return "Byte";
    case VarType::Array:
      return "Variant()";
    default:
      return Deref().TypeName();
  }
}

Variant Variant::DefaultValue() const {
  if (type_ == kByRef) return u_.ref->DefaultValue();
  if (type_ != VarType::Object) return *this;
  if (!u_.obj) throw VbError(vberr::kObjectNotSet);
  // A default member may return another object, whose default member is asked in turn; one
  // that keeps returning objects (a Property Get returning Me) is runaway recursion.
  constexpr int kMaxChain = 1000;
  Variant v = *this;
  for (int hops = 0; v.type_ == VarType::Object; ++hops) {
    if (!v.u_.obj) throw VbError(vberr::kObjectNotSet);
    if (hops == kMaxChain) throw VbError(vberr::kOutOfStack);
    Ref<Dispatch> keep(v.u_.obj);
    v = keep->Invoke(Dispatch::kDefaultMember, InvokeKind::Get, {});
  }
  return v;
}

namespace {

[[noreturn]] void Mismatch() {
  throw VbError(vberr::kTypeMismatch);
}

double TextToDouble(std::u16string_view s) {
  auto d = ParseNumber(s);
  if (!d) Mismatch();
  return *d;
}

}  // namespace

double RoundHalfEven(double v) {
  double r = std::nearbyint(v);  // default rounding mode is to nearest, ties to even
  return r;
}

double Variant::ToDouble() const {
  if (type_ == kByRef) return u_.ref->ToDouble();
  switch (type_) {
    case VarType::Empty:
      return 0;
    case VarType::Null:
      throw VbError(vberr::kInvalidUseOfNull);
    case VarType::Integer:
    case VarType::Boolean:
      return u_.i2;
    case VarType::Long:
      return u_.i4;
    case VarType::Single:
      return u_.r4;
    case VarType::Double:
    case VarType::Date:
      return u_.r8;
    case VarType::Currency:
      return static_cast<double>(u_.i64) / 10000.0;
    case VarType::Byte:
      return u_.ui1;
    case VarType::String:
      return TextToDouble(u_.str->s);
    case VarType::Object:
      return DefaultValue().ToDouble();
    default:
      Mismatch();
  }
}

int16_t Variant::ToInteger() const {
  switch (type_) {
    case VarType::Integer:
    case VarType::Boolean:
      return u_.i2;
    case VarType::Byte:
      return u_.ui1;
    case VarType::Empty:
      return 0;
    default:
      break;
  }
  double d = RoundHalfEven(ToDouble());
  if (!(d >= -32768.0 && d <= 32767.0)) throw VbError(vberr::kOverflow);
  return static_cast<int16_t>(d);
}

int32_t Variant::ToLong() const {
  switch (type_) {
    case VarType::Integer:
    case VarType::Boolean:
      return u_.i2;
    case VarType::Long:
      return u_.i4;
    case VarType::Byte:
      return u_.ui1;
    case VarType::Empty:
      return 0;
    default:
      break;
  }
  double d = RoundHalfEven(ToDouble());
  if (!(d >= -2147483648.0 && d <= 2147483647.0)) throw VbError(vberr::kOverflow);
  return static_cast<int32_t>(d);
}

uint8_t Variant::ToByte() const {
  double d = RoundHalfEven(ToDouble());
  if (!(d >= 0.0 && d <= 255.0)) {
    if (type_ == VarType::Boolean) return 255;  // True converts to 255
    throw VbError(vberr::kOverflow);
  }
  return static_cast<uint8_t>(d);
}

float Variant::ToSingle() const {
  double d = ToDouble();
  if (std::isfinite(d) && std::fabs(d) > std::numeric_limits<float>::max())
    throw VbError(vberr::kOverflow);
  return static_cast<float>(d);
}

int64_t Variant::ToCurrencyScaled() const {
  if (type_ == VarType::Currency) return u_.i64;
  return FromCurrency(ToDouble()).u_.i64;
}

double Variant::ToDateSerial() const {
  if (type_ == kByRef) return u_.ref->ToDateSerial();
  switch (type_) {
    case VarType::Date:
      return u_.r8;
    case VarType::String: {
      if (auto d = ParseDate(u_.str->s)) return *d;
      if (auto n = ParseNumber(u_.str->s)) return *n;
      Mismatch();
    }
    case VarType::Object:
      return DefaultValue().ToDateSerial();
    default: {
      double d = ToDouble();
      if (!(d >= -657434.0 && d < 2958466.0)) throw VbError(vberr::kOverflow);
      return d;
    }
  }
}

namespace {}  // namespace

bool Variant::ToBool() const {
  if (type_ == kByRef) return u_.ref->ToBool();
  switch (type_) {
    case VarType::Empty:
      return false;
    case VarType::Null:
      throw VbError(vberr::kInvalidUseOfNull);
    case VarType::Boolean:
    case VarType::Integer:
      return u_.i2 != 0;
    case VarType::Long:
      return u_.i4 != 0;
    case VarType::Byte:
      return u_.ui1 != 0;
    case VarType::Single:
      return u_.r4 != 0;
    case VarType::Double:
    case VarType::Date:
      return u_.r8 != 0;
    case VarType::Currency:
      return u_.i64 != 0;
    case VarType::String: {
      std::u16string_view w = u_.str->s;
      while (!w.empty() && (w.front() == ' ' || w.front() == '\t')) w.remove_prefix(1);
      while (!w.empty() && (w.back() == ' ' || w.back() == '\t')) w.remove_suffix(1);
      if (w.size() <= 7) {
        std::string s(w.begin(), w.end());
        bool ascii = true;
        for (char16_t c : w) ascii = ascii && c < 0x80;
        if (ascii && (EqualsIgnoringAsciiCase(s, "true") || EqualsIgnoringAsciiCase(s, "#true#")))
          return true;
        if (ascii && (EqualsIgnoringAsciiCase(s, "false") || EqualsIgnoringAsciiCase(s, "#false#")))
          return false;
      }
      auto d = ParseNumber(u_.str->s);
      if (!d) Mismatch();
      return *d != 0;
    }
    case VarType::Object:
      return DefaultValue().ToBool();
    default:
      Mismatch();
  }
}

std::u16string Variant::ToString() const {
  if (type_ == kByRef) return u_.ref->ToString();
  switch (type_) {
    case VarType::Empty:
      return std::u16string();
    case VarType::Null:
      throw VbError(vberr::kInvalidUseOfNull);
    case VarType::Boolean:
      return u_.i2 ? u"True" : u"False";
    case VarType::Integer:
      return AsciiToUtf16(std::to_string(u_.i2));
    case VarType::Long:
      return AsciiToUtf16(std::to_string(u_.i4));
    case VarType::Byte:
      return AsciiToUtf16(std::to_string(u_.ui1));
    case VarType::Single:
      return LocalizeDecimal(FormatSingle(u_.r4), TextLocale());
    case VarType::Double:
      return LocalizeDecimal(FormatDouble(u_.r8), TextLocale());
    case VarType::Currency:
      return LocalizeDecimal(FormatCurrency(u_.i64), TextLocale());
    case VarType::Date:
      return FormatDateIn(u_.r8, TextLocale());
    case VarType::String:
      return u_.str->s;
    case VarType::Error:
      return AsciiToUtf16("Error " + std::to_string(u_.i4));
    case VarType::Object:
      return DefaultValue().ToString();
    default:
      Mismatch();
  }
}

std::u16string Variant::ToText() const {
  const Variant& v = Deref();
  if (v.IsNull()) return std::u16string();
  return v.ToString();
}

std::string Variant::ToStringUtf8() const {
  return Utf16ToUtf8(ToString());
}

std::string Variant::ToUtf8() const {
  return Utf16ToUtf8(ToText());
}

Variant Variant::FromBytes(std::string_view bytes) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < units.size(); ++i)
    units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                     static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  Variant v(std::move(units));
  if (bytes.size() % 2) v.u_.str->extra_byte = static_cast<unsigned char>(bytes.back());
  return v;
}

std::string Variant::ToBytes() const {
  const Variant& v = Deref();
  std::u16string text = v.ToText();
  std::string out(text.size() * 2, '\0');
  for (size_t i = 0; i < text.size(); ++i) {
    out[2 * i] = static_cast<char>(text[i] & 0xFF);
    out[2 * i + 1] = static_cast<char>(text[i] >> 8);
  }
  if (v.HasExtraByte()) out += static_cast<char>(v.u_.str->extra_byte);
  return out;
}

void Variant::AppendString(std::u16string_view s) {
  if (HasExtraByte()) {
    *this = ops::Concat(*this, Variant(s));
    return;
  }
  if (type_ != VarType::String) {
    *this = Variant(ToString() + std::u16string(s));
    return;
  }
  if (u_.str->ref_count() != 1) {
    StringRep* fresh = sw::MakeRef<StringRep>(u_.str->s).Detach();
    u_.str->Release();
    u_.str = fresh;
  }
  u_.str->s.append(s);
}

}  // namespace sw
