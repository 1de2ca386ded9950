#include "scripting/vbscript/parser.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "base/ascii.h"
#include "base/unicode_case.h"
#include "scripting/vbscript/lexer.h"

namespace sw::vbs {
namespace {

// Reserved words that may still be used as names.
bool NameAllowed(const Token& t) {
  return t.type == TokenKind::Name && t.kw == Kw::None;
}

bool IsWord(const Token& t, const char* lower) {
  if (t.type != TokenKind::Name || t.kw != Kw::None) return false;
  const std::string& s = t.text;
  size_t i = 0;
  for (; lower[i]; ++i) {
    if (i >= s.size()) return false;
    if (LowerAscii(s[i]) != lower[i]) return false;
  }
  return i == s.size();
}

// Per-procedure scope while compiling.
struct ProcScope {
  ProcDef* proc = nullptr;
  std::unordered_map<std::string, int> slots;
  std::unordered_map<std::string, Variant> consts;
  std::unordered_set<std::string> assigned;  // undeclared names that are assigned
  std::vector<NameExpr*> names;              // to bind when the procedure ends
  std::vector<std::pair<NameExpr*, bool>> call_targets;
};

class Parser {
 public:
  Parser(std::vector<Token> toks, const CompileOptions& opt) : t_(std::move(toks)), opt_(opt) {
    if (!opt_.stack) {
      own_stack_.Arm();
      opt_.stack = &own_stack_;
    }
    unit_ = std::make_shared<Unit>();
    unit_->explicit_vars = opt.inherit_explicit;
  }

  std::shared_ptr<Unit> ParseUnit() {
    SkipBreaks();
    if (Is(Kw::Option)) {
      Next();
      if (!IsWord(Cur(), "explicit")) Fail(cerr::kSyntax);
      Next();
      unit_->explicit_vars = true;
      EndOfStatement();
    }
    size_t last_proc_line = 0;
    bool last_is_proc = false;
    while (true) {
      SkipBreaks();
      if (Cur().type == TokenKind::Eof) break;
      int start_line = Cur().line;
      last_is_proc = false;
      if (Is(Kw::Class)) {
        ParseClass();
      } else if (StartsProc()) {
        last_proc_line = static_cast<size_t>(start_line);
        last_is_proc = true;
        ParseProc(nullptr);
      } else if (Is(Kw::Public) || Is(Kw::Private)) {
        ParseGlobalDecl();
      } else {
        auto s = ParseStatement();
        if (s) unit_->body.stmts.push_back(std::move(s));
      }
      EndOfStatement();
    }
    unit_->reusable_prefix = last_is_proc ? last_proc_line : 0;
    if (scope_) Bind(*scope_, outer_class_);
    Specialize(unit_->body, *opt_.stack);
    return unit_;
  }

  std::unique_ptr<Expr> ParseOnlyExpression() {
    SkipBreaks();
    auto e = ParseExpr();
    SkipBreaks();
    if (Cur().type != TokenKind::Eof) Fail(cerr::kExpectedEndOfStatement);
    if (scope_) Bind(*scope_, outer_class_);
    Specialize(e, *opt_.stack);
    return e;
  }

  void UseOuterScope() {
    if (!opt_.scope && !opt_.cls) return;
    outer_ = std::make_unique<ProcScope>();
    if (opt_.scope)
      for (size_t i = 0; i < opt_.scope->slot_names.size(); ++i)
        if (!opt_.scope->slot_names[i].empty())
          outer_->slots[opt_.scope->slot_names[i]] = static_cast<int>(i);
    scope_ = outer_.get();
    outer_class_ = opt_.cls;
  }

 private:
  // ---- token helpers ----
  const Token& Cur() const { return t_[p_]; }
  const Token& Peek(int k = 1) const { return t_[p_ + k < t_.size() ? p_ + k : t_.size() - 1]; }
  void Next() {
    if (p_ + 1 < t_.size()) ++p_;
  }
  bool Is(Kw k) const { return Cur().type == TokenKind::Name && Cur().kw == k; }
  bool Is(TokenKind type) const { return Cur().type == type; }
  [[noreturn]] void Fail(int number) { throw CompileError{number, Cur().line, Cur().col}; }
  void Expect(Kw k, int err) {
    if (!Is(k)) Fail(err);
    Next();
  }
  void Expect(TokenKind type, int err) {
    if (!Is(type)) Fail(err);
    Next();
  }
  void SkipBreaks() {
    while (Is(TokenKind::Eol) || Is(TokenKind::Colon)) Next();
  }
  bool AtEndOfStatement() const {
    return Is(TokenKind::Eol) || Is(TokenKind::Colon) || Is(TokenKind::Eof) || Is(Kw::Else) ||
           (Is(Kw::End) && allow_end_);
  }
  void EndOfStatement() {
    if (Is(TokenKind::Eol) || Is(TokenKind::Colon) || Is(TokenKind::Eof)) return;
    if (Is(Kw::End)) return;  // `x = 1 End Sub`
    if (single_line_if_ && Is(Kw::Else)) return;
    Fail(cerr::kExpectedEndOfStatement);
  }
  std::string ExpectName() {
    if (!NameAllowed(Cur())) Fail(cerr::kExpectedIdentifier);
    std::string s = Cur().text;
    Next();
    return s;
  }
  template <typename N>
  std::unique_ptr<N> Node() {
    auto n = std::make_unique<N>();
    n->line = Cur().line;
    n->col = Cur().col;
    return n;
  }

  bool StartsProc() const {
    size_t k = p_;
    while (t_[k].type == TokenKind::Name &&
           (t_[k].kw == Kw::Public || t_[k].kw == Kw::Private || IsWord(t_[k], "default")))
      ++k;
    const Token& t = t_[k];
    if (t.type != TokenKind::Name) return false;
    if (t.kw == Kw::Sub || t.kw == Kw::Function) return true;
    if (IsWord(t, "property")) {
      const Token& n = t_[k + 1];
      return IsWord(n, "get") || IsWord(n, "let") || n.kw == Kw::Set;
    }
    return false;
  }

