// The VB variant: one tagged value (Empty, Null, numbers, Date, String, Object, arrays ...)
// with the script language's conversion, formatting and comparison rules.
//
// Strings hold UTF-16 code units, as the script language counts them (Len, Mid, AscW ...).
// The rest of the program keeps text as UTF-8: the narrow constructors and ToUtf8 convert at
// that boundary. Strings, arrays and objects are shared by reference count; a variant copy
// is cheap, and arrays are copied on write so that assignment keeps value semantics.
#pragma once

#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/vb_error.h"
#include "variant/ref_counted.h"

namespace sw {

// Subtype numbers as VarType reports them.
enum class VarType : uint16_t {
  Empty = 0,
  Null = 1,
  Integer = 2,
  Long = 3,
  Single = 4,
  Double = 5,
  Currency = 6,
  Date = 7,
  String = 8,
  Object = 9,
  Error = 10,
  Boolean = 11,
  Variant = 12,
  Decimal = 14,
  Byte = 17,
  Array = 8192,
};

class Dispatch;
class VbArray;
class Variant;

// Shared, reference-counted string storage of a String variant.
struct StringRep : RefCounted {
  explicit StringRep(std::u16string t) : s(std::move(t)) {}
  std::u16string s;
  // A byte past the last whole unit (-1: none). Only the byte functions (ChrB, LeftB ...)
  // make such strings; text functions see the whole units.
  int extra_byte = -1;
};

// Result of comparing two variants; Null when either side is Null.
enum class CmpResult : int8_t { Less = -1, Equal = 0, Greater = 1, Null = 2 };

class Variant {
 public:
  Variant() noexcept : type_(VarType::Empty) { u_.i64 = 0; }
  // Small payloads are written as one whole word: a later copy of the word then reads what
  // one store wrote, which the processor forwards without a stall.
  Variant(int16_t v) noexcept : type_(VarType::Integer) { u_.i64 = static_cast<uint16_t>(v); }
  Variant(int32_t v) noexcept : type_(VarType::Long) { u_.i64 = static_cast<uint32_t>(v); }
  Variant(float v) noexcept : type_(VarType::Single) { u_.i64 = std::bit_cast<uint32_t>(v); }
  Variant(double v) noexcept : type_(VarType::Double) { u_.r8 = v; }
  Variant(bool v) noexcept : type_(VarType::Boolean) { u_.i64 = v ? 0xFFFF : 0; }
  Variant(std::u16string s);
  Variant(std::u16string_view s) : Variant(std::u16string(s)) {}
  Variant(const char16_t* s) : Variant(std::u16string(s)) {}
  // A String from UTF-8 text.
  Variant(std::string_view utf8);
  Variant(const std::string& utf8) : Variant(std::string_view(utf8)) {}
  Variant(const char* utf8) : Variant(std::string_view(utf8)) {}
  Variant(int64_t) = delete;  // say which subtype: int32_t (Long) or double
  Variant(Ref<Dispatch> obj) noexcept;
  Variant(Ref<VbArray> arr) noexcept;

  static Variant Null() noexcept { return Variant(VarType::Null); }
  // A String from the bytes of UTF-16 LE text; an odd count keeps the last byte apart.
  static Variant FromBytes(std::string_view bytes);
  static Variant FromByte(uint8_t v) noexcept;
  // Currency from its scaled value (units of 1/10000).
  static Variant FromCurrencyScaled(int64_t scaled) noexcept;
  // Currency from a number; rounds to 4 decimals, E6 when out of range.
  static Variant FromCurrency(double v);
  // Date from its serial: days since 1899-12-30, time of day as fraction.
  static Variant FromDate(double serial) noexcept;
  static Variant FromError(int32_t code) noexcept;
  // The value hosts pass for an omitted argument (`f 1,,2`).
  static Variant Missing() noexcept { return FromError(static_cast<int32_t>(0x80020004u)); }
  static Variant Nothing() noexcept { return Variant(Ref<Dispatch>()); }
  // An internal reference to another variant (a ByRef argument). Never stored by hosts.
  static Variant MakeRef(Variant* target) noexcept {
    Variant r(kByRef);
    r.u_.ref = target;
    return r;
  }

