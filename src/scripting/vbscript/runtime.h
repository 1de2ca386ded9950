// The running state of one engine: global names, the value stack and call frames, script
// objects, the Err object and the time limit. Statement and expression nodes work on it.
#pragma once

#include <chrono>
#include <deque>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "scripting/vbscript/ast.h"
#include "scripting/vbscript/builtins.h"
#include "scripting/vbscript/lib_rnd.h"
#include "scripting/vbscript/program.h"
#include "scripting/vbscript/script_host.h"
#include "scripting/vbscript/stack_guard.h"
#include "variant/vb_array.h"

namespace sw::vbs {

class Runtime;
class ScriptObject;
class ErrObject;

// A run-time error that names what failed ("Variable is undefined: 'x'" for the host).
class NamedError : public VbError {
 public:
  NamedError(int number, std::string name) : VbError(number), name_(std::move(name)) {}
  const std::string& name() const { return name_; }

 private:
  std::string name_;
};

// Thrown when the time limit passes; no script error handler can catch it.
struct TimeoutError {};

struct GlobalEntry {
  enum Kind : uint8_t { kUndefined, kVariable, kConst, kProc, kClass, kNamedItem };
  Kind kind = kUndefined;
  std::string name;
  Variant value;
  const ProcDef* proc = nullptr;
  const ClassDef* cls = nullptr;
  std::shared_ptr<const Unit> owner;  // keeps proc / cls alive
  const BuiltinDef* builtin = nullptr;
  // A member of an object added with its members, found when the name is otherwise unknown.
  Dispatch* host = nullptr;
  int host_member = -1;
  uint32_t host_gen = ~0u;
};

// An array index: Integer and Long values as they are, others converted as CLng does.
inline int32_t ToIndex(const Variant& v) {
  if (v.type() == VarType::Integer) return v.AsInteger();
  if (v.type() == VarType::Long) return v.AsLong();
  return v.ToLong();
}

struct Frame {
  explicit Frame(Runtime* r) : rt(r) {}
  Runtime* rt;
  Variant* locals = nullptr;
  const ProcDef* proc = nullptr;
  ScriptObject* me = nullptr;
  const Unit* unit = nullptr;
  bool oern = false;
  // The innermost With object; each With statement links its own on its native frame.
  struct WithLink {
    Variant object;
    const WithLink* outer;
  };
  const WithLink* with = nullptr;
  // Variables that Execute declared inside this procedure call (rare: made on demand).
  std::shared_ptr<std::unordered_map<std::string, Variant>> dyn;
};

// A whole number under an index operator (Plus: as it is) and a literal, as an index; false
// when the general rules must decide (Mod by 0 or -1, a result beyond a Long).
[[gnu::always_inline]] inline bool IndexFromWhole(int64_t x, Op op, int32_t k, int32_t& out) {
  switch (op) {
    case Op::Plus:
      break;
    case Op::Add:
      x += k;
      break;
    case Op::Sub:
      x -= k;
      break;
    case Op::Mul:
      x *= k;
      break;
    case Op::Mod:
      // 32-bit division is much cheaper than 64-bit.
      if (k == 0 || k == -1) return false;
      x = static_cast<int32_t>(x) % k;
      break;
    default:
      return false;
  }
  if (x < INT32_MIN || x > INT32_MAX) return false;
  out = static_cast<int32_t>(x);
  return true;
}

// The index an IndexForm names; false when the variable holds no whole number or the
// general rules must decide.
[[gnu::always_inline]] inline bool IndexOfForm(const IndexForm& form, const Frame& f,
                                               int32_t& out) {
  const Variant& v = f.locals[form.slot].Deref();
  int64_t x;
  if (v.type() == VarType::Integer)
    x = v.AsInteger();
  else if (v.type() == VarType::Long)
    x = v.AsLong();
  else
    return false;
  return IndexFromWhole(x, form.op, form.k, out);
}

// Arrays whose elements are passed by reference stay locked until the call ends.
class LockSet {
 public:
  LockSet() = default;
  LockSet(const LockSet&) = delete;
  LockSet& operator=(const LockSet&) = delete;
  ~LockSet() {
    for (auto& a : locks_) a->Unlock();
  }
  void Lock(VbArray* a);

 private:
  std::vector<sw::Ref<VbArray>> locks_;
};

// Evaluated arguments of one call. Arguments that name storage are passed as references;
// arrays whose elements are passed this way stay locked until the call ends.
class ArgBuffer {
 public:
  ArgBuffer() = default;
  ArgBuffer(const ArgBuffer&) = delete;
  ArgBuffer& operator=(const ArgBuffer&) = delete;
  ~ArgBuffer();
  void Fill(Frame& f, const ArgList& args, bool by_ref);
  void Append(Variant v);  // a Let/Set value after the indexes
  Args args() { return Args(data_, n_); }
  size_t size() const { return n_; }
  Variant* data() { return data_; }