  // ---- names ----
  std::unique_ptr<NameExpr> MakeName(const std::string& name) {
    auto n = Node<NameExpr>();
    n->tag = ExprTag::kGlobalName;
    n->ref.name = name;
    n->ref.lname = FoldCase(name);
    n->ref.explicit_vars = unit_->explicit_vars;
    // Inside a procedure a name may be a variable that `Execute "Dim v"` adds to the call.
    n->ref.frame_dyn = scope_ && (in_proc_ || (scope_ == outer_.get() && opt_.scope));
    if (scope_) scope_->names.push_back(n.get());
    return n;
  }
  void MarkAssigned(const Expr* e) {
    if (!scope_) return;
    if (auto* n = dynamic_cast<const NameExpr*>(e)) scope_->assigned.insert(n->ref.lname);
  }
  void DeclareGlobalName(const std::string& lname, bool is_proc) {
    auto [it, fresh] = global_names_.emplace(lname, is_proc);
    if (!fresh && !(is_proc && it->second)) Fail(cerr::kNameRedefined);
  }
  int DeclareLocal(const std::string& name) {
    std::string l = FoldCase(name);
    if (scope_->slots.count(l) || scope_->consts.count(l)) Fail(cerr::kNameRedefined);
    int slot = scope_->proc->nslots++;
    scope_->proc->slot_names.push_back(l);
    scope_->slots[l] = slot;
    return slot;
  }

  // Resolves the names of one procedure (and, for a class, its members).
  void Bind(ProcScope& s, const ClassDef* cls) {
    implicit_.clear();
    for (NameExpr* n : s.names) {
      NameRef& r = n->ref;
      bool call_target = r.slot == kCallTargetMark;
      r.slot = -1;
      if (auto c = s.consts.find(r.lname); c != s.consts.end()) {
        r.kind = NameRef::kConst;
        r.value = c->second;
        n->tag = ExprTag::kGeneric;
        continue;
      }
      if (s.proc && r.lname == s.proc->lname && !call_target &&
          (s.proc->kind == ProcDef::kFunction || s.proc->kind == ProcDef::kPropGet)) {
        r.kind = NameRef::kLocal;
        r.slot = 0;
        n->tag = ExprTag::kLocal;
        n->slot = 0;
        continue;
      }
      if (auto it = s.slots.find(r.lname); it != s.slots.end()) {
        r.kind = NameRef::kLocal;
        r.slot = it->second;
        n->tag = ExprTag::kLocal;
        n->slot = r.slot;
        continue;
      }
      if (cls) {
        if (auto m = cls->member_index.find(r.lname); m != cls->member_index.end()) {
          r.kind = NameRef::kMember;
          r.member = m->second;
          n->tag = ExprTag::kGeneric;
          continue;
        }
      }
      r.kind = NameRef::kGlobal;
      n->tag = ExprTag::kGlobalName;
      if (s.proc && !r.explicit_vars && s.assigned.count(r.lname)) {
        auto it = implicit_.find(r.lname);
        if (it == implicit_.end()) {
          int slot = s.proc->nslots++;
          s.proc->slot_names.push_back("");  // implicit locals are not visible to Execute
          it = implicit_.emplace(r.lname, slot).first;
        }
        r.slot = it->second;
      }
    }
    implicit_.clear();
  }

  // ---- declarations ----
  std::unique_ptr<Stmt> ParseGlobalDecl() {
    bool is_public = Is(Kw::Public);
    Next();
    if (Is(Kw::Const)) {
      ParseConst(true, is_public);
      return nullptr;
    }
    return ParseDimList(true, nullptr);
  }

  // `Dim a, b(3), c()` at global level, in a procedure, or as class fields.
  std::unique_ptr<Stmt> ParseDimList(bool global, ClassDef* cls, bool is_public = true) {
    std::unique_ptr<DimArraysStmt> create;  // global fixed arrays exist once the Dim runs
    while (true) {
      int line = Cur().line;
      std::string name = ExpectName();
      std::vector<int32_t> counts;
      bool is_array = false;
      if (Is(TokenKind::LParen)) {
        is_array = true;
        Next();
        if (!Is(TokenKind::RParen)) {
          while (true) {
            bool neg = false;
            if (Is(TokenKind::Minus)) neg = true, Next();
            if (!Is(TokenKind::Number) ||
                (Cur().value.type() != VarType::Integer && Cur().value.type() != VarType::Long))
              Fail(cerr::kExpectedInteger);
            int64_t count = int64_t{Cur().value.ToLong()} * (neg ? -1 : 1) + 1;
            // Far too many elements either way; making the array fails when the Dim runs.
            counts.push_back(static_cast<int32_t>(std::min<int64_t>(count, INT32_MAX)));
            Next();
            if (!Is(TokenKind::Comma)) break;
            Next();
          }
        }
        Expect(TokenKind::RParen, cerr::kExpectedRParen);
      }
      std::string l = FoldCase(name);
      if (cls) {
        if (cls->member_index.count(l)) Fail(cerr::kNameRedefined);
        ClassDef::Field fd{name, is_array, counts};
        cls->fields.push_back(fd);
        ClassDef::Member m;
        m.name = name;
        m.is_public = is_public;
        m.field = static_cast<int>(cls->fields.size()) - 1;
        cls->members.push_back(m);
        cls->member_index[l] = static_cast<int>(cls->members.size()) - 1;
      } else if (!global && scope_ && scope_ == outer_.get() && opt_.scope && !is_array) {
        unit_->frame_dims.push_back(l);  // Execute's Dim joins the calling procedure
      } else if (global || !scope_ || !scope_->proc) {
        DeclareGlobalName(l, false);
        GlobalDecl d;
        d.kind = is_array ? GlobalDecl::kArray : GlobalDecl::kVar;
        d.name = name;
        d.lname = l;
        d.counts = counts;
        d.line = line;
        unit_->decls.push_back(std::move(d));
        if (!counts.empty()) {
          if (!create) create = Node<DimArraysStmt>();
          create->items.push_back({MakeName(name), counts});
        }
      } else {
        int slot = DeclareLocal(name);
        if (is_array) scope_->proc->arrays.push_back({slot, counts});
      }
      if (!Is(TokenKind::Comma)) break;
      Next();
    }
    return create;
  }

  Variant ParseConstLiteral() {
    bool neg = false;
    if (Is(TokenKind::Minus))
      neg = true, Next();
    else if (Is(TokenKind::Plus))
      Next();
    Variant v;
    if (Is(TokenKind::Number) || Is(TokenKind::Date))
      v = Cur().value;
    else if (Is(TokenKind::String))
      v = Variant(Cur().text);
    else if (Is(Kw::True))
      v = Variant(true);
    else if (Is(Kw::False))
      v = Variant(false);
    else if (Is(Kw::Null))
      v = Variant::Null();
    else if (Is(Kw::Empty))
      v = Variant();
    else
      Fail(cerr::kExpectedLiteral);
    Next();
    if (neg) {
      if (v.IsString()) Fail(cerr::kExpectedLiteral);
      v = v.type() == VarType::Integer ? Variant(static_cast<int16_t>(-v.AsInteger()))
          : v.type() == VarType::Long
              ? (v.AsLong() == 32768 ? Variant(int16_t{-32768}) : Variant(-v.AsLong()))
              : Variant(-v.ToDouble());
    }
    if (!AtEndOfStatement() && !Is(TokenKind::Comma)) Fail(cerr::kExpectedLiteral);
    return v;
  }

