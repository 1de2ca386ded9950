// Execution of names, member accesses and calls: reading, calling, indexing, assigning and
// passing by reference.
#include <typeinfo>

#include "base/ascii.h"
#include "base/unicode_case.h"
#include "scripting/vbscript/runtime.h"

namespace sw::vbs {
namespace {

std::vector<int32_t> Indexes(Frame& f, const ArgList& args) {
  std::vector<int32_t> idx;
  idx.reserve(args.size());
  for (const Arg& a : args) {
    if (!a.e) throw VbError(vberr::kSubscriptOutOfRange);
    idx.push_back(a.e->Eval(f).ToLong());
  }
  return idx;
}

Variant& Element(Frame& f, VbArray* a, const ArgList& args) {
  if (args.size() == 1 && args[0].e) return a->At1(args[0].e->EvalIndex(f));
  auto idx = Indexes(f, args);
  return a->At(idx);
}

// Makes the array held in `slot` unshared before it is written.
VbArray* Unshare(Variant& slot) {
  VbArray* a = slot.AsArray();
  // A locked array's extra references belong to the calls that lock it.
  if (a->ref_count() > 1 && !a->locked()) {
    slot = Variant(a->Clone());
    a = slot.AsArray();
  }
  return a;
}

// `v(args)` for a value: array element, default member of an object, or a type mismatch.
Variant IndexOrDefault(Frame& f, const Variant& v0, const ArgList& args, InvokeKind kind,
                       const std::string& name) {
  const Variant& v = v0.Deref();
  if (v.IsArray()) {
    if (args.empty()) throw VbError(vberr::kSubscriptOutOfRange);
    sw::Ref<VbArray> keep(v.AsArray());
    return Element(f, keep.get(), args);
  }
  if (v.IsObject()) {
    if (!v.AsObject()) throw VbError(vberr::kObjectNotSet);
    sw::Ref<Dispatch> obj = v.ObjectRef();
    ArgBuffer b;
    b.Fill(f, args, true);
    return obj->Invoke(Dispatch::kDefaultMember, kind, b.args());
  }
  throw NamedError(vberr::kTypeMismatch, name);
}

void AssignIndexed(Frame& f, Variant& slot, const ArgList& args, Variant v, bool is_set,
                   const std::string& name) {
  Variant& s = slot.Deref();
  if (s.IsArray()) {
    Variant val = Runtime::StoreValue(std::move(v), is_set);
    VbArray* a = Unshare(s);
    Element(f, a, args) = std::move(val);
    return;
  }
  if (s.IsObject()) {
    if (!s.AsObject()) throw VbError(vberr::kObjectNotSet);
    sw::Ref<Dispatch> obj = s.ObjectRef();
    ArgBuffer b;
    b.Fill(f, args, false);
    b.Append(std::move(v));
    obj->Invoke(Dispatch::kDefaultMember, is_set ? InvokeKind::Set : InvokeKind::Let, b.args());
    return;
  }
  throw NamedError(vberr::kTypeMismatch, name);
}

Variant CallHost(Frame& f, GlobalEntry* e, const ArgList& args, InvokeKind kind) {
  sw::Ref<Dispatch> keep(e->host);
  ArgBuffer b;
  b.Fill(f, args, true);
  return keep->Invoke(e->host_member, kind, b.args());
}

// A variable that Execute declared in the running procedure call, if the name is one.
Variant* FrameDynSlow(Frame& f, const NameRef& r) {
  auto it = f.dyn->find(r.lname);
  return it == f.dyn->end() ? nullptr : &it->second;
}

inline Variant* FrameDyn(Frame& f, const NameRef& r) {
  return r.frame_dyn && f.dyn ? FrameDynSlow(f, r) : nullptr;
}

}  // namespace

Variant Expr::Invoke(Frame& f, const ArgList& args, InvokeKind kind) const {
  Variant v = Eval(f);
  return IndexOrDefault(f, v, args, kind, DisplayName());
}

void Expr::Assign(Frame&, const ArgList*, Variant, bool) const {
  throw VbError(vberr::kIllegalAssignment);
}

// ---------------- NameExpr ----------------

Variant NameExpr::Eval(Frame& f) const {
  switch (ref.kind) {
    case NameRef::kLocal:
      return f.locals[ref.slot].Deref();
    case NameRef::kConst:
      return ref.value;
    case NameRef::kMember: {
      // A variable of the class is read straight from the object.
      const ClassDef::Member& m = f.me->cls()->members[ref.member];
      if (m.field >= 0) return f.me->fields()[m.field];
      return f.rt->InvokeMember(f.me, ref.member, InvokeKind::Get, Args());
    }
    case NameRef::kGlobal:
      break;
  }
  if (Variant* d = FrameDyn(f, ref)) return *d;
  GlobalEntry* e = f.rt->Resolve(ref);
  switch (e->kind) {
    case GlobalEntry::kVariable:
    case GlobalEntry::kConst:
    case GlobalEntry::kNamedItem:
      return e->value;
    case GlobalEntry::kProc:
      return f.rt->CallProc(e->proc, nullptr, Args());
    case GlobalEntry::kClass:
      throw NamedError(vberr::kTypeMismatch, ref.name);
    case GlobalEntry::kUndefined:
      break;
  }
  if (ref.slot >= 0) return f.locals[ref.slot].Deref();
  if (e->builtin) return f.rt->CallBuiltin(e->builtin, f, Args(), false);
  if (f.rt->ResolveHostMember(e)) {
    sw::Ref<Dispatch> keep(e->host);
    return keep->Invoke(e->host_member, InvokeKind::Get, Args());
  }
  if (ref.explicit_vars) throw NamedError(vberr::kVariableUndefined, ref.name);
  return Variant();
}

int32_t NameExpr::EvalIndex(Frame& f) const {
  if (ref.kind == NameRef::kLocal) {
    const Variant& v = f.locals[ref.slot].Deref();
    if (v.type() == VarType::Integer) return v.AsInteger();
    if (v.type() == VarType::Long) return v.AsLong();
  }
  return ToIndex(Eval(f));
}

Variant NameExpr::Invoke(Frame& f, const ArgList& args, InvokeKind kind) const {
  // The common case first: a call of a global procedure.
  if (ref.kind == NameRef::kGlobal && !(ref.frame_dyn && f.dyn)) {
    GlobalEntry* e = f.rt->Resolve(ref);
    if (e->kind == GlobalEntry::kProc) return f.rt->CallProcWith(e->proc, f, args);
  }
  return InvokeOther(f, args, kind);
}

Variant NameExpr::InvokeOther(Frame& f, const ArgList& args, InvokeKind kind) const {
  switch (ref.kind) {
    case NameRef::kLocal:
      return IndexOrDefault(f, f.locals[ref.slot], args, kind, ref.name);
    case NameRef::kConst:
      return IndexOrDefault(f, ref.value, args, kind, ref.name);
    case NameRef::kMember: {
      ArgBuffer b;
      b.Fill(f, args, true);
      return f.rt->InvokeMember(f.me, ref.member, kind, b.args());
    }
    case NameRef::kGlobal:
      break;
  }
  if (Variant* d = FrameDyn(f, ref)) return IndexOrDefault(f, *d, args, kind, ref.name);
  GlobalEntry* e = f.rt->Resolve(ref);
  switch (e->kind) {
    case GlobalEntry::kVariable:
    case GlobalEntry::kConst:
    case GlobalEntry::kNamedItem: {
      if (args.empty() && kind != InvokeKind::Call && !e->value.IsObject()) {
        if (e->value.IsArray()) throw VbError(vberr::kSubscriptOutOfRange);
        throw NamedError(vberr::kTypeMismatch, ref.name);
      }
      Variant v = e->value;  // the call may replace the variable
      return IndexOrDefault(f, v, args, kind, ref.name);
    }
    case GlobalEntry::kProc:
      return f.rt->CallProcWith(e->proc, f, args);
    case GlobalEntry::kClass:
      throw NamedError(vberr::kTypeMismatch, ref.name);
    case GlobalEntry::kUndefined:
      break;
  }
  if (ref.slot >= 0) return IndexOrDefault(f, f.locals[ref.slot], args, kind, ref.name);
  if (e->builtin) {
    ArgBuffer b;
    b.Fill(f, args, false);
    return f.rt->CallBuiltin(e->builtin, f, b.args(), kind == InvokeKind::Call);
  }
  if (f.rt->ResolveHostMember(e)) return CallHost(f, e, args, kind);
  if (ref.explicit_vars) throw NamedError(vberr::kVariableUndefined, ref.name);
  throw NamedError(vberr::kTypeMismatch, ref.name);
}

Variant* NameExpr::Storage(Frame& f, bool create) const {
  switch (ref.kind) {
    case NameRef::kLocal:
      return &f.locals[ref.slot].Deref();
    case NameRef::kConst:
      return nullptr;
    case NameRef::kMember: {
      const ClassDef::Member& m = f.me->cls()->members[ref.member];
      return m.field >= 0 ? &f.me->fields()[m.field] : nullptr;
    }
    case NameRef::kGlobal:
      break;
  }
  if (Variant* d = FrameDyn(f, ref)) return d;
  GlobalEntry* e = f.rt->Resolve(ref);
  if (e->kind == GlobalEntry::kVariable) return &e->value;
  if (e->kind != GlobalEntry::kUndefined) return nullptr;
  if (ref.slot >= 0) return &f.locals[ref.slot].Deref();
  if (e->builtin || f.rt->ResolveHostMember(e)) return nullptr;
  if (ref.explicit_vars && !create) throw NamedError(vberr::kVariableUndefined, ref.name);
  e->kind = GlobalEntry::kVariable;
  e->value = Variant();
  return &e->value;
}

Variant* NameExpr::Ref(Frame& f, LockSet&) const {
  return Storage(f, false);
}

Variant* NameExpr::RefIndexed(Frame& f, const ArgList& args, LockSet& b) const {
  if (ref.kind == NameRef::kConst) return nullptr;
  if (ref.kind == NameRef::kGlobal) {
    GlobalEntry* e = f.rt->Resolve(ref);
    bool var =
        e->kind == GlobalEntry::kVariable || (e->kind == GlobalEntry::kUndefined && ref.slot >= 0);
    if (!var) return nullptr;
  }
  Variant* s = Storage(f, false);
  if (!s || !s->IsArray() || args.empty()) return nullptr;
  VbArray* a = Unshare(*s);
  Variant& el = Element(f, a, args);
  b.Lock(a);
  return &el;
}

void NameExpr::Assign(Frame& f, const ArgList* args, Variant v, bool is_set) const {
  bool indexed = args && !args->empty();
  switch (ref.kind) {
    case NameRef::kLocal: {
      Variant& slot = f.locals[ref.slot].Deref();
      if (indexed) return AssignIndexed(f, slot, *args, std::move(v), is_set, ref.name);
      if (args) throw VbError(vberr::kSubscriptOutOfRange);
      slot = Runtime::StoreValue(std::move(v), is_set);
      return;
    }
    case NameRef::kConst:
      throw NamedError(vberr::kIllegalAssignment, ref.name);
    case NameRef::kMember: {
      const ClassDef::Member& m = f.me->cls()->members[ref.member];
      if (m.field >= 0 && !args) {
        // A variable of the class is written straight into the object.
        f.me->fields()[m.field] = Runtime::StoreValue(std::move(v), is_set);
        return;
      }
      ArgBuffer b;
      if (args) b.Fill(f, *args, false);
      b.Append(std::move(v));
      f.rt->InvokeMember(f.me, ref.member, is_set ? InvokeKind::Set : InvokeKind::Let, b.args());
      return;
    }
    case NameRef::kGlobal:
      break;
  }
  if (Variant* d = FrameDyn(f, ref)) {
    if (indexed) return AssignIndexed(f, *d, *args, std::move(v), is_set, ref.name);
    *d = Runtime::StoreValue(std::move(v), is_set);
    return;
  }
  GlobalEntry* e = f.rt->Resolve(ref);
  switch (e->kind) {
    case GlobalEntry::kVariable:
      if (indexed) return AssignIndexed(f, e->value, *args, std::move(v), is_set, ref.name);
      e->value = Runtime::StoreValue(std::move(v), is_set);
      return;
    case GlobalEntry::kNamedItem: {
      // `Door = 1` on a named host object writes its default member.
      if (is_set && !indexed) throw NamedError(vberr::kIllegalAssignment, ref.name);
      sw::Ref<Dispatch> obj = e->value.ObjectRef();
      ArgBuffer b;
      if (args) b.Fill(f, *args, false);
      b.Append(std::move(v));
      obj->Invoke(Dispatch::kDefaultMember, is_set ? InvokeKind::Set : InvokeKind::Let, b.args());
      return;
    }
    case GlobalEntry::kConst:
    case GlobalEntry::kProc:
    case GlobalEntry::kClass:
      throw NamedError(vberr::kIllegalAssignment, ref.name);
    case GlobalEntry::kUndefined:
      break;
  }
  if (ref.slot >= 0) {
    Variant& slot = f.locals[ref.slot].Deref();
    if (indexed) return AssignIndexed(f, slot, *args, std::move(v), is_set, ref.name);
    slot = Runtime::StoreValue(std::move(v), is_set);
    return;
  }
  if (e->builtin) throw NamedError(vberr::kIllegalAssignment, ref.name);
  if (f.rt->ResolveHostMember(e)) {
    sw::Ref<Dispatch> keep(e->host);
    ArgBuffer b;
    if (args) b.Fill(f, *args, false);
    b.Append(std::move(v));
    keep->Invoke(e->host_member, is_set ? InvokeKind::Set : InvokeKind::Let, b.args());
    return;
  }
  if (ref.explicit_vars) throw NamedError(vberr::kVariableUndefined, ref.name);
  if (indexed) throw NamedError(vberr::kTypeMismatch, ref.name);
  Variant val = Runtime::StoreValue(std::move(v), is_set);
  e->kind = GlobalEntry::kVariable;
  e->value = std::move(val);
}

// ---------------- MemberExpr ----------------

Variant MemberExpr::Target(Frame& f) const {
  if (obj) {
    f.rt->CheckStack(StackPosition());
    return obj->Eval(f);
  }
  if (!f.with) throw VbError(vberr::kInvalidReference);
  return f.with->object;
}

namespace {

Dispatch* NeedObject(const Variant& t) {
  const Variant& v = t.Deref();
  if (!v.IsObject() || !v.AsObject()) throw VbError(vberr::kObjectRequired);
  return v.AsObject();
}

}  // namespace

Variant MemberExpr::Eval(Frame& f) const {
  return Invoke(f, ArgList(), InvokeKind::Get);
}

[[gnu::always_inline]] inline int MemberExpr::FindMemberOf(Frame& f, Dispatch* d,
                                                           bool script) const {
  // A script class, or a library class whose ids are the same for all its objects: the id
  // found last at this call site holds for the next object of that class.
  const void* key = nullptr;
  if (script)
    key = static_cast<ScriptObject*>(d)->cls();
  else if (d->MembersFixedByClass())
    key = &typeid(*d);
  if (key == cache_key && key != nullptr && f.rt->gen() == cache_gen) [[likely]]
    return cache_id;
  const int id = d->FindMember(name);
  if (key != nullptr && id != Dispatch::kUnknownMember) {
    cache_key = key;
    cache_gen = f.rt->gen();
    cache_id = id;
  }
  return id;
}

Variant MemberExpr::Invoke(Frame& f, const ArgList& args, InvokeKind kind) const {
  Variant t = Target(f);
  Dispatch* d = NeedObject(t);
  if (via_me && f.me == d) {
    auto it = f.me->cls()->member_index.find(FoldCase(name));
    if (it != f.me->cls()->member_index.end()) {
      ArgBuffer b;
      b.Fill(f, args, true);
      return f.rt->InvokeMember(f.me, it->second, kind, b.args());
    }
  }
  const bool script = typeid(*d) == typeid(ScriptObject);
  const int id = FindMemberOf(f, d, script);
  if (id == Dispatch::kUnknownMember) throw NamedError(vberr::kNotSupported, name);
  if (empty_parens && args.empty()) {
    // `o.count()` on a Public variable of a script class is an invalid call.
    if (auto* so = dynamic_cast<ScriptObject*>(d); so && so->cls()->members[id - 1].field >= 0)
      throw NamedError(vberr::kInvalidProcedureCall, name);
  }
  ArgBuffer b;
  b.Fill(f, args, true);
  Variant result = d->Invoke(id, kind, b.args());
  // Methods of host and library objects (a regular expression at its match limit) may be slow.
  if (!script) f.rt->Tick(Runtime::kHostCallTicks);
  return result;
}

void MemberExpr::Assign(Frame& f, const ArgList* args, Variant v, bool is_set) const {
  Variant t = Target(f);
  Dispatch* d = NeedObject(t);
  InvokeKind kind = is_set ? InvokeKind::Set : InvokeKind::Let;
  if (via_me && f.me == d) {
    auto it = f.me->cls()->member_index.find(FoldCase(name));
    if (it != f.me->cls()->member_index.end()) {
      ArgBuffer b;
      if (args) b.Fill(f, *args, false);
      b.Append(std::move(v));
      f.rt->InvokeMember(f.me, it->second, kind, b.args());
      return;
    }
  }
  const int id = FindMemberOf(f, d, typeid(*d) == typeid(ScriptObject));
  if (id == Dispatch::kUnknownMember) throw NamedError(vberr::kNotSupported, name);
  ArgBuffer b;
  if (args) b.Fill(f, *args, false);
  b.Append(std::move(v));
  d->Invoke(id, kind, b.args());
}

// ---------------- CallExpr, Me, New ----------------

namespace {

template <typename To>
std::unique_ptr<To> TakeOver(CallExpr& from) {
  auto to = std::make_unique<To>();
  CopyExprBase(from, *to);
  to->target = std::move(from.target);
  to->args = std::move(from.args);
  return to;
}

// `a(i)` on a variable of the running procedure: while it holds an array, the element is
// read with no virtual calls and no copy of the array.
struct LocalIndexExpr final : CallExpr {
  LocalIndexSite site;
  Variant Eval(Frame& f) const override {
    const Variant& v = f.locals[site.array_slot].Deref();
    if (!v.IsArray()) return CallExpr::Eval(f);
    // An index from variables and literals runs no script code: the element is read in
    // place, as nothing could change the array meanwhile.
    int32_t i;
    if (site.inline_index && IndexOfForm(site.form, f, i)) return v.AsArray()->At1(i);
    // Other indexes may run script code that drops the array: it is kept alive meanwhile.
    f.rt->CheckStack(StackPosition());
    sw::Ref<VbArray> keep(v.AsArray());
    return keep->At1(site.index->EvalIndex(f));
  }
};

// `F(x)` calling a global procedure goes straight to the call, which checks the stack.
struct GlobalCallExpr final : CallExpr {
  Variant Eval(Frame& f) const override {
    const NameRef& ref = static_cast<const NameExpr*>(target.get())->ref;
    if (!(ref.frame_dyn && f.dyn)) {
      GlobalEntry* e = f.rt->Resolve(ref);
      if (e->kind == GlobalEntry::kProc) return f.rt->CallProcWith(e->proc, f, args);
    }
    f.rt->CheckStack(StackPosition());
    return target->Invoke(f, args, InvokeKind::Get);
  }
};

}  // namespace

std::unique_ptr<Expr> CallExpr::Specialized() {
  if (target->tag == ExprTag::kGlobalName) return TakeOver<GlobalCallExpr>(*this);
  LocalIndexSite site;
  if (!site.Of(*this)) return nullptr;
  auto to = TakeOver<LocalIndexExpr>(*this);
  to->site = site;
  return to;
}

// The general rules, for every call and index the faster forms above do not take.
Variant CallExpr::Eval(Frame& f) const {
  f.rt->CheckStack(StackPosition());
  return target->Invoke(f, args, InvokeKind::Get);
}

Variant CallExpr::Invoke(Frame& f, const ArgList& more, InvokeKind kind) const {
  f.rt->CheckStack(StackPosition());
  Variant v = target->Invoke(f, args, InvokeKind::Get);
  return IndexOrDefault(f, v, more, kind, DisplayName());
}

// `x(0)(1)`: the inner element itself when `x(0)` is an element of an array variable.
Variant* CallExpr::RefIndexed(Frame& f, const ArgList& more, LockSet& b) const {
  Variant* s = Ref(f, b);
  if (!s || !s->Deref().IsArray() || more.empty()) return nullptr;
  VbArray* a = Unshare(s->Deref());
  b.Lock(a);
  return &Element(f, a, more);
}

void CallExpr::Assign(Frame& f, const ArgList* a, Variant v, bool is_set) const {
  if (a && !a->empty()) {
    // `x(0)(1) = v` writes the element inside the array held by x(0), not a copy of it.
    LockSet locks;
    if (Variant* slot = Ref(f, locks); slot && slot->Deref().IsArray()) {
      AssignIndexed(f, *slot, *a, std::move(v), is_set, DisplayName());
      return;
    }
    Variant holder = target->Invoke(f, args, InvokeKind::Get);
    // An object that is Nothing has no default member to take the indexes.
    if (holder.Deref().IsObject() && !holder.Deref().AsObject())
      throw NamedError(vberr::kTypeMismatch, DisplayName());
    AssignIndexed(f, holder, *a, std::move(v), is_set, DisplayName());
    return;
  }
  target->Assign(f, &args, std::move(v), is_set);
}

Variant MeExpr::Eval(Frame& f) const {
  if (!f.me) throw VbError(vberr::kObjectRequired);
  return Variant(sw::Ref<Dispatch>(f.me));
}

Variant NewExpr::Eval(Frame& f) const {
  return f.rt->NewObjectByName(lname, class_name, explicit_vars);
}

}  // namespace sw::vbs