 private:
  void Reserve(size_t n);
  Variant small_[4];
  std::vector<Variant> big_;
  Variant* data_ = small_;
  size_t n_ = 0;
  LockSet locks_;
};

// An instance of a script class.
class ScriptObject : public Dispatch {
 public:
  ScriptObject(Runtime* rt, const ClassDef* cls, std::shared_ptr<const Unit> unit);
  ~ScriptObject() override;
  std::string TypeName() const override { return cls_->name; }
  int FindMember(std::string_view name) override;
  Variant Invoke(int member, InvokeKind kind, Args args) override;

  const ClassDef* cls() const { return cls_; }
  std::vector<Variant>& fields() { return fields_; }
  void Detach() { rt_ = nullptr; }
  bool terminated() const { return terminated_; }
  void MarkTerminated() { terminated_ = true; }
  ScriptObject* next_live = nullptr;
  ScriptObject* prev_live = nullptr;

 protected:
  void OnFinalRelease() noexcept override;

 private:
  Runtime* rt_;
  const ClassDef* cls_;
  std::shared_ptr<const Unit> unit_;
  std::vector<Variant> fields_;
  bool terminated_ = false;
};

// Where the error now travelling to the host happened.
struct ErrorSite {
  bool set = false;
  int line = 0;
  const Unit* unit = nullptr;
  std::string procedure;
};

class Runtime {
 public:
  explicit Runtime(const BuiltinTable* builtins);
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  // Drops every global, object and named item; script objects are terminated.
  void Reset();
  // Reset while a script is still running (a host method started another script): the old
  // globals and code stay alive, untouched, until ClearRetired is called after the outer
  // script has returned, because its frames still point into them.
  void ResetWhileRunning();
  void ClearRetired();
  uint32_t gen() const { return gen_; }

  // Global names.
  GlobalEntry* Lookup(const std::string& lname, std::string_view name);
  GlobalEntry* Find(const std::string& lname);
  GlobalEntry* Resolve(const NameRef& r) {
    if (r.cache_gen != gen_) {
      r.cache = Lookup(r.lname, r.name);
      r.cache_gen = gen_;
    }
    return r.cache;
  }
  // Finds `e`'s name among the members of objects added with their members.
  bool ResolveHostMember(GlobalEntry* e);
  void AddNamedItem(const std::string& name, Ref<Dispatch> obj, bool add_members);

  // Defines a compiled unit's procedures, classes, variables and constants. Throws a
  // CompileError-like VbError for clashes with existing constants. With `keep`, the unit
  // stays alive until Reset (a procedure of it may still be running when a later text
  // redefines it); otherwise its caller holds it for as long as it runs.
  void Define(const std::shared_ptr<const Unit>& u, bool keep = true);
  // Compiled units kept alive until Reset.
  size_t kept_units() const { return units_.size(); }
  void RunBody(const Unit& u);

  // Calls.
  Variant CallProc(const ProcDef* p, ScriptObject* me, Args args);
  // Calls with argument expressions evaluated straight into the new frame.
  Variant CallProcWith(const ProcDef* p, Frame& caller, const ArgList& args);
  Variant CallBuiltin(const BuiltinDef* b, Frame& f, Args args, bool as_statement);
  Variant InvokeMember(ScriptObject* o, int member, InvokeKind kind, Args args);
  Variant NewObject(const ClassDef* cls, const std::shared_ptr<const Unit>& unit);
  Variant NewObjectByName(const std::string& lname, std::string_view name, bool explicit_vars);

  // Values stored into variables: objects through their default member unless Set.
  static Variant StoreValue(Variant v, bool is_set);

  // Time limit (ms, -1 = none). Loops and calls tick; the clock is read every `tick_budget_`
  // ticks, a number that adapts so that reads come about every millisecond however slow the
  // ticks are. Built-ins that made huge results read it at once.
  void StartClock(int timeout_ms);
  void Tick(uint32_t weight = 1) {
    ticks_ += weight;
    if (ticks_ >= tick_budget_) [[unlikely]]
      CheckClock();
  }
  // A host or library method may be slow (a regular expression at its match limit): it
  // counts as many ticks, so that at most a few of them run between clock reads.
  static constexpr uint32_t kHostCallTicks = 256;
  void CheckClock();
  // Ends the running code at its next check, as the time limit does.
  void StopNow() {
    has_deadline_ = true;
    deadline_ = std::chrono::steady_clock::time_point::min();
    ticks_ = 4096;
  }

  // Errors.
  void NoteError(const Frame& f, int line);
  ErrorSite TakeErrorSite();
  void ClearErrorSite() { site_ = ErrorSite(); }
  void TrapError(const VbError& e);  // fills Err for On Error Resume Next
  ErrObject& err() { return *err_; }
  Ref<Dispatch> err_ref();
  lib::RndState rnd;  // library: the Rnd / Randomize generator (lib_rnd.h)

  ScriptHost* host() { return host_; }
  void set_host(ScriptHost* h) { host_ = h ? h : &default_host_; }
  const BuiltinTable& builtins() const { return *builtins_; }
  int depth() const { return depth_; }