  void ParseConst(bool global, bool /*is_public*/) {
    Expect(Kw::Const, cerr::kSyntax);
    while (true) {
      int line = Cur().line;
      std::string name = ExpectName();
      if (!Is(TokenKind::Eq)) Fail(cerr::kExpectedEquals);
      Next();
      Variant v = ParseConstLiteral();
      std::string l = FoldCase(name);
      if (global || !scope_ || !scope_->proc) {
        DeclareGlobalName(l, false);
        GlobalDecl d;
        d.kind = GlobalDecl::kConst;
        d.name = name;
        d.lname = l;
        d.value = v;
        d.line = line;
        unit_->decls.push_back(std::move(d));
      } else {
        if (scope_->slots.count(l) || scope_->consts.count(l)) Fail(cerr::kNameRedefined);
        scope_->consts[l] = v;
      }
      if (!Is(TokenKind::Comma)) break;
      Next();
    }
  }

  // ---- procedures and classes ----
  ProcDef* ParseProc(ClassDef* cls) {
    bool is_public = true, is_default = false, is_private = false, said_public = false;
    while (true) {
      if (Is(Kw::Public))
        said_public = true, Next();
      else if (Is(Kw::Private))
        is_public = false, is_private = true, Next();
      else if (IsWord(Cur(), "default"))
        is_default = true, Next();
      else
        break;
    }
    auto p = std::make_unique<ProcDef>();
    p->line = Cur().line;
    int end_err;
    Kw end_kw = Kw::None;
    bool is_property = false;
    if (Is(Kw::Sub)) {
      p->kind = ProcDef::kSub;
      end_kw = Kw::Sub;
      end_err = cerr::kExpectedSub;
      Next();
    } else if (Is(Kw::Function)) {
      p->kind = ProcDef::kFunction;
      end_kw = Kw::Function;
      end_err = cerr::kExpectedFunction;
      Next();
    } else {
      if (!cls) Fail(cerr::kOutsideClass);
      Next();  // Property
      is_property = true;
      end_err = cerr::kExpectedProperty;
      if (IsWord(Cur(), "get"))
        p->kind = ProcDef::kPropGet;
      else if (IsWord(Cur(), "let"))
        p->kind = ProcDef::kPropLet;
      else if (Is(Kw::Set))
        p->kind = ProcDef::kPropSet;
      else
        Fail(cerr::kExpectedLetSetGet);
      Next();
    }
    if (is_default) {
      if (!cls) Fail(cerr::kDefaultPlacement);
      if (is_private || !said_public) Fail(cerr::kDefaultNeedsPublic);
      if (p->kind == ProcDef::kPropLet || p->kind == ProcDef::kPropSet) Fail(cerr::kDefaultOnlyGet);
    }
    p->name = ExpectName();
    p->lname = FoldCase(p->name);
    p->is_public = is_public;
    p->is_default = is_default;
    p->owner = cls;
    p->unit = unit_.get();
    p->slot_names.push_back("");
    ProcScope scope;
    scope.proc = p.get();
    ProcScope* saved_scope = scope_;
    scope_ = &scope;
    if (Is(TokenKind::LParen)) {
      Next();
      while (!Is(TokenKind::RParen)) {
        bool byval = false;
        if (Is(Kw::ByVal))
          byval = true, Next();
        else if (Is(Kw::ByRef))
          Next();
        std::string pn = ExpectName();
        if (Is(TokenKind::LParen)) {
          Next();
          Expect(TokenKind::RParen, cerr::kExpectedRParen);
        }
        DeclareLocal(pn);
        p->byval.push_back(byval);
        ++p->nparams;
        if (!Is(TokenKind::Comma)) break;
        Next();
      }
      Expect(TokenKind::RParen, cerr::kExpectedRParen);
    } else if (!AtEndOfStatement()) {
      if (Is(TokenKind::RParen)) Fail(cerr::kExpectedLParen);
    }
    if ((p->kind == ProcDef::kPropLet || p->kind == ProcDef::kPropSet) && p->nparams == 0)
      Fail(cerr::kLetSetNeedsArg);
    if (cls && (p->lname == "class_initialize" || p->lname == "class_terminate") && p->nparams)
      Fail(cerr::kInitTermArgs);
    p->explicit_vars = unit_->explicit_vars;

    int saved_do = do_depth_, saved_for = for_depth_;
    ProcDef::Kind saved_kind = proc_kind_;
    bool saved_in_proc = in_proc_;
    do_depth_ = for_depth_ = 0;
    proc_kind_ = p->kind;
    in_proc_ = true;
    ParseBlockInto(p->body, [&] { return Is(Kw::End); });
    if (!Is(Kw::End)) Fail(cerr::kExpectedEnd);
    Next();
    bool right_end = is_property ? IsWord(Cur(), "property") : Is(end_kw);
    if (!right_end) Fail(end_err);
    Next();
    do_depth_ = saved_do, for_depth_ = saved_for;
    proc_kind_ = saved_kind;
    in_proc_ = saved_in_proc;
    scope_ = saved_scope;

    ProcDef* raw = p.get();
    if (cls) {
      pending_.push_back(std::move(scope));
      cls->procs.push_back(std::move(p));
    } else {
      Bind(scope, nullptr);
      Specialize(raw->body, *opt_.stack);  // while the procedure's nodes are still in cache
      DeclareGlobalName(raw->lname, true);
      unit_->procs.push_back(std::move(p));
    }
    return raw;
  }

