// The table of built-in functions and constants. Each library file (lib_*.cpp) registers its
// own entries (the RegisterLib functions of lib_register.h), so the library grows file by file
// without touching the engine.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "variant/dispatch.h"
#include "variant/variant.h"

namespace sw::vbs {

class Runtime;
struct Frame;

// What a built-in function sees besides its arguments.
struct CallContext {
  Runtime& rt;
  Frame& frame;
  bool as_statement;  // called as a statement (`Call F(x)`, `F x`): its result is dropped
};

using BuiltinFn = Variant (*)(CallContext& ctx, Args args);
// Creates an instance of a built-in class for `New Name`.
using BuiltinClassFn = Ref<Dispatch> (*)(Runtime& rt);

struct BuiltinDef {
  std::string name;
  BuiltinFn fn = nullptr;
  int min_args = 0;
  int max_args = 0;
  bool is_constant = false;
  Variant constant;
  BuiltinClassFn make_object = nullptr;  // a class usable with New
};

class BuiltinTable {
 public:
  // A function taking min..max arguments; other counts fail with E450 before it runs.
  void AddFunction(std::string_view name, int min_args, int max_args, BuiltinFn fn);
  // A named constant (vbCrLf, vbYes ...): readable anywhere, never assignable.
  void AddConstant(std::string_view name, Variant value);
  // A class usable with `New Name` (it wins over a script class of the same name).
  void AddClass(std::string_view name, BuiltinClassFn make);
  // A function or constant by lower-case name (classes are found with FindClass).
  const BuiltinDef* Find(const std::string& lower_name) const;
  BuiltinClassFn FindClass(const std::string& lower_name) const {
    auto it = table_.find(lower_name);
    return it == table_.end() ? nullptr : it->second.make_object;
  }
  size_t size() const { return table_.size(); }

 private:
  std::unordered_map<std::string, BuiltinDef> table_;
};

}  // namespace sw::vbs
