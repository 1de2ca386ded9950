// The pass that swaps bound nodes for their faster forms, children first, so that a parent
// choosing its form sees its children's final kinds.
#include "scripting/vbscript/ast.h"
#include "scripting/vbscript/stack_guard.h"

namespace sw::vbs {
namespace {

class Specializer final : public TreeWalker {
 public:
  explicit Specializer(const StackGuard& stack) : stack_(stack) {}
  using TreeWalker::Visit;
  void Visit(std::unique_ptr<Expr>& e) override {
    if (!e || Deep()) return;
    e->Children(*this);
    if (auto faster = e->Specialized()) e = std::move(faster);
  }
  void Visit(std::unique_ptr<Stmt>& s) override {
    if (!s || Deep()) return;
    s->Children(*this);
    if (auto faster = s->Specialized()) s = std::move(faster);
  }

 private:
  // The tree is only as deep as the compiler allowed, but a subtree that would take the
  // walk too deep on the native stack just keeps its plain nodes.
  bool Deep() const { return stack_.Exhausted(StackPosition()); }
  const StackGuard& stack_;
};

}  // namespace

void Specialize(Block& block, const StackGuard& stack) {
  Specializer s(stack);
  s.Visit(block);
}

void Specialize(std::unique_ptr<Expr>& e, const StackGuard& stack) {
  Specializer s(stack);
  s.Visit(e);
}

}  // namespace sw::vbs
