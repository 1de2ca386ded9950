// Execution of operators, with fast paths for the common Integer, Long and Double cases.
#include <cmath>
#include <memory>
#include <new>

#include "scripting/vbscript/runtime.h"
#include "variant/variant_ops.h"

namespace sw::vbs {
namespace {

[[gnu::always_inline]] inline Variant FitSmall(int64_t v) {
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

[[gnu::always_inline]] inline Variant FitFor(int64_t v, bool both_i2) {
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

namespace {

// An operand's value without a copy for locals and literals; only evaluating a
// sub-expression goes deeper on the stack, into storage that needs no initialising.
class Operand {
 public:
  Operand(const Expr* e, Frame& f) {
    if (e->tag == ExprTag::kLocal) {
      p_ = &f.locals[e->slot].Deref();
    } else if (e->tag == ExprTag::kLiteral) {
      p_ = &static_cast<const LiteralExpr*>(e)->value;
    } else {
      f.rt->CheckStack(StackPosition());
      p_ = new (buf_) Variant(e->Eval(f));
      owned_ = true;
    }
  }
  ~Operand() {
    if (owned_) std::destroy_at(const_cast<Variant*>(p_));
  }
  Operand(const Operand&) = delete;
  Operand& operator=(const Operand&) = delete;
  const Variant& operator*() const { return *p_; }

 private:
  alignas(Variant) unsigned char buf_[sizeof(Variant)];
  const Variant* p_;
  bool owned_ = false;
};

// Integer or Long values as machine integers.
[[gnu::always_inline]] inline bool Whole(const Variant& v, int32_t& x) {
  if (v.type() == VarType::Integer) {
    x = v.AsInteger();
    return true;
  }
  if (v.type() == VarType::Long) {
    x = v.AsLong();
    return true;
  }
  return false;
}

// Every operator on evaluated operands, by the language's rules.
Variant Apply(Op op, const Variant& a, const Variant& b, unsigned hints) {
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

// `l op r` for one operator, with the Integer/Long case worked out inline. Results are
// made in the return slot: a copy through a temporary would read back a value just stored.
template <Op kOp>
struct BinaryOpExpr : BinaryExpr {
  static constexpr bool kCompare = kOp >= Op::Eq && kOp <= Op::Ge;

  // `n - 1`, `i Mod 1000`, `t + v`: a variable with a literal or another variable is worked
  // out first, with no operand bookkeeping.
  Variant Eval(Frame& f) const override {
    const Variant* a;
    const Variant* b;
    if (!Leaves(f, a, b)) return EvalGeneral(f);
    return Values(*a, *b);
  }

  int32_t EvalIndex(Frame& f) const override {
    if constexpr (kOp == Op::Add || kOp == Op::Sub || kOp == Op::Mul || kOp == Op::Mod) {
      const Variant* a;
      const Variant* b;
      int32_t x, y, v;
      if (Leaves(f, a, b) && Whole(*a, x) && Whole(*b, y) && IndexFromWhole(x, kOp, y, v)) return v;
    }
    return ToIndex(Eval(f));
  }

  bool Test(Frame& f) const override {
    if constexpr (kCompare) {
      const Variant* a;
      const Variant* b;
      int32_t x, y;
      if (Leaves(f, a, b) && Whole(*a, x) && Whole(*b, y)) return Compared(x, y);
      return TestGeneral(f);
    } else {
      return BinaryExpr::Test(f);
    }
  }

  std::unique_ptr<Expr> Specialized() override;

 protected:
  [[gnu::always_inline]] bool Leaves(Frame& f, const Variant*& a, const Variant*& b) const {
    if (l->tag != ExprTag::kLocal) return false;
    if (r->tag == ExprTag::kLiteral)
      b = &static_cast<const LiteralExpr*>(r.get())->value;
    else if (r->tag == ExprTag::kLocal)
      b = &f.locals[r->slot].Deref();
    else
      return false;
    a = &f.locals[l->slot].Deref();
    return true;
  }

  [[gnu::always_inline]] static bool Compared(int64_t p, int64_t q) {
    return CmpTrue(kOp, p < q ? CmpResult::Less : (p > q ? CmpResult::Greater : CmpResult::Equal));
  }

  // Other operand kinds (the faster forms take most before a run): a variable beside a
  // sub-expression is read once that has run, as Operand does.
  [[gnu::noinline]] Variant EvalGeneral(Frame& f) const {
    Operand a(l.get(), f);
    Operand b(r.get(), f);
    return Values(*a, *b);
  }

  bool TestGeneral(Frame& f) const {
    Operand a(l.get(), f);
    Operand b(r.get(), f);
    return TestValues(*a, *b);
  }

  [[gnu::always_inline]] bool TestValues(const Variant& a, const Variant& b) const {
    int32_t x, y;
    if (Whole(a, x) && Whole(b, y)) return Compared(x, y);
    // A comparison gives True, False or Null; Null counts as False.
    Variant v = Apply(kOp, a, b, hints);
    return v.type() == VarType::Boolean && v.AsBool();
  }

  [[gnu::always_inline]] Variant Values(const Variant& a, const Variant& b) const {
    int32_t x, y;
    if (Whole(a, x) && Whole(b, y) && OnWholeNumbers(y))
      return OfWhole(x, y, a.type() == VarType::Integer && b.type() == VarType::Integer);
    return Apply(kOp, a, b, hints);
  }

  // Whether `x op y` on whole numbers is worked out by OfWhole: a division by zero or by -1
  // (INT32_MIN Mod -1 overflows) takes the general rules.
  [[gnu::always_inline]] static bool OnWholeNumbers(int32_t y) {
    return kOp != Op::Mod || (y != 0 && y != -1);
  }
  // `x op y` on whole numbers, an Integer when both were (i2) and the result fits.
  [[gnu::always_inline]] static Variant OfWhole(int32_t x, int32_t y, bool i2) {
    const int64_t p = x, q = y;
    if constexpr (kOp == Op::Add) {
      return FitFor(p + q, i2);
    } else if constexpr (kOp == Op::Sub) {
      return FitFor(p - q, i2);
    } else if constexpr (kOp == Op::Mul) {
      return FitFor(p * q, i2);
    } else if constexpr (kOp == Op::Mod) {
      return FitFor(x % y, i2);  // 32-bit division is much cheaper than 64-bit
    } else {
      return Variant(Compared(p, q));
    }
  }
};

// Where the operands of an operator come from, known once names are bound.
enum class Shape : uint8_t {
  kLocalInt,    // `i Mod 1000`: a variable and a whole-number literal
  kExprInt,     // `a(i) Mod 7`: a sub-expression and a whole-number literal
  kLocalExpr,   // `t + a(i)`: a variable and a sub-expression
  kLocalLocal,  // `t + v`
  kExprLocal,   // `n + k` on a member of the class and a parameter
  kExprExpr,    // `Fib(n - 1) + Fib(n - 2)`
};

// `l op r` for one operator and one shape: the operands are fetched with no tests of their
// kinds. The order stays the language's: a variable beside a sub-expression is read once
// that has run.
template <Op kOp, Shape kShape>
struct ShapedExpr final : BinaryOpExpr<kOp> {
  using Base = BinaryOpExpr<kOp>;
  using Base::l;
  using Base::r;
  static constexpr bool kIntRight = kShape == Shape::kLocalInt || kShape == Shape::kExprInt;
  int32_t k = 0;      // the literal, for kIntRight
  bool k_i2 = false;  // it is an Integer

  Variant Eval(Frame& f) const override {
    if constexpr (kIntRight) {
      return Operands(f, [this](const Variant& a, const Variant& b) {
        // The literal is a machine integer already, and one OfWhole takes (Specialized).
        int32_t x;
        if (Whole(a, x)) return Base::OfWhole(x, k, k_i2 && a.type() == VarType::Integer);
        return this->Values(a, b);
      });
    } else {
      return Operands(f, [this](const Variant& a, const Variant& b) { return this->Values(a, b); });
    }
  }

  bool Test(Frame& f) const override {
    if constexpr (Base::kCompare) {
      return Operands(f, [this](const Variant& a, const Variant& b) {
        int32_t x;
        if (kIntRight && Whole(a, x)) return Base::Compared(x, k);
        return this->TestValues(a, b);
      });
    } else {
      return Expr::Test(f);  // Null, Empty and objects as conditions: the general rules
    }
  }

  int32_t EvalIndex(Frame& f) const override {
    if constexpr (kIntRight && !Base::kCompare) {
      return Operands(f, [this](const Variant& a, const Variant& b) {
        int32_t x, v;
        if (Whole(a, x) && IndexFromWhole(x, kOp, k, v)) return v;
        return ToIndex(this->Values(a, b));
      });
    } else {
      return Base::EvalIndex(f);
    }
  }

  bool InlineIndex(IndexForm& form) const override {
    if constexpr (kShape == Shape::kLocalInt &&
                  (kOp == Op::Add || kOp == Op::Sub || kOp == Op::Mul || kOp == Op::Mod)) {
      form = {l->slot, kOp, k};
      return true;
    } else {
      return false;
    }
  }

 private:
  // Hands the operand values to `use`, fetched as the shape says.
  template <typename Use>
  [[gnu::always_inline]] auto Operands(Frame& f, Use&& use) const {
    const auto local = [&f](const std::unique_ptr<Expr>& e) -> const Variant& {
      return f.locals[e->slot].Deref();
    };
    if constexpr (kShape == Shape::kLocalInt) {
      return use(local(l), static_cast<const LiteralExpr*>(r.get())->value);
    } else if constexpr (kShape == Shape::kLocalLocal) {
      return use(local(l), local(r));
    } else {
      f.rt->CheckStack(StackPosition());
      if constexpr (kShape == Shape::kExprInt) {
        Variant a = l->Eval(f);
        return use(a, static_cast<const LiteralExpr*>(r.get())->value);
      } else if constexpr (kShape == Shape::kLocalExpr) {
        Variant b = r->Eval(f);
        return use(local(l), b);
      } else if constexpr (kShape == Shape::kExprLocal) {
        Variant a = l->Eval(f);
        return use(a, local(r));
      } else {
        Variant a = l->Eval(f);
        Variant b = r->Eval(f);
        return use(a, b);
      }
    }
  }
};

template <Op kOp, Shape kShape>
std::unique_ptr<Expr> Shaped(BinaryExpr& from, int32_t k, bool k_i2) {
  auto to = std::make_unique<ShapedExpr<kOp, kShape>>();
  CopyExprBase(from, *to);
  to->op = from.op;
  to->hints = from.hints;
  to->l = std::move(from.l);
  to->r = std::move(from.r);
  to->k = k;
  to->k_i2 = k_i2;
  return to;
}

template <Op kOp>
std::unique_ptr<Expr> BinaryOpExpr<kOp>::Specialized() {
  const auto leaf = [](const Expr* e) {
    return e->tag == ExprTag::kLocal || e->tag == ExprTag::kLiteral;
  };
  int32_t k = 0;
  const bool int_right = r->tag == ExprTag::kLiteral &&
                         Whole(static_cast<const LiteralExpr*>(r.get())->value, k) &&
                         OnWholeNumbers(k);
  const bool k_i2 =
      int_right && static_cast<const LiteralExpr*>(r.get())->value.type() == VarType::Integer;
  if (l->tag == ExprTag::kLocal) {
    if (int_right) return Shaped<kOp, Shape::kLocalInt>(*this, k, k_i2);
    if (r->tag == ExprTag::kLocal) return Shaped<kOp, Shape::kLocalLocal>(*this, 0, false);
    if (!leaf(r.get())) return Shaped<kOp, Shape::kLocalExpr>(*this, 0, false);
  } else if (!leaf(l.get())) {
    if (int_right) return Shaped<kOp, Shape::kExprInt>(*this, k, k_i2);
    if (r->tag == ExprTag::kLocal) return Shaped<kOp, Shape::kExprLocal>(*this, 0, false);
    if (!leaf(r.get())) return Shaped<kOp, Shape::kExprExpr>(*this, 0, false);
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<BinaryExpr> MakeBinaryExpr(Op op) {
  std::unique_ptr<BinaryExpr> b;
  switch (op) {
    case Op::Add:
      b = std::make_unique<BinaryOpExpr<Op::Add>>();
      break;
    case Op::Sub:
      b = std::make_unique<BinaryOpExpr<Op::Sub>>();
      break;
    case Op::Mul:
      b = std::make_unique<BinaryOpExpr<Op::Mul>>();
      break;
    case Op::Mod:
      b = std::make_unique<BinaryOpExpr<Op::Mod>>();
      break;
    case Op::Eq:
      b = std::make_unique<BinaryOpExpr<Op::Eq>>();
      break;
    case Op::Ne:
      b = std::make_unique<BinaryOpExpr<Op::Ne>>();
      break;
    case Op::Lt:
      b = std::make_unique<BinaryOpExpr<Op::Lt>>();
      break;
    case Op::Gt:
      b = std::make_unique<BinaryOpExpr<Op::Gt>>();
      break;
    case Op::Le:
      b = std::make_unique<BinaryOpExpr<Op::Le>>();
      break;
    case Op::Ge:
      b = std::make_unique<BinaryOpExpr<Op::Ge>>();
      break;
    default:
      b = std::make_unique<BinaryExpr>();
      break;
  }
  b->op = op;
  return b;
}

Variant BinaryExpr::Eval(Frame& f) const {
  Operand a(l.get(), f);
  Operand b(r.get(), f);
  return Apply(op, *a, *b, hints);
}

}  // namespace sw::vbs
