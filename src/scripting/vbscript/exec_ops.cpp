// Execution of operators, with fast paths for the common Integer, Long and Double cases.
#include <cmath>

#include "scripting/vbscript/runtime.h"
#include "variant/variant_ops.h"

namespace sw::vbs {
namespace {

inline Variant FitSmall(int64_t v) {
  if (v >= -32768 && v <= 32767) return Variant(static_cast<int16_t>(v));
  if (v >= INT32_MIN && v <= INT32_MAX) return Variant(static_cast<int32_t>(v));
  return Variant(static_cast<double>(v));
}

inline bool IntPair(const Variant& a, const Variant& b, int64_t& x, int64_t& y, bool& both_i2) {
  VarType ta = a.type(), tb = b.type();
  if (ta == VarType::Integer)
    x = a.AsInteger();
  else if (ta == VarType::Long)
    x = a.AsLong();
  else
    return false;
  if (tb == VarType::Integer)
    y = b.AsInteger();
  else if (tb == VarType::Long)
    y = b.AsLong();
  else
    return false;
  both_i2 = ta == VarType::Integer && tb == VarType::Integer;
  return true;
}

inline Variant FitFor(int64_t v, bool both_i2) {
  if (both_i2) return FitSmall(v);
  if (v >= INT32_MIN && v <= INT32_MAX) return Variant(static_cast<int32_t>(v));
  return Variant(static_cast<double>(v));
}

inline bool CmpTrue(Op op, CmpResult r) {
  switch (op) {
    case Op::Eq:
      return r == CmpResult::Equal;
    case Op::Ne:
      return r != CmpResult::Equal;
    case Op::Lt:
      return r == CmpResult::Less;
    case Op::Gt:
      return r == CmpResult::Greater;
    case Op::Le:
      return r != CmpResult::Greater;
    case Op::Ge:
      return r != CmpResult::Less;
    default:
      return false;
  }
}

}  // namespace

Variant UnaryExpr::Eval(Frame& f) const {
  f.rt->CheckStack(StackPosition());
  Variant v = e->Eval(f);
  switch (op) {
    case Op::Plus:
      return v;
    case Op::Neg:
      if (v.type() == VarType::Double) return Variant(-v.AsDouble());
      return ops::Neg(v);
    default:
      return ops::Not(v);
  }
}

// Operand value without a copy for locals and literals; only evaluating a sub-expression
// goes deeper on the stack.
#define SW_OPERAND(name, e)                                        \
  Variant name##_tmp;                                              \
  const Variant* name##_p;                                         \
  if ((e)->tag == ExprTag::kLocal) {                               \
    name##_p = &f.locals[(e)->slot].Deref();                       \
  } else if ((e)->tag == ExprTag::kLiteral) {                      \
    name##_p = &static_cast<const LiteralExpr*>((e).get())->value; \
  } else {                                                         \
    f.rt->CheckStack(StackPosition());                             \
    name##_tmp = (e)->Eval(f);                                     \
    name##_p = &name##_tmp;                                        \
  }                                                                \
  const Variant& name = *name##_p

Variant BinaryExpr::Eval(Frame& f) const {
  SW_OPERAND(a, l);
  SW_OPERAND(b, r);
  int64_t x, y;
  bool i2;
  switch (op) {
    case Op::Add:
      if (IntPair(a, b, x, y, i2)) return FitFor(x + y, i2);
      if (a.type() == VarType::Double && b.type() == VarType::Double) {
        double s = a.AsDouble() + b.AsDouble();
        if (std::isfinite(s)) return Variant(s);
      }
      return ops::Add(a, b);
    case Op::Sub:
      if (IntPair(a, b, x, y, i2)) return FitFor(x - y, i2);
      return ops::Sub(a, b);
    case Op::Mul:
      if (IntPair(a, b, x, y, i2)) return FitFor(x * y, i2);
      return ops::Mul(a, b);
    case Op::Div:
      return ops::Div(a, b);
    case Op::IntDiv:
      return ops::IntDiv(a, b);
    case Op::Mod:
      // 32-bit division is much cheaper than 64-bit; -1 would overflow INT32_MIN % -1.
      if (IntPair(a, b, x, y, i2) && y != 0 && y != -1)
        return FitFor(static_cast<int32_t>(x) % static_cast<int32_t>(y), i2);
      return ops::Mod(a, b);
    case Op::Pow:
      return ops::Pow(a, b);
    case Op::Concat:
      return ops::Concat(a, b);
    case Op::And:
      return ops::And(a, b);
    case Op::Or:
      return ops::Or(a, b);
    case Op::Xor:
      return ops::Xor(a, b);
    case Op::Eqv:
      return ops::Eqv(a, b);
    case Op::Imp:
      return ops::Imp(a, b);
    case Op::Is: {
      if (!a.IsObject() || !b.IsObject()) throw VbError(vberr::kObjectRequired);
      return Variant(a.AsObject() == b.AsObject());
    }
    default:
      break;
  }
  if (IntPair(a, b, x, y, i2)) {
    CmpResult r = x < y ? CmpResult::Less : (x > y ? CmpResult::Greater : CmpResult::Equal);
    return Variant(CmpTrue(op, r));
  }
  CmpResult r = Compare(a, b, false, hints);
  if (r == CmpResult::Null) return Variant::Null();
  return Variant(CmpTrue(op, r));
}

#undef SW_OPERAND

}  // namespace sw::vbs
