// Turns script text into a compiled unit, or fails with a CompileError (10xx number, line,
// column). Also compiles the text of Execute and Eval inside a running procedure's scope.
#pragma once

#include <memory>
#include <string_view>

#include "scripting/vbscript/program.h"
#include "scripting/vbscript/stack_guard.h"

namespace sw::vbs {

struct CompileOptions {
  int first_line = 0;
  // Execute/Eval inside a procedure: its locals and class members are visible by name.
  const ProcDef* scope = nullptr;
  const ClassDef* cls = nullptr;
  bool inherit_explicit = false;  // continuing a text that had Option Explicit
  // The running engine's guard; null: the compiler measures the calling thread itself.
  const StackGuard* stack = nullptr;
};

std::shared_ptr<Unit> CompileUnit(std::string_view text, const CompileOptions& opt = {});
std::unique_ptr<Expr> CompileExpression(std::string_view text, const CompileOptions& opt = {});

}  // namespace sw::vbs