  // The guard of script recursion. Every host entry arms it for the calling thread; nested
  // expressions check the native stack, and calls, Execute/Eval and terminators also count
  // levels (a Level each), so that runaway recursion raises "Out of stack space".
  void ArmStack() { stack_.Arm(); }
  const StackGuard& stack() const { return stack_; }
  void CheckStack(const char* position) const {
    if (stack_.Exhausted(position)) [[unlikely]]
      OutOfStack();
  }
  [[noreturn]] static void OutOfStack();
  class Level {
   public:
    Level(Runtime& rt, const char* position) : rt_(rt) {
      if (rt.depth_ >= kMaxDepth || rt.stack_.Exhausted(position)) [[unlikely]]
        OutOfStack();
      ++rt.depth_;
    }
    ~Level() { --rt_.depth_; }
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;

   private:
    Runtime& rt_;
  };
  static constexpr int kMaxDepth = 3000;

  // Compiling at run time (Execute, ExecuteGlobal, Eval).
  void ExecuteText(Frame& f, std::string_view text, bool global);
  // `any_syntax_error`: every compile error is 1002 "Syntax error" (the Eval function).
  Variant EvalText(Frame& f, std::string_view text, bool any_syntax_error = false);

  // Script objects alive right now, so that Reset can terminate cycles.
  void Link(ScriptObject* o);
  void Unlink(ScriptObject* o);
  void RunTerminate(ScriptObject* o) noexcept;
  // Deletes an object whose last reference went. Objects freed while another is being freed
  // (a long chain of nodes) wait in a list, so freeing never recurses deeply.
  void Destroy(ScriptObject* o) noexcept;

 private:
  // Where the slot stack stood before a frame was pushed. The chunk and its end change only
  // when the frame went to another chunk (`moved`).
  struct SlotMark {
    Variant* top;
    bool moved;
    size_t chunk;
    Variant* end;
  };
  Variant* PushSlots(int n, SlotMark& mark) {
    mark.top = top_;
    mark.moved = false;
    size_t need = static_cast<size_t>(n);
    if (static_cast<size_t>(end_ - top_) < need) [[unlikely]] {
      mark.moved = true;
      mark.chunk = chunk_;
      mark.end = end_;
      return PushSlotsSlow(need);
    }
    Variant* p = top_;
    top_ += need;
    return p;
  }
  void PopSlots(Variant* p, int n, const SlotMark& mark) {
    ClearSlots(p, n);
    if (mark.moved) [[unlikely]] {
      chunk_ = mark.chunk;
      end_ = mark.end;
    }
    top_ = mark.top;
  }
  // Empties a frame's slots for the next frame; most hold no shared value.
  static void ClearSlots(Variant* p, int n) {
    for (Variant *v = p, *e = p + n; v != e; ++v) {
      if (v->Shared()) std::destroy_at(v);  // other values own nothing
      std::construct_at(v);
    }
  }
  // The local arrays a procedure makes when it starts.
  static void MakeLocalArrays(const ProcDef* p, Variant* loc);
  Variant* PushSlotsSlow(size_t need);
  // The part of every procedure call after the arguments are known: the depth and stack
  // checks, the new frame's slots, `fill(params)` storing the parameters, local arrays, and
  // running the body. Returns the function's result.
  template <class FillParams>
  Variant RunProc(const ProcDef* p, ScriptObject* me, int nargs, FillParams&& fill);

  const BuiltinTable* builtins_;
  uint32_t gen_ = 1;
  std::deque<GlobalEntry> entries_;
  std::unordered_map<std::string, GlobalEntry*> names_;
  struct NamedItem {
    std::string lname;
    Ref<Dispatch> obj;
    bool add_members;
  };
  std::vector<NamedItem> items_;
  uint32_t host_gen_ = 0;
  std::vector<std::shared_ptr<const Unit>> units_;  // keep defined code alive
  struct Retired {
    std::deque<GlobalEntry> entries;
    std::vector<NamedItem> items;
    std::vector<std::shared_ptr<const Unit>> units;
  };
  std::vector<Retired> retired_;

  std::vector<std::unique_ptr<Variant[]>> chunks_;
  std::vector<size_t> chunk_sizes_;
  size_t chunk_ = 0;
  Variant* top_ = nullptr;  // null while no frame is pushed
  Variant* end_ = nullptr;
  int depth_ = 0;
  StackGuard stack_;

  std::chrono::steady_clock::time_point deadline_;
  std::chrono::steady_clock::time_point last_read_;
  bool has_deadline_ = false;
  uint32_t ticks_ = 0;
  uint32_t tick_budget_ = 64;

  ErrorSite site_;
  Ref<ErrObject> err_;
  ScriptHost default_host_;
  ScriptHost* host_ = &default_host_;
  ScriptObject* live_ = nullptr;
  std::vector<ScriptObject*> dying_;
  bool destroying_ = false;
  std::vector<std::unique_ptr<Expr>> eval_keep_;
};

}  // namespace sw::vbs