  Variant(const Variant& o) noexcept : type_(o.type_), u_(o.u_) {
    if (o.Shared()) AddRefPayload();
  }
  Variant(Variant&& o) noexcept : type_(o.type_), u_(o.u_) { o.type_ = VarType::Empty; }
  Variant& operator=(const Variant& o) noexcept {
    if (this != &o) {
      if (o.Shared()) o.AddRefPayload();
      if (Shared()) ReleasePayload();
      type_ = o.type_;
      u_ = o.u_;
    }
    return *this;
  }
  Variant& operator=(Variant&& o) noexcept {
    if (this != &o) {
      if (Shared()) ReleasePayload();
      type_ = o.type_;
      u_ = o.u_;
      o.type_ = VarType::Empty;
    }
    return *this;
  }
  ~Variant() {
    if (Shared()) ReleasePayload();
  }

  // Subtype. For arrays this is VarType::Array (see VarTypeCode for the full number).
  VarType type() const noexcept { return type_; }
  // The number VarType() reports: arrays of variants give 8204.
  int VarTypeCode() const;
  // The name TypeName() reports: "Integer", "String", "Variant()", a class name, "Nothing" ...
  std::string TypeName() const;

  bool IsEmpty() const noexcept { return type_ == VarType::Empty; }
  bool IsNull() const noexcept { return type_ == VarType::Null; }
  bool IsString() const noexcept { return type_ == VarType::String; }
  bool IsObject() const noexcept { return type_ == VarType::Object; }
  bool IsNothing() const noexcept { return type_ == VarType::Object && u_.obj == nullptr; }
  bool IsArray() const noexcept { return type_ == VarType::Array; }
  bool IsMissing() const noexcept {
    return type_ == VarType::Error && u_.i4 == static_cast<int32_t>(0x80020004u);
  }
  bool IsByRef() const noexcept { return type_ == kByRef; }
  // True when the payload is reference counted (String, Object, Array).
  bool Shared() const noexcept {
    return type_ == VarType::String || type_ == VarType::Object || type_ == VarType::Array;
  }
  // True for Byte, Integer, Long, Single, Double, Currency, Date and Boolean.
  bool IsNumberLike() const noexcept;

  // Raw payloads; valid only for the matching subtype.
  int16_t AsInteger() const noexcept { return u_.i2; }
  int32_t AsLong() const noexcept { return u_.i4; }
  float AsSingle() const noexcept { return u_.r4; }
  double AsDouble() const noexcept { return u_.r8; }
  bool AsBool() const noexcept { return u_.i2 != 0; }
  uint8_t AsByte() const noexcept { return u_.ui1; }
  int64_t AsCurrencyScaled() const noexcept { return u_.i64; }
  double AsDateSerial() const noexcept { return u_.r8; }
  int32_t AsErrorCode() const noexcept { return u_.i4; }
  const std::u16string& AsString() const noexcept { return u_.str->s; }
  Dispatch* AsObject() const noexcept { return u_.obj; }
  Ref<Dispatch> ObjectRef() const noexcept;
  VbArray* AsArray() const noexcept { return u_.arr; }
  Variant* RefTarget() const noexcept { return u_.ref; }
  // This value, or the one a ByRef reference points to.
  const Variant& Deref() const noexcept { return type_ == kByRef ? *u_.ref : *this; }
  Variant& Deref() noexcept { return type_ == kByRef ? *u_.ref : *this; }