  void ParseClass() {
    if (in_proc_ || block_depth_ > 0) Fail(cerr::kSyntax);
    Next();
    auto c = std::make_unique<ClassDef>();
    c->line = Cur().line;
    c->name = ExpectName();
    c->lname = FoldCase(c->name);
    DeclareGlobalName(c->lname, false);
    if (!Is(TokenKind::Eol) && !Is(TokenKind::Colon)) Fail(cerr::kExpectedStatement);
    pending_.clear();
    while (true) {
      SkipBreaks();
      if (Is(TokenKind::Eof)) Fail(cerr::kExpectedEnd);
      if (Is(Kw::End)) {
        Next();
        if (!Is(Kw::Class)) Fail(cerr::kExpectedClass);
        Next();
        break;
      }
      if (StartsProc()) {
        ProcDef* p = ParseProc(c.get());
        AddClassProc(*c, p);
      } else if (Is(Kw::Public) || Is(Kw::Private) || Is(Kw::Dim)) {
        bool is_public = !Is(Kw::Private);
        Next();
        if (IsWord(Cur(), "default")) Fail(cerr::kDefaultPlacement);
        if (Is(Kw::Const)) Fail(cerr::kSyntax);
        ParseDimList(false, c.get(), is_public);
      } else {
        Fail(cerr::kSyntax);
      }
      EndOfStatement();
    }
    for (ProcScope& s : pending_) Bind(s, c.get());
    for (auto& p : c->procs) Specialize(p->body, *opt_.stack);
    pending_.clear();
    unit_->classes.push_back(std::move(c));
  }

  void AddClassProc(ClassDef& c, ProcDef* p) {
    if (p->lname == "class_initialize") c.initialize = p;
    if (p->lname == "class_terminate") c.terminate = p;
    int idx;
    auto it = c.member_index.find(p->lname);
    if (it == c.member_index.end()) {
      ClassDef::Member m;
      m.name = p->name;
      m.is_public = p->is_public;
      c.members.push_back(m);
      idx = static_cast<int>(c.members.size()) - 1;
      c.member_index[p->lname] = idx;
    } else {
      idx = it->second;
    }
    ClassDef::Member& m = c.members[idx];
    if (m.field >= 0) Fail(cerr::kNameRedefined);
    const ProcDef*& slot = p->kind == ProcDef::kPropLet   ? m.let
                           : p->kind == ProcDef::kPropSet ? m.set
                                                          : m.get;
    if (slot) Fail(cerr::kNameRedefined);
    if ((p->kind == ProcDef::kSub || p->kind == ProcDef::kFunction) && (m.let || m.set))
      Fail(cerr::kNameRedefined);
    if ((p->kind == ProcDef::kPropLet || p->kind == ProcDef::kPropSet) && m.get &&
        m.get->kind != ProcDef::kPropGet)
      Fail(cerr::kNameRedefined);
    slot = p;
    if (p->is_public) m.is_public = true;
    const ProcDef* get = m.get;
    const ProcDef* put = m.let ? m.let : m.set;
    if (get && put && get->kind == ProcDef::kPropGet && get->nparams != put->nparams - 1)
      Fail(cerr::kInconsistentArgs);
    if (p->is_default) {
      if (c.default_member >= 0 && c.default_member != idx) Fail(cerr::kMultipleDefault);
      c.default_member = idx;
    }
  }

  // ---- blocks and statements ----
  template <typename Stop>
  void ParseBlockInto(Block& b, Stop stop) {
    ++block_depth_;
    while (true) {
      SkipBreaks();
      if (Is(TokenKind::Eof) || stop()) break;
      auto s = ParseStatement();
      if (s) b.stmts.push_back(std::move(s));
      EndOfStatement();
    }
    --block_depth_;
  }

  // Guards the parser's own recursion against absurdly nested text, and against a native
  // stack that is nearly used up already (Execute deep inside recursive script code).
  struct Nesting {
    explicit Nesting(Parser& p) : p_(p) {
      if (++p_.nesting_ > kMaxNesting) p_.Fail(cerr::kOutOfMemory);
      // Execute and Eval turn this into the run-time "Out of stack space".
      if (p_.opt_.stack->Exhausted(StackPosition())) p_.Fail(vberr::kOutOfStack);
    }
    ~Nesting() { --p_.nesting_; }
    Parser& p_;
  };
  static constexpr int kMaxNesting = 400;

  // Expression trees are evaluated and freed by recursion, so a long operator or member chain
  // (`1 & 1 & ...`, `d.Item(1).Item(1)...`) is refused beyond this height.
  static constexpr int kMaxExprHeight = 2000;
  void Nest(Expr& parent, const Expr* child) {
    if (!child) return;
    int h = child->height + 1;
    if (h > kMaxExprHeight) Fail(cerr::kOutOfMemory);
    if (h > parent.height) parent.height = static_cast<uint16_t>(h);
  }

  std::unique_ptr<Stmt> ParseStatement() {
    Nesting guard(*this);
    const Token& t = Cur();
    if (t.type == TokenKind::Dot) return ParseSimple();
    if (t.type != TokenKind::Name) Fail(cerr::kExpectedStatement);
    switch (t.kw) {
      case Kw::None:
        if (IsWord(t, "property") &&
            (IsWord(Peek(), "get") || IsWord(Peek(), "let") || Peek().kw == Kw::Set))
          Fail(cerr::kOutsideClass);
        return ParseSimple();
      case Kw::Me:
        return ParseSimple();
      case Kw::Dim:
        Next();
        return ParseDimList(false, nullptr);
      case Kw::ReDim:
        return ParseReDim();
      case Kw::Const:
        ParseConst(!in_proc_, true);
        return nullptr;
      case Kw::Public:
      case Kw::Private:
        if (in_proc_) Fail(cerr::kSyntax);
        if (StartsProc()) {
          ParseProc(nullptr);
          return nullptr;
        }
        return ParseGlobalDecl();
      case Kw::Sub:
      case Kw::Function:
        if (in_proc_ || loop_depth() > 0) Fail(cerr::kSyntax);
        ParseProc(nullptr);
        return nullptr;
      case Kw::Class:
        Fail(cerr::kSyntax);
      case Kw::If:
        return ParseIf();
      case Kw::Select:
        return ParseSelect();
      case Kw::For:
        return ParseFor();
      case Kw::Do:
        return ParseDo();
      case Kw::While:
        return ParseWhile();
      case Kw::With:
        return ParseWith();
      case Kw::Exit:
        return ParseExit();
      case Kw::Call:
        return ParseCall();
      case Kw::Set:
        return ParseSet();
      case Kw::Erase:
        return ParseErase();
      case Kw::On:
        return ParseOnError();
      case Kw::Stop: {
        auto n = Node<NopStmt>();
        Next();
        return n;
      }
      case Kw::Option:
        Fail(cerr::kMustBeFirst);
      case Kw::Loop:
        Fail(cerr::kLoopWithoutDo);
      case Kw::Next:
        Fail(cerr::kUnexpectedNext);
      default:
        Fail(cerr::kExpectedStatement);
    }
  }

  int loop_depth() const { return do_depth_ + for_depth_; }

