// Arithmetic, concatenation and logical operators on variants with the language's promotion
// rules (Integer overflow widens to Long, Null propagates, `\` and Mod round first ...).
#pragma once

#include "variant/variant.h"

namespace sw::ops {

Variant Add(const Variant& a, const Variant& b);
Variant Sub(const Variant& a, const Variant& b);
Variant Mul(const Variant& a, const Variant& b);
Variant Div(const Variant& a, const Variant& b);
Variant IntDiv(const Variant& a, const Variant& b);
Variant Mod(const Variant& a, const Variant& b);
Variant Pow(const Variant& a, const Variant& b);
Variant Concat(const Variant& a, const Variant& b);
Variant Neg(const Variant& a);
Variant Not(const Variant& a);
Variant And(const Variant& a, const Variant& b);
Variant Or(const Variant& a, const Variant& b);
Variant Xor(const Variant& a, const Variant& b);
Variant Eqv(const Variant& a, const Variant& b);
Variant Imp(const Variant& a, const Variant& b);

// The smallest of Byte, Integer, Long that holds v (at least `min_rank`), else a Double.
// min_rank: 0 Byte, 1 Integer, 2 Long.
Variant FitInteger(int64_t v, int min_rank);

}  // namespace sw::ops
