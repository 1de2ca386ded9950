// Execution of statements: blocks with On Error Resume Next, assignments, calls and the
// control structures.
#include <new>

#include "scripting/vbscript/err_object.h"
#include "scripting/vbscript/runtime.h"
#include "variant/variant_ops.h"

namespace sw::vbs {
namespace {

// Conditions: Null and Empty are False, other values convert as CBool does.
bool TruthOf(const Variant& v) {
  switch (v.type()) {
    case VarType::Boolean:
    case VarType::Integer:
      return v.AsInteger() != 0;
    case VarType::Null:
    case VarType::Empty:
      return false;
    case VarType::Object: {
      Variant d = v.DefaultValue();
      return d.IsNull() ? false : d.ToBool();
    }
    default:
      return v.ToBool();
  }
}

inline bool Truth(const Variant& v) {
  return v.type() == VarType::Boolean ? v.AsBool() : TruthOf(v);
}

// A loop bound: text converted to a number, Empty counts as 0.
Variant Numeric(Variant v) {
  if (v.IsObject()) v = v.DefaultValue();
  switch (v.type()) {
    case VarType::Empty:
      return Variant(int16_t{0});
    case VarType::Boolean:
      return Variant(v.AsInteger());
    case VarType::String:
      return Variant(v.ToDouble());
    case VarType::Null:
      throw VbError(vberr::kInvalidUseOfNull);
    case VarType::Integer:
    case VarType::Long:
    case VarType::Byte:
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency:
    case VarType::Date:
      return v;
    default:
      throw VbError(vberr::kTypeMismatch);
  }
}

}  // namespace

bool Expr::Test(Frame& f) const {
  return Truth(Eval(f));
}

int32_t Expr::EvalIndex(Frame& f) const {
  return ToIndex(Eval(f));
}

Flow Block::ExecOne(Frame& f) const {
  const Stmt* s = stmts[0].get();
  try {
    return s->Exec(f);
  } catch (const VbError& e) {
    if (!f.oern) {
      f.rt->NoteError(f, s->line);
      throw;
    }
    f.rt->TrapError(e);
  } catch (const std::bad_alloc&) {
    if (!f.oern) {
      f.rt->NoteError(f, s->line);
      throw VbError(vberr::kOutOfMemory);
    }
    f.rt->TrapError(VbError(vberr::kOutOfMemory));
  }
  return Flow::Normal;
}

namespace {

// The statements of a block in turn; under On Error Resume Next a failing statement is
// skipped. Inlined into the loops, whose bodies run most.
[[gnu::always_inline]] inline Flow RunStatements(const std::unique_ptr<Stmt>* s,
                                                 const std::unique_ptr<Stmt>* const end, Frame& f) {
  while (true) {
    try {
      for (; s != end; ++s) {
        Flow fl = (*s)->Exec(f);
        if (fl != Flow::Normal) return fl;
      }
      return Flow::Normal;
    } catch (const VbError& e) {
      if (!f.oern) {
        f.rt->NoteError(f, (*s)->line);
        throw;
      }
      f.rt->TrapError(e);
      ++s;
    } catch (const std::bad_alloc&) {
      // Memory ran out in the middle of a statement: the script sees "Out of memory".
      if (!f.oern) {
        f.rt->NoteError(f, (*s)->line);
        throw VbError(vberr::kOutOfMemory);
      }
      f.rt->TrapError(VbError(vberr::kOutOfMemory));
      ++s;
    }
  }
}

[[gnu::always_inline]] inline Flow RunBody(const Block& b, Frame& f) {
  const std::unique_ptr<Stmt>* s = b.stmts.data();
  return RunStatements(s, s + b.stmts.size(), f);
}

}  // namespace

Flow Block::ExecAll(Frame& f) const {
  return RunBody(*this, f);
}

namespace {

// The value of an assignment: a variable or literal is copied without a call.
inline Variant ValueOf(const Expr* ve, Frame& f) {
  return ve->tag == ExprTag::kLocal     ? f.locals[ve->slot].Deref()
         : ve->tag == ExprTag::kLiteral ? static_cast<const LiteralExpr*>(ve)->value
                                        : ve->Eval(f);
}

// Values other than objects and arrays are stored as they are.
inline bool StoredAsIs(const Variant& v) {
  return v.type() != VarType::Object && v.type() != VarType::Array;
}

template <typename To>
std::unique_ptr<To> TakeOver(AssignStmt& from) {
  auto to = std::make_unique<To>();
  to->line = from.line;
  to->col = from.col;
  to->target = std::move(from.target);
  to->value = std::move(from.value);
  to->is_set = from.is_set;
  return to;
}

// `x = v` on a variable of the running procedure.
struct LocalAssignStmt final : AssignStmt {
  Flow Exec(Frame& f) const override {
    Variant v = ValueOf(value.get(), f);
    if (StoredAsIs(v)) {
      f.locals[target->slot].Deref() = std::move(v);
      return Flow::Normal;
    }
    target->Assign(f, nullptr, std::move(v), false);
    return Flow::Normal;
  }
};

// `a(i) = v` on an array variable of the running procedure, written in place while no one
// else shares the array.
struct LocalIndexAssignStmt final : AssignStmt {
  LocalIndexSite site;
  Flow Exec(Frame& f) const override {
    Variant v = ValueOf(value.get(), f);
    if (StoredAsIs(v)) {
      Variant& arr = f.locals[site.array_slot].Deref();
      if (arr.IsArray() && arr.AsArray()->ref_count() == 1) {
        int32_t i;
        if (site.inline_index && IndexOfForm(site.form, f, i)) {
          arr.AsArray()->At1(i) = std::move(v);
          return Flow::Normal;
        }
        i = site.index->EvalIndex(f);
        if (arr.IsArray() && arr.AsArray()->ref_count() == 1) {
          arr.AsArray()->At1(i) = std::move(v);
          return Flow::Normal;
        }
      }
    }
    target->Assign(f, nullptr, std::move(v), false);
    return Flow::Normal;
  }
};

}  // namespace

Flow AssignStmt::Exec(Frame& f) const {
  target->Assign(f, nullptr, ValueOf(value.get(), f), is_set);
  return Flow::Normal;
}

std::unique_ptr<Stmt> AssignStmt::Specialized() {
  if (is_set) return nullptr;
  if (target->tag == ExprTag::kLocal) return TakeOver<LocalAssignStmt>(*this);
  LocalIndexSite site;
  if (target->tag != ExprTag::kCall || !site.Of(static_cast<const CallExpr&>(*target)))
    return nullptr;
  auto to = TakeOver<LocalIndexAssignStmt>(*this);
  to->site = site;
  return to;
}

Flow AppendStmt::Exec(Frame& f) const {
  LockSet unused;
  Variant* p = target->Ref(f, unused);
  if (!p || !p->IsString()) {
    Variant l = target->Eval(f);
    Variant r = rhs->Eval(f);
    target->Assign(f, nullptr, ops::Concat(l, r), false);
    return Flow::Normal;
  }
  Variant left = *p;
  Variant r = rhs->Eval(f);
  p = target->Ref(f, unused);
  if (p && p->IsString() && &p->AsString() == &left.AsString() && !r.IsArray()) {
    left = Variant();  // the variable holds the only reference now: append in place
    if (r.IsString())
      p->AppendString(r.AsString());
    else
      p->AppendString(r.ToText());
    return Flow::Normal;
  }
  target->Assign(f, nullptr, ops::Concat(left, r), false);
  return Flow::Normal;
}

Flow CallStmt::Exec(Frame& f) const {
  if (callee->tag == ExprTag::kGlobalName) {
    // `S x` calling a global procedure goes straight to the call.
    const NameRef& ref = static_cast<const NameExpr*>(callee.get())->ref;
    if (!(ref.frame_dyn && f.dyn)) {
      GlobalEntry* e = f.rt->Resolve(ref);
      if (e->kind == GlobalEntry::kProc) {
        f.rt->CallProcWith(e->proc, f, args);
        return Flow::Normal;
      }
    }
  }
  callee->Invoke(f, args, InvokeKind::Call);
  return Flow::Normal;
}

Flow IfStmt::Exec(Frame& f) const {
  for (const Branch& b : branches) {
    bool c;
    try {
      c = b.cond->Test(f);
    } catch (const VbError& e) {
      if (!f.oern) {
        f.rt->NoteError(f, b.cond->line);  // the ElseIf line for its own condition
        throw;
      }
      f.rt->TrapError(e);
      c = true;  // a failing condition under Resume Next runs its branch
    }
    if (c) return b.body.Exec(f);
  }
  if (else_body) return else_body->Exec(f);
  return Flow::Normal;
}

Flow SelectStmt::Exec(Frame& f) const {
  Variant sel;
  try {
    sel = selector->Eval(f);
  } catch (const VbError& e) {
    if (!f.oern) throw;
    f.rt->TrapError(e);
    return Flow::Normal;
  }
  for (const Case& c : cases) {
    bool match = c.values.empty();
    for (size_t i = 0; !match && i < c.values.size(); ++i) {
      try {
        const Expr& e = *c.values[i];
        unsigned hints = e.LiteralKind() == 1   ? kRightNumberLiteral
                         : e.LiteralKind() == 2 ? kRightStringLiteral
                                                : 0u;
        match = Compare(sel, e.Eval(f), false, hints) == CmpResult::Equal;
      } catch (const VbError& err) {
        if (!f.oern) throw;
        f.rt->TrapError(err);
        match = true;
      }
    }
    if (match) return c.body.Exec(f);
  }
  return Flow::Normal;
}

Flow ForStmt::Exec(Frame& f) const {
  Variant start, end, inc;
  try {
    start = Numeric(from->Eval(f));
    end = Numeric(to->Eval(f));
    inc = step ? Numeric(step->Eval(f)) : Variant(int16_t{1});
  } catch (const VbError& e) {
    if (!f.oern) throw;
    f.rt->TrapError(e);
    Flow fl = body.Exec(f);
    if (fl == Flow::ExitDo || fl == Flow::ExitProc) return fl;
    throw VbError(vberr::kForNotInitialized);
  }
  counter->Assign(f, nullptr, start, false);
  LockSet unused;
  const bool down = inc.ToDouble() < 0;
  // Whole-number loops with Integer/Long values run on machine integers.
  const bool int_bounds = (end.type() == VarType::Integer || end.type() == VarType::Long) &&
                          (inc.type() == VarType::Integer || inc.type() == VarType::Long);
  const int64_t iend = int_bounds ? end.ToLong() : 0, iinc = int_bounds ? inc.ToLong() : 0;
  const double dend = end.ToDouble();
  if (int_bounds && counter->tag == ExprTag::kLocal) {
    // The common case: a local counter stepping through whole numbers.
    const int slot = counter->slot;
    while (true) {
      Variant& c = f.locals[slot].Deref();
      int64_t v;
      if (c.type() == VarType::Integer)
        v = c.AsInteger();
      else if (c.type() == VarType::Long)
        v = c.AsLong();
      else
        break;  // changed by the body: the general loop below takes over
      if (down ? v < iend : v > iend) return Flow::Normal;
      Flow fl = RunBody(body, f);
      if (fl == Flow::ExitFor) return Flow::Normal;
      if (fl != Flow::Normal) return fl;
      f.rt->Tick();
      Variant& c2 = f.locals[slot].Deref();
      // An Integer or Long counter owns nothing: the next value is written over it.
      if (c2.type() == VarType::Integer && inc.type() == VarType::Integer) {
        int64_t n = static_cast<int64_t>(c2.AsInteger()) + iinc;
        if (n >= -32768 && n <= 32767)
          std::construct_at(&c2, static_cast<int16_t>(n));
        else
          std::construct_at(&c2, static_cast<int32_t>(n));
      } else if (c2.type() == VarType::Long || c2.type() == VarType::Integer) {
        int64_t n = (c2.type() == VarType::Long ? c2.AsLong() : c2.AsInteger()) + iinc;
        if (n >= INT32_MIN && n <= INT32_MAX)
          std::construct_at(&c2, static_cast<int32_t>(n));
        else
          std::construct_at(&c2, static_cast<double>(n));
      } else {
        if (c2.IsString() || c2.IsNull() || c2.IsArray() || c2.IsObject())
          throw VbError(vberr::kTypeMismatch);
        c2 = ops::Add(c2, inc);
      }
    }
  }
  while (true) {
    Variant* c = counter->Ref(f, unused);
    Variant cur = c ? *c : counter->Eval(f);
    bool done;
    if (int_bounds && (cur.type() == VarType::Integer || cur.type() == VarType::Long)) {
      int64_t v = cur.type() == VarType::Integer ? cur.AsInteger() : cur.AsLong();
      done = down ? v < iend : v > iend;
    } else {
      double v = Numeric(cur).ToDouble();
      done = down ? v < dend : v > dend;
    }
    if (done) break;
    Flow fl = body.Exec(f);
    if (fl == Flow::ExitFor) break;
    if (fl != Flow::Normal) return fl;
    f.rt->Tick();
    c = counter->Ref(f, unused);
    Variant now = c ? *c : counter->Eval(f);
    Variant next;
    if (int_bounds && now.type() == VarType::Integer && inc.type() == VarType::Integer) {
      int64_t v = static_cast<int64_t>(now.AsInteger()) + iinc;
      next = v >= -32768 && v <= 32767 ? Variant(static_cast<int16_t>(v))
                                       : Variant(static_cast<int32_t>(v));
    } else if (int_bounds && now.type() == VarType::Long) {
      int64_t v = static_cast<int64_t>(now.AsLong()) + iinc;
      next = v >= INT32_MIN && v <= INT32_MAX ? Variant(static_cast<int32_t>(v))
                                              : Variant(static_cast<double>(v));
    } else {
      if (now.IsString() || now.IsNull() || now.IsArray() || now.IsObject())
        throw VbError(vberr::kTypeMismatch);
      next = ops::Add(now, inc);
    }
    if (c)
      *c = std::move(next);
    else
      counter->Assign(f, nullptr, std::move(next), false);
  }
  return Flow::Normal;
}

Flow ForEachStmt::Exec(Frame& f) const {
  Variant coll;
  std::vector<Variant> items;
  sw::Ref<VbArray> arr;
  try {
    coll = collection->Eval(f);
    if (coll.IsArray()) {
      arr = sw::Ref<VbArray>(coll.AsArray());
    } else if (coll.IsObject() && coll.AsObject()) {
      items = coll.AsObject()->Enumerate();
    } else {
      throw VbError(coll.IsObject() ? vberr::kObjectRequired : vberr::kNotACollection);
    }
  } catch (const VbError& e) {
    if (!f.oern) throw;
    f.rt->TrapError(e);
    Flow fl = body.Exec(f);
    return fl == Flow::ExitFor ? Flow::Normal : fl;
  }
  size_t n = arr ? arr->size() : items.size();
  for (size_t i = 0; i < n; ++i) {
    const Variant& v = arr ? arr->data()[i] : items[i];
    if (var->tag == ExprTag::kLocal && StoredAsIs(v))
      f.locals[var->slot].Deref() = v;
    else
      var->Assign(f, nullptr, v, v.IsObject());
    Flow fl = RunBody(body, f);
    if (fl == Flow::ExitFor) return Flow::Normal;
    if (fl != Flow::Normal) return fl;
    f.rt->Tick();
  }
  if (n > 0) var->Assign(f, nullptr, Variant(), false);
  return Flow::Normal;
}

Flow DoStmt::Exec(Frame& f) const {
  while (true) {
    if (test == kTop) {
      bool c;
      try {
        c = cond->Test(f);
        if (until) c = !c;
      } catch (const VbError& e) {
        if (!f.oern) throw;
        f.rt->TrapError(e);
        c = true;  // enters the body
      }
      if (!c) break;
    }
    Flow fl = RunBody(body, f);
    if (fl == Flow::ExitDo && !is_while_wend) break;
    if (fl != Flow::Normal) return fl;
    if (test == kBottom) {
      bool c;
      try {
        c = cond->Test(f);
        if (until) c = !c;
      } catch (const VbError& e) {
        if (!f.oern) {
          f.rt->NoteError(f, cond->line);  // the Loop line
          throw;
        }
        f.rt->TrapError(e);
        c = false;  // leaves the loop
      }
      if (!c) break;
    }
    f.rt->Tick();
  }
  return Flow::Normal;
}

Flow ReDimStmt::Exec(Frame& f) const {
  for (const Item& it : items) {
    Variant* s = it.target->Storage(f, true);
    if (!s) throw NamedError(vberr::kIllegalAssignment, it.target->ref.name);
    if (s->IsArray() && s->AsArray()->fixed()) throw VbError(vberr::kArrayLocked);
    std::vector<VbArray::Bound> bounds;
    for (const auto& b : it.bounds) {
      Variant v = b->Eval(f);
      int32_t ub;
      try {
        ub = v.ToLong();
      } catch (const VbError& e) {
        if (preserve && e.number() == vberr::kTypeMismatch)
          throw VbError(vberr::kInvalidProcedureCall);
        throw;
      }
      if (ub == INT32_MAX) throw VbError(vberr::kOutOfMemory);
      bounds.push_back({0, ub + 1});
    }
    CheckArraySize(bounds);
    s = it.target->Storage(f, true);
    if (s->IsArray()) {
      VbArray* a = s->AsArray();
      if (a->locked()) throw VbError(vberr::kArrayLocked);
      if (a->ref_count() > 1) {
        *s = Variant(a->Clone());
        a = s->AsArray();
      }
      a->Redim(std::move(bounds), preserve);
    } else {
      *s = Variant(MakeRef<VbArray>(std::move(bounds), false));
    }
  }
  return Flow::Normal;
}

Flow DimArraysStmt::Exec(Frame& f) const {
  for (const Item& it : items) {
    Variant* s = it.target->Storage(f, true);
    if (s && !s->IsArray()) *s = MakeFixedArray(it.counts, true);
  }
  return Flow::Normal;
}

Flow EraseStmt::Exec(Frame& f) const {
  for (const auto& t : targets) {
    Variant* s = t->Storage(f, false);
    if (!s || !s->IsArray()) throw NamedError(vberr::kTypeMismatch, t->ref.name);
    VbArray* a = s->AsArray();
    if (a->locked()) throw VbError(vberr::kArrayLocked);
    if (a->ref_count() > 1) {
      *s = Variant(a->Clone());
      a = s->AsArray();
    }
    a->Erase();
  }
  return Flow::Normal;
}

Flow OnErrorStmt::Exec(Frame& f) const {
  f.oern = resume_next;
  f.rt->err().Clear();
  return Flow::Normal;
}

Flow WithStmt::Exec(Frame& f) const {
  Variant v;
  try {
    v = object->Eval(f);
    if (!v.IsObject()) throw VbError(vberr::kObjectRequired);
  } catch (const VbError& e) {
    // Under Resume Next the body still runs; its `.x` find no object.
    if (!f.oern) throw;
    f.rt->TrapError(e);
    v = Variant();
  }
  Frame::WithLink link{std::move(v), f.with};
  f.with = &link;
  Flow fl;
  try {
    fl = body.Exec(f);
  } catch (...) {
    f.with = link.outer;
    throw;
  }
  f.with = link.outer;
  return fl;
}

}  // namespace sw::vbs