  // Left side of an assignment or a call statement: a name with members and argument lists.
  std::unique_ptr<Expr> ParseChainHead(bool call_head = false) {
    std::unique_ptr<Expr> e;
    if (Is(TokenKind::Dot)) {
      auto m = Node<MemberExpr>();
      Next();
      m->name = MemberName();
      e = std::move(m);
    } else if (Is(Kw::Me)) {
      e = Node<MeExpr>();
      Next();
      if (!Is(TokenKind::Dot)) Fail(cerr::kInvalidMe);
    } else if (Is(TokenKind::LParen) && call_head) {
      // `Call (New C).s()`, `Call (((s))) (x)`
      Next();
      e = ParseExpr();
      Expect(TokenKind::RParen, cerr::kExpectedRParen);
      e = StripParens(std::move(e));
    } else {
      e = MakeName(ExpectName());
    }
    return ParsePostfix(std::move(e));
  }

  std::string MemberName() {
    if (Cur().type != TokenKind::Name) Fail(cerr::kExpectedIdentifier);
    std::string s = Cur().text;
    Next();
    return s;
  }

  std::unique_ptr<Expr> ParsePostfix(std::unique_ptr<Expr> e) {
    while (true) {
      if (Is(TokenKind::Dot) && !Cur().space_before) {
        auto m = Node<MemberExpr>();
        m->via_me = dynamic_cast<MeExpr*>(e.get()) != nullptr;
        Next();
        m->name = MemberName();
        m->obj = std::move(e);
        Nest(*m, m->obj.get());
        e = std::move(m);
      } else if (Is(TokenKind::LParen)) {
        auto c = Node<CallExpr>();
        Next();
        c->args = ParseArgs(TokenKind::RParen);
        Expect(TokenKind::RParen, cerr::kExpectedRParen);
        if (auto* n = dynamic_cast<NameExpr*>(e.get())) n->ref.slot = kCallTargetMark;
        if (auto* m = dynamic_cast<MemberExpr*>(e.get()); m && c->args.empty())
          m->empty_parens = true;
        c->target = std::move(e);
        Nest(*c, c->target.get());
        for (const Arg& a : c->args) Nest(*c, a.e.get());
        e = std::move(c);
      } else {
        return e;
      }
    }
  }

  ArgList ParseArgs(TokenKind close) {
    ArgList args;
    if (Is(close)) return args;
    while (true) {
      Arg a;
      if (!Is(TokenKind::Comma) && !Is(close)) a.e = ParseExpr();
      args.push_back(std::move(a));
      if (!Is(TokenKind::Comma)) break;
      Next();
    }
    return args;
  }

  // Arguments of a call statement without parentheses, up to the end of the statement.
  ArgList ParseBareArgs() {
    ArgList args;
    if (AtEndOfStatement()) return args;
    while (true) {
      Arg a;
      if (!Is(TokenKind::Comma) && !AtEndOfStatement()) a.e = ParseExpr();
      args.push_back(std::move(a));
      if (!Is(TokenKind::Comma)) break;
      Next();
    }
    return args;
  }

  std::unique_ptr<Stmt> ParseSimple() {
    int line = Cur().line, col = Cur().col;
    auto head = ParseChainHead();
    if (Is(TokenKind::Eq)) {
      Next();
      auto value = ParseExpr();
      MarkAssigned(head.get());
      return MakeAssign(std::move(head), std::move(value), false, line, col);
    }
    auto st = std::make_unique<CallStmt>();
    st->line = line;
    st->col = col;
    if (auto* call = dynamic_cast<CallExpr*>(head.get())) {
      if (AtEndOfStatement()) {
        // `S(a)`: one argument in parentheses, passed by value.
        if (call->args.size() > 1) Fail(cerr::kParensOnSubCall);
        st->callee = std::move(call->target);
        st->args = std::move(call->args);
        if (st->args.size() == 1 && st->args[0].e) {
          auto p = std::make_unique<ParenExpr>();
          p->line = line;
          p->inner = std::move(st->args[0].e);
          st->args[0].e = std::move(p);
        }
        return st;
      }
      // `S (2) * 8, 7`: the parenthesised part starts the first argument.
      if (call->args.size() != 1 || !call->args[0].e) Fail(cerr::kExpectedEndOfStatement);
      auto p = std::make_unique<ParenExpr>();
      p->line = line;
      p->inner = std::move(call->args[0].e);
      Arg first;
      first.e = ParseLevel(0, std::move(p));
      st->callee = std::move(call->target);
      st->args.push_back(std::move(first));
      if (Is(TokenKind::Comma)) {
        Next();
        ArgList rest = ParseBareArgs();
        if (rest.empty()) rest.emplace_back();
        for (Arg& a : rest) st->args.push_back(std::move(a));
      }
      return st;
    }
    st->callee = std::move(head);
    st->args = ParseBareArgs();
    if (auto* n = dynamic_cast<NameExpr*>(st->callee.get()); n && !st->args.empty())
      n->ref.slot = kCallTargetMark;
    return st;
  }

  std::unique_ptr<Stmt> MakeAssign(std::unique_ptr<Expr> target, std::unique_ptr<Expr> value,
                                   bool is_set, int line, int col) {
    if (dynamic_cast<MeExpr*>(target.get())) Fail(cerr::kInvalidMe);
    if (!is_set) {
      auto* tn = dynamic_cast<NameExpr*>(target.get());
      auto* bin = dynamic_cast<BinaryExpr*>(value.get());
      if (tn && bin && bin->op == Op::Concat) {
        auto* ln = dynamic_cast<NameExpr*>(bin->l.get());
        if (ln && ln->ref.lname == tn->ref.lname) {
          if (scope_) std::erase(scope_->names, ln);  // the left operand is dropped
          auto a = std::make_unique<AppendStmt>();
          a->line = line;
          a->col = col;
          a->rhs = std::move(bin->r);
          target.release();
          a->target.reset(tn);
          return a;
        }
      }
    }
    auto a = std::make_unique<AssignStmt>();
    a->line = line;
    a->col = col;
    a->target = std::move(target);
    a->value = std::move(value);
    a->is_set = is_set;
    return a;
  }

  std::unique_ptr<Stmt> ParseSet() {
    int line = Cur().line, col = Cur().col;
    Next();
    if (Is(Kw::Me)) Fail(cerr::kInvalidMe);
    auto head = ParseChainHead();
    if (!Is(TokenKind::Eq)) Fail(cerr::kExpectedEquals);
    Next();
    auto value = ParseExpr();
    MarkAssigned(head.get());
    return MakeAssign(std::move(head), std::move(value), true, line, col);
  }

