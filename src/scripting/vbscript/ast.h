// The compiled form of script text: expression and statement nodes that execute themselves.
// Names are resolved while compiling (local slots, class members) or cached per engine run
// (globals), so execution does no string lookups on its hot paths.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "variant/dispatch.h"
#include "variant/variant.h"
#include "variant/vb_array.h"

namespace sw::vbs {

struct Frame;
struct GlobalEntry;
struct ProcDef;
struct ClassDef;
struct Expr;
class LockSet;

enum class Flow : uint8_t { Normal, ExitDo, ExitFor, ExitProc };

struct Arg {
  std::unique_ptr<Expr> e;  // null for a left-out argument (`f 1,,2`)
};
using ArgList = std::vector<Arg>;

struct Stmt;
struct Block;

// Visits the direct children of a node, for passes over the compiled tree; a child may be
// replaced through its owning pointer.
class TreeWalker {
 public:
  virtual void Visit(std::unique_ptr<Expr>& e) = 0;
  virtual void Visit(std::unique_ptr<Stmt>& s) = 0;
  void Visit(ArgList& args) {
    for (Arg& a : args)
      if (a.e) Visit(a.e);
  }
  void Visit(Block& b);

 protected:
  ~TreeWalker() = default;
};

// How an identifier was resolved at compile time.
struct NameRef {
  enum Kind : uint8_t {
    kLocal,   // a slot of the running procedure (parameter, Dim, function result)
    kMember,  // a member of the class whose method is running
    kConst,   // a local Const: its literal value
    kGlobal,  // looked up among globals at run time (cached per run)
  };
  Kind kind = kGlobal;
  int slot = -1;    // kLocal slot; for kGlobal the implicit-local slot used when no global exists
  int member = -1;  // kMember index
  bool explicit_vars = false;  // Option Explicit was in force where the name was used
  bool frame_dyn = false;      // compiled by Execute in a procedure: look in Frame::dyn first
  std::string name;            // as written
  std::string lname;           // lower case
  Variant value;               // kConst
  mutable GlobalEntry* cache = nullptr;
  mutable uint32_t cache_gen = 0;
};

enum class Op : uint8_t {
  Add,
  Sub,
  Mul,
  Div,
  IntDiv,
  Mod,
  Pow,
  Concat,
  And,
  Or,
  Xor,
  Eqv,
  Imp,
  Eq,
  Ne,
  Lt,
  Gt,
  Le,
  Ge,
  Is,
  Neg,
  Plus,
  Not,
};

// An array index a parent works out without a call: a variable (op Plus), or a variable and
// a whole-number literal under +, -, * or Mod.
struct IndexForm {
  int slot = -1;
  Op op = Op::Plus;
  int32_t k = 0;
};

// What an expression is, for fast paths that skip a virtual call: a local variable slot,
// a literal, or a value that never names storage.
// kGlobalName: a name looked up among the globals (a procedure, most often).
enum class ExprTag : uint8_t { kGeneric, kLocal, kLiteral, kValue, kCall, kGlobalName };

struct Expr {
  int line = 0;
  int col = 0;
  ExprTag tag = ExprTag::kGeneric;
  uint16_t height = 0;  // levels of sub-expressions below this one
  int slot = -1;        // kLocal
  virtual ~Expr() = default;
  virtual Variant Eval(Frame& f) const = 0;
  // The value as a condition (If, Do While): Null and Empty are False, other values convert
  // as CBool does. Comparisons answer without making a Boolean value first.
  virtual bool Test(Frame& f) const;
  // The value as an array index (Integer and Long as they are, others as CLng converts).
  // Whole-number arithmetic on variables and literals answers without making a value first.
  virtual int32_t EvalIndex(Frame& f) const;
  // `expr(args)`: call, index or default member with arguments.
  virtual Variant Invoke(Frame& f, const ArgList& args, InvokeKind kind) const;
  // `expr = v`, `expr(args) = v`, `Set expr = v`.
  virtual void Assign(Frame& f, const ArgList* args, Variant v, bool is_set) const;
  // Storage the expression names, for passing by reference; null when it is only a value.
  virtual Variant* Ref(Frame&, LockSet&) const { return nullptr; }
  virtual Variant* RefIndexed(Frame&, const ArgList&, LockSet&) const { return nullptr; }
  // The name an error message gives for this expression (may be empty).
  virtual std::string DisplayName() const { return {}; }
  // Literal kind, for the comparison rules: 1 number or date, 2 string.
  virtual int LiteralKind() const { return 0; }
  // Whether this expression, as an index, has an IndexForm (filled in when it has).
  virtual bool InlineIndex(IndexForm&) const { return false; }
  // Hands each sub-expression to the walker.
  virtual void Children(TreeWalker&) {}
  // A node that does the same work faster now that names are bound (an operator on a
  // variable and a whole-number literal, a local array read), taking over this node's
  // children; null when there is none.
  virtual std::unique_ptr<Expr> Specialized() { return nullptr; }
};

// The IndexForm of an index expression, when it has one.
inline bool IndexFormOf(const Expr& e, IndexForm& form) {
  if (e.tag == ExprTag::kLocal) {
    form = {e.slot, Op::Plus, 0};
    return true;
  }
  return e.InlineIndex(form);
}

// Copies what every expression node carries (position, kind, height, slot) to the node
// that takes its place.
inline void CopyExprBase(const Expr& from, Expr& to) {
  to.line = from.line;
  to.col = from.col;
  to.tag = from.tag;
  to.height = from.height;
  to.slot = from.slot;
}

struct LiteralExpr : Expr {
  LiteralExpr() { tag = ExprTag::kLiteral; }
  Variant value;
  int kind = 0;
  Variant Eval(Frame&) const override { return value; }
  int LiteralKind() const override { return kind; }
};

struct NameExpr : Expr {
  NameRef ref;
  Variant Eval(Frame& f) const override;
  int32_t EvalIndex(Frame& f) const override;
  Variant Invoke(Frame& f, const ArgList& args, InvokeKind kind) const override;
  // Everything but a call of a global procedure, apart so that such a call stays short.
  [[gnu::noinline]] Variant InvokeOther(Frame& f, const ArgList& args, InvokeKind kind) const;
  void Assign(Frame& f, const ArgList* args, Variant v, bool is_set) const override;
  Variant* Ref(Frame& f, LockSet& b) const override;
  Variant* RefIndexed(Frame& f, const ArgList& args, LockSet& b) const override;
  std::string DisplayName() const override { return ref.name; }
  // The variable's storage; `create` makes an undeclared name a variable even under
  // Option Explicit (ReDim does that). Null for constants, procedures and host members.
  Variant* Storage(Frame& f, bool create) const;
};

// `obj.name`; obj null means the innermost With object.
struct MemberExpr : Expr {
  std::unique_ptr<Expr> obj;
  std::string name;
  bool via_me = false;        // `Me.x`: private members are reachable
  bool empty_parens = false;  // written `obj.name()`: a variable member refuses that
  Variant Eval(Frame& f) const override;
  Variant Invoke(Frame& f, const ArgList& args, InvokeKind kind) const override;
  void Assign(Frame& f, const ArgList* args, Variant v, bool is_set) const override;
  std::string DisplayName() const override { return name; }
  void Children(TreeWalker& w) override {
    if (obj) w.Visit(obj);
  }
  Variant Target(Frame& f) const;
  // The member id found on `d`, through the call site's cache where the class allows it.
  int FindMemberOf(Frame& f, Dispatch* d, bool script) const;
  // The member number last found on a script class (keyed on its ClassDef) or on a library
  // class with fixed ids (keyed on its type), for that engine run: such a class resolves a
  // member name the same way every time.
  mutable const void* cache_key = nullptr;
  mutable uint32_t cache_gen = 0;
  mutable int cache_id = 0;
};

struct CallExpr : Expr {
  CallExpr() { tag = ExprTag::kCall; }
  std::unique_ptr<Expr> target;
  ArgList args;
  Variant Eval(Frame& f) const override;
  Variant Invoke(Frame& f, const ArgList& args, InvokeKind kind) const override;
  void Assign(Frame& f, const ArgList* a, Variant v, bool is_set) const override;
  Variant* Ref(Frame& f, LockSet& b) const override { return target->RefIndexed(f, args, b); }
  Variant* RefIndexed(Frame& f, const ArgList& more, LockSet& b) const override;
  std::string DisplayName() const override { return target->DisplayName(); }
  void Children(TreeWalker& w) override {
    w.Visit(target);
    w.Visit(args);
  }
  std::unique_ptr<Expr> Specialized() override;
};

// `a(i)` on an array variable of the running procedure: where the array and its index are.
struct LocalIndexSite {
  int array_slot = -1;
  const Expr* index = nullptr;
  bool inline_index = false;  // `form` gives the index without a call
  IndexForm form;
  // Fills the site when `call` has that shape.
  bool Of(const CallExpr& call) {
    if (call.target->tag != ExprTag::kLocal || call.args.size() != 1 || !call.args[0].e)
      return false;
    array_slot = call.target->slot;
    index = call.args[0].e.get();
    inline_index = IndexFormOf(*index, form);
    return true;
  }
};

struct ParenExpr : Expr {
  ParenExpr() { tag = ExprTag::kValue; }
  std::unique_ptr<Expr> inner;
  Variant Eval(Frame& f) const override { return inner->Eval(f); }
  void Children(TreeWalker& w) override { w.Visit(inner); }
};

struct MeExpr : Expr {
  Variant Eval(Frame& f) const override;
};

struct NewExpr : Expr {
  std::string class_name;
  std::string lname;
  bool explicit_vars = false;
  Variant Eval(Frame& f) const override;
};

struct UnaryExpr : Expr {
  UnaryExpr() { tag = ExprTag::kValue; }
  Op op;
  std::unique_ptr<Expr> e;
  Variant Eval(Frame& f) const override;
  void Children(TreeWalker& w) override { w.Visit(e); }
};

struct BinaryExpr : Expr {
  BinaryExpr() { tag = ExprTag::kValue; }
  Op op;
  std::unique_ptr<Expr> l, r;
  unsigned hints = 0;  // literal sides, for comparisons
  Variant Eval(Frame& f) const override;
  void Children(TreeWalker& w) override {
    w.Visit(l);
    w.Visit(r);
  }
};

// The node for `l op r`: arithmetic and comparisons get a node of their own operator, whose
// Integer and Long case needs no dispatch.
std::unique_ptr<BinaryExpr> MakeBinaryExpr(Op op);

// ---- statements ----

struct Stmt {
  int line = 0;
  int col = 0;
  virtual ~Stmt() = default;
  virtual Flow Exec(Frame& f) const = 0;
  // As for expressions: the children to walk, and a faster form once names are bound.
  virtual void Children(TreeWalker&) {}
  virtual std::unique_ptr<Stmt> Specialized() { return nullptr; }
};

struct Block {
  std::vector<std::unique_ptr<Stmt>> stmts;
  Flow Exec(Frame& f) const { return stmts.size() == 1 ? ExecOne(f) : ExecAll(f); }

