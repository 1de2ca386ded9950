#include "scripting/vbscript/runtime.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "base/ascii.h"
#include "base/unicode_case.h"
#include "scripting/vbscript/compile_error.h"
#include "scripting/vbscript/err_object.h"
#include "scripting/vbscript/parser.h"

namespace sw::vbs {
namespace {

constexpr size_t kChunk = 16384;
// A built-in result at least this long (characters) is worth a clock read.
constexpr size_t kLongWork = 1 << 16;

}  // namespace

// ---------------- ArgBuffer ----------------

void LockSet::Lock(VbArray* a) {
  a->Lock();
  locks_.emplace_back(a);
}

ArgBuffer::~ArgBuffer() = default;

void ArgBuffer::Reserve(size_t n) {
  if (n > 4) {
    big_.resize(n);
    data_ = big_.data();
  }
}

void ArgBuffer::Fill(Frame& f, const ArgList& args, bool by_ref) {
  Reserve(args.size() + 1);
  n_ = args.size();
  for (size_t i = 0; i < n_; ++i) {
    const Arg& a = args[i];
    if (!a.e) {
      data_[i] = Variant::Missing();
    } else if (by_ref) {
      if (Variant* p = a.e->Ref(f, locks_))
        data_[i] = Variant::MakeRef(p);
      else
        data_[i] = a.e->Eval(f);
    } else {
      data_[i] = a.e->Eval(f);
    }
  }
}

void ArgBuffer::Append(Variant v) {
  if (data_ == small_ && n_ + 1 > 4) {
    big_.resize(n_ + 1);
    for (size_t i = 0; i < n_; ++i) big_[i] = std::move(small_[i]);
    data_ = big_.data();
  } else if (data_ != small_ && n_ + 1 > big_.size()) {
    big_.resize(n_ + 1);
    data_ = big_.data();
  }
  data_[n_++] = std::move(v);
}

// ---------------- ScriptObject ----------------

ScriptObject::ScriptObject(Runtime* rt, const ClassDef* cls, std::shared_ptr<const Unit> unit)
    : rt_(rt), cls_(cls), unit_(std::move(unit)) {
  fields_.reserve(cls->fields.size());
  for (const auto& fd : cls->fields) {
    if (!fd.is_array)
      fields_.emplace_back();
    else if (fd.counts.empty())
      fields_.emplace_back(MakeRef<VbArray>());
    else
      fields_.push_back(MakeFixedArray(fd.counts, true));
  }
  rt_->Link(this);
}

ScriptObject::~ScriptObject() {
  if (rt_) rt_->Unlink(this);
}

int ScriptObject::FindMember(std::string_view name) {
  auto it = cls_->member_index.find(FoldCase(name));
  if (it == cls_->member_index.end() || !cls_->members[it->second].is_public) return kUnknownMember;
  return it->second + 1;
}

Variant ScriptObject::Invoke(int member, InvokeKind kind, Args args) {
  if (!rt_) throw VbError(vberr::kObjectRequired);
  if (member == kDefaultMember) {
    if (cls_->default_member < 0) throw VbError(vberr::kNotSupported);
    member = cls_->default_member + 1;
  }
  return rt_->InvokeMember(this, member - 1, kind, args);
}

void ScriptObject::OnFinalRelease() noexcept {
  if (rt_ && cls_->terminate && !terminated_) {
    terminated_ = true;
    AddRef();  // alive while Class_Terminate runs
    rt_->RunTerminate(this);
    Release();  // comes back here with terminated_ set
    return;
  }
  if (rt_)
    rt_->Destroy(this);
  else
    delete this;
}

// ---------------- Runtime ----------------

Runtime::Runtime(const BuiltinTable* builtins) : builtins_(builtins), err_(MakeRef<ErrObject>()) {}

Runtime::~Runtime() {
  Reset();
  for (ScriptObject* o = live_; o; o = o->next_live) o->Detach();
  live_ = nullptr;
}

void Runtime::Link(ScriptObject* o) {
  o->next_live = live_;
  if (live_) live_->prev_live = o;
  live_ = o;
}

void Runtime::Unlink(ScriptObject* o) {
  if (o->prev_live)
    o->prev_live->next_live = o->next_live;
  else if (live_ == o)
    live_ = o->next_live;
  if (o->next_live) o->next_live->prev_live = o->prev_live;
  o->next_live = o->prev_live = nullptr;
}

void Runtime::Destroy(ScriptObject* o) noexcept {
  dying_.push_back(o);
  if (destroying_) return;
  destroying_ = true;
  while (!dying_.empty()) {
    ScriptObject* next = dying_.back();
    dying_.pop_back();
    delete next;  // may queue the objects its fields held
  }
  destroying_ = false;
}

void Runtime::RunTerminate(ScriptObject* o) noexcept {
  ErrorSite saved = site_;
  // The last reference may go from the host's side, outside any engine call.
  ArmStack();
  try {
    Frame f{this};
    (void)f;
    CallProc(o->cls()->terminate, o, Args());
  } catch (...) {
    // Errors inside Class_Terminate go nowhere.
  }
  site_ = saved;
}

void Runtime::Reset() {
  ArmStack();
  ClearRetired();
  // Script variables go first, so that objects held only by them terminate normally while
  // named host objects are still reachable from Class_Terminate.
  for (size_t i = 0; i < entries_.size(); ++i) {
    GlobalEntry& e = entries_[i];
    if (e.kind != GlobalEntry::kNamedItem) {
      Variant old = std::move(e.value);
      e.value = Variant();
    }
  }
  // What is left lives in reference cycles: terminate, then break the cycles.
  for (int round = 0; live_ && round < 8; ++round) {
    std::vector<Ref<ScriptObject>> left;
    for (ScriptObject* o = live_; o; o = o->next_live) left.emplace_back(o);
    for (auto& o : left)
      if (!o->terminated() && o->cls()->terminate) {
        o->MarkTerminated();
        RunTerminate(o.get());
      }
    for (auto& o : left) {
      std::vector<Variant> fields;
      fields.swap(o->fields());
    }
  }
  {
    std::deque<GlobalEntry> old;
    old.swap(entries_);
    names_.clear();
    items_.clear();
  }
  entries_.clear();
  names_.clear();
  units_.clear();
  err_->Clear();
  site_ = ErrorSite();
  ++host_gen_;
  ++gen_;
}

void Runtime::ResetWhileRunning() {
  Retired r;
  r.entries.swap(entries_);
  r.items.swap(items_);
  r.units.swap(units_);
  names_.clear();
  retired_.push_back(std::move(r));
  err_->Clear();
  site_ = ErrorSite();
  ++host_gen_;
  ++gen_;
}

void Runtime::ClearRetired() {
  // Released one by one: Class_Terminate code may run and look up names meanwhile.
  while (!retired_.empty()) {
    Retired r = std::move(retired_.back());
    retired_.pop_back();
  }
}

GlobalEntry* Runtime::Find(const std::string& lname) {
  auto it = names_.find(lname);
  return it == names_.end() ? nullptr : it->second;
}

GlobalEntry* Runtime::Lookup(const std::string& lname, std::string_view name) {
  auto it = names_.find(lname);
  if (it != names_.end()) return it->second;
  GlobalEntry& e = entries_.emplace_back();
  e.name = std::string(name);
  e.builtin = builtins_->Find(lname);
  names_.emplace(lname, &e);
  return &e;
}

bool Runtime::ResolveHostMember(GlobalEntry* e) {
  if (e->host_gen == host_gen_) return e->host != nullptr;
  e->host_gen = host_gen_;
  e->host = nullptr;
  for (const NamedItem& it : items_) {
    if (!it.add_members) continue;
    int id = it.obj->FindMember(e->name);
    if (id != Dispatch::kUnknownMember) {
      e->host = it.obj.get();
      e->host_member = id;
      return true;
    }
  }
  return false;
}

void Runtime::AddNamedItem(const std::string& name, Ref<Dispatch> obj, bool add_members) {
  std::string l = FoldCase(name);
  GlobalEntry* e = Lookup(l, name);
  e->kind = GlobalEntry::kNamedItem;
  e->value = Variant(obj);
  items_.push_back({l, std::move(obj), add_members});
  ++host_gen_;
}

void Runtime::Define(const std::shared_ptr<const Unit>& u, bool keep) {
  if (keep) units_.push_back(u);
  for (const GlobalDecl& d : u->decls) {
    GlobalEntry* e = Lookup(d.lname, d.name);
    switch (d.kind) {
      case GlobalDecl::kVar:
        if (e->kind == GlobalEntry::kVariable) {
          if (e->value.IsArray()) throw VbError(vberr::kTypeMismatch);
          break;
        }
        // `ExecuteGlobal "Dim k"` over a Const k: the code that defined the constant keeps
        // seeing its value.
        if (e->kind == GlobalEntry::kConst) break;
        e->kind = GlobalEntry::kVariable;
        e->value = Variant();
        break;
      case GlobalDecl::kArray:
        if (e->kind == GlobalEntry::kVariable && e->value.IsArray())
          throw VbError(vberr::kTypeMismatch);
        e->kind = GlobalEntry::kVariable;
        // A fixed array is made by its Dim statement when that runs.
        e->value = d.counts.empty() ? Variant(MakeRef<VbArray>()) : Variant();
        break;
      case GlobalDecl::kConst:
        if (e->kind != GlobalEntry::kUndefined)
          throw VbError(vberr::kNameRedefined, "Name redefined");
        e->kind = GlobalEntry::kConst;
        e->value = d.value;
        break;
    }
  }
  for (const auto& p : u->procs) {
    GlobalEntry* e = Lookup(p->lname, p->name);
    e->kind = GlobalEntry::kProc;
    e->proc = p.get();
    e->owner = u;
    e->value = Variant();
  }
  for (const auto& c : u->classes) {
    GlobalEntry* e = Lookup(c->lname, c->name);
    e->kind = GlobalEntry::kClass;
    e->cls = c.get();
    e->owner = u;
    e->value = Variant();
  }
}

void Runtime::RunBody(const Unit& u) {
  Frame f{this};
  f.unit = &u;
  u.body.Exec(f);
}

Variant* Runtime::PushSlotsSlow(size_t need) {
  // The first frame starts chunk 0; a frame that does not fit goes to the next chunk.
  size_t next = top_ ? chunk_ + 1 : 0;
  size_t size = need > kChunk ? need : kChunk;
  if (next == chunks_.size()) {
    chunks_.push_back(std::make_unique<Variant[]>(size));
    chunk_sizes_.push_back(size);
  } else if (chunk_sizes_[next] < need) {
    chunks_[next] = std::make_unique<Variant[]>(size);
    chunk_sizes_[next] = size;
  }
  chunk_ = next;
  Variant* base = chunks_[next].get();
  top_ = base + need;
  end_ = base + chunk_sizes_[next];
  return base;
}

void Runtime::MakeLocalArrays(const ProcDef* p, Variant* loc) {
  for (const auto& la : p->arrays)
    loc[la.slot] =
        la.counts.empty() ? Variant(MakeRef<VbArray>()) : MakeFixedArray(la.counts, true);
}

template <class FillParams>
[[gnu::always_inline]] inline Variant Runtime::RunProc(const ProcDef* p, ScriptObject* me,
                                                       int nargs, FillParams&& fill) {
  if (nargs != p->nparams) throw VbError(vberr::kWrongArguments);
  Level level(*this, StackPosition());
  Tick();
  Ref<Dispatch> keep_me(me);
  SlotMark mark;
  Variant* loc = PushSlots(p->nslots, mark);
  struct Guard {
    Runtime* rt;
    Variant* loc;
    int n;
    const SlotMark& mark;
    ~Guard() { rt->PopSlots(loc, n, mark); }
  } guard{this, loc, p->nslots, mark};
  fill(loc + 1);
  if (!p->arrays.empty()) MakeLocalArrays(p, loc);
  Frame f{this};
  f.locals = loc;
  f.proc = p;
  f.me = me;
  f.unit = p->unit;
  p->body.Exec(f);
  return std::move(loc[0]);
}

Variant Runtime::CallProc(const ProcDef* p, ScriptObject* me, Args args) {
  return RunProc(p, me, static_cast<int>(args.size()), [&](Variant* params) {
    for (int i = 0; i < p->nparams; ++i) {
      Variant& a = args.raw(i);
      if (p->byval[i])
        params[i] = StoreValue(a.Deref(), a.Deref().IsObject());
      else
        params[i] = a;
    }
  });
}

Variant Runtime::CallProcWith(const ProcDef* p, Frame& caller, const ArgList& args) {
  // Arrays whose elements are passed by reference stay locked until the call returns; most
  // calls pass none.
  std::optional<LockSet> locks;
  // The new frame's slots are Empty: values are made in place, with no assignment.
  const int nargs = static_cast<int>(args.size());
  return RunProc(p, nullptr, nargs,
                 [&caller, &locks, nargs, arg = args.data(),
                  byval = p->byval.data()](Variant* params) mutable {
                   for (Variant *slot = params, *end = slot + nargs; slot != end;
                        ++slot, ++arg, ++byval) {
                     const Expr* e = arg->e.get();
                     if (!e) {
                       std::construct_at(slot, Variant::Missing());
                     } else if (*byval) {
                       Variant v = e->Eval(caller);
                       if (v.IsArray() && v.AsArray()->locked()) v = Variant(v.AsArray()->Clone());
                       std::construct_at(slot, std::move(v));
                     } else if (e->tag == ExprTag::kLocal) {
                       std::construct_at(slot, Variant::MakeRef(&caller.locals[e->slot].Deref()));
                     } else if (e->tag == ExprTag::kValue || e->tag == ExprTag::kLiteral) {
                       std::construct_at(slot, e->Eval(caller));
                     } else {
                       if (!locks) locks.emplace();
                       if (Variant* r = e->Ref(caller, *locks))
                         std::construct_at(slot, Variant::MakeRef(r));
                       else
                         std::construct_at(slot, e->Eval(caller));
                     }
                   }
                 });
}

Variant Runtime::CallBuiltin(const BuiltinDef* b, Frame& f, Args args, bool as_statement) {
  if (b->is_constant) {
    if (!args.empty()) throw VbError(vberr::kTypeMismatch);
    return b->constant;
  }
  int n = static_cast<int>(args.size());
  if (n < b->min_args || n > b->max_args) throw VbError(vberr::kWrongArguments);
  CallContext ctx{*this, f, as_statement};
  Variant result = b->fn(ctx, args);
  // A built-in that made a huge string or array may have worked for long.
  const Variant& r = result.Deref();
  if ((r.IsString() && r.AsString().size() >= kLongWork) || r.IsArray()) CheckClock();
  return result;
}

Variant Runtime::InvokeMember(ScriptObject* o, int idx, InvokeKind kind, Args args) {
  Ref<Dispatch> keep(o);
  const ClassDef::Member& m = o->cls()->members[idx];
  bool put = kind == InvokeKind::Let || kind == InvokeKind::Set;
  if (m.field >= 0) {
    Variant& fv = o->fields()[m.field];
    if (put) {
      if (args.size() == 1) {
        fv = StoreValue(args[0], kind == InvokeKind::Set);
        return Variant();
      }
      if (!fv.IsArray()) throw VbError(vberr::kNotSupported);
      if (fv.AsArray()->ref_count() > 1) fv = Variant(fv.AsArray()->Clone());
      std::vector<int32_t> idxs;
      for (size_t i = 0; i + 1 < args.size(); ++i) idxs.push_back(args[i].ToLong());
      fv.AsArray()->At(idxs) = StoreValue(args.back(), kind == InvokeKind::Set);
      return Variant();
    }
    if (args.empty()) return fv;
    if (fv.IsArray()) {
      std::vector<int32_t> idxs;
      for (size_t i = 0; i < args.size(); ++i) idxs.push_back(args[i].ToLong());
      return fv.AsArray()->At(idxs);
    }
    if (fv.IsObject() && fv.AsObject())
      return fv.AsObject()->Invoke(Dispatch::kDefaultMember, kind, args);
    throw VbError(vberr::kNotSupported);
  }
  if (kind == InvokeKind::Let) {
    if (m.let) return CallProc(m.let, o, args);
    if (m.set && args.back().IsObject()) return CallProc(m.set, o, args);
    throw VbError(vberr::kNotSupported);
  }
  if (kind == InvokeKind::Set) {
    if (m.set) return CallProc(m.set, o, args);
    throw VbError(vberr::kNotSupported);
  }
  if (!m.get) throw VbError(vberr::kNotSupported);
  return CallProc(m.get, o, args);
}

Variant Runtime::NewObject(const ClassDef* cls, const std::shared_ptr<const Unit>& unit) {
  Ref<ScriptObject> o = MakeRef<ScriptObject>(this, cls, unit);
  if (cls->initialize) CallProc(cls->initialize, o.get(), Args());
  return Variant(Ref<Dispatch>(o));
}

Variant Runtime::NewObjectByName(const std::string& lname, std::string_view name,
                                 bool explicit_vars) {
  if (BuiltinClassFn make = builtins_->FindClass(lname)) return Variant(make(*this));
  GlobalEntry* e = Find(lname);
  if (e && e->kind == GlobalEntry::kClass) return NewObject(e->cls, e->owner);
  if ((!e || e->kind == GlobalEntry::kUndefined) && explicit_vars)
    throw NamedError(vberr::kVariableUndefined, std::string(name));
  throw NamedError(vberr::kClassNotDefined, std::string(name));
}

Variant Runtime::StoreValue(Variant v, bool is_set) {
  if (is_set) {
    if (!v.IsObject()) throw VbError(vberr::kObjectRequired);
    return v;
  }
  if (v.IsObject()) return v.DefaultValue();
  if (v.IsArray() && v.AsArray()->locked()) return Variant(v.AsArray()->Clone());
  return v;
}

void Runtime::OutOfStack() {
  throw VbError(vberr::kOutOfStack);
}

void Runtime::StartClock(int timeout_ms) {
  has_deadline_ = timeout_ms >= 0;
  last_read_ = std::chrono::steady_clock::now();
  deadline_ = last_read_ + std::chrono::milliseconds(timeout_ms < 0 ? 0 : timeout_ms);
  ticks_ = 0;
}

void Runtime::CheckClock() {
  using std::chrono::microseconds;
  constexpr uint32_t kMaxBudget = 4096;
  auto now = std::chrono::steady_clock::now();
  auto since = now - last_read_;
  last_read_ = now;
  if (ticks_ >= tick_budget_) {
    // Read about every millisecond: fewer reads while ticks are quick, one per tick (or
    // per call of a slow built-in) when they are slow.
    if (since < microseconds(500) && tick_budget_ < kMaxBudget)
      tick_budget_ *= 2;
    else if (since > microseconds(2000))
      tick_budget_ = std::max<uint32_t>(1, tick_budget_ / 16);
  }
  ticks_ = 0;
  if (has_deadline_ && std::chrono::steady_clock::now() > deadline_) throw TimeoutError{};
}

void Runtime::NoteError(const Frame& f, int line) {
  if (site_.set) return;
  site_.set = true;
  site_.line = line;
  site_.unit = f.proc ? f.proc->unit : f.unit;
  site_.procedure = f.proc ? f.proc->name : std::string();
}

ErrorSite Runtime::TakeErrorSite() {
  ErrorSite s = site_;
  site_ = ErrorSite();
  return s;
}

void Runtime::TrapError(const VbError& e) {
  err_->Record(e);
  site_ = ErrorSite();
}

Ref<Dispatch> Runtime::err_ref() {
  return Ref<Dispatch>(err_);
}

void Runtime::ExecuteText(Frame& f, std::string_view text, bool global) {
  Level level(*this, StackPosition());
  CompileOptions o;
  o.stack = &stack_;
  if (!global && f.proc) {
    o.scope = f.proc;
    o.cls = f.proc->owner;
  }
  std::shared_ptr<Unit> u;
  try {
    u = CompileUnit(text, o);
  } catch (const CompileError& ce) {
    if (ce.number == vberr::kOutOfStack) OutOfStack();
    throw RaisedError(ce.number, CompileErrorDescription(ce.number), kCompileSource, "", 0);
  }
  // Only texts that define procedures or classes outlive their run (the globals they name
  // own them too); anything else is freed when it ends, so that `Do : Execute "x = 1" :
  // Loop` runs in constant memory.
  Define(u, !u->procs.empty() || !u->classes.empty());
  if (!global && f.proc && !u->frame_dims.empty()) {
    if (!f.dyn) f.dyn = std::make_shared<std::unordered_map<std::string, Variant>>();
    for (const std::string& n : u->frame_dims) {
      bool local = false;
      for (const std::string& s : f.proc->slot_names) local = local || s == n;
      if (!local) f.dyn->try_emplace(n);
    }
  }
  if (global || !f.proc) {
    Frame g{this};
    g.unit = u.get();
    u->body.Exec(g);
  } else {
    Frame inner{this};
    inner.locals = f.locals;
    inner.proc = f.proc;
    inner.me = f.me;
    inner.unit = u.get();
    inner.dyn = f.dyn;
    u->body.Exec(inner);
  }
}

Variant Runtime::EvalText(Frame& f, std::string_view text, bool any_syntax_error) {
  Level level(*this, StackPosition());
  CompileOptions o;
  o.stack = &stack_;
  if (f.proc) {
    o.scope = f.proc;
    o.cls = f.proc->owner;
  }
  std::unique_ptr<Expr> e;
  // Eval sees what Execute declared in this procedure call.
  try {
    e = CompileExpression(text, o);
  } catch (const CompileError& ce) {
    if (ce.number == vberr::kOutOfStack) OutOfStack();
    int n = any_syntax_error ? cerr::kSyntax : ce.number;
    throw RaisedError(n, CompileErrorDescription(n), kCompileSource, "", 0);
  }
  return e->Eval(f);
}

void CheckArraySize(const std::vector<VbArray::Bound>& bounds) {
  // Variants are 16 bytes: a gigabyte of elements is as far as a script may go.
  constexpr int64_t kMaxElements = int64_t{1} << 26;
  int64_t total = 1;
  for (const VbArray::Bound& b : bounds) {
    total *= b.count < 0 ? 0 : b.count;
    if (total > kMaxElements) throw VbError(vberr::kOutOfMemory);
  }
}

Variant MakeFixedArray(const std::vector<int32_t>& counts, bool fixed) {
  std::vector<VbArray::Bound> b;
  for (int32_t c : counts) b.push_back({0, c < 0 ? 0 : c});
  CheckArraySize(b);
  return Variant(MakeRef<VbArray>(std::move(b), fixed));
}

}  // namespace sw::vbs