  std::unique_ptr<Stmt> ParseCall() {
    auto st = Node<CallStmt>();
    Next();
    auto head = ParseChainHead(true);
    if (auto* call = dynamic_cast<CallExpr*>(head.get())) {
      st->callee = std::move(call->target);
      st->args = std::move(call->args);
    } else {
      st->callee = std::move(head);
    }
    if (auto* n = dynamic_cast<NameExpr*>(st->callee.get())) n->ref.slot = kCallTargetMark;
    return st;
  }

  std::unique_ptr<Stmt> ParseIf() {
    auto st = Node<IfStmt>();
    Next();
    IfStmt::Branch first;
    first.cond = ParseExpr();
    Expect(Kw::Then, cerr::kExpectedThen);
    if (!Is(TokenKind::Eol) && !Is(TokenKind::Eof)) {
      // One-line form: everything after Then belongs to the If.
      bool saved = single_line_if_;
      single_line_if_ = true;
      ParseLineStatements(first.body);
      st->branches.push_back(std::move(first));
      if (Is(Kw::Else)) {
        Next();
        st->else_body = std::make_unique<Block>();
        ParseLineStatements(*st->else_body);
      }
      single_line_if_ = saved;
      if (Is(Kw::End) && Peek().kw == Kw::If) Next(), Next();
      return st;
    }
    bool saved = single_line_if_;
    single_line_if_ = false;
    auto stop = [&] { return Is(Kw::ElseIf) || Is(Kw::Else) || Is(Kw::End); };
    ParseBlockInto(first.body, stop);
    st->branches.push_back(std::move(first));
    while (true) {
      if (Is(Kw::ElseIf)) {
        Next();
        IfStmt::Branch b;
        b.cond = ParseExpr();
        Expect(Kw::Then, cerr::kExpectedThen);
        ParseBlockInto(b.body, stop);
        st->branches.push_back(std::move(b));
      } else if (Is(Kw::Else)) {
        Next();
        st->else_body = std::make_unique<Block>();
        ParseBlockInto(*st->else_body, [&] { return Is(Kw::End); });
      } else if (Is(Kw::End)) {
        Next();
        if (!Is(Kw::If)) Fail(cerr::kExpectedIf);
        Next();
        break;
      } else {
        Fail(cerr::kExpectedEnd);
      }
    }
    single_line_if_ = saved;
    return st;
  }

  void ParseLineStatements(Block& b) {
    while (true) {
      while (Is(TokenKind::Colon)) Next();
      if (Is(TokenKind::Eol) || Is(TokenKind::Eof) || Is(Kw::Else)) return;
      if (Is(Kw::End) && Peek().kw == Kw::If) return;
      auto s = ParseStatement();
      if (s) b.stmts.push_back(std::move(s));
      if (Is(Kw::End) && Peek().kw == Kw::If) return;
      if (!Is(TokenKind::Colon) && !Is(TokenKind::Eol) && !Is(TokenKind::Eof) && !Is(Kw::Else))
        Fail(cerr::kExpectedEndOfStatement);
    }
  }

  std::unique_ptr<Stmt> ParseSelect() {
    auto st = Node<SelectStmt>();
    Next();
    Expect(Kw::Case, cerr::kExpectedCase);
    st->selector = ParseExpr();
    EndOfStatement();
    SkipBreaks();
    if (!Is(Kw::Case) && !Is(Kw::End)) Fail(cerr::kExpectedCase);
    while (Is(Kw::Case)) {
      Next();
      SelectStmt::Case c;
      if (Is(Kw::Else)) {
        Next();
      } else {
        while (true) {
          c.values.push_back(ParseExpr());
          if (!Is(TokenKind::Comma)) break;
          Next();
        }
      }
      if (!Is(TokenKind::Eol) && !Is(TokenKind::Colon)) {
        // A statement may follow on the same line.
        auto s = ParseStatement();
        if (s) c.body.stmts.push_back(std::move(s));
        EndOfStatement();
      }
      ParseBlockInto(c.body, [&] { return Is(Kw::Case) || Is(Kw::End); });
      st->cases.push_back(std::move(c));
    }
    if (!Is(Kw::End)) Fail(cerr::kExpectedEnd);
    Next();
    if (!Is(Kw::Select)) Fail(cerr::kExpectedSelect);
    Next();
    return st;
  }

  std::unique_ptr<NameExpr> ParseLoopVariable() {
    if (!NameAllowed(Cur())) Fail(cerr::kExpectedIdentifier);
    auto n = MakeName(Cur().text);
    Next();
    if (Is(TokenKind::Dot) || Is(TokenKind::LParen)) Fail(cerr::kInvalidForVariable);
    MarkAssigned(n.get());
    return n;
  }

  std::unique_ptr<Stmt> ParseFor() {
    int line = Cur().line, col = Cur().col;
    Next();
    if (Is(Kw::Each)) {
      auto st = std::make_unique<ForEachStmt>();
      st->line = line, st->col = col;
      Next();
      st->var = ParseLoopVariable();
      Expect(Kw::In, cerr::kExpectedIn);
      st->collection = ParseExpr();
      ParseLoopBody(st->body);
      return st;
    }
    auto st = std::make_unique<ForStmt>();
    st->line = line, st->col = col;
    st->counter = ParseLoopVariable();
    Expect(TokenKind::Eq, cerr::kExpectedEquals);
    st->from = ParseExpr();
    Expect(Kw::To, cerr::kExpectedTo);
    st->to = ParseExpr();
    if (IsWord(Cur(), "step")) {
      Next();
      st->step = ParseExpr();
    }
    ParseLoopBody(st->body);
    return st;
  }

  void ParseLoopBody(Block& body) {
    ++for_depth_;
    ParseBlockInto(body,
                   [&] { return Is(Kw::Next) || Is(Kw::End) || Is(Kw::Loop) || Is(Kw::Wend); });
    --for_depth_;
    if (!Is(Kw::Next)) Fail(cerr::kExpectedNext);
    Next();
    if (NameAllowed(Cur())) Next();  // `Next i`
  }

  std::unique_ptr<Stmt> ParseDo() {
    auto st = Node<DoStmt>();
    Next();
    if (Is(Kw::While) || Is(Kw::Until)) {
      st->until = Is(Kw::Until);
      st->test = DoStmt::kTop;
      Next();
      st->cond = ParseExpr();
    } else if (!Is(TokenKind::Eol) && !Is(TokenKind::Colon)) {
      Fail(cerr::kExpectedWhileUntilEos);
    }
    ++do_depth_;
    ParseBlockInto(st->body,
                   [&] { return Is(Kw::Loop) || Is(Kw::End) || Is(Kw::Next) || Is(Kw::Wend); });
    --do_depth_;
    if (!Is(Kw::Loop)) Fail(cerr::kExpectedLoop);
    Next();
    if (Is(Kw::While) || Is(Kw::Until)) {
      if (st->test == DoStmt::kTop) Fail(cerr::kExpectedEndOfStatement);
      st->until = Is(Kw::Until);
      st->test = DoStmt::kBottom;
      Next();
      st->cond = ParseExpr();
    }
    return st;
  }