 private:
  // A block of one statement (a one-line branch or body) runs with no loop around it.
  Flow ExecOne(Frame& f) const;
  Flow ExecAll(Frame& f) const;
};

struct AssignStmt : Stmt {
  std::unique_ptr<Expr> target;  // NameExpr, MemberExpr or CallExpr
  std::unique_ptr<Expr> value;
  bool is_set = false;
  Flow Exec(Frame& f) const override;
  void Children(TreeWalker& w) override {
    w.Visit(target);
    w.Visit(value);
  }
  std::unique_ptr<Stmt> Specialized() override;
};

// `s = s & x` on a plain variable: appends in place when the string is not shared.
struct AppendStmt : Stmt {
  std::unique_ptr<NameExpr> target;
  std::unique_ptr<Expr> rhs;
  Flow Exec(Frame& f) const override;
  void Children(TreeWalker& w) override { w.Visit(rhs); }
};

struct CallStmt : Stmt {
  std::unique_ptr<Expr> callee;  // NameExpr, MemberExpr or an expression
  ArgList args;
  Flow Exec(Frame& f) const override;
  void Children(TreeWalker& w) override {
    w.Visit(callee);
    w.Visit(args);
  }
};

struct IfStmt : Stmt {
  struct Branch {
    std::unique_ptr<Expr> cond;
    Block body;
  };
  std::vector<Branch> branches;
  std::unique_ptr<Block> else_body;
  Flow Exec(Frame& f) const override;
  void Children(TreeWalker& w) override {
    for (Branch& b : branches) {
      w.Visit(b.cond);
      w.Visit(b.body);
    }
    if (else_body) w.Visit(*else_body);
  }
};

struct SelectStmt : Stmt {
  struct Case {
    std::vector<std::unique_ptr<Expr>> values;  // empty: Case Else
    Block body;
  };
  std::unique_ptr<Expr> selector;
  std::vector<Case> cases;
  Flow Exec(Frame& f) const override;
  void Children(TreeWalker& w) override {
    w.Visit(selector);
    for (Case& c : cases) {
      for (auto& v : c.values) w.Visit(v);
      w.Visit(c.body);
    }
  }
};

struct ForStmt : Stmt {
  std::unique_ptr<NameExpr> counter;
  std::unique_ptr<Expr> from, to, step;
  Block body;
  Flow Exec(Frame& f) const override;
  void Children(TreeWalker& w) override {
    w.Visit(from);
    w.Visit(to);
    if (step) w.Visit(step);
    w.Visit(body);
  }
};

struct ForEachStmt : Stmt {
  std::unique_ptr<NameExpr> var;
  std::unique_ptr<Expr> collection;
  Block body;
  Flow Exec(Frame& f) const override;
  void Children(TreeWalker& w) override {
    w.Visit(collection);
    w.Visit(body);
  }
};

struct DoStmt : Stmt {
  enum Test : uint8_t { kNone, kTop, kBottom };
  Test test = kNone;
  bool until = false;
  bool is_while_wend = false;
  std::unique_ptr<Expr> cond;
  Block body;
  Flow Exec(Frame& f) const override;
  void Children(TreeWalker& w) override {
    if (cond) w.Visit(cond);
    w.Visit(body);
  }
};

struct ExitStmt : Stmt {
  Flow flow;
  Flow Exec(Frame&) const override { return flow; }
};

struct ReDimStmt : Stmt {
  struct Item {
    std::unique_ptr<NameExpr> target;  // or a member of Me
    std::vector<std::unique_ptr<Expr>> bounds;
  };
  bool preserve = false;
  std::vector<Item> items;
  Flow Exec(Frame& f) const override;
  void Children(TreeWalker& w) override {
    for (Item& i : items)
      for (auto& b : i.bounds) w.Visit(b);
  }
};

// `Dim a(3)` at global level: the fixed array is made when the line runs (Empty before).
struct DimArraysStmt : Stmt {
  struct Item {
    std::unique_ptr<NameExpr> target;
    std::vector<int32_t> counts;
  };
  std::vector<Item> items;
  Flow Exec(Frame& f) const override;
};

struct EraseStmt : Stmt {
  std::vector<std::unique_ptr<NameExpr>> targets;
  Flow Exec(Frame& f) const override;
};

struct OnErrorStmt : Stmt {
  bool resume_next = false;
  Flow Exec(Frame& f) const override;
};

struct WithStmt : Stmt {
  std::unique_ptr<Expr> object;
  Block body;
  Flow Exec(Frame& f) const override;
  void Children(TreeWalker& w) override {
    w.Visit(object);
    w.Visit(body);
  }
};

struct NopStmt : Stmt {
  Flow Exec(Frame&) const override { return Flow::Normal; }
};

inline void TreeWalker::Visit(Block& b) {
  for (auto& s : b.stmts) Visit(s);
}

// Gives every node of a block, or of one expression, its faster form where it has one, once
// their names are bound. Safe to skip: the plain nodes do the same work.
class StackGuard;
void Specialize(Block& block, const StackGuard& stack);
void Specialize(std::unique_ptr<Expr>& e, const StackGuard& stack);

// Creates a fixed array with the given element counts per dimension.
Variant MakeFixedArray(const std::vector<int32_t>& counts, bool fixed);
// Refuses arrays too large to make with "Out of memory".
void CheckArraySize(const std::vector<VbArray::Bound>& bounds);

}  // namespace sw::vbs