  // Conversions with the language's rules (CInt, CLng, CDbl ...). They throw VbError:
  // 13 Type mismatch, 6 Overflow, 94 Invalid use of Null, 91 for Nothing, 438 for an object
  // without a default member. Objects convert through their default value.
  int16_t ToInteger() const;  // banker's rounding
  int32_t ToLong() const;     // banker's rounding
  uint8_t ToByte() const;
  float ToSingle() const;
  double ToDouble() const;
  int64_t ToCurrencyScaled() const;
  double ToDateSerial() const;
  bool ToBool() const;
  std::u16string ToString() const;  // CStr formatting
  // As ToString, but Null gives "" (used where text is shown or concatenated).
  std::u16string ToText() const;
  // ToString and ToText as UTF-8, for the rest of the program.
  std::string ToStringUtf8() const;
  std::string ToUtf8() const;
  // The UTF-16 LE bytes of ToText, with a String's odd byte (see StringRep).
  std::string ToBytes() const;
  // True for a String with an odd number of bytes.
  bool HasExtraByte() const noexcept { return type_ == VarType::String && u_.str->extra_byte >= 0; }
  // The value an object stands for (its default member); other values unchanged.
  Variant DefaultValue() const;

  // Appends to a String variant in place when its storage is not shared.
  void AppendString(std::u16string_view s);

 private:
  static constexpr VarType kByRef = static_cast<VarType>(0x4000);
  explicit Variant(VarType t) noexcept : type_(t) { u_.i64 = 0; }
  void AddRefPayload() const noexcept;
  void ReleasePayload() noexcept;

  VarType type_;
  union {
    int16_t i2;
    int32_t i4;
    float r4;
    double r8;
    int64_t i64;
    uint8_t ui1;
    StringRep* str;
    VbArray* arr;
    Dispatch* obj;
    Variant* ref;
  } u_;
};

// Text forms of numbers and dates exactly as CStr gives them in US English, the form of the
// player's own files (variant text converts in the current locale: see text_locale.h).
std::string FormatDouble(double v);  // 15 significant digits, "1E+16", "0.333333333333333"
std::string FormatSingle(float v);   // 7 significant digits
std::string FormatCurrency(int64_t scaled);
std::string FormatDate(double serial);  // "3/15/2026 2:30:45 PM"

// Reads text as a number the way IsNumeric and the conversions do: surrounding blanks, sign,
// decimal point, thousands separators, exponent, "&H"/"&O" prefixes. Empty optional when the
// text is no number. UTF-16 text is read in the current locale (TextLocale), 8-bit text (the
// player's files, date literals of scripts) in US English.
std::optional<double> ParseNumber(std::string_view text);
std::optional<double> ParseNumber(std::u16string_view text);
// Reads date and/or time text ("1/1/2000", "2000-1-1", "14:30:00", "3:45 PM", "Jan 15, 2024"),
// in the current locale or in US English as ParseNumber does.
std::optional<double> ParseDate(std::string_view text);
std::optional<double> ParseDate(std::u16string_view text);

// Serial of a calendar date and time; no range checks.
double DateSerialOf(int year, int month, int day);
struct DateParts {
  int year, month, day, hour, minute, second, weekday;  // weekday 1 = Sunday
};
DateParts SplitDate(double serial);

// Round half to even, as every VB conversion to a whole number does.
double RoundHalfEven(double v);

// Compares two values by the language's rules. Arrays give E13. A String against a number is
// the greater one unless a side is a literal: pass the literal flags the script engine knows.
enum CompareHint : unsigned {
  kLeftNumberLiteral = 1,
  kLeftStringLiteral = 2,
  kRightNumberLiteral = 4,
  kRightStringLiteral = 8,
};
CmpResult Compare(const Variant& a, const Variant& b, bool textCompare = false, unsigned hints = 0);
// Binary or case-insensitive string comparison: -1, 0, 1 by UTF-16 code unit (text compare
// folds case first).
int CompareStrings(std::u16string_view a, std::u16string_view b, bool textCompare);

}  // namespace sw

// Objects are part of every variant's vocabulary.
#include "variant/dispatch.h"  // IWYU pragma: export