  std::unique_ptr<Stmt> ParseWhile() {
    auto st = Node<DoStmt>();
    Next();
    st->test = DoStmt::kTop;
    st->is_while_wend = true;
    st->cond = ParseExpr();
    ++while_depth_;
    ParseBlockInto(st->body,
                   [&] { return Is(Kw::Wend) || Is(Kw::End) || Is(Kw::Loop) || Is(Kw::Next); });
    --while_depth_;
    if (!Is(Kw::Wend)) Fail(cerr::kExpectedWend);
    Next();
    return st;
  }

  std::unique_ptr<Stmt> ParseWith() {
    auto st = Node<WithStmt>();
    Next();
    st->object = ParseExpr();
    ParseBlockInto(st->body, [&] { return Is(Kw::End); });
    if (!Is(Kw::End)) Fail(cerr::kExpectedEnd);
    Next();
    if (!Is(Kw::With)) Fail(cerr::kExpectedWith);
    Next();
    return st;
  }

  std::unique_ptr<Stmt> ParseExit() {
    auto st = Node<ExitStmt>();
    Next();
    if (Is(Kw::Do)) {
      if (!do_depth_) Fail(cerr::kInvalidExit);
      st->flow = Flow::ExitDo;
    } else if (Is(Kw::For)) {
      if (!for_depth_) Fail(cerr::kInvalidExit);
      st->flow = Flow::ExitFor;
    } else if (Is(Kw::Sub) || Is(Kw::Function) || IsWord(Cur(), "property")) {
      ProcDef::Kind want = Is(Kw::Sub)        ? ProcDef::kSub
                           : Is(Kw::Function) ? ProcDef::kFunction
                                              : ProcDef::kPropGet;
      bool ok = in_proc_ && (want == ProcDef::kPropGet ? (proc_kind_ == ProcDef::kPropGet ||
                                                          proc_kind_ == ProcDef::kPropLet ||
                                                          proc_kind_ == ProcDef::kPropSet)
                                                       : proc_kind_ == want);
      if (!ok) Fail(cerr::kInvalidExit);
      st->flow = Flow::ExitProc;
    } else {
      Fail(cerr::kSyntax);
    }
    Next();
    return st;
  }

  std::unique_ptr<Stmt> ParseReDim() {
    auto st = Node<ReDimStmt>();
    Next();
    if (IsWord(Cur(), "preserve")) st->preserve = true, Next();
    while (true) {
      ReDimStmt::Item item;
      if (!NameAllowed(Cur())) Fail(cerr::kExpectedIdentifier);
      item.target = MakeName(Cur().text);
      Next();
      MarkAssigned(item.target.get());
      Expect(TokenKind::LParen, cerr::kExpectedLParen);
      while (true) {
        item.bounds.push_back(ParseExpr());
        if (!Is(TokenKind::Comma)) break;
        Next();
      }
      Expect(TokenKind::RParen, cerr::kExpectedRParen);
      st->items.push_back(std::move(item));
      if (!Is(TokenKind::Comma)) break;
      Next();
    }
    return st;
  }

  std::unique_ptr<Stmt> ParseErase() {
    auto st = Node<EraseStmt>();
    Next();
    while (true) {
      st->targets.push_back(MakeName(ExpectName()));
      if (!Is(TokenKind::Comma)) break;
      Next();
    }
    return st;
  }

  std::unique_ptr<Stmt> ParseOnError() {
    auto st = Node<OnErrorStmt>();
    Next();
    if (!IsWord(Cur(), "error")) Fail(cerr::kSyntax);
    Next();
    if (IsWord(Cur(), "resume")) {
      Next();
      Expect(Kw::Next, cerr::kSyntax);
      st->resume_next = true;
    } else if (IsWord(Cur(), "goto")) {
      Next();
      if (!Is(TokenKind::Number) || Cur().value.ToLong() != 0) Fail(cerr::kSyntax);
      Next();
    } else {
      Fail(cerr::kSyntax);
    }
    return st;
  }

  // ---- expressions ----
  // Levels: 0 Imp, 1 Eqv, 2 Xor, 3 Or, 4 And, 5 Not, 6 comparisons, 7 &, 8 + -, 9 Mod,
  // 10 \, 11 * /, 12 ^, 13 unary and operands.
  std::unique_ptr<Expr> ParseExpr() { return ParseLevel(0, nullptr); }

  bool OperatorAt(int level, Op& op) const {
    const Token& t = Cur();
    switch (level) {
      case 0:
        return t.kw == Kw::Imp && t.type == TokenKind::Name ? (op = Op::Imp, true) : false;
      case 1:
        return t.kw == Kw::Eqv && t.type == TokenKind::Name ? (op = Op::Eqv, true) : false;
      case 2:
        return t.kw == Kw::Xor && t.type == TokenKind::Name ? (op = Op::Xor, true) : false;
      case 3:
        return t.kw == Kw::Or && t.type == TokenKind::Name ? (op = Op::Or, true) : false;
      case 4:
        return t.kw == Kw::And && t.type == TokenKind::Name ? (op = Op::And, true) : false;
      case 6:
        switch (t.type) {
          case TokenKind::Eq:
            op = Op::Eq;
            return true;
          case TokenKind::Ne:
            op = Op::Ne;
            return true;
          case TokenKind::Lt:
            op = Op::Lt;
            return true;
          case TokenKind::Gt:
            op = Op::Gt;
            return true;
          case TokenKind::Le:
            op = Op::Le;
            return true;
          case TokenKind::Ge:
            op = Op::Ge;
            return true;
          case TokenKind::Name:
            if (t.kw == Kw::Is) return op = Op::Is, true;
            return false;
          default:
            return false;
        }
      case 7:
        return t.type == TokenKind::Amp ? (op = Op::Concat, true) : false;
      case 8:
        if (t.type == TokenKind::Plus) return op = Op::Add, true;
        if (t.type == TokenKind::Minus) return op = Op::Sub, true;
        return false;
      case 9:
        return t.kw == Kw::Mod && t.type == TokenKind::Name ? (op = Op::Mod, true) : false;
      case 10:
        return t.type == TokenKind::Backslash ? (op = Op::IntDiv, true) : false;
      case 11:
        if (t.type == TokenKind::Star) return op = Op::Mul, true;
        if (t.type == TokenKind::Slash) return op = Op::Div, true;
        return false;
      case 12:
        return t.type == TokenKind::Caret ? (op = Op::Pow, true) : false;
      default:
        return false;
    }
  }

