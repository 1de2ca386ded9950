// Argument helpers shared by the library's built-in functions: optional arguments, Null
// checks, compare modes and whole-number arguments with the engine's error numbers.
#pragma once

#include <cstdint>
#include <string>

#include "variant/dispatch.h"

namespace sw::vbs::lib {

// True when argument i was given (not left out, not past the end).
inline bool Has(Args a, size_t i) {
  return i < a.size() && !a.IsMissing(i);
}

// The value an Is* test looks at: an object's default value; an object without a default
// member (or Nothing) has none, and the test is simply False.
inline bool TestedValue(const Variant& a, Variant& out) {
  if (!a.IsObject()) {
    out = a.Deref();
    return true;
  }
  if (a.IsNothing()) return false;
  try {
    out = a.DefaultValue();
  } catch (const VbError& e) {
    if (e.number() != vberr::kNotSupported) throw;
    return false;
  }
  return true;
}

// Fails with "Invalid use of Null" for a Null argument.
inline const Variant& NotNull(const Variant& v) {
  if (v.IsNull()) throw VbError(vberr::kInvalidUseOfNull);
  return v;
}

// A whole number (banker's rounding); Null fails with E94.
inline int32_t LongArg(const Variant& v) {
  return NotNull(v).ToLong();
}

// Text of an argument: numbers and dates use their CStr form, Empty gives "".
inline std::u16string TextArg(const Variant& v) {
  return NotNull(v).ToString();
}

// A compare-mode argument: 0 binary, 1 text; anything else fails with E5, Null with E94.
inline bool TextCompareArg(Args a, size_t i) {
  if (!Has(a, i)) return false;
  int32_t m = LongArg(a[i]);
  if (m != 0 && m != 1) throw VbError(vberr::kInvalidProcedureCall);
  return m == 1;
}

[[noreturn]] inline void InvalidCall() {
  throw VbError(vberr::kInvalidProcedureCall);
}

}  // namespace sw::vbs::lib