  std::unique_ptr<Expr> ParseLevel(int level, std::unique_ptr<Expr> first) {
    if (level == 13) return first ? std::move(first) : ParseUnary();
    if (level == 5) {
      if (!first && Is(Kw::Not)) {
        Nesting guard(*this);
        auto u = Node<UnaryExpr>();
        Next();
        u->op = Op::Not;
        u->e = ParseLevel(5, nullptr);
        Nest(*u, u->e.get());
        return u;
      }
      return ParseLevel(6, std::move(first));
    }
    auto lhs = ParseLevel(level + 1, std::move(first));
    Op op;
    while (OperatorAt(level, op)) {
      auto b = MakeBinaryExpr(op);
      b->line = Cur().line;
      b->col = Cur().col;
      Next();
      if (level == 6 && Is(Kw::Not))
        b->r = ParseLevel(5, nullptr);
      else
        b->r = ParseLevel(level + 1, nullptr);
      b->l = std::move(lhs);
      Nest(*b, b->l.get());
      Nest(*b, b->r.get());
      if (level == 6) {
        if (b->l->LiteralKind() == 1) b->hints |= kLeftNumberLiteral;
        if (b->l->LiteralKind() == 2) b->hints |= kLeftStringLiteral;
        if (b->r->LiteralKind() == 1) b->hints |= kRightNumberLiteral;
        if (b->r->LiteralKind() == 2) b->hints |= kRightStringLiteral;
      }
      lhs = std::move(b);
    }
    return lhs;
  }

  std::unique_ptr<Expr> ParseUnary() {
    Nesting guard(*this);
    if (Is(TokenKind::Minus) || Is(TokenKind::Plus)) {
      auto u = Node<UnaryExpr>();
      u->op = Is(TokenKind::Minus) ? Op::Neg : Op::Plus;
      Next();
      u->e = ParseUnary();
      Nest(*u, u->e.get());
      return u;
    }
    return ParsePrimary();
  }

  std::unique_ptr<Expr> Literal(Variant v, int kind) {
    auto l = Node<LiteralExpr>();
    l->value = std::move(v);
    l->kind = kind;
    Next();
    return l;
  }

  std::unique_ptr<Expr> ParsePrimary() {
    const Token& t = Cur();
    switch (t.type) {
      case TokenKind::Number:
      case TokenKind::Date:
        return Literal(t.value, 1);
      case TokenKind::String:
        return Literal(Variant(t.text), 2);
      case TokenKind::LParen: {
        auto p = Node<ParenExpr>();
        Next();
        p->inner = ParseExpr();
        Nest(*p, p->inner.get());
        Expect(TokenKind::RParen, cerr::kExpectedRParen);
        return ParsePostfixValue(std::move(p));
      }
      case TokenKind::Dot: {
        auto m = Node<MemberExpr>();
        Next();
        m->name = MemberName();
        return ParsePostfix(std::move(m));
      }
      case TokenKind::Name:
        break;
      case TokenKind::Eol:
      case TokenKind::Eof:
      case TokenKind::Colon:
        Fail(cerr::kExpectedExpression);
      default:
        Fail(cerr::kExpectedExpression);
    }
    switch (t.kw) {
      case Kw::None:
        return ParsePostfix(MakeName(ExpectName()));
      case Kw::True:
        return Literal(Variant(true), 0);
      case Kw::False:
        return Literal(Variant(false), 0);
      case Kw::Empty:
        return Literal(Variant(), 0);
      case Kw::Null:
        return Literal(Variant::Null(), 0);
      case Kw::Nothing:
        return Literal(Variant::Nothing(), 0);
      case Kw::Me: {
        auto m = Node<MeExpr>();
        Next();
        return ParsePostfix(std::move(m));
      }
      case Kw::New: {
        auto n = Node<NewExpr>();
        Next();
        n->class_name = ExpectName();
        n->lname = FoldCase(n->class_name);
        n->explicit_vars = unit_->explicit_vars;
        return n;
      }
      default:
        Fail(cerr::kExpectedExpression);
    }
  }

  // `(x).p`, `(f)(3)`: parentheses around a call target or a member's object only group, so
  // the chain goes on from the inner expression (`Call ((s)) (x)` passes x by reference).
  std::unique_ptr<Expr> ParsePostfixValue(std::unique_ptr<Expr> e) {
    if (!Is(TokenKind::Dot) && !Is(TokenKind::LParen)) return e;
    if (Is(TokenKind::Dot) && Cur().space_before) return e;
    return ParsePostfix(StripParens(std::move(e)));
  }

  static std::unique_ptr<Expr> StripParens(std::unique_ptr<Expr> e) {
    while (auto* p = dynamic_cast<ParenExpr*>(e.get())) e = std::move(p->inner);
    return e;
  }

 public:
  static constexpr int kCallTargetMark = -2;

 private:
  std::vector<Token> t_;
  size_t p_ = 0;
  CompileOptions opt_;
  std::shared_ptr<Unit> unit_;
  ProcScope* scope_ = nullptr;
  std::unique_ptr<ProcScope> outer_;
  const ClassDef* outer_class_ = nullptr;
  std::vector<ProcScope> pending_;
  std::unordered_map<std::string, bool> global_names_;  // name -> is a Sub/Function
  std::unordered_map<std::string, int> implicit_;
  int do_depth_ = 0, for_depth_ = 0, while_depth_ = 0, block_depth_ = 0, nesting_ = 0;
  StackGuard own_stack_;
  ProcDef::Kind proc_kind_ = ProcDef::kSub;
  bool in_proc_ = false;
  bool single_line_if_ = false;
  bool allow_end_ = true;
};

}  // namespace

std::shared_ptr<Unit> CompileUnit(std::string_view text, const CompileOptions& opt) {
  Parser p(Tokenize(text, opt.first_line), opt);
  p.UseOuterScope();
  return p.ParseUnit();
}

std::unique_ptr<Expr> CompileExpression(std::string_view text, const CompileOptions& opt) {
  Parser p(Tokenize(text, opt.first_line), opt);
  p.UseOuterScope();
  return p.ParseOnlyExpression();
}

}  // namespace sw::vbs
